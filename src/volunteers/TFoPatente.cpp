#include "volunteers/TFoPatente.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Guard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vlm;

TFoPatente::TFoPatente(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoPatente"));
    setWindowTitle(QStringLiteral("FoPatente"));
    setFixedSize(420, 300);

    Text1 = new QLabel(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(16, 12, 388, 36);
    QFont big = Text1->font();
    big.setPointSize(16);
    big.setBold(true);
    Text1->setFont(big);

    auto label = [this](const char *name, const QString &text, int y) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(16, y + 3, 110, 20);
    };
    auto edit = [this](QLineEdit *&e, const char *name, int y, int w) {
        e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(130, y, w, 26);
    };
    label("Label1", QStringLiteral("Patente N°"), 60);
    edit(Edit4, "Edit4", 60, 200);
    label("Label2", QStringLiteral("Categoria"), 96);
    edit(Edit1, "Edit1", 96, 120);
    label("Label3", QStringLiteral("Data Esame"), 132);
    edit(Edit2, "Edit2", 132, 120);
    label("Label4", QStringLiteral("Scadenza"), 168);
    edit(Edit3, "Edit3", 168, 120);
    label("Label5", QStringLiteral("Stato"), 204);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->addItems({QStringLiteral("Valida"), QStringLiteral("Ritirata"), QStringLiteral("Sospesa"),
                         QStringLiteral("Riconsegnata"), QStringLiteral("No Patente")});
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setGeometry(130, 204, 200, 26);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(304, 252, 100, 32);
    Button1->setAutoDefault(false);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFoPatente::Button1Click()
{
    // Both dates are converted before anything is written.
    const QDate esame = strToDate(Edit2->text());
    const QDate scadenza = strToDate(Edit3->text());
    const QString stato = ComboBox1->currentText();

    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("Update volontari set NOME=:NOM,PATVLM=:PTE,PATVLMN=:PTN,ESAMEPATVLM=:DTE,SCADPATVLM=:DTS,"
                         "STATOPATVLM=:STP where ID=:IDV"));
    q.bindText(QStringLiteral("NOM"), Text1->text());
    q.bindText(QStringLiteral("PTE"), Edit1->text());
    q.bindText(QStringLiteral("PTN"), Edit4->text());
    q.bindDate(QStringLiteral("DTE"), esame);
    q.bindDate(QStringLiteral("DTS"), scadenza);
    q.bindInt(QStringLiteral("IDV"), m_idv);
    // An empty state stays "no state" (NULL), so that the person is still listed under
    // "No Patente" and no empty licence state appears among the list's choices.
    if (stato.trimmed().isEmpty()) q.bindNull(QStringLiteral("STP"));
    else q.bindText(QStringLiteral("STP"), stato);
    q.exec();
}
