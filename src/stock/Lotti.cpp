#include "stock/Lotti.h"

#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"

#include <QColor>

namespace vlm {

namespace {
const QString kDB = QStringLiteral("DB");
const QString kErrore = QStringLiteral("Errore");
}  // namespace

void riempiLotti(GridTable *tb, qint64 idf)
{
    Query q(kDB);
    q.add(QStringLiteral("select * from Movimenti where IDF=:IDF and (quantita > Q_USATA or isnull(q_usata)) and quantita > 0"));
    q.bindInt(QStringLiteral("IDF"), idf);
    q.open();
    const bool lotto = tb->fieldIndex(QStringLiteral("LOTTO")) >= 0;
    for (; !q.eof(); q.next()) {
        const int r = tb->append();
        tb->set(r, QStringLiteral("ID"), q.integer(QStringLiteral("ID")));
        tb->set(r, QStringLiteral("DATA"), q.value(QStringLiteral("DATA")));
        tb->set(r, QStringLiteral("SCADENZA"), q.value(QStringLiteral("SCADENZA")));
        tb->set(r, QStringLiteral("QUANTITA"), q.integer(QStringLiteral("QUANTITA")) - q.integer(QStringLiteral("Q_USATA")));
        if (lotto) tb->set(r, QStringLiteral("LOTTO"), q.str(QStringLiteral("RIFE")));
    }
    q.close();
}

QVariant coloreLotto(const QDate &scadenza, qint64 quantita, int role)
{
    if (quantita <= 0) return QVariant();
    // A lot without an expiry reads as the zero date, long past.
    const QDate scad = scadenza.isValid() ? scadenza : QDate(1899, 12, 30);
    const QDate oggi = QDate::currentDate();
    QColor bg, fg;
    if (scad < oggi.addDays(45)) {
        bg = QColor(255, 255, 0);
        fg = QColor(0, 0, 255);
    }
    if (scad < oggi) {
        bg = QColor(255, 0, 0);
        fg = QColor(255, 255, 0);
    }
    if (role == Qt::BackgroundRole && bg.isValid()) return bg;
    if (role == Qt::ForegroundRole && fg.isValid()) return fg;
    return QVariant();
}

qint64 rimanenzaLotto(qint64 idl, qint64 idf)
{
    Query q(kDB);
    q.add(QStringLiteral("select QUANTITA-Q_USATA RESIDUO from Movimenti where ID=:IDL and IDF=:IDF and QUANTITA >= 0 and IDM is null"));
    q.bindInt(QStringLiteral("IDL"), idl);
    q.bindInt(QStringLiteral("IDF"), idf);
    q.open();
    const qint64 residuo = q.isEmpty() ? -1 : q.integer(QStringLiteral("RESIDUO"));
    q.close();
    return residuo;
}

bool scaricoPossibile(qint64 idf, qint64 idl, qint64 quantita)
{
    if (idf <= 0) {
        messageBox(kErrore, QStringLiteral("Nessun articolo selezionato"), QMessageBox::Warning);
        return false;
    }
    if (idl <= 0) {
        messageBox(kErrore, QStringLiteral("Nessun lotto selezionato"), QMessageBox::Warning);
        return false;
    }
    const qint64 residuo = rimanenzaLotto(idl, idf);
    if (residuo < 0) {
        messageBox(kErrore, QStringLiteral("Il lotto non appartiene all'articolo"), QMessageBox::Warning);
        return false;
    }
    if (quantita > residuo) {
        messageBox(kErrore, QStringLiteral("Quantità superiore alla rimanenza del lotto (%1)").arg(residuo),
                   QMessageBox::Warning);
        return false;
    }
    return true;
}

}  // namespace vlm
