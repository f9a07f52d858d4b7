#include "appointments/TFoAppunta.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "reports/TQR4.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTime>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
const QStringList kColumns = {QStringLiteral("ORA"), QStringLiteral("NOME"), QStringLiteral("TELEFONO"),
                              QStringLiteral("NOTE")};
}  // namespace

// ---------------------------------------------------------------- slot grid

// The slots as the grid edits them: every cell can be typed into; a change marks the
// window edited.
class SlotModel : public QAbstractTableModel {
public:
    SlotModel(TFoAppunta *w, GridTable *t) : QAbstractTableModel(w), m_w(w), m_t(t) {}

    void refresh()
    {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() || !m_w->tableOpen() ? 0 : m_t->rowCount();
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : kColumns.size();
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_t->rowCount()) return QVariant();
        if (role == Qt::DisplayRole || role == Qt::EditRole) return m_t->text(index.row(), kColumns[index.column()]);
        return QVariant();
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole || index.row() >= m_t->rowCount()) return false;
        const QString &field = kColumns[index.column()];
        if (m_t->text(index.row(), field) == value.toString()) return true;
        m_t->set(index.row(), field, value.toString());
        m_t->set(index.row(), QStringLiteral("CAMBIATO"), 1);
        m_w->markEdited();
        Q_EMIT dataChanged(index, index);
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section < kColumns.size()) return kColumns[section];
        return QAbstractTableModel::headerData(section, o, role);
    }

private:
    TFoAppunta *m_w;
    GridTable *m_t;
};

SlotGrid::SlotGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
}

void SlotGrid::commitEdits()
{
    if (state() != QAbstractItemView::EditingState) return;
    for (QWidget *ed : viewport()->findChildren<QWidget *>()) {
        if (!ed->isWindow() && ed->parentWidget() == viewport() && ed->isVisible()) {
            commitData(ed);
            closeEditor(ed, QAbstractItemDelegate::NoHint);
        }
    }
}

// ---------------------------------------------------------------- visit window

TFoAppunta::TFoAppunta(QWidget *parent) : QDialog(parent), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoAppunta"));
    setWindowTitle(QStringLiteral("Appuntamenti"));
    resize(780, 560);
    setSizeGripEnabled(true);

    m_table->addText(QStringLiteral("ORA"), 5)
        .addText(QStringLiteral("NOME"), 40)
        .addText(QStringLiteral("TELEFONO"), 20)
        .addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("NOTE"), 150)
        .addText(QStringLiteral("NOMECARICATO"), 0)// the name as loaded, to tell another desk's booking
        .addInt(QStringLiteral("CAMBIATO"));       // 1 once the row was typed into

    auto label = [this](QLabel *&l, const char *name, const QString &text, int x, int y, int w) {
        l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y + 3, w, 20);
    };
    label(Label1, "Label1", QStringLiteral("Medico"), 12, 12, 70);
    label(Label2, "Label2", QStringLiteral("Stanza"), 372, 12, 60);
    label(Label3, "Label3", QStringLiteral("Data"), 12, 48, 70);
    label(Label4, "Label4", QStringLiteral("Dalle"), 206, 48, 40);
    label(Label5, "Label5", QStringLiteral("Alle"), 312, 48, 36);
    label(Label6, "Label6", QStringLiteral("Ogni"), 416, 48, 40);
    label(Label7, "Label7", QStringLiteral("Min."), 508, 48, 40);
    label(Label8, "Label8", QStringLiteral("Note"), 12, 84, 70);
    label(Label9, "Label9", QStringLiteral("Appuntamenti"), 12, 168, 120);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(90, 12, 260, 28);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setGeometry(436, 12, 140, 28);
    ComboBox2->addItems({QStringLiteral("STANZA 1"), QStringLiteral("STANZA 2"), QStringLiteral("STANZA 3 "),
                         QStringLiteral("STANZA 4"), QStringLiteral("STANZA 5 ")});
    ComboBox2->setEditText(QStringLiteral("STANZA 1"));

    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(90, 48, 100, 28);
    MaskEdit2 = new MaskEdit(QStringLiteral("!90:00;1;_"), this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    MaskEdit2->setGeometry(246, 48, 56, 28);
    MaskEdit3 = new MaskEdit(QStringLiteral("!90:00;1;_"), this);
    MaskEdit3->setObjectName(QStringLiteral("MaskEdit3"));
    MaskEdit3->setGeometry(350, 48, 56, 28);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(3);
    Edit1->setGeometry(456, 48, 46, 28);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(90, 84, 486, 72);

    auto button = [this](QPushButton *&b, const char *name, const QString &text) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
    };
    button(Button1, "Button1", QStringLiteral("Genera"));
    button(Button2, "Button2", QStringLiteral("Salva"));
    button(Button3, "Button3", QStringLiteral("Copia"));
    button(Button4, "Button4", QStringLiteral("Stampa"));

    DBGrid1 = new SlotGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new SlotModel(this, m_table);
    DBGrid1->setModel(m_model);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
}

