#include "volunteers/TFoEleVds.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "volunteers/TFoVolontario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
constexpr int kPanel = 230;  // width of the filter column on the right

// The preference columns of volontari a list can be filtered by ("SI" or nothing).
const QStringList &interessi()
{
    static const QStringList l = {QStringLiteral("Area1"),      QStringLiteral("Area2"),       QStringLiteral("Area3"),
                                  QStringLiteral("Area4"),      QStringLiteral("Area5"),       QStringLiteral("Area6"),
                                  QStringLiteral("Ordinarie "), QStringLiteral("Emergenza"),   QStringLiteral("NoAmbulanza"),
                                  QStringLiteral("Opem"),       QStringLiteral("OpemN"),       QStringLiteral("SerCivile")};
    return l;
}

// The column an interest text names. Only the known preference columns go into the
// statement: a typed text is never written into SQL, so anything else is refused as the
// server refuses an unknown column.
QString interestColumn(const QString &typed)
{
    const QString t = typed.trimmed();
    for (const QString &c : interessi())
        if (c.trimmed().compare(t, Qt::CaseInsensitive) == 0) return c.trimmed();
    throw DbError(QStringLiteral("Unknown column '%1' in 'where clause'").arg(t));
}

QDate dateOf(const QVariant &v)
{
    if (!v.isValid() || v.isNull()) return {};
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().date();
    return v.toDate();
}
}  // namespace

