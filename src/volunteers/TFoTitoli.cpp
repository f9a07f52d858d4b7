#include "volunteers/TFoTitoli.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
}

TFoTitoli::TFoTitoli(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoTitoli"));
    setWindowTitle(QStringLiteral("Titoli"));
    setFixedSize(420, 262);

    auto label = [this](const char *name, const QString &text, int y) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(16, y + 3, 110, 20);
    };
    const QString dateMask = QStringLiteral("!99/99/0000;1;_");

    label("Label1", QStringLiteral("Titolo"), 16);
    Cb1 = new DropDownBox(this);
    Cb1->setObjectName(QStringLiteral("Cb1"));
    Cb1->setGeometry(130, 16, 274, 26);

    label("Label2", QStringLiteral("Data Esame"), 54);
    Me1 = new MaskEdit(dateMask, this);
    Me1->setObjectName(QStringLiteral("Me1"));
    Me1->setGeometry(130, 54, 100, 26);

    label("Label3", QStringLiteral("Luogo"), 92);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(130, 92, 274, 26);

    label("Label4", QStringLiteral("Num. Attestato"), 130);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(130, 130, 180, 26);

    label("Label5", QStringLiteral("Scadenza"), 168);
    Me2 = new MaskEdit(dateMask, this);
    Me2->setObjectName(QStringLiteral("Me2"));
    Me2->setGeometry(130, 168, 100, 26);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(304, 214, 100, 32);
    Button1->setAutoDefault(false);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFoTitoli::openFor(QWidget *parent, qint64 idVolontario, qint64 idTitolo)
{
    std::unique_ptr<TFoTitoli> f(new TFoTitoli(parent));
    f->setVolontario(idVolontario);
    f->setId(idTitolo);
    showModal(f.get());
}

bool TFoTitoli::deleteQualification(const QString &tip, qint64 id)
{
    if (tip != QLatin1String("T")) return false;
    Query q(kDB);
    q.add(QStringLiteral("delete from Titoli where ID=:IDT"));
    q.bindInt(QStringLiteral("IDT"), id);
    return q.exec() > 0;
}

void TFoTitoli::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoTitoli::FormShow()
{
    Query q(kDB);
    if (m_id > 0) {
        q.add(QStringLiteral("select * from Titolic where ID=:IDT"));
        q.bindInt(QStringLiteral("IDT"), m_id);
        q.open();
        if (!q.isEmpty() && q.str(QStringLiteral("TIP")) == QLatin1String("T")) {
            Cb1->setEditText(q.str(QStringLiteral("DESCRIZIONE")));
            Me1->setText(dateToStr(q.date(QStringLiteral("DATAESAME"))));
            // The stored expiry, empty when the qualification does not expire.
            Me2->setText(dateToStr(q.date(QStringLiteral("SCADENZA"))));
            Edit1->setText(q.str(QStringLiteral("LUOGO")));
            Edit2->setText(q.str(QStringLiteral("NMRATTESTATO")));
        } else {
            // Not a qualification of Titoli (one earned in a course, or one deleted in the
            // meantime): the boxes stay empty and "Salva" adds a new qualification rather
            // than writing over an unrelated row.
            m_id = 0;
        }
        q.close();
    } else {
        m_id = 0;  // a key below 0 names a row of another kind, never a row of Titoli
    }
    q.clear();
    q.add(QStringLiteral("select * from Elenchi where TIPO='A'"));
    q.open();
    QStringList items;
    for (; !q.eof(); q.next()) items << q.str(QStringLiteral("DESCRIZIONE"));
    q.close();
    Cb1->setItems(items);
}

void TFoTitoli::Button1Click()
{
    // Both dates are converted before anything is written.
    const QDate esame = strToDate(Me1->text());
    const QDate scadenza = Me2->isMaskEmpty() ? QDate() : strToDate(Me2->text());

    Query c(kDB);
    c.add(QStringLiteral("select CODICE from Elenchi where DESCRIZIONE=:DES and TIPO='A'"));
    c.bindText(QStringLiteral("DES"), Cb1->currentText().trimmed());
    c.open();
    const QString codice = c.isEmpty() ? QString() : c.str(QStringLiteral("CODICE"));
    c.close();

    Query q(kDB);
    if (m_id != 0) {
        q.add(QStringLiteral("update Titoli set IDVOLONTARIO=:IDV,CODICE=:CDA,DATAESAME=:DTE,LUOGO=:LUO,NMRATTESTATO=:IDA,"
                             "SCADENZA=:SCA where ID=:IDT"));
        q.bindInt(QStringLiteral("IDT"), m_id);
    } else {
        q.add(QStringLiteral("insert into Titoli(IDVOLONTARIO,CODICE,DATAESAME,LUOGO,NMRATTESTATO,SCADENZA) "
                             "values(:IDV,:CDA,:DTE,:LUO,:IDA,:SCA)"));
    }
    q.bindInt(QStringLiteral("IDV"), m_idv);
    q.bindText(QStringLiteral("CDA"), codice);
    q.bindDate(QStringLiteral("DTE"), esame);
    q.bindText(QStringLiteral("LUO"), Edit1->text().trimmed());
    q.bindText(QStringLiteral("IDA"), Edit2->text().trimmed());
    if (scadenza.isValid()) q.bindDate(QStringLiteral("SCA"), scadenza);
    else q.bindNull(QStringLiteral("SCA"));
    q.exec();

    if (m_id == 0) {
        // The key of the row just inserted, on the same connection: a further "Salva"
        // updates this qualification instead of adding it again.
        Query k(kDB);
        k.add(QStringLiteral("select LAST_INSERT_ID() NEWID"));
        k.open();
        m_id = k.integer(QStringLiteral("NEWID"));
        k.close();
    }
}