TFoAppunta::~TFoAppunta() { delete m_table; }

void TFoAppunta::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    const int bw = 90, by = 164;
    int x = w - 12 - 4 * bw - 3 * 8;
    for (QPushButton *b : {Button1, Button2, Button3, Button4}) {
        b->setGeometry(x, by, bw, 30);
        x += bw + 8;
    }
    DBGrid1->setGeometry(12, by + 40, w - 24, h - by - 40 - 12);
    QFont f = DBGrid1->font();
    f.setPointSize(qMax(1, w / 55));
    DBGrid1->setFont(f);
    DBGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 8);
    DBGrid1->setColumnWidth(0, QFontMetrics(f).horizontalAdvance(QStringLiteral("00:000")));
    DBGrid1->setColumnWidth(1, (w - 24) * 30 / 100);
    DBGrid1->setColumnWidth(2, (w - 24) * 20 / 100);
}

void TFoAppunta::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_loaded) return;
    m_loaded = true;
    guard([this] { FormActivate(); });
}

// ---------------------------------------------------------------- conversions

QTime TFoAppunta::strToTime(const QString &text) { return vlm::strToTime(text); }

int TFoAppunta::slotLength(const QString &text)
{
    const QString t = text.trimmed();
    const qint64 n = strToIntDef(t, -1);
    if (n < 1 || n > 59)
        throw DbError(QLatin1Char('\'') + t + QStringLiteral("' non è una durata valida (da 1 a 59 minuti)"));
    return int(n);
}

QStringList TFoAppunta::slotTimes(const QTime &start, const QTime &end, int minutes)
{
    QStringList out;
    if (minutes < 1) return out;
    const int from = start.hour() * 60 + start.minute();
    const int to = end.hour() * 60 + end.minute();
    for (int t = from; t <= to; t += minutes)
        out << QStringLiteral("%1:%2").arg(t / 60, 2, 10, QLatin1Char('0')).arg(t % 60, 2, 10, QLatin1Char('0'));
    return out;
}

// ---------------------------------------------------------------- loading

void TFoAppunta::FormActivate()
{
    if (m_visitId > 0) {
        Query q(kDB);
        q.add(QStringLiteral("select * from Visite where ID=:IDI"));
        q.bindInt(QStringLiteral("IDI"), m_visitId);
        q.open();
        if (!q.isEmpty()) {
            ComboBox1->setEditText(q.str(QStringLiteral("MEDICO")));
            MaskEdit1->setText(dateToStr(q.date(QStringLiteral("DATA"))));
            MaskEdit2->setText(q.str(QStringLiteral("ORAINIZIO")).left(5));
            MaskEdit3->setText(q.str(QStringLiteral("ORAFINE")).left(5));
            Edit1->setText(q.str(QStringLiteral("DURATA")));
            ComboBox2->setEditText(q.str(QStringLiteral("LUOGO")));
            Memo1->setPlainText(q.str(QStringLiteral("DESCRIZIONE")));
        }
        q.close();
    }
    CarTabella();
}

