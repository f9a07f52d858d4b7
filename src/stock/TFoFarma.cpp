#include "stock/TFoFarma.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
}

TFoFarma::TFoFarma(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoFarma"));
    setWindowTitle(QStringLiteral("Scheda Materiale"));
    setFixedSize(520, 330);

    // Each box takes no more than its column holds.
    auto row = [this](QLineEdit *&edit, const char *name, const QString &caption, int y, int width, int maxLength) {
        auto *l = new QLabel(caption, this);
        l->setGeometry(16, y + 3, 110, 20);
        edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setGeometry(130, y, width, 26);
        edit->setMaxLength(maxLength);
        l->setBuddy(edit);
    };
    row(Edit1, "Edit1", QStringLiteral("Codice"), 16, 160, 50);
    row(Edit2, "Edit2", QStringLiteral("Nome"), 52, 370, 100);
    row(Edit3, "Edit3", QStringLiteral("Decrizione"), 88, 370, 255);
    row(Edit4, "Edit4", QStringLiteral("Produttore"), 124, 370, 100);
    row(Edit6, "Edit6", QStringLiteral("Codice EAN"), 160, 220, 30);
    row(Edit5, "Edit5", QStringLiteral("Scorta Minima"), 196, 80, 11);

    LabelQta = new QLabel(QStringLiteral("Q.ta"), this);
    LabelQta->setObjectName(QStringLiteral("LabelQta"));
    LabelQta->setGeometry(240, 199, 40, 20);
    LabelValore = new QLabel(QStringLiteral("Q.ta"), this);
    LabelValore->setObjectName(QStringLiteral("LabelValore"));
    QFont big = LabelValore->font();
    big.setPointSize(20);
    big.setBold(true);
    LabelValore->setFont(big);
    LabelValore->setGeometry(290, 190, 200, 40);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(130, 270, 110, 34);
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Cancella"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(390, 270, 110, 34);
    Button2->setAutoDefault(false);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TFoFarma::carica(qint64 id)
{
    Query q(kDB);
    q.add(QStringLiteral("select * from Farmaci where ID=:IDF"));
    q.bindInt(QStringLiteral("IDF"), id);
    q.open();
    Edit1->setText(q.str(QStringLiteral("CODICE")));
    Edit2->setText(q.str(QStringLiteral("NOME")));
    Edit3->setText(q.str(QStringLiteral("DESCRIZIONE")));
    Edit4->setText(q.str(QStringLiteral("PRODUTTORE")));
    Edit5->setText(q.isEmpty() ? QString() : QString::number(q.integer(QStringLiteral("SCORTA"))));
    Edit6->setText(q.str(QStringLiteral("EAN")));
    m_id = q.isEmpty() ? 0 : q.integer(QStringLiteral("ID"));
    q.close();
}

// Writes the article. A new one learns its key from the insert, so that saving again
// updates it instead of storing the article twice.
void TFoFarma::Button1Click()
{
    const qint64 scorta = strToInt(Edit5->text());
    Query q(kDB);
    if (m_id != 0) {
        q.add(QStringLiteral("update Farmaci set codice=:COD,Nome=:NOM,Descrizione=:DES,PRODUTTORE=:PRO,SCORTA=:SCM,EAN=:EAN where ID=:IDN"));
        q.bindInt(QStringLiteral("IDN"), m_id);
    } else {
        q.add(QStringLiteral("insert into Farmaci(Codice,Nome,Descrizione,PRODUTTORE,SCORTA,EAN) values(:COD,:NOM,:DES,:PRO,:SCM,:EAN)"));
    }
    q.bindText(QStringLiteral("COD"), Edit1->text())
        .bindText(QStringLiteral("NOM"), Edit2->text())
        .bindText(QStringLiteral("DES"), Edit3->text())
        .bindText(QStringLiteral("PRO"), Edit4->text())
        .bindInt(QStringLiteral("SCM"), scorta)
        .bindText(QStringLiteral("EAN"), Edit6->text());
    q.exec();
    if (m_id == 0) {
        Query k(kDB);
        k.add(QStringLiteral("select LAST_INSERT_ID() NEWID"));
        k.open();
        m_id = k.integer(QStringLiteral("NEWID"));
        k.close();
    }
}

void TFoFarma::Button2Click()
{
    if (!ask(QStringLiteral("Cancellazione"), QStringLiteral("Sei sicuro di voler cancellare l'articolo"))) return;
    Query q(kDB);
    q.add(QStringLiteral("delete from Farmaci where ID=:IDF"));
    q.bindInt(QStringLiteral("IDF"), m_id);
    q.exec();
    accept();
}
