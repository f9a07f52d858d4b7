#include "donors/TFoRepDon.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
constexpr int kPanel = 230;  // width of the column of filters on the right
}  // namespace

TFoRepDon::TFoRepDon(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoRepDon"));
    setWindowTitle(QStringLiteral("Donazioni"));
    resize(980, 620);

    m_table = new GridTable;
    m_table->addDate(QStringLiteral("data"))
        .addText(QStringLiteral("descrizione"), 100)
        .addText(QStringLiteral("Nome"), 100)
        .addText(QStringLiteral("Sesso"), 5)
        .addText(QStringLiteral("Gruppo"), 10);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("data"), QStringLiteral("data"), 90},
                         {QStringLiteral("descrizione"), QStringLiteral("descrizione"), 150},
                         {QStringLiteral("Nome"), QStringLiteral("Nome"), 260},
                         {QStringLiteral("Sesso"), QStringLiteral("Sesso"), 50},
                         {QStringLiteral("Gruppo"), QStringLiteral("Gruppo"), 70}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    // A title click orders the list by that column on the server.
    DBGrid1->setTitleClick([this](const QString &field) {
        guard([this, field] {
            m_ordine = field;
            CarReport();
        });
    });

    auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    label("Label1", QStringLiteral("Dal"));
    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    label("Label2", QStringLiteral("Al"));
    MaskEdit2 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    label("Label3", QStringLiteral("Gruppo Sanguigno"));
    ComboBox1 = new DropDownBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setItems({QStringLiteral("A+"), QStringLiteral("A-"), QStringLiteral("B+"), QStringLiteral("B-"),
                         QStringLiteral("0+"), QStringLiteral("0-")});
    ComboBox1->setEditText(QString());
    label("Label4", QStringLiteral("Sesso"));
    ComboBox2 = new DropDownBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setItems({QStringLiteral("M"), QStringLiteral("F")});
    ComboBox2->setEditText(QString());
    label("Label5", QStringLiteral("Tipo"));
    ComboBox3 = new DropDownBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setEditText(QString());

    Label6 = label("Label6", QStringLiteral("Donazioni"));
    QFont big = Label6->font();
    big.setPointSize(20);
    big.setBold(true);
    Label6->setFont(big);
    Label6->setAlignment(Qt::AlignCenter);
    Label7 = label("Label7", QStringLiteral("0"));
    Label7->setFont(big);
    Label7->setAlignment(Qt::AlignCenter);

    // Leaving a date box builds the list again.
    MaskEdit1->installEventFilter(this);
    MaskEdit2->installEventFilter(this);
    for (DropDownBox *c : {ComboBox1, ComboBox2, ComboBox3})
        on(c, &QComboBox::editTextChanged, this, [this] { CarReport(); });
}

TFoRepDon::~TFoRepDon() { delete m_table; }

void TFoRepDon::setPeriodo(const QString &dal, const QString &al)
{
    MaskEdit1->setText(dal);
    MaskEdit2->setText(al);
}

bool TFoRepDon::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && (o == MaskEdit1 || o == MaskEdit2) && isVisible())
        guard([this] { CarReport(); });
    return QDialog::eventFilter(o, e);
}

void TFoRepDon::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoRepDon::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    DBGrid1->setGeometry(8, 8, w - kPanel - 24, h - 16);
    const int x = w - kPanel - 8, cw = kPanel;
    int y = 8;
    for (auto [lab, box] : {std::pair<const char *, QWidget *>{"Label1", MaskEdit1}, {"Label2", MaskEdit2},
                            {"Label3", ComboBox1}, {"Label4", ComboBox2}, {"Label5", ComboBox3}}) {
        findChild<QLabel *>(QString::fromLatin1(lab))->setGeometry(x, y, cw, 20);
        box->setGeometry(x, y + 22, cw, 28);
        y += 62;
    }
    y += 24;
    Label6->setGeometry(x, y, cw, 44);
    Label7->setGeometry(x, y + 48, cw, 44);
}

void TFoRepDon::FormShow()
{
    Query q(kDB);
    q.add(QStringLiteral("select Descrizione from Elenchi where Tipo='D'"));
    q.open();
    QStringList tipi;
    for (; !q.eof(); q.next()) tipi << q.str(QStringLiteral("Descrizione"));
    q.close();
    {
        const QSignalBlocker b(ComboBox3);
        ComboBox3->setItems(tipi);
    }
    CarReport();
}

void TFoRepDon::CarReport()
{
    m_table->empty();
    m_model->refresh();
    Label7->setText(QStringLiteral("0"));

    Query q(kDB);
    q.add(QStringLiteral("select data,descrizione,Nome,Sesso,Gruppo from donazioni  left join donatori on "
                         "donatori.ID=donazioni.IDDONATORE  left join Elenchi on Elenchi.Tipo='D' and "
                         "codice=donazioni.Tipo  where DATA <= :DTF and DATA >= :DTI "));
    // The chosen values are bound, never written into the statement.
    const QString gruppo = ComboBox1->currentText().trimmed();
    const QString sesso = ComboBox2->currentText().trimmed();
    const QString tipo = ComboBox3->currentText().trimmed();
    if (!ComboBox1->currentText().isEmpty()) q.add(QStringLiteral(" and gruppo=:GRP"));
    if (!ComboBox2->currentText().isEmpty()) q.add(QStringLiteral(" and Sesso=:SES"));
    if (!ComboBox3->currentText().isEmpty()) q.add(QStringLiteral(" and descrizione=:DES"));
    q.add(QStringLiteral("order by ") + m_ordine);
    q.bindDate(QStringLiteral("DTI"), strToDate(MaskEdit1->text()));
    q.bindDate(QStringLiteral("DTF"), strToDate(MaskEdit2->text()));
    if (!ComboBox1->currentText().isEmpty()) q.bindText(QStringLiteral("GRP"), gruppo);
    if (!ComboBox2->currentText().isEmpty()) q.bindText(QStringLiteral("SES"), sesso);
    if (!ComboBox3->currentText().isEmpty()) q.bindText(QStringLiteral("DES"), tipo);
    m_lastSql = q.sql();

    q.open();
    m_table->fillFrom(q);
    q.close();
    vlm::disconnect(kDB);
    m_model->refresh();
    Label7->setText(QString::number(m_table->rowCount()));
}
