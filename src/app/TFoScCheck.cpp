#include "app/TFoScCheck.h"

#include "core/Services.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace vlm;

TFoScCheck::TFoScCheck(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoScCheck"));
    setWindowTitle(QStringLiteral("Farmaci Scaduti"));
    resize(620, 440);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 8, 604, 384);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Button1 = new QPushButton(QStringLiteral("Invia"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(512, 402, 100, 28);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFoScCheck::addLine(const QString &line) { Memo1->appendPlainText(line); }

QStringList TFoScCheck::lines() const
{
    if (Memo1->toPlainText().isEmpty()) return {};
    return Memo1->toPlainText().split(QLatin1Char('\n'));
}

void TFoScCheck::Button1Click()
{
    if (Memo1->toPlainText().isEmpty()) return;
    const QString oggi = dateToStr(QDate::currentDate());
    QString dest, oggetto;
    if (tipo == QLatin1String("P")) {
        dest = LeggiDato(QStringLiteral("MAIL_SCADENZE_PATENTI"));
        oggetto = QStringLiteral("Patenti Scadute");
        ScriviDato(QStringLiteral("INVIOPATENTI"), oggi);
    } else {
        dest = LeggiDato(QStringLiteral("MAIL_SCADENZE_FARMACI"));
        oggetto = QStringLiteral("Farmaci Scaduti");
        ScriviDato(QStringLiteral("INVIOSCADENZE"), oggi);
    }
    InviaMail(dest, oggetto, lines(), QString());
}

namespace vlm {

void medicinesNotice(QWidget *parent, bool autoSend)
{
    TFoScCheck f(parent);
    f.tipo = QStringLiteral("F");
    Query q(QStringLiteral("DB"));
    // Three days on with date arithmetic: "current_date + 3" would add 3 to the number
    // yyyymmdd and miss, at the end of a month, what expires early in the next.
    q.add(QStringLiteral("select * from checklist left join mezzi on checklist.IDM=mezzi.ID left join Farmaci on Farmaci.ID=checklist.IDF where checklist.SCADENZA < current_date + interval 3 day order by checklist.IDM,checklist.SCADENZA"));
    q.open();
    for (; !q.eof(); q.next())
        f.addLine(q.str(QStringLiteral("siglamezzo")) + QLatin1Char(' ') + q.str(QStringLiteral("scadenza")) +
                  QLatin1Char(' ') + q.str(QStringLiteral("quantita")) + QLatin1Char(' ') + q.str(QStringLiteral("NOME")) +
                  QLatin1Char(' ') + q.str(QStringLiteral("POSIZIONE")));
    q.close();
    q.clear();
    q.add(QStringLiteral("select * from Movimenti left join Farmaci on Movimenti.IDF=Farmaci.ID where DATEDIFF(Movimenti.SCADENZA,current_date) < 3 and Movimenti.quantita > q_usata"));
    q.open();
    if (!q.isEmpty()) f.addLine(QStringLiteral("Farmaci in Magazzino"));
    for (; !q.eof(); q.next())
        f.addLine(q.str(QStringLiteral("scadenza")) + QLatin1Char(' ') + q.str(QStringLiteral("quantita")) + QLatin1Char(' ') +
                  q.str(QStringLiteral("NOME")) + QLatin1Char(' '));
    q.close();

    if (autoSend) {
        const QString ultimo = LeggiDato(QStringLiteral("INVIOSCADENZE"));
        // A value that is no date stops here with the error box.
        if (ultimo.isEmpty() || strToDate(ultimo) < QDate::currentDate()) f.Button1Click();
    }
    if (!f.lines().isEmpty()) showModal(&f);
}

void licencesNotice(QWidget *parent)
{
    TFoScCheck f(parent);
    f.setWindowTitle(QStringLiteral("Scadenze Patenti"));
    f.tipo = QStringLiteral("P");
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("select * from volontari where datediff(scadpatvlm,current_date) < 30 and statopatvlm='Valida' order by scadpatvlm"));
    q.open();
    for (; !q.eof(); q.next())
        f.addLine(q.str(QStringLiteral("scadpatvlm")) + QLatin1Char(' ') + q.str(QStringLiteral("Nome")) + QLatin1Char(' ') +
                  q.str(QStringLiteral("Stato")));
    q.close();
    if (!f.lines().isEmpty()) showModal(&f);
}

}  // namespace vlm
