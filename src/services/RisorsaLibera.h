#pragma once
#include <QString>

// The check that a vehicle or a crew member is not already booked, on the same day, at a
// time that overlaps the service being edited.
namespace vlm {

// The service being edited, as shown in its window.
struct ServizioInCorso {
    QString giorno;    // dd/mm/yyyy
    QString partenza;  // hh:mm
    QString durata;    // hh:mm
    qint64 id = 0;     // 0 while not yet stored
};

// tipo "M" checks a vehicle (risorsa is its code), any other letter a person (risorsa is
// the name). When another service of that day holds the resource at an overlapping time,
// shows the "Risorsa non utilizzabile" warning naming it and returns "No"; otherwise
// returns the empty text. Runs on the given connection.
QString RisorsaLibera(const QString &connection, const QString &tipo, const QString &risorsa,
                      const ServizioInCorso &servizio);

}  // namespace vlm
