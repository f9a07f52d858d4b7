#include "services/TFoTempi.h"

#include "platform/Db.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"

#include <QLabel>

using namespace vlm;

TFoTempi::TFoTempi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoTempi"));
    setWindowTitle(QStringLiteral("Tempi servizio"));
    setFixedSize(330, 270);

    Label1 = new QLabel(QStringLiteral("Orari Servizio "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setPointSize(12);
    f.setBold(true);
    Label1->setFont(f);
    Label1->setGeometry(24, 12, 150, 26);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(f);
    Label2->setGeometry(180, 12, 120, 26);

    const QString mask = QStringLiteral("!90:00:00;1;_");
    auto row = [&](const char *name, const QString &text, int y) {
        auto *l = new QLabel(text, this);
        l->setGeometry(24, y + 3, 150, 18);
        auto *e = new MaskEdit(mask, this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(180, y, 90, 24);
        return e;
    };
    MaskEdit1 = row("MaskEdit1", QStringLiteral("Ora Partenza"), 52);
    MaskEdit2 = row("MaskEdit2", QStringLiteral("Arrivo Obbiettivo"), 84);
    MaskEdit3 = row("MaskEdit3", QStringLiteral("Partenza Obbiettivo"), 116);
    MaskEdit4 = row("MaskEdit4", QStringLiteral("Arrivo Destinazione"), 148);
    MaskEdit5 = row("MaskEdit5", QStringLiteral("Libero Operativo"), 180);
    MaskEdit6 = row("MaskEdit6", QStringLiteral("Rientro in sede "), 212);
}

void TFoTempi::setServizio(qint64 id, const QString &numero)
{
    m_id = id;
    Label2->setText(numero);
}

void TFoTempi::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoTempi::FormShow()
{
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("select OraPS,OraAO,OraPO,OraAD,OraLO,OraRS from servizi where ID=") + QString::number(m_id));
    q.open();
    const std::pair<MaskEdit *, const char *> boxes[] = {{MaskEdit1, "OraPS"}, {MaskEdit2, "OraAO"},
                                                         {MaskEdit3, "OraPO"}, {MaskEdit4, "OraAD"},
                                                         {MaskEdit5, "OraLO"}, {MaskEdit6, "OraRS"}};
    for (const auto &[box, col] : boxes) {
        const QString t = q.isEmpty() ? QString() : q.str(QString::fromLatin1(col));
        box->setText(t.isEmpty() ? QStringLiteral("00:00:00") : t);
    }
    q.close();
}
