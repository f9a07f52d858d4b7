#include "shifts/TFoIMTurni.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "shifts/ShiftTime.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kGiorno = QStringLiteral("GIORNO");
}

TFoIMTurni::TFoIMTurni(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoIMTurni"));
    setWindowTitle(QStringLiteral("FoIMTurni"));
    setFixedSize(420, 250);

    auto label = [this](const QString &text, int x, int y) {
        auto *l = new QLabel(text, this);
        l->setGeometry(x, y, 90, 20);
        return l;
    };
    label(QStringLiteral("Giorno"), 16, 20);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(110, 16, 160, 26);
    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(282, 16, 100, 26);
    MaskEdit1->hide();

    label(QStringLiteral("Dalle Ore "), 16, 60);
    MaskEdit2 = new MaskEdit(QStringLiteral("!90:00;1;_"), this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    MaskEdit2->setGeometry(110, 56, 60, 26);
    label(QStringLiteral("Alle Ore "), 200, 60);
    MaskEdit3 = new MaskEdit(QStringLiteral("!90:00;1;_"), this);
    MaskEdit3->setObjectName(QStringLiteral("MaskEdit3"));
    MaskEdit3->setGeometry(282, 56, 60, 26);

    label(QStringLiteral("Tipo"), 16, 100);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->addItems({QStringLiteral("OSCAR"), QStringLiteral("BRAVO"), QStringLiteral("BRAVO+"), QStringLiteral("INDIA")});
    ComboBox2->setEditText(QString());
    ComboBox2->lineEdit()->setMaxLength(20);
    ComboBox2->setGeometry(110, 96, 160, 26);

    label(QStringLiteral("Descrizione"), 16, 140);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(100);
    Edit1->setGeometry(110, 136, 290, 26);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(300, 196, 100, 32);

    on(ComboBox1, &QComboBox::editTextChanged, this, [this] { ComboBox1Change(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFoIMTurni::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoIMTurni::ComboBox1Change() { MaskEdit1->setVisible(ComboBox1->currentText() == kGiorno); }

void TFoIMTurni::FormShow()
{
    ComboBox1->clear();
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("SELECT * FROM Elenchi WHERE TIPO='G'"));
    q.open();
    for (; !q.eof(); q.next()) ComboBox1->addItem(q.str(QStringLiteral("DESCRIZIONE")));
    q.close();
    ComboBox1->addItem(kGiorno);
    ComboBox1->setEditText(QString());
    if (m_id <= 0) return;

    q.clear();
    q.add(QStringLiteral("SELECT * FROM OrariTurni WHERE ID=:IDO"));
    q.bindInt(QStringLiteral("IDO"), m_id);
    q.open();
    if (q.isEmpty()) return;
    MaskEdit2->setText(q.str(QStringLiteral("ORAI")).left(5));
    MaskEdit3->setText(q.str(QStringLiteral("ORAF")).left(5));
    ComboBox2->setEditText(q.str(QStringLiteral("TIPO")));
    Edit1->setText(q.str(QStringLiteral("DESCRIZ")));
    const qint64 giorno = q.integer(QStringLiteral("GIORNO"));
    q.close();
    if (giorno <= 10) {
        MaskEdit1->hide();
        q.clear();
        q.add(QStringLiteral("SELECT DESCRIZIONE FROM Elenchi WHERE TIPO='G' AND CODICE=:CDD"));
        q.bindText(QStringLiteral("CDD"), QString::number(giorno));
        q.open();
        ComboBox1->setEditText(q.isEmpty() ? QString() : q.str(QStringLiteral("DESCRIZIONE")));
        q.close();
    } else {
        MaskEdit1->setText(dateToStr(dateFromSerial(giorno)));
        ComboBox1->setEditText(kGiorno);
        MaskEdit1->show();
    }
}

qint64 TFoIMTurni::dayCode(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return 0;  // an empty pattern would match every kind of day
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("SELECT CODICE,DESCRIZIONE FROM Elenchi WHERE TIPO='G' AND DESCRIZIONE LIKE :DES ORDER BY ID"));
    // The typed text is looked for as it stands: its own % and _ are no wildcards.
    QString literal = t;
    literal.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    q.bindText(QStringLiteral("DES"), QLatin1Char('%') + literal + QLatin1Char('%'));
    q.open();
    // "Festivi" is also part of "Prefestivi": the description named in full wins.
    QString code = q.isEmpty() ? QString() : q.str(QStringLiteral("CODICE"));
    for (; !q.eof(); q.next())
        if (q.str(QStringLiteral("DESCRIZIONE")).trimmed().compare(t, Qt::CaseInsensitive) == 0) {
            code = q.str(QStringLiteral("CODICE"));
            break;
        }
    q.close();
    return strToIntDef(code, 0);
}

void TFoIMTurni::Button1Click()
{
    // Everything is converted before anything is written.
    const qint64 giorno = MaskEdit1->isVisibleTo(this) ? serialFromDate(strToDate(MaskEdit1->text().trimmed()))
                                                       : dayCode(ComboBox1->currentText());
    const QString dalle = timeText(MaskEdit2->text());
    const QString alle = timeText(MaskEdit3->text());

    Query q(QStringLiteral("DB"));
    if (m_id != 0) {
        q.add(QStringLiteral("UPDATE OrariTurni SET TIPO=:TPP,DESCRIZ=:DES,GIORNO=:GIO,ORAI=:ORI,ORAF=:ORF WHERE ID=:IDO"));
        q.bindInt(QStringLiteral("IDO"), m_id);
    } else {
        q.add(QStringLiteral("INSERT INTO OrariTurni(TIPO,DESCRIZ,GIORNO,ORAI,ORAF) VALUES(:TPP,:DES,:GIO,:ORI,:ORF)"));
    }
    q.bindText(QStringLiteral("TPP"), ComboBox2->currentText());
    q.bindText(QStringLiteral("DES"), Edit1->text());
    q.bindInt(QStringLiteral("GIO"), giorno);
    q.bindText(QStringLiteral("ORI"), dalle);
    q.bindText(QStringLiteral("ORF"), alle);
    q.exec();
    accept();
}
