#pragma once
#include <QString>
#include <QStringList>

// The operations every module shares: mail dispatch through the external mail client, the
// audit log, the settings store and the link helper. None of them ever reports an error:
// a failure is dropped and the caller goes on.
namespace vlm {

// Writes one message file (To:, Bcc: when not empty, Subject:, two empty lines, the body;
// CR LF line ends) and hands it to the mail client without waiting for it. `dest` and
// `ccn` may hold several addresses separated by ";".
void InviaMail(const QString &dest, const QString &oggetto, const QStringList &corpo, const QString &ccn);

// Appends a line to the audit log LogVlm with this workstation's name.
void ScriviLog(const QString &testo);

// Stores a setting of the table Dati (insert or update).
void ScriviDato(const QString &nome, const QString &valore);
// The trimmed value of a setting; empty when missing or on any failure.
QString LeggiDato(const QString &nome);

// Every blank becomes "%20"; nothing else changes.
QString SpaziUrl(const QString &s);

// The parts of InviaMail, for the callers that need them (and for their tests).
namespace mail {
// The message file's bytes.
QByteArray messageText(const QString &dest, const QString &oggetto, const QStringList &corpo, const QString &ccn);
// The recipients of a recipient text: split at ";", trimmed, empty ones dropped.
QStringList recipients(const QString &dest);
// The mail client's arguments for a recipient text.
QStringList clientArguments(const QString &dest);
}  // namespace mail

}  // namespace vlm
