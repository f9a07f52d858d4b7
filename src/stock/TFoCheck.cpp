#include "stock/TFoCheck.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "reports/TQR5.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTimer>
#include <limits>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
const QString fQta = QStringLiteral("QUANTITA");
const QString fCod = QStringLiteral("CODICE");
const QString fDes = QStringLiteral("DESCRIZIONE");
const QString fSca = QStringLiteral("SCADENZA");
const QString fPos = QStringLiteral("POSIZIONE");
const QString fId = QStringLiteral("ID");
const QString fIdf = QStringLiteral("IDF");
// What an item without expiry date is stored with: day 0 of the date count, which the
// expiry notice always lists.
const QDate kNoDate(1899, 12, 30);

// The list's model: every shown column but the description can be typed into.
class CheckModel : public GridModel {
public:
    CheckModel(GridTable *t, TFoCheck *w, QObject *parent) : GridModel(t, parent), m_w(w) {}

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = GridModel::flags(index);
        if (index.isValid() && columns().value(index.column()).field != fDes) f |= Qt::ItemIsEditable;
        return f;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::EditRole && index.isValid())
            return table()->value(index.row(), columns().value(index.column()).field);
        return GridModel::data(index, role);
    }
    bool setData(const QModelIndex &index, const QVariant &v, int role) override
    {
        if (role != Qt::EditRole || !index.isValid()) return false;
        m_w->setCell(index.row(), columns().value(index.column()).field, v);
        return true;
    }

private:
    TFoCheck *m_w;
};
}  // namespace

// The editors of the grid's columns: a number box for the quantity, a drop-down with every
// article name, a date box for the expiry and a text box of 25 characters for the position.
class CheckDelegate : public QStyledItemDelegate {
public:
    CheckDelegate(TFoCheck *w) : QStyledItemDelegate(w), m_w(w) {}

    mutable QPointer<QWidget> editor;  // the editor open last

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &opt, const QModelIndex &index) const override
    {
        const QString field = fieldOf(index);
        QWidget *ed = nullptr;
        if (field == fQta) {
            auto *s = new QSpinBox(parent);
            s->setRange(std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
            ed = s;
        } else if (field == fCod) {
            auto *c = new QComboBox(parent);
            c->setEditable(true);
            c->setInsertPolicy(QComboBox::NoInsert);
            c->addItems(m_w->articleNames());
            ed = c;
        } else if (field == fSca) {
            ed = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), parent);
        } else if (field == fPos) {
            auto *e = new QLineEdit(parent);
            e->setMaxLength(25);
            ed = e;
        } else {
            ed = QStyledItemDelegate::createEditor(parent, opt, index);
        }
        if (ed) ed->setObjectName(QStringLiteral("Editor") + field);
        editor = ed;
        return ed;
    }

    void setEditorData(QWidget *ed, const QModelIndex &index) const override
    {
        const QVariant v = index.data(Qt::EditRole);
        if (auto *s = qobject_cast<QSpinBox *>(ed)) s->setValue(v.toInt());
        else if (auto *c = qobject_cast<QComboBox *>(ed)) c->setEditText(v.toString());
        else if (auto *m = qobject_cast<MaskEdit *>(ed)) m->setText(v.isNull() ? QString() : dateToStr(v.toDate()));
        else if (auto *e = qobject_cast<QLineEdit *>(ed)) e->setText(v.toString());
        else QStyledItemDelegate::setEditorData(ed, index);
    }

    void setModelData(QWidget *ed, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *s = qobject_cast<QSpinBox *>(ed)) {
            s->interpretText();
            model->setData(index, s->value());
        } else if (auto *c = qobject_cast<QComboBox *>(ed)) {
            model->setData(index, c->currentText());
        } else if (auto *m = qobject_cast<MaskEdit *>(ed)) {
            if (m->isMaskEmpty()) {
                model->setData(index, QVariant(QMetaType(QMetaType::QDate)));
                return;
            }
            const QString text = m->text();
            if (!isDateText(text)) {
                // The cell keeps its date; the error is shown once the editor has closed.
                QTimer::singleShot(0, m_w, [text] { guard([text] { strToDate(text); }); });
                return;
            }
            model->setData(index, strToDate(text));
        } else if (auto *e = qobject_cast<QLineEdit *>(ed)) {
            model->setData(index, e->text());
        } else {
            QStyledItemDelegate::setModelData(ed, model, index);
        }
    }

