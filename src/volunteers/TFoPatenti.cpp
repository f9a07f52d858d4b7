#include "volunteers/TFoPatenti.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "reports/TQR2.h"
#include "services/Controls.h"
#include "volunteers/TFoPatente.h"
#include "volunteers/TFoVolontario.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");

// The column of the list statement behind each field of the grid table.
QString columnOf(const QString &field)
{
    if (field == QLatin1String("TIPO")) return QStringLiteral("PATVLM");
    if (field == QLatin1String("NUMERO")) return QStringLiteral("PATVLMN");
    return field;
}
}  // namespace

TFoPatenti::TFoPatenti(int livello, QWidget *parent)
    : QDialog(parent), m_livello(livello), m_table(new GridTable), m_model(nullptr), m_sql(std::make_unique<Query>(kDB))
{
    setObjectName(QStringLiteral("TFoPatenti"));
    setWindowTitle(QStringLiteral("FoPatenti"));
    setMinimumSize(654, 375);
    resize(760, 460);
    setSizeGripEnabled(true);

    m_table->addText(QStringLiteral("NOME"), 0)
        .addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("TIPO"), 0)
        .addDate(QStringLiteral("ESAMEPATVLM"))
        .addDate(QStringLiteral("SCADPATVLM"))
        .addText(QStringLiteral("NUMERO"), 0)
        .addInt(QStringLiteral("ANNO"))
        .addText(QStringLiteral("STATOPATVLM"), 0);

    Label1 = new QLabel(QStringLiteral("Nome"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("NOME"), QStringLiteral("NOME"), 220},
                         {QStringLiteral("TIPO"), QStringLiteral("TIPO"), 70},
                         {QStringLiteral("DATA ESAME"), QStringLiteral("ESAMEPATVLM"), 100},
                         {QStringLiteral("DATA SCADENZA"), QStringLiteral("SCADPATVLM"), 110},
                         {QStringLiteral("ANNO"), QStringLiteral("ANNO"), 60}});
    m_model->setColorFn([this](int row, const QString &, int role) -> QVariant {
        const QDate scad = m_table->value(row, QStringLiteral("SCADPATVLM")).toDate();
        const QDate today = QDate::currentDate();
        // A licence without an expiry date counts as expired.
        const bool expired = !scad.isValid() || scad < today;
        const bool expiring = expired || scad < today.addDays(45);
        if (expired) return role == Qt::BackgroundRole ? QColor(Qt::red) : QColor(Qt::yellow);
        if (expiring) return role == Qt::BackgroundRole ? QColor(Qt::yellow) : QColor(Qt::blue);
        return {};
    });
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setTitleClick([this](const QString &field) { guard([&] { DBGrid1TitleClick(field); }); });

    Label2 = new QLabel(QStringLiteral("Volontari"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    ComboBox1 = new DropDownBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditText(QStringLiteral("Attivo"));

    Label3 = new QLabel(QStringLiteral("Patente"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    ComboBox2 = new DropDownBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditText(QStringLiteral("Valida"));

    CheckBox3 = new GreyCheckBox(QStringLiteral("In scadenza"), this);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox3->setTristate(true);
    CheckBox3->setCheckState(Qt::PartiallyChecked);

    Button1 = new QPushButton(QStringLiteral("Scheda"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Stampa"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    guard([this] { FormCreate(); });

    on(ComboBox1, &QComboBox::editTextChanged, this, [this] { Refresh(); });
    on(ComboBox2, &QComboBox::editTextChanged, this, [this] { Refresh(); });
    on(Edit1, &QLineEdit::textChanged, this, [this] { Refresh(); });
    on(CheckBox3, &QCheckBox::clicked, this, [this] { Refresh(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

TFoPatenti::~TFoPatenti()
{
    DBGrid1->setModel(nullptr);
    delete m_table;
}

void TFoPatenti::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    const int right = w - 12 - 150;  // the column of filters and buttons
    Label1->setGeometry(12, 12, 50, 24);
    Edit1->setGeometry(64, 10, right - 12 - 64, 26);
    DBGrid1->setGeometry(12, 46, right - 24, h - 58);
    Label2->setGeometry(right, 10, 150, 20);
    ComboBox1->setGeometry(right, 30, 150, 26);
    Label3->setGeometry(right, 66, 150, 20);
    ComboBox2->setGeometry(right, 86, 150, 26);
    CheckBox3->setGeometry(right, 124, 150, 24);
    Button1->setGeometry(right, 164, 150, 32);
    Button2->setGeometry(right, 204, 150, 32);
}

void TFoPatenti::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) guard([this] { FormShow(); });
}

void TFoPatenti::setVisible(bool visible)
{
    // While a window opened from the list is shown the list steps aside without ending its
    // own modal loop.
    if (m_away) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoPatenti::FormCreate()
{
    auto items = [](const QString &sql, const QString &col) {
        Query q(kDB);
        q.add(sql);
        q.open();
        QStringList l;
        for (; !q.eof(); q.next()) l << q.str(col);
        q.close();
        return l;
    };
    ComboBox1->setItems(items(QStringLiteral("select stato from volontari group by stato"), QStringLiteral("stato")));
    ComboBox2->setItems(items(QStringLiteral("select statopatvlm from volontari where NOT ISNULL(statopatvlm) group by statopatvlm"),
                              QStringLiteral("statopatvlm")));
}

void TFoPatenti::FormShow() { Refresh(); }

void TFoPatenti::bindFilters(Query &q) const
{
    const QStringList names = q.paramNames();
    if (names.contains(QLatin1String("NME"), Qt::CaseInsensitive))
        q.bindText(QStringLiteral("NME"), QLatin1Char('%') + Edit1->text().trimmed() + QLatin1Char('%'));
    if (names.contains(QLatin1String("STA"), Qt::CaseInsensitive))
        q.bindText(QStringLiteral("STA"), ComboBox1->currentText().trimmed());
    if (names.contains(QLatin1String("STP"), Qt::CaseInsensitive))
        q.bindText(QStringLiteral("STP"), ComboBox2->currentText().trimmed());
}

void TFoPatenti::Refresh()
{
    m_table->empty();
    m_model->refresh();

    QString cond = QStringLiteral(" where stato=:STA ");
    switch (CheckBox3->checkState()) {
    case Qt::Checked:
        // Expired, expiring within 45 days, or without an expiry date (which counts as expired).
        cond += QStringLiteral(" and (ISNULL(scadpatvlm) OR date(scadpatvlm) <= date_add(current_date, interval 45 day))");
        break;
    case Qt::Unchecked:
        cond += QStringLiteral(" and date(scadpatvlm) > date_add(current_date, interval 45 day)");
        break;
    default: break;
    }
    if (!ComboBox2->currentText().isEmpty()) {
        cond += QStringLiteral(" and (statopatvlm=:STP ");
        cond += ComboBox2->currentText() == QLatin1String("No Patente") ? QStringLiteral(" OR ISNULL(statopatvlm) )")
                                                                         : QStringLiteral(" )");
    }
    if (!Edit1->text().isEmpty()) cond += QStringLiteral(" and nome like :NME");

    Query &q = *m_sql;
    q.close();
    q.clear();
    q.add(QStringLiteral("select ID,NOME,PATVLM,PATVLMN,ESAMEPATVLM,STATOPATVLM,SCADPATVLM,YEAR(SCADPATVLM) ANNO from volontari"));
    q.add(cond);
    q.add(QStringLiteral(" order by Nome"));
    bindFilters(q);
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("ID")},
                          {QStringLiteral("NOME"), QStringLiteral("NOME")},
                          {QStringLiteral("PATVLM"), QStringLiteral("TIPO")},
                          {QStringLiteral("ESAMEPATVLM"), QStringLiteral("ESAMEPATVLM")},
                          {QStringLiteral("SCADPATVLM"), QStringLiteral("SCADPATVLM")},
                          {QStringLiteral("PATVLMN"), QStringLiteral("NUMERO")},
                          {QStringLiteral("ANNO"), QStringLiteral("ANNO")},
                          {QStringLiteral("STATOPATVLM"), QStringLiteral("STATOPATVLM")}});
    q.close();
    // The grid keeps the order chosen by the last title click.
    m_table->sortBy(m_sortField);
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

void TFoPatenti::DBGrid1TitleClick(const QString &field)
{
    // The list statement takes the clicked column as its ordering (what "Stampa" prints);
    // it is not run again.
    QString sql = m_sql->sql();
    const int at = sql.lastIndexOf(QLatin1String("order by"), -1, Qt::CaseInsensitive);
    if (at >= 0) sql = sql.left(at);
    while (sql.endsWith(QLatin1Char(' '))) sql.chop(1);
    m_sql->close();
    m_sql->setSql(sql + QStringLiteral(" order by ") + columnOf(field));
    m_sortField = field;
    m_table->sortBy(field);
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

template <class Fn> void TFoPatenti::stepAside(Fn fn)
{
    m_away = true;
    hide();
    struct Back {
        TFoPatenti *w;
        ~Back()
        {
            w->show();  // refreshes the list
            w->m_away = false;
        }
    } back{this};
    fn();
}

void TFoPatenti::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    const QDate zero = dateFromSerial(0);
    auto dateText = [&](const char *field) {
        const QDate d = m_table->value(r, QString::fromLatin1(field)).toDate();
        return dateToStr(d.isValid() ? d : zero);
    };
    stepAside([&] {
        TFoPatente f(this);
        f.Text1->setText(m_table->text(r, QStringLiteral("NOME")));
        f.Edit4->setText(m_table->text(r, QStringLiteral("NUMERO")));
        f.Edit1->setText(m_table->text(r, QStringLiteral("TIPO")));
        f.Edit2->setText(dateText("ESAMEPATVLM"));
        f.Edit3->setText(dateText("SCADPATVLM"));
        f.ComboBox1->setEditText(m_table->text(r, QStringLiteral("STATOPATVLM")));
        f.setIdv(m_table->integer(r, QStringLiteral("ID")));
        showModal(&f);
    });
}

void TFoPatenti::Button1Click()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    const qint64 id = m_table->integer(r, QStringLiteral("ID"));
    stepAside([&] {
        TFoVolontario f(this);
        f.setCodice(id);
        f.setLivello(2);
        showModal(&f);
    });
}

void TFoPatenti::Button2Click()
{
    TQR2 r(this);
    r.Query1->setSql(m_sql->sql());
    bindFilters(*r.Query1);
    r.Query1->open();
    r.setQuery(r.Query1);
    r.preview(this);
    r.Query1->close();
}
