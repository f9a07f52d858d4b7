#include "services/RisorsaLibera.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"

#include <QTime>

namespace vlm {

namespace {

// hh:mm[:ss] -> seconds, -1 when the text is no time.
int seconds(const QString &t)
{
    QTime tm = QTime::fromString(t.trimmed(), QStringLiteral("hh:mm:ss"));
    if (!tm.isValid()) tm = QTime::fromString(t.trimmed(), QStringLiteral("hh:mm"));
    if (!tm.isValid()) tm = QTime::fromString(t.trimmed(), QStringLiteral("h:mm"));
    return tm.isValid() ? tm.msecsSinceStartOfDay() / 1000 : -1;
}

}  // namespace

QString RisorsaLibera(const QString &connection, const QString &tipo, const QString &risorsa,
                      const ServizioInCorso &servizio)
{
    const bool mezzo = tipo == QLatin1String("M");
    const qint64 key = mezzo ? vehicleKey(connection, risorsa) : personKey(connection, risorsa);
    if (key == 0) return QString();

    const QString giorno = serverDateText(servizio.giorno.trimmed());

    // A time span contains the new start or the new end, both ends included. Times are
    // added with ADDTIME: a plain + would add them as numbers (08:45 + 00:30 = 087500).
    Query q(connection);
    q.add(QStringLiteral("select * from servizi"));
    if (mezzo) {
        q.add(QStringLiteral("where date(dataservizio)=:DTA and idMezzo=:IDM"));
    } else {
        q.add(QStringLiteral("where date(dataservizio)=:DTA"));
        q.add(QStringLiteral("and (idAutista=:IDM or idVolontario1=:IDM or idVolontario2=:IDM or idVolontario3=:IDM)"));
    }
    q.add(QStringLiteral("and (((time(orariopartenza) <= time(:OIN))"));
    q.add(QStringLiteral("and (ADDTIME(time(orariopartenza),time(durata)) >= time(:OIN)))"));
    q.add(QStringLiteral("OR ((time(orariopartenza) <= ADDTIME(time(:OIN),time(:DNW)))"));
    q.add(QStringLiteral("and (ADDTIME(time(orariopartenza),time(durata)) >= ADDTIME(time(:OIN),time(:DNW)))))"));
    q.bindText(QStringLiteral("DTA"), giorno);
    q.bindInt(QStringLiteral("IDM"), key);
    q.bindText(QStringLiteral("OIN"), servizio.partenza.trimmed());
    q.bindText(QStringLiteral("DNW"), servizio.durata.trimmed());
    q.open();

    while (!q.eof() && q.integer(QStringLiteral("ID")) == servizio.id) q.next();
    if (q.eof()) {
        q.close();
        return QString();
    }

    const qint64 altro = q.integer(QStringLiteral("ID"));
    const QString dalle = q.str(QStringLiteral("orariopartenza"));
    const int inizio = seconds(dalle);
    const int durata = seconds(q.str(QStringLiteral("durata")));
    QString alle;
    if (inizio >= 0 && durata >= 0)
        alle = QTime(0, 0).addSecs(inizio + durata).toString(QStringLiteral("hh:mm:ss")).left(5);
    q.close();

    messageBox(QStringLiteral("Risorsa non utilizzabile"),
               QStringLiteral("La Risorsa ") + risorsa + QStringLiteral(" è utilizzato per il servizio ") +
                   QString::number(altro) + QStringLiteral(" Dalle ") + dalle + QStringLiteral(" Alle ") + alle,
               QMessageBox::Warning, QMessageBox::Ok);
    return QStringLiteral("No");
}

}  // namespace vlm
