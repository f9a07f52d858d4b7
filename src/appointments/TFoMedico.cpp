#include "appointments/TFoMedico.h"

#include "platform/Db.h"
#include "platform/Guard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
}

TFoMedico::TFoMedico(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoMedico"));
    setWindowTitle(QStringLiteral("Dati Professionista"));
    setFixedSize(440, 330);

    auto label = [this](QLabel *&l, const char *name, const QString &text, int y) {
        l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(16, y + 3, 120, 20);
    };
    label(Label1, "Label1", QStringLiteral("Professionista"), 16);
    label(Label2, "Label2", QStringLiteral("Specializzazione"), 52);
    label(Label3, "Label3", QStringLiteral("Stato"), 88);
    label(Label4, "Label4", QStringLiteral("Informazioni"), 124);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(140, 16, 280, 26);
    Edit1->setMaxLength(40);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(140, 52, 280, 26);
    Edit2->setMaxLength(40);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(140, 88, 160, 26);
    ComboBox1->addItems({QStringLiteral("ATTIVO"), QStringLiteral("DISMESSO")});

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(140, 124, 280, 130);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setGeometry(140, 272, 100, 36);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFoMedico::Button1Click()
{
    Query q(kDB);
    if (m_id != 0) {
        q.add(QStringLiteral("UPDATE Medici SET Nome=:NOM,Specializzazione=:SPE,Stato=:STA,Note=:NOT where ID=:ID"));
        q.bindInt(QStringLiteral("ID"), m_id);
    } else {
        q.add(QStringLiteral("INSERT INTO Medici(Nome,Specializzazione,Stato,Note) VALUES(:NOM,:SPE,:STA,:NOT)"));
    }
    q.bindText(QStringLiteral("NOM"), Edit1->text());
    q.bindText(QStringLiteral("SPE"), Edit2->text());
    q.bindText(QStringLiteral("STA"), ComboBox1->currentText());
    q.bindText(QStringLiteral("NOT"), Memo1->toPlainText());
    q.exec();
    if (m_id == 0) {
        // The window stays open: keep the new key so that a second "Salva" corrects this
        // specialist instead of storing another one.
        m_id = scalar(kDB, QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
    }
}
