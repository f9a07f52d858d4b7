#include "stock/TFoLotto.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "stock/Lotti.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
}

TFoLotto::TFoLotto(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoLotto"));
    setWindowTitle(QStringLiteral("Carico Materiale"));
    setFixedSize(430, 250);

    auto label = [this](const QString &text, int y, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setGeometry(16, y + 3, 90, 20);
        l->setBuddy(buddy);
    };
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(110, 16, 300, 26);
    Edit1->setEnabled(false);
    label(QStringLiteral("Articolo"), 16, Edit1);

    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(110, 56, 110, 26);
    label(QStringLiteral("Scadenza"), 56, MaskEdit1);

    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(110, 96, 300, 26);
    Edit2->setMaxLength(100);
    label(QStringLiteral("Lotto"), 96, Edit2);

    MaskEdit2 = new MaskEdit(QStringLiteral("#####"), this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    MaskEdit2->setGeometry(110, 136, 80, 26);
    label(QStringLiteral("Quantità"), 136, MaskEdit2);

    Button1 = new QPushButton(QStringLiteral("Annulla"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(110, 190, 120, 36);
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Salva"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(290, 190, 120, 36);
    Button2->setAutoDefault(false);

    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TFoLotto::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoLotto::FormShow()
{
    MaskEdit2->setFocus();
    MaskEdit2->setCursorPosition(0);
}

// A negative quantity is taken out of the lot the dialog was opened on; zero or more is
// a new lot, after a confirmation. Both need an article, and an unload needs a lot of that
// article holding at least as much as is taken.
void TFoLotto::Button2Click()
{
    const qint64 qta = strToIntDef(MaskEdit2->text().trimmed(), 0);
    const QDate scadenza = strToDate(MaskEdit1->text());

    if (qta < 0) {
        if (!scaricoPossibile(m_idf, m_idl, -qta)) return;
        Query q(kDB);
        q.add(QStringLiteral("insert into Movimenti(IDF,IDV,QUANTITA,RIFE,SCADENZA,IDM) VALUE(:IDF,:IDV,:QTN,:RIF,:SCA,:IDM)"));
        q.bindInt(QStringLiteral("IDF"), m_idf);
        q.bindInt(QStringLiteral("IDV"), m_idv);
        q.bindInt(QStringLiteral("QTN"), qta);
        q.bindText(QStringLiteral("RIF"), Edit2->text().trimmed());
        q.bindDate(QStringLiteral("SCA"), scadenza);
        q.bindInt(QStringLiteral("IDM"), m_idl);
        q.exec();

        q.clear();
        q.add(QStringLiteral("Update Farmaci set QUANTITA=QUANTITA+:QUA where ID=:IDFA"));
        q.bindInt(QStringLiteral("QUA"), qta);
        q.bindInt(QStringLiteral("IDFA"), m_idf);
        q.exec();

        q.clear();
        q.add(QStringLiteral("Update Movimenti set Q_USATA=Q_USATA+:QUA where ID=:IDL"));
        q.bindInt(QStringLiteral("QUA"), -qta);
        q.bindInt(QStringLiteral("IDL"), m_idl);
        q.exec();
        accept();
        return;
    }

    if (m_idf <= 0) {
        messageBox(QStringLiteral("Errore"), QStringLiteral("Nessun articolo selezionato"), QMessageBox::Warning);
        return;
    }
    if (!ask(QStringLiteral("Carico"), QStringLiteral("Sei sicuro di voler caricare questo lotto ?"))) return;
    Query q(kDB);
    q.add(QStringLiteral("INSERT INTO Movimenti(IDF,IDV,SCADENZA,RIFE,QUANTITA) VALUES(:IDF,:IDV,:SCA,:RIF,:QUA)"));
    q.bindInt(QStringLiteral("IDF"), m_idf);
    q.bindInt(QStringLiteral("IDV"), m_idv);
    q.bindDate(QStringLiteral("SCA"), scadenza);
    q.bindText(QStringLiteral("RIF"), Edit2->text());
    q.bindInt(QStringLiteral("QUA"), qta);
    q.exec();

    q.clear();
    q.add(QStringLiteral("UPDATE Farmaci SET QUANTITA=QUANTITA+:QUA WHERE ID=:IDF"));
    q.bindInt(QStringLiteral("QUA"), qta);
    q.bindInt(QStringLiteral("IDF"), m_idf);
    q.exec();
    accept();
}