private:
    QString fieldOf(const QModelIndex &index) const
    {
        return static_cast<const GridModel *>(index.model())->columns().value(index.column()).field;
    }
    TFoCheck *m_w;
};

TFoCheck::TFoCheck(QWidget *parent) : QDialog(parent), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoCheck"));
    setWindowTitle(QString());
    setSizeGripEnabled(true);

    m_table->addInt(fQta)
        .addText(fCod, 40)
        .addText(fDes, 50)
        .addDate(fSca)
        .addText(fPos, 25)
        .addInt(fId)
        .addInt(fIdf);

    Label1 = new QLabel(QStringLiteral("Mezzo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 16, 50, 22);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(70, 14, 200, 26);
    Label1->setBuddy(ComboBox1);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new CheckModel(m_table, this, DBGrid1);
    m_model->setColumns({{fQta, fQta, 80},
                         {fCod, fCod, 260},
                         {fSca, fSca, 100},
                         {fPos, fPos, 180},
                         {fDes, fDes, 240}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->setVisible(true);
    m_delegate = new CheckDelegate(this);
    DBGrid1->setItemDelegate(m_delegate);
    DBGrid1->installEventFilter(this);
    DBGrid1->viewport()->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral(" - "), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Stampa"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton *b : {Button1, Button2, Button3}) b->setAutoDefault(false);

    on(ComboBox1, &QComboBox::editTextChanged, this, [this] { ComboBox1Change(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    resize(960, 560);
}

TFoCheck::~TFoCheck() { delete m_table; }

void TFoCheck::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormActivate(); });
}

void TFoCheck::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    // Back from the print preview (or another program) the lists are read afresh.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) guard([this] { FormActivate(); });
}

void TFoCheck::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    DBGrid1->setGeometry(16, 52, w - 32, h - 52 - 60);
    Button1->setGeometry(16, h - 48, 110, 34);
    Button2->setGeometry(140, h - 48, 60, 34);
    Button3->setGeometry(214, h - 48, 110, 34);
}

bool TFoCheck::eventFilter(QObject *o, QEvent *e)
{
    if (o == DBGrid1 && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        const int row = DBGrid1->currentRow();
        const bool atEnd = m_table->rowCount() == 0 || row == m_table->rowCount() - 1;
        // Moving down past the last row, or Insert, starts a new row.
        if ((k->key() == Qt::Key_Down && atEnd) || k->key() == Qt::Key_Insert) {
            guard([this] { appendRow(); });
            return true;
        }
        // Typing into an empty list starts its first row.
        if (m_table->rowCount() == 0 && !k->text().trimmed().isEmpty()) guard([this] { appendRow(); });
    }
    if (o == DBGrid1->viewport() && e->type() == QEvent::MouseButtonDblClick && m_table->rowCount() == 0) {
        guard([this] { appendRow(); });
        return true;
    }
    return QDialog::eventFilter(o, e);
}

// A new row nobody has typed into yet.
bool TFoCheck::isBlankNewRow(int row) const
{
    return m_table->integer(row, fId) == 0 && m_table->value(row, fQta).isNull() && m_table->text(row, fCod).isEmpty() &&
           m_table->value(row, fSca).isNull() && m_table->text(row, fPos).isEmpty();
}

void TFoCheck::appendRow()
{
    postEdit();
    const int last = m_table->rowCount() - 1;
    if (last >= 0 && isBlankNewRow(last)) {  // one new row at a time
        DBGrid1->setCurrentIndex(m_model->index(last, std::max(0, DBGrid1->currentIndex().column())));
        return;
    }
    const int column = std::max(0, DBGrid1->currentIndex().column());
    const int r = m_table->append();
    m_table->set(r, fId, 0);
    m_table->set(r, fIdf, 0);
    m_model->refresh();
    DBGrid1->setCurrentIndex(m_model->index(r, column));
}

void TFoCheck::postEdit()
{
    if (QWidget *ed = m_delegate->editor) {
        Q_EMIT m_delegate->commitData(ed);
        Q_EMIT m_delegate->closeEditor(ed, QAbstractItemDelegate::NoHint);
        m_delegate->editor.clear();
    }
}

void TFoCheck::setCell(int row, const QString &field, const QVariant &value)
{
    if (row < 0 || row >= m_table->rowCount() || field == fDes || field == fId) return;
    m_table->set(row, field, value);
    if (field == fCod) {
        // A name from the list brings its article's description and key; any other text
        // is looked up by name when the list is saved.
        const auto it = m_articoli.constFind(value.toString().trimmed());
        m_table->set(row, fDes, it != m_articoli.constEnd() ? it->second : QString());
        m_table->set(row, fIdf, it != m_articoli.constEnd() ? it->first : 0);
    }
    const int c = m_model->columns().size();
    Q_EMIT m_model->dataChanged(m_model->index(row, 0), m_model->index(row, c - 1));
}

void TFoCheck::FormActivate()
{
    // The box keeps its text (and the grid its vehicle) while the lists are refilled.
    const QString testo = ComboBox1->currentText();
    {
        QSignalBlocker b(ComboBox1);
        ComboBox1->clear();
        Query q(kDB);
        q.add(QStringLiteral("select * from mezzi order by siglamezzo"));
        q.open();
        for (; !q.eof(); q.next()) ComboBox1->addItem(q.str(QStringLiteral("siglamezzo")));
        q.close();
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(testo);
    }
    m_nomi.clear();
    m_articoli.clear();
    Query q(kDB);
    q.add(QStringLiteral("select * from Farmaci order by NOME"));
    q.open();
    for (; !q.eof(); q.next()) {
        const QString nome = q.str(QStringLiteral("nome"));
        m_nomi << nome;
        if (!m_articoli.contains(nome.trimmed()))
            m_articoli.insert(nome.trimmed(), {q.integer(QStringLiteral("ID")), q.str(QStringLiteral("DESCRIZIONE"))});
    }
    q.close();
}

void TFoCheck::ComboBox1Change()
{
    m_table->empty();
    m_model->refresh();
    Query q(kDB);
    q.add(QStringLiteral("select ID from mezzi where siglamezzo=:SGL"));
    q.bindText(QStringLiteral("SGL"), ComboBox1->currentText().trimmed());
    q.open();
    m_idm = q.isEmpty() ? 0 : q.integer(QStringLiteral("ID"));
    q.close();
    CarTabella();
}

void TFoCheck::CarTabella()
{
    m_delegate->editor.clear();
    m_table->empty();
    m_model->refresh();
    Query q(kDB);
    q.add(QStringLiteral("select * from checklist left join Farmaci on Farmaci.ID=checklist.IDF where IDM=:IDM"));
    q.bindInt(QStringLiteral("IDM"), m_idm);
    q.open();
    // The join repeats ID and QUANTITA: the checklist's come first, the article's carry
    // the suffix _1.
    for (; !q.eof(); q.next()) {
        const int r = m_table->append();
        m_table->set(r, fQta, q.integer(QStringLiteral("QUANTITA")));
        m_table->set(r, fCod, q.str(QStringLiteral("NOME")));
        m_table->set(r, fDes, q.str(QStringLiteral("DESCRIZIONE")));
        const QVariant sca = q.value(QStringLiteral("SCADENZA"));
        m_table->set(r, fSca, sca.isNull() ? QVariant(QMetaType(QMetaType::QDate)) : QVariant(q.date(QStringLiteral("SCADENZA"))));
        m_table->set(r, fPos, q.str(QStringLiteral("POSIZIONE")));
        m_table->set(r, fId, q.integer(QStringLiteral("ID")));
        m_table->set(r, fIdf, q.integer(QStringLiteral("IDF")));
    }
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentIndex(m_model->index(0, 0));
}

void TFoCheck::Button1Click()
{
    postEdit();
    Query f(kDB), w(kDB);
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const qint64 id = m_table->integer(r, fId);
        if (id == 0 && isBlankNewRow(r)) continue;  // a new row left untouched is no item
        f.clear();
        f.add(QStringLiteral("select ID from Farmaci where NOME=:NME"));
        f.bindText(QStringLiteral("NME"), m_table->text(r, fCod).trimmed());
        f.open();
        // The grid holds 40 characters of a name: a longer name finds nothing, and the row
        // keeps the article it was read or picked with.
        const qint64 idf = f.isEmpty() ? m_table->integer(r, fIdf) : f.integer(QStringLiteral("ID"));
        f.close();

        w.clear();
        if (id != 0) {
            w.add(QStringLiteral("Update checklist set IDM=:IDM,IDV=:IDV,QUANTITA=:QTN,IDF=:IDF,SCADENZA=:SCA,POSIZIONE=:POS where ID=:IDC"));
            w.bindInt(QStringLiteral("IDC"), id);
        } else {
            w.add(QStringLiteral("Insert into checklist(IDM,IDV,QUANTITA,IDF,SCADENZA,POSIZIONE) VALUES(:IDM,:IDV,:QTN,:IDF,:SCA,:POS)"));
        }
        const QVariant sca = m_table->value(r, fSca);
        w.bindInt(QStringLiteral("IDM"), m_idm)
            .bindInt(QStringLiteral("IDV"), 0)
            .bindInt(QStringLiteral("QTN"), m_table->integer(r, fQta))
            .bindInt(QStringLiteral("IDF"), idf)
            .bindDate(QStringLiteral("SCA"), sca.isNull() ? kNoDate : sca.toDate())
            .bindText(QStringLiteral("POS"), m_table->text(r, fPos));
        w.exec();
        // A row written once is updated, not inserted again, if a later row fails.
        if (id == 0) m_table->set(r, fId, scalar(kDB, QStringLiteral("select LAST_INSERT_ID() ID")).toLongLong());
    }
    CarTabella();
}

