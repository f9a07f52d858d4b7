// "Stampa" of the service editor: the service sheet, then the crew mails.
#include "services/TFoServizio.h"

#include "core/CalendarLink.h"
#include "core/Services.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/MaskEdit.h"
#include "reports/TQR1.h"
#include "services/Controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTime>

using namespace vlm;

namespace {

QTime orario(const QString &text)
{
    const QTime t = QTime::fromString(text.trimmed(), QStringLiteral("hh:mm"));
    if (!t.isValid()) throw DbError(QStringLiteral("'%1' non è un orario valido").arg(text));
    return t;
}

}  // namespace

void TFoServizio::Button2Click()
{
    printSheet();
    if (CheckBox1->isChecked()) sendCrewMails();
}

void TFoServizio::sendCrewMails()
{
    Query q(QStringLiteral("Db3"));
    q.add(QStringLiteral("select Mail1,Mail2,Mail3,Mail4 from servizic where ID=:IDN"));
    q.bindInt(QStringLiteral("IDN"), m_id);
    q.open();

    // Start and end of the service, for the calendar link.
    const QString giorno = MaskEdit1->text();
    const QString ymd = giorno.mid(6, 4) + giorno.mid(3, 2) + giorno.mid(0, 2);
    const QTime inizio = orario(MaskEdit2->text());
    const QTime durata = orario(MaskEdit3->text());
    const QTime fine = inizio.addSecs(durata.msecsSinceStartOfDay() / 1000);
    const QString date = istanteCalendario(ymd, inizio) + QStringLiteral("%2F") + istanteCalendario(ymd, fine);

    const QString link = linkCalendario(
        indirizzoCalendario(), date, QStringLiteral("&text=servizio%20n.") + valoreLink(Label25->text().trimmed()) + QStringLiteral("&location=") +
                  valoreLink(Edit6->text().trimmed()) + QStringLiteral("&details=Il%20paziente:%20") + valoreLink(Edit1->text()) +
                  QStringLiteral("%20deve%20essere%20portato%20") + valoreLink(ComboBox5->currentText()) +
                  QStringLiteral("%20alle%20ore%20") + valoreLink(MaskEdit4->text()) + QStringLiteral("%20per%20") +
                  valoreLink(ComboBox9->currentText()));

    if (!q.isEmpty()) {
        const QString mail[4] = {q.str(QStringLiteral("Mail1")), q.str(QStringLiteral("Mail2")),
                                 q.str(QStringLiteral("Mail3")), q.str(QStringLiteral("Mail4"))};
        const QString autista = ComboBox2->currentText(), v1 = ComboBox3->currentText(),
                      v2 = ComboBox4->currentText(), v3 = ComboBox7->currentText();
        const QString equipaggio[4] = {v1 + QLatin1Char(' ') + v2 + QLatin1Char(' ') + v3,
                                       autista + QLatin1Char(' ') + v2 + QLatin1Char(' ') + v3,
                                       autista + QLatin1Char(' ') + v1 + QLatin1Char(' ') + v3,
                                       autista + QLatin1Char(' ') + v1 + QLatin1Char(' ') + v2};
        QString dest;
        for (int i = 0; i < 4; ++i) {
            MemoM->clear();
            bool invia = true;
            if (i == 0) dest = mail[0];
            else if (mail[i].trimmed() != dest.trimmed()) dest = mail[i];
            else invia = false;

            QStringList corpo;
            corpo << QStringLiteral("Gentile Volontario con la presente ti comunico che ti e' stato assegnato il servizio ") +
                         QString::number(m_id);
            corpo << (i == 0 ? QStringLiteral("Sei stato nominato autista di questa missione")
                             : QStringLiteral("Sei stato nominato volontario accompagnatore di questa missione"));
            corpo << QStringLiteral("La missione inizia il giorno ") + giorno + QStringLiteral(" Alle ore ") + MaskEdit2->text();
            corpo << QStringLiteral("Il paziente:") + Edit1->text() + QStringLiteral(" deve essere portato ") +
                         ComboBox5->currentText() + QStringLiteral(" Alle ore ") + MaskEdit4->text() + QStringLiteral(" per ") +
                         ComboBox9->currentText();
            corpo << QStringLiteral("La durata prevista del servizio e' ") + MaskEdit3->text();
            corpo << QStringLiteral("Ti e' stato assegnato il mezzo ") + ComboBox1->currentText();
            corpo << QStringLiteral("L'equipaggio e' composto da: ") + equipaggio[i];
            corpo << Memo1->toPlainText().split(QLatin1Char('\n'));
            corpo << QStringLiteral(" ");
            corpo << QStringLiteral("Se vuoi inserire l'appuntamento nel tuo calendario clicca sul link qui sotto");
            corpo << QStringLiteral(" ");
            corpo << link;
            MemoM->setPlainText(corpo.join(QLatin1Char('\n')));

            if (invia && !dest.trimmed().isEmpty())
                InviaMail(dest, QStringLiteral("Assegnazione Servizio ") + Label25->text(), corpo, QString());
        }
    }
    q.close();
}

void TFoServizio::printSheet()
{
    TQR1 sheet(this);
    Query &q = *sheet.Query1;
    q.bindInt(QStringLiteral("IDS"), m_id);
    q.open();
    const bool riga = !q.isEmpty();
    const auto si = [&](const char *col) { return riga && q.str(QString::fromLatin1(col)) == QLatin1String("Y"); };
    sheet.QRLabel30->setText(si("pzcammina") ? QStringLiteral("CAMMINA ") : QStringLiteral(" "));
    QString portare;
    if (si("portantina")) portare += QStringLiteral("PORTANTINA ");
    if (si("barella")) portare += QStringLiteral("BARELLA ");
    if (si("seggiolina")) portare += QStringLiteral("SEGGIOLINA ");
    sheet.QRLabel31->setText(portare);
    sheet.setQuery(&q);
    if (sociale()) {
        sheet.ChildBand1->setEnabled(false);
        sheet.DetailBand1->setHeight(900);
        sheet.QRShape1->setHeight(500);
        sheet.QRDBText20->setHeight(492);
    }
    sheet.preview(this);
    q.close();
}