void TFoAppunta::CarTabella()
{
    DBGrid1->commitEdits();
    Query q(kDB);
    q.add(QStringLiteral("select * from Appuntamenti where IDVISITA=:IDV ORDER BY ORA"));
    q.bindInt(QStringLiteral("IDV"), m_visitId);
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("ID")},
                          {QStringLiteral("NOME"), QStringLiteral("NOME")},
                          {QStringLiteral("TELEFONO"), QStringLiteral("TELEFONO")},
                          {QStringLiteral("ORA"), QStringLiteral("ORA")},
                          {QStringLiteral("NOTE"), QStringLiteral("NOTE")},
                          {QStringLiteral("NOME"), QStringLiteral("NOMECARICATO")}});
    q.close();
    m_tableOpen = true;
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentIndex(m_model->index(0, 0));
    m_edited = false;
}

// ---------------------------------------------------------------- buttons

void TFoAppunta::Button1Click()
{
    // Everything converts before the slot table is touched.
    const QTime dalle = strToTime(MaskEdit2->text());
    const QTime alle = strToTime(MaskEdit3->text());
    const int ogni = slotLength(Edit1->text());
    DBGrid1->commitEdits();
    const bool edited = m_edited;
    m_table->empty();
    for (const QString &ora : slotTimes(dalle, alle, ogni)) {
        const int r = m_table->append();
        m_table->set(r, QStringLiteral("ORA"), ora);
        m_table->set(r, QStringLiteral("ID"), 0);
    }
    m_tableOpen = true;
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentIndex(m_model->index(0, 0));
    m_edited = edited;  // generating is no change of a row
}

