#include "notices/TFoMail.h"

#include "core/Services.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vlm;

QStringList memoLines(const QPlainTextEdit *memo)
{
    QString text = memo->toPlainText();
    if (text.isEmpty()) return {};
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

TFoMail::TFoMail(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoMail"));
    setWindowTitle(QStringLiteral("Invio Mail"));
    setFixedSize(620, 520);

    auto label = [this](QLabel *&l, const char *name, const QString &caption, int y) {
        l = new QLabel(caption, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(12, y, 70, 21);
    };
    label(Label1, "Label1", QStringLiteral("A:"), 14);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(86, 12, 520, 24);

    label(Label2, "Label2", QStringLiteral("CCN: "), 46);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(86, 44, 520, 110);

    label(Label3, "Label3", QStringLiteral("Oggetto:"), 166);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(86, 164, 520, 24);

    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(12, 198, 594, 270);

    Button1 = new QPushButton(QStringLiteral("Invia"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(506, 480, 100, 30);
    Button1->setAutoDefault(false);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

QString TFoMail::ccnText() const
{
    QStringList parts;
    for (const QString &l : memoLines(Memo1)) parts << l.trimmed();
    return parts.join(QLatin1Char(';'));
}

// "Invia": the message goes to the mail client as it stands; nothing is checked.
void TFoMail::Button1Click()
{
    InviaMail(Edit1->text(), Edit2->text(), memoLines(Memo2), ccnText());
    accept();
}

void TFoMail::openForVolunteers(QWidget *parent, const QStringList &addresses)
{
    auto *w = new TFoMail(parent);
    w->Edit1->setText(LeggiDato(QStringLiteral("MAIL_VOLONTARI")));
    w->Memo1->setPlainText(addresses.join(QLatin1Char('\n')));
    showModal(w);
    delete w;
}
