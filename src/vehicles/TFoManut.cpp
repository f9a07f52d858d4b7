#include "vehicles/TFoManut.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");

// A cost as the desk writes it: decimal comma, no thousands grouping.
QString spesaText(double v)
{
    return QString::number(v, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}
}  // namespace

TFoManut::TFoManut(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoManut"));
    setWindowTitle(QStringLiteral("Manutenzioni"));
    setFixedSize(460, 260);

    auto label = [this](const char *name, const QString &text, int y) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(20, y + 3, 110, 20);
    };
    label("Label1", QStringLiteral("Tipo"), 20);
    label("Label2", QStringLiteral("Data intervento "), 54);
    label("Label3", QStringLiteral("Meccanico"), 88);
    label("Label4", QStringLiteral("Descriz."), 122);
    label("Label5", QStringLiteral("Spesa"), 156);

    CbTipo = new QComboBox(this);
    CbTipo->setObjectName(QStringLiteral("CbTipo"));
    CbTipo->setEditable(true);
    CbTipo->setInsertPolicy(QComboBox::NoInsert);
    CbTipo->setGeometry(140, 20, 180, 26);
    CbTipo->addItems({QStringLiteral("Riparazione "), QStringLiteral("Tagliando")});
    CbTipo->setEditText(QString());

    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(140, 54, 100, 26);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(140, 88, 300, 26);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(140, 122, 300, 26);
    MaskEdit2 = new MaskEdit(this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    MaskEdit2->setGeometry(140, 156, 100, 26);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setGeometry(140, 204, 100, 34);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFoManut::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoManut::FormShow()
{
    if (m_id < 1) return;
    Query q(kDB);
    q.add(QStringLiteral("select * from Manutenzioni where ID=:IDA"));
    q.bindInt(QStringLiteral("IDA"), m_id);
    q.open();
    if (!q.isEmpty()) {
        MaskEdit1->setText(q.str(QStringLiteral("DATA")));
        Edit1->setText(q.str(QStringLiteral("MECCANICO")));
        CbTipo->setEditText(q.str(QStringLiteral("TIPO")));
        Edit2->setText(q.str(QStringLiteral("DESCRIZIONE")));
        MaskEdit2->setText(spesaText(q.number(QStringLiteral("SPESA"))));
    }
    q.close();
}

void TFoManut::Button1Click()
{
    Query q(kDB);
    if (m_id < 1) {
        q.add(QStringLiteral("insert into Manutenzioni(IDMEZZO,DATA,MECCANICO,SPESA,TIPO,DESCRIZIONE) "
                             "VALUES(:IDM,:DTT,:MEC,:SPE,:TPP,:DES)"));
        q.bindInt(QStringLiteral("IDM"), m_mezzo);
    } else {
        q.add(QStringLiteral("update Manutenzioni set DATA=:DTT,MECCANICO=:MEC,SPESA=:SPE,TIPO=:TPP,DESCRIZIONE=:DES "
                             "where ID=:IDA"));
        q.bindInt(QStringLiteral("IDA"), m_id);
    }
    q.bindDate(QStringLiteral("DTT"), strToDate(MaskEdit1->text()));
    q.bindText(QStringLiteral("MEC"), Edit1->text());
    q.bindDouble(QStringLiteral("SPE"), strToFloat(MaskEdit2->text()));
    q.bindText(QStringLiteral("TPP"), CbTipo->currentText());
    q.bindText(QStringLiteral("DES"), Edit2->text());
    q.exec();
    accept();
}
