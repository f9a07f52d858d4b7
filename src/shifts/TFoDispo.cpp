#include "shifts/TFoDispo.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "shifts/ShiftTime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace vlm;

namespace {
// Weekday columns and their parameters, Monday to Sunday, in the order of the boxes.
const char *const kColumns[7] = {"GSLU", "GSMA", "GSME", "GSGI", "GSVE", "GSSA", "GSDO"};
const char *const kParams[7] = {"GLU", "GMA", "GME", "GGI", "GVE", "GSA", "GDO"};
}

TFoDispo::TFoDispo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoDispo"));
    setWindowTitle(QStringLiteral("Disponibilità Volontario "));
    setFixedSize(430, 330);

    auto label = [this](const QString &text, int x, int y, int w = 80) {
        auto *l = new QLabel(text, this);
        l->setGeometry(x, y, w, 20);
        return l;
    };
    label(QStringLiteral("Tipo"), 16, 20);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("Assente"), QStringLiteral("Disponibile")});
    ComboBox1->setCurrentText(QStringLiteral("Disponibile"));
    ComboBox1->setGeometry(100, 16, 140, 26);

    const QString dateMask = QStringLiteral("!99/99/0000;1;_");
    const QString timeMask = QStringLiteral("!90:00;1;_");
    auto box = [this](const char *name, const QString &mask, int x, int y, int w) {
        auto *e = new MaskEdit(mask, this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 26);
        return e;
    };
    label(QStringLiteral("Dal Giorno"), 16, 60);
    MaskEdit1 = box("MaskEdit1", dateMask, 100, 56, 100);
    label(QStringLiteral("al Giorno"), 220, 60);
    MaskEdit2 = box("MaskEdit2", dateMask, 300, 56, 100);
    label(QStringLiteral("Dalle ore"), 16, 100);
    MaskEdit3 = box("MaskEdit3", timeMask, 100, 96, 60);
    label(QStringLiteral("alle ore"), 220, 100);
    MaskEdit4 = box("MaskEdit4", timeMask, 300, 96, 60);

    auto *group = new QGroupBox(QStringLiteral("Tutti i"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(16, 136, 398, 120);
    const QStringList names = {QStringLiteral("Lunedì"), QStringLiteral("Martedì"), QStringLiteral("Mercoledì"),
                               QStringLiteral("Giovedì"), QStringLiteral("Venerdì"), QStringLiteral("Sabato"),
                               QStringLiteral("Domenica")};
    QCheckBox **boxes[7] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5, &CheckBox6, &CheckBox7};
    for (int i = 0; i < 7; ++i) {
        auto *c = new QCheckBox(names[i], group);
        c->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        c->setGeometry(12 + (i % 4) * 95, 28 + (i / 4) * 36, 92, 24);
        *boxes[i] = c;
    }

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(314, 278, 100, 32);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

QList<QCheckBox *> TFoDispo::weekdays() const
{
    return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7};
}

void TFoDispo::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoDispo::FormShow()
{
    if (m_id <= 0) return;
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("select * from disponibilita where ID=:IDD"));
    q.bindInt(QStringLiteral("IDD"), m_id);
    q.open();
    if (q.isEmpty()) return;
    ComboBox1->setCurrentText(q.str(QStringLiteral("TIPO")) == QLatin1String("Assente") ? QStringLiteral("Assente")
                                                                                         : QStringLiteral("Disponibile"));
    MaskEdit1->setText(q.str(QStringLiteral("DATAI")));
    MaskEdit2->setText(q.str(QStringLiteral("DATAF")));
    MaskEdit3->setText(q.str(QStringLiteral("ORAI")).left(5));
    MaskEdit4->setText(q.str(QStringLiteral("ORAF")).left(5));
    const QList<QCheckBox *> days = weekdays();
    for (int i = 0; i < 7; ++i)
        days[i]->setChecked(q.str(QString::fromLatin1(kColumns[i])) == QLatin1String("S"));
    q.close();
}

void TFoDispo::Button1Click()
{
    // Every date and time is converted before anything is written.
    const QDate dal = strToDate(MaskEdit1->text().trimmed());
    const QDate al = strToDate(MaskEdit2->text().trimmed());
    const QString dalle = timeText(MaskEdit3->text());
    const QString alle = timeText(MaskEdit4->text());

    Query q(QStringLiteral("DB"));
    if (m_id != 0) {
        q.add(QStringLiteral("Update disponibilita set IDV=:IVD,TIPO=:TPO,DATAI=:DTI,DATAF=:DTF,ORAI=:ORI,ORAF=:ORF,GSLU=:GLU,"
                             "GSMA=:GMA,GSME=:GME,GSGI=:GGI,GSVE=:GVE,GSSA=:GSA,GSDO=:GDO  where ID=:IDD"));
        q.bindInt(QStringLiteral("IDD"), m_id);
    } else {
        q.add(QStringLiteral("Insert into disponibilita(IDV,TIPO,DATAI,DATAF,ORAI,ORAF,GSLU,GSMA,GSME,GSGI,GSVE,GSSA,GSDO) "
                             "VALUE(:IVD,:TPO,:DTI,:DTF,:ORI,:ORF,:GLU,:GMA,:GME,:GGI,:GVE,:GSA,:GDO)"));
    }
    q.bindInt(QStringLiteral("IVD"), m_idv);
    q.bindText(QStringLiteral("TPO"), ComboBox1->currentText());
    q.bindDate(QStringLiteral("DTI"), dal);
    q.bindDate(QStringLiteral("DTF"), al);
    q.bindText(QStringLiteral("ORI"), dalle);
    q.bindText(QStringLiteral("ORF"), alle);
    const QList<QCheckBox *> days = weekdays();
    for (int i = 0; i < 7; ++i)
        q.bindText(QString::fromLatin1(kParams[i]), days[i]->isChecked() ? QStringLiteral("S") : QStringLiteral("N"));
    q.exec();

    if (m_id == 0) {
        // The key of the row just inserted, on the same connection: a further "Salva"
        // updates it.
        Query k(QStringLiteral("DB"));
        k.add(QStringLiteral("select LAST_INSERT_ID() IDM"));
        k.open();
        m_id = k.integer(QStringLiteral("IDM"));
        k.close();
    }
}