TFoEleVds::TFoEleVds(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoEleVds"));
    setWindowTitle(QStringLiteral("Elenco Volontari"));
    resize(1100, 660);

    m_table = new GridTable;
    m_table->addText(QStringLiteral("Nome"), 40)
        .addText(QStringLiteral("Area1"), 15)
        .addInt(QStringLiteral("Livello"))
        .addInt(QStringLiteral("RecNo"))
        .addText(QStringLiteral("Stato"), 15)
        .addText(QStringLiteral("Mail"), 40)
        .addDate(QStringLiteral("LastData"))
        .addDate(QStringLiteral("DatatTitolo"));

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("Nome"), QStringLiteral("Nome"), 205},
                         {QStringLiteral("Area1"), QStringLiteral("Area1"), 92},
                         {QStringLiteral("Stato"), QStringLiteral("Stato"), 90},
                         {QStringLiteral("LastData"), QStringLiteral("LastData"), 90},
                         {QStringLiteral("Livello"), QStringLiteral("Livello"), 60},
                         {QStringLiteral("DatatTitolo"), QStringLiteral("DatatTitolo"), 90}});
    m_model->setColorFn([this](int row, const QString &, int role) -> QVariant {
        const QVariant bg = rowColor(row);
        if (!bg.isValid()) return {};
        if (role == Qt::BackgroundRole) return bg;
        if (role == Qt::ForegroundRole) return QColor(Qt::black);
        return {};
    });
    DBGrid1->setGridModel(m_model);
    DBGrid1->setColumnHidden(5, true);
    DBGrid1->viewport()->installEventFilter(this);

    auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto drop = [this](DropDownBox *&c, const char *name) {
        c = new DropDownBox(this);
        c->setObjectName(QString::fromLatin1(name));
    };
    label("Label1", QStringLiteral("Stato"));
    drop(cbStato, "cbStato");
    cbStato->setEditText(QStringLiteral("Attivo"));
    label("Label2", QStringLiteral("Livello "));
    drop(CB1, "CB1");
    label("Label3", QStringLiteral("Nome"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    label("Label4", QStringLiteral("Titolo"));
    drop(ComboBox1, "ComboBox1");
    label("Label5", QStringLiteral("Data Esame <"));
    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    label("Label7", QStringLiteral("Interessi"));
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->addItems(interessi());
    ComboBox2->setCurrentIndex(-1);
    ComboBox2->setEditText(QString());
    CheckBox2 = new QCheckBox(QStringLiteral("No"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));

    Label6 = new QLabel(QStringLiteral("123"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    QFont big = Label6->font();
    big.setPointSize(22);
    big.setBold(true);
    Label6->setFont(big);
    Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto button = [this](QPushButton *&b, const char *name, const QString &text) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
    };
    button(Button1, "Button1", QStringLiteral("Nuovo"));
    button(Button2, "Button2", QStringLiteral("Import"));
    button(Button3, "Button3", QStringLiteral("Export (Google)"));
    button(Button4, "Button4", QStringLiteral("Invio Mail"));
    button(Button5, "Button5", QStringLiteral("Stampa"));

    for (QComboBox *c : {static_cast<QComboBox *>(cbStato), static_cast<QComboBox *>(CB1),
                         static_cast<QComboBox *>(ComboBox1), ComboBox2})
        on(c, &QComboBox::editTextChanged, this, [this] { Aggiorna(); });
    on(Edit1, &QLineEdit::textChanged, this, [this] { Aggiorna(); });
    on(CheckBox2, &QCheckBox::clicked, this, [this] { Aggiorna(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TFoEleVds::~TFoEleVds() { delete m_table; }

void TFoEleVds::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Shown again after a record closed, the list is active again: its drop-downs are
    // refilled even where the window system reports no activation.
    guard([this] { FormActivate(); });
    guard([this] { FormShow(); });
}

void TFoEleVds::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !m_editing) guard([this] { FormActivate(); });
}

void TFoEleVds::setVisible(bool visible)
{
    // While a person is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

bool TFoEleVds::eventFilter(QObject *o, QEvent *e)
{
    // A double click below the last row (or in an empty list) counts as one on the grid.
    if (o == DBGrid1->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        auto *me = static_cast<QMouseEvent *>(e);
        if (!DBGrid1->indexAt(me->position().toPoint()).isValid()) {
            guard([this] { DBGrid1DblClick(); });
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFoEleVds::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    DBGrid1->setGeometry(8, 8, w - kPanel - 24, h - 16);
    const int x = w - kPanel - 8, cw = kPanel;
    int y = 8;
    for (auto [lab, box] : {std::pair<const char *, QWidget *>{"Label1", cbStato}, {"Label2", CB1},
                            {"Label3", Edit1}, {"Label4", ComboBox1}, {"Label5", MaskEdit1},
                            {"Label7", ComboBox2}}) {
        findChild<QLabel *>(QString::fromLatin1(lab))->setGeometry(x, y, cw, 18);
        box->setGeometry(x, y + 19, lab == std::string_view("Label7") ? cw - 60 : cw, 26);
        y += 52;
    }
    CheckBox2->setGeometry(x + cw - 52, y - 52 + 19, 52, 26);
    Label6->setGeometry(x, y, cw, 44);
    y += 56;
    for (QPushButton *b : {Button1, Button2, Button3, Button4, Button5}) {
        b->setGeometry(x, y, cw, 32);
        y += 40;
    }
    const int size = DBGrid1->height() / 39;
    if (size > 0) {
        QFont f = DBGrid1->font();
        f.setPointSize(size);
        DBGrid1->setFont(f);
        const QFontMetrics fm(f);
        DBGrid1->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
        // Name and role keep their widths; the other columns follow the font.
        const int data = fm.horizontalAdvance(QStringLiteral("00/00/0000")) + 14;
        DBGrid1->setColumnWidth(2, fm.horizontalAdvance(QStringLiteral("Dipendente")) + 8);
        DBGrid1->setColumnWidth(3, data);
        DBGrid1->setColumnWidth(4, fm.horizontalAdvance(QStringLiteral("Livello")) + 14);
        DBGrid1->setColumnWidth(5, data);
    }
}

void TFoEleVds::FormShow() { Aggiorna(); }

void TFoEleVds::FormActivate()
{
    CB1->setItems(columnTexts(kDB, QStringLiteral("select LivelloA1 from volontari group by LivelloA1"), true));
    ComboBox1->setItems(columnTexts(kDB, QStringLiteral("select descrizione from Titolic group by descrizione")));
    cbStato->setItems(columnTexts(kDB, QStringLiteral("select stato from volontari group by stato")));

    MaskEdit1->setText(dateToStr(QDate::currentDate().addDays(-365)));
}

void TFoEleVds::bindFilter(Query &q) const
{
    if (!m_stato.isEmpty()) q.bindText(QStringLiteral("STA"), m_stato);
    if (!m_nome.isNull()) q.bindText(QStringLiteral("NME"), QLatin1Char('%') + m_nome + QLatin1Char('%'));
    if (!m_ruolo.isNull()) q.bindText(QStringLiteral("LIV"), m_ruolo);
    if (!m_titolo.isNull()) q.bindText(QStringLiteral("TIT"), m_titolo);
}

void TFoEleVds::Aggiorna()
{
    const bool conTitolo = !ComboBox1->currentText().isEmpty();
    Query q(kDB);
    q.add(QStringLiteral("select volontari.*,"));
    q.add(QStringLiteral("(select dataservizio from servizi where idAutista=volontari.ID or idVolontario1=volontari.ID order by dataservizio desc limit 1) dt1last"));
    q.add(QStringLiteral(",(select entrata from cartellini where codice=volontari.ID order by entrata desc limit 1) dt2last"));
    q.add(QStringLiteral(",(select dataf from Eve_Vol left join Eventi on Eventi.ID=Eve_Vol.ID_EV where ID_VOL=volontari.ID order by data desc limit 1) dt3last"));
    q.add(QStringLiteral(",(select Data from Turni where Turni.IDV=volontari.ID order by data desc limit 1) dt4last"));
    if (conTitolo)
        q.add(QStringLiteral(",(select MAX(DATAESAME) from Titolic where Titolic.IDVOLONTARIO=volontari.ID and Titolic.DESCRIZIONE=:TDE) dataesame"));
    DBGrid1->setColumnHidden(5, !conTitolo);
    q.add(QStringLiteral(" from volontari "));

    // The filters, in a fixed order; what was typed is bound, never written into the text.
    m_filtro.clear();
    m_stato = cbStato->currentText();
    m_nome = Edit1->text().isEmpty() ? QString() : Edit1->text().trimmed();
    m_ruolo = CB1->currentText().isEmpty() ? QString() : CB1->currentText().trimmed();
    m_titolo = conTitolo ? ComboBox1->currentText() : QString();
    auto join = [this] { return m_filtro.isEmpty() ? QStringLiteral(" where ") : QStringLiteral(" and "); };
    if (!m_stato.isEmpty()) m_filtro = QStringLiteral(" where stato=:STA");
    if (!m_nome.isNull()) m_filtro += join() + QStringLiteral(" nome like :NME");
    if (!m_ruolo.isNull()) m_filtro += join() + QStringLiteral(" LivelloA1=:LIV");
    if (conTitolo)
        m_filtro += join() + QStringLiteral(" (select count(*) from Titolic where descrizione=:TIT and Titolic.IDVOLONTARIO=volontari.ID) > 0");
    if (!ComboBox2->currentText().isEmpty()) {
        const QString col = interestColumn(ComboBox2->currentText());
        m_filtro += join();
        if (CheckBox2->isChecked()) m_filtro += QStringLiteral(" NOT");
        m_filtro += QLatin1Char(' ') + col + QStringLiteral("='SI'");
    }
    q.add(m_filtro);
    q.add(QStringLiteral(" order by Nome "));
    bindFilter(q);
    if (conTitolo) q.bindText(QStringLiteral("TDE"), ComboBox1->currentText().trimmed());
    m_lastSql = q.sql();

    q.open();
    m_table->empty();
    m_model->refresh();
    for (; !q.eof(); q.next()) {
        QDate esame;
        if (conTitolo) {
            esame = dateOf(q.value(QStringLiteral("dataesame")));
            const QDate limite = strToDate(MaskEdit1->text());
            // No exam date counts as the zero date: on or before any limit.
            if (esame.isValid() && esame > limite) continue;
        }
        QDate last = zeroDate();
        for (const char *c : {"dt1last", "dt2last", "dt3last", "dt4last"}) {
            const QDate d = dateOf(q.value(QString::fromLatin1(c)));
            if (d.isValid() && d > last) last = d;
        }
        const int r = m_table->append();
        m_table->set(r, QStringLiteral("RecNo"), q.value(QStringLiteral("ID")));
        m_table->set(r, QStringLiteral("Nome"), q.value(QStringLiteral("Nome")));
        m_table->set(r, QStringLiteral("Area1"), q.value(QStringLiteral("LivelloA1")));
        m_table->set(r, QStringLiteral("Stato"), q.value(QStringLiteral("Stato")));
        m_table->set(r, QStringLiteral("Livello"), q.value(QStringLiteral("Livello")));
        m_table->set(r, QStringLiteral("Mail"), q.value(QStringLiteral("Mail")));
        m_table->set(r, QStringLiteral("LastData"), last);
        if (conTitolo) m_table->set(r, QStringLiteral("DatatTitolo"), esame);
    }
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
    vlm::disconnect(kDB);
    Label6->setText(QString::number(m_table->rowCount()));
}

QVariant TFoEleVds::rowColor(int row) const
{
    if (row < 0 || row >= m_table->rowCount()) return {};
    const QDate oggi = QDate::currentDate();
    QDate last = m_table->value(row, QStringLiteral("LastData")).toDate();
    if (!last.isValid()) last = zeroDate();
    QVariant c;
    if (last < oggi.addDays(-31)) c = QColor(Qt::yellow);
    if (last < oggi.addDays(-120)) c = QColor(Qt::red);
    return c;
}

void TFoEleVds::openRecord(qint64 id, const QString &caption)
{
    {
        TFoVolontario f(this);
        f.setCodice(id);
        f.setLivello(m_livello);
        if (!caption.isNull()) f.setWindowTitle(caption);
        m_editing = true;
        hide();
        showModal(&f);
    }
    show();  // rebuilds the list
    m_editing = false;
}

void TFoEleVds::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    // In an empty list the row's key is 0: the record of a new person.
    if (r < 0 || r >= m_table->rowCount()) {
        openRecord(0, QString());
        return;
    }
    openRecord(m_table->integer(r, QStringLiteral("RecNo")), m_table->text(r, QStringLiteral("Nome")));
}

void TFoEleVds::Button1Click() { openRecord(0, QString()); }