bool TFoAppunta::save()
{
    DBGrid1->commitEdits();
    // Every box converts before anything is written.
    const QString ogni = Edit1->text().trimmed();
    const qint64 durata = strToInt(ogni);
    if (durata < 1) throw DbError(QLatin1Char('\'') + ogni + QStringLiteral("' non è una durata valida"));
    const QDate data = strToDate(MaskEdit1->text().trimmed());
    const QTime dalle = strToTime(MaskEdit2->text());
    const QTime alle = strToTime(MaskEdit3->text());

    {
        Query q(kDB);
        if (m_visitId < 1) {
            q.add(QStringLiteral("insert into Visite(MEDICO,DATA,ORAINIZIO,ORAFINE,LUOGO,DESCRIZIONE,DURATA) "
                                 "values(:MED,:DTA,:ORI,:ORF,:LUO,:DES,:DUR)"));
        } else {
            q.add(QStringLiteral("update Visite set MEDICO=:MED,DATA=:DTA,LUOGO=:LUO,DESCRIZIONE=:DES,DURATA=:DUR,"
                                 "ORAINIZIO=:ORI,ORAFINE=:ORF where ID=:IDI"));
            q.bindInt(QStringLiteral("IDI"), m_visitId);
        }
        q.bindInt(QStringLiteral("DUR"), durata);
        q.bindText(QStringLiteral("MED"), ComboBox1->currentText());
        q.bindDate(QStringLiteral("DTA"), data);
        q.bindText(QStringLiteral("ORI"), dalle.toString(QStringLiteral("HH:mm:ss")));
        q.bindText(QStringLiteral("ORF"), alle.toString(QStringLiteral("HH:mm:ss")));
        q.bindText(QStringLiteral("LUO"), ComboBox2->currentText());
        q.bindText(QStringLiteral("DES"), Memo1->toPlainText());
        q.exec();
        if (m_visitId < 1) {
            // The key of this insert, on the same connection: another workstation's
            // visit may be stored in between.
            m_visitId = scalar(kDB, QStringLiteral("select LAST_INSERT_ID() IDM")).toLongLong();
        }
    }

    for (int r = 0; m_tableOpen && r < m_table->rowCount(); ++r) {
        const qint64 id = m_table->integer(r, QStringLiteral("ID"));
        const QString nome = m_table->text(r, QStringLiteral("NOME"));
        // A stored slot nobody typed into here has nothing to write: another desk may have
        // booked it meanwhile, and that booking stays.
        if (id != 0 && m_table->integer(r, QStringLiteral("CAMBIATO")) == 0) continue;
        bool stored = false;
        if (id != 0) {
            Query s(kDB);
            s.add(QStringLiteral("select * from Appuntamenti where ID=:IDA"));
            s.bindInt(QStringLiteral("IDA"), id);
            s.open();
            stored = !s.isEmpty();
            const QString booked = stored ? s.str(QStringLiteral("NOME")) : QString();
            s.close();
            const QString caricato = m_table->text(r, QStringLiteral("NOMECARICATO"));
            if (!booked.isEmpty() && booked.trimmed() != nome.trimmed() && booked.trimmed() != caricato.trimmed()) {
                // Someone else booked this slot since it was loaded.
                if (messageBox(QStringLiteral("Errore"),
                               QStringLiteral("Appuntamento già prenotato a ") + booked + QStringLiteral(" Vuoi modificarlo ?"),
                               QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
                    CarTabella();
                    return false;
                }
            }
        }
        Query q(kDB);
        if (stored) {
            q.add(QStringLiteral("Update Appuntamenti set NOME=:NOM,TELEFONO=:TEL,ORA=:ORA, NOTE=:NOT where ID=:IDA"));
            q.bindInt(QStringLiteral("IDA"), id);
        } else {
            // A new slot (or one no longer stored at all): written as a new row.
            q.add(QStringLiteral("insert into Appuntamenti(IDVISITA,ORA,NOME,TELEFONO,NOTE) Value(:IDV,:ORA,:NOM,:TEL,:NOT)"));
            q.bindInt(QStringLiteral("IDV"), m_visitId);
        }
        q.bindText(QStringLiteral("NOM"), nome);
        q.bindText(QStringLiteral("TEL"), m_table->text(r, QStringLiteral("TELEFONO")));
        q.bindText(QStringLiteral("ORA"), m_table->text(r, QStringLiteral("ORA")));
        q.bindText(QStringLiteral("NOT"), m_table->text(r, QStringLiteral("NOTE")));
        q.exec();
        if (!stored) {
            // Stored now: a save repeated after an error further on updates it.
            m_table->set(r, QStringLiteral("ID"), scalar(kDB, QStringLiteral("select LAST_INSERT_ID()")).toLongLong());
        }
        m_table->set(r, QStringLiteral("NOMECARICATO"), nome);
        m_table->set(r, QStringLiteral("CAMBIATO"), 0);
    }
    m_edited = false;
    return true;
}

void TFoAppunta::Button2Click()
{
    if (save()) accept();
}

void TFoAppunta::done(int r)
{
    // Closing with changed slots saves them first; a save that stops keeps the window open.
    DBGrid1->commitEdits();
    if (m_edited) {
        bool saved = false;
        guard([this, &saved] { saved = save(); });
        if (!saved) return;
    }
    QDialog::done(r);
}

void TFoAppunta::Button3Click()
{
    DBGrid1->commitEdits();
    MaskEdit1->setText(QString());
    m_visitId = 0;
    m_table->empty();
    m_tableOpen = false;
    m_edited = false;  // the slots of the old visit are no longer shown
    m_model->refresh();
}

void TFoAppunta::Button4Click()
{
    DBGrid1->commitEdits();
    TQR4 r(this);
    r.QRLabel1->setText(ComboBox1->currentText());
    r.QRLabel2->setText(QStringLiteral("Appuntamenti del ") + MaskEdit1->text());
    r.Query1->bindInt(QStringLiteral("IDV"), m_visitId);
    r.Query1->open();
    r.setQuery(r.Query1);
    r.preview(this);
    r.Query1->close();
}