void TFoCheck::Button2Click()
{
    postEdit();
    const int r = DBGrid1->currentRow();
    Query q(kDB);
    q.add(QStringLiteral("delete from checklist where ID=:IDC"));
    q.bindInt(QStringLiteral("IDC"), r >= 0 ? m_table->integer(r, fId) : 0);
    q.exec();
    CarTabella();
}

void TFoCheck::Button3Click()
{
    postEdit();
    TQR5 rep(this);
    const QString titolo = QStringLiteral("Check List ") + ComboBox1->currentText() + QStringLiteral(" Del ") +
                           dateToStr(QDate::currentDate());
    rep.QRLabel1->setText(titolo);
    rep.setReportTitle(titolo);
    for (int r = 0; r < m_table->rowCount(); ++r) {
        if (isBlankNewRow(r)) continue;
        const int n = rep.Tb1->append();
        rep.Tb1->set(n, QStringLiteral("ARTICOLO"), m_table->text(r, fCod));
        rep.Tb1->set(n, QStringLiteral("DESCRIZIONE"), m_table->text(r, fDes));
        rep.Tb1->set(n, QStringLiteral("SCADENZA"), m_table->value(r, fSca));
        rep.Tb1->set(n, QStringLiteral("QUANTITA"), QString::number(m_table->integer(r, fQta)));
        rep.Tb1->set(n, QStringLiteral("POSIZIONE"), m_table->text(r, fPos));
    }
    rep.ordina();
    rep.preview(this);
}
