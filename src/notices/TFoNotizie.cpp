#include "notices/TFoNotizie.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace vlm;

TFoNotizie::TFoNotizie(QWidget *parent) : QDialog(parent), Tb1(std::make_unique<GridTable>())
{
    setObjectName(QStringLiteral("TFoNotizie"));
    setWindowTitle(QStringLiteral("Notizie"));
    setFixedSize(780, 470);

    Tb1->addInt(QStringLiteral("ID")).addDate(QStringLiteral("DATA"));
    m_model = new GridModel(Tb1.get(), this);
    m_model->setColumns({{QStringLiteral("DATA"), QStringLiteral("DATA"), 90}, {QStringLiteral("ID"), QStringLiteral("ID"), 60}});

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 8, 190, 454);
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Label1 = new QLabel(QStringLiteral("Data"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(210, 12, 40, 21);
    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(252, 10, 100, 24);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(210, 42, 470, 420);

    auto button = [this](QPushButton *&b, const char *name, const QString &caption, int y) {
        b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(692, y, 80, 28);
        b->setAutoDefault(false);
    };
    button(Button1, "Button1", QStringLiteral("Del"), 42);
    button(Button2, "Button2", QStringLiteral("New"), 78);
    button(Button3, "Button3", QStringLiteral("Salva "), 114);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(DBGrid1, &QTableView::clicked, this,
            [this](const QModelIndex &i) { guard([this, row = i.row()] { DBGrid1CellClick(row); }); });
}

TFoNotizie::~TFoNotizie() = default;

void TFoNotizie::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) guard([this] { FormShow(); });
}

void TFoNotizie::FormShow() { CarTabella(); }

// Rebuilds the list and empties the boxes; the current notice stays what it was.
void TFoNotizie::CarTabella()
{
    Memo1->clear();
    MaskEdit1->setText(QString());
    Tb1->empty();
    m_model->refresh();
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("Select * from Notizie order by Data,ID"));
    q.open();
    Tb1->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("ID")}, {QStringLiteral("DATA"), QStringLiteral("DATA")}});
    q.close();
    m_model->refresh();
    DBGrid1->setCurrentRow(0);
}

void TFoNotizie::DBGrid1CellClick(int row)
{
    if (row < 0 || row >= Tb1->rowCount()) return;
    m_idn = Tb1->integer(row, QStringLiteral("ID"));
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("select DATA,NOTIZIA from Notizie where ID=:IDN"));
    q.bindInt(QStringLiteral("IDN"), m_idn);
    q.open();
    Memo1->setPlainText(q.str(QStringLiteral("NOTIZIA")));
    MaskEdit1->setText(q.str(QStringLiteral("DATA")));
    q.close();
}

// "Del": deletes the current notice, without asking.
void TFoNotizie::Button1Click()
{
    if (m_idn > 0) {
        Query q(QStringLiteral("DB"));
        q.add(QStringLiteral("delete from Notizie where ID=:IDN"));
        q.bindInt(QStringLiteral("IDN"), m_idn);
        q.exec();
    }
    CarTabella();
}

// "New": the next save adds a notice.
void TFoNotizie::Button2Click()
{
    m_idn = 0;
    Memo1->clear();
    MaskEdit1->setText(dateToStr(QDate::currentDate()));
}

// "Salva ": changes the current notice, or adds one when there is none.
void TFoNotizie::Button3Click()
{
    const QDate dtt = strToDate(MaskEdit1->text());
    Query q(QStringLiteral("DB"));
    if (m_idn != 0) {
        q.add(QStringLiteral("Update Notizie set Data=:DTT, Notizia=:NTZ where ID=:IDN"));
        q.bindInt(QStringLiteral("IDN"), m_idn);
    } else {
        q.add(QStringLiteral("Insert into Notizie(Data,Notizia) value(:DTT,:NTZ)"));
    }
    q.bindDate(QStringLiteral("DTT"), dtt);
    q.bindText(QStringLiteral("NTZ"), Memo1->toPlainText());
    q.exec();
    CarTabella();
}
