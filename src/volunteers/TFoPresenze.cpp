#include "volunteers/TFoPresenze.h"

#include "app/Pictures.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "services/Controls.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>

using namespace vlm;

namespace {
const QString kConn = QStringLiteral("DBVlm");

// Now, to the second, as the clock records keep it.
QDateTime now()
{
    const QDateTime t = QDateTime::currentDateTime();
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute(), t.time().second()));
}

// The own connection is open only while a handler runs: closed on every way out.
struct OwnConnection {
    ~OwnConnection() { vlm::disconnect(kConn); }
};
}  // namespace

TFoPresenze::TFoPresenze(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoPresenze"));
    setWindowTitle(QStringLiteral("Presenze"));
    setFixedSize(820, 846);

    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    menu->setGeometry(0, 0, width(), 24);
    QMenu *storico = menu->addMenu(QStringLiteral("Storico"));
    storico->menuAction()->setObjectName(QStringLiteral("Storico1"));
    QAction *elenco = storico->addAction(QStringLiteral("Elenco Attività"));
    elenco->setObjectName(QStringLiteral("ElencoAttivita1"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 34, 110, 110);
    Image1->setPixmap(logoPicture(110));

    auto *title = new QLabel(QStringLiteral("Rilevazione Presenze"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont tf(QStringLiteral("Arial"));
    tf.setPixelSize(36);
    tf.setBold(true);
    title->setFont(tf);
    title->setGeometry(150, 46, 620, 44);

    auto *branch = new QLabel(QStringLiteral("Comitato di Valdrena"), this);
    branch->setObjectName(QStringLiteral("Label2"));
    QFont bf(QStringLiteral("Arial"));
    bf.setPixelSize(20);
    branch->setFont(bf);
    branch->setGeometry(150, 96, 620, 28);

    QFont lf(QStringLiteral("Arial"));
    lf.setPixelSize(15);
    lf.setBold(true);
    auto *prompt = new QLabel(QStringLiteral("Inserire il Codice Fiscale"), this);
    prompt->setObjectName(QStringLiteral("Label3"));
    prompt->setFont(lf);
    prompt->setGeometry(16, 158, 380, 22);

    QFont ef(QStringLiteral("Arial"));
    ef.setPixelSize(18);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(ef);
    Edit1->setGeometry(16, 182, 380, 32);

    CB1 = new DropDownBox(this);
    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setFont(ef);
    CB1->setGeometry(412, 182, 392, 32);
    CB1->setEditText(QStringLiteral("EM Servizio Sanitario di Emergenza"));

    auto *heading = new QLabel(QStringLiteral("Volontari in Servizio"), this);
    heading->setObjectName(QStringLiteral("Label4"));
    heading->setFont(lf);
    heading->setGeometry(16, 232, 380, 22);

    Elenco = new QTableWidget(kLines, 1, this);
    Elenco->setObjectName(QStringLiteral("Elenco"));
    Elenco->horizontalHeader()->hide();
    Elenco->verticalHeader()->hide();
    Elenco->horizontalHeader()->setStretchLastSection(true);
    Elenco->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Elenco->verticalHeader()->setDefaultSectionSize(23);
    Elenco->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Elenco->setSelectionMode(QAbstractItemView::NoSelection);
    Elenco->setFocusPolicy(Qt::NoFocus);
    Elenco->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Elenco->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont gf(QStringLiteral("Courier New"));
    gf.setStyleHint(QFont::Monospace);
    gf.setPixelSize(19);
    gf.setBold(true);
    Elenco->setFont(gf);
    Elenco->setGeometry(16, 256, 788, kLines * 23 + 2);
    for (int r = 0; r < kLines; ++r) Elenco->setItem(r, 0, new QTableWidgetItem);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300000);
    connect(Timer1, &QTimer::timeout, this, &TFoPresenze::Timer1Timer);

    on(Edit1, &QLineEdit::returnPressed, this, [this] { Edit1KeyPress(); });

    guard([this] { CarElenco(); });
    Timer1->start();
    Edit1->setFocus();
}

void TFoPresenze::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormActivate(); });
}

void TFoPresenze::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        // The activation that follows the error box of a failed fill is let pass, or a
        // server out of reach would bring the box back at once, for ever.
        if (m_fillFailed) {
            m_fillFailed = false;
            return;
        }
        m_fillFailed = !guard([this] { FormActivate(); });
    }
}

QStringList TFoPresenze::lines() const
{
    QStringList out;
    for (int r = 0; r < Elenco->rowCount(); ++r) out << Elenco->item(r, 0)->text();
    return out;
}

void TFoPresenze::FormActivate()
{
    OwnConnection own;
    Query q(kConn);
    q.add(QStringLiteral("select * from Elenchi where tipo='E' order by ID"));
    q.open();
    QStringList items;
    for (; !q.eof(); q.next())
        items << q.str(QStringLiteral("CODICE")) + QLatin1Char(' ') + q.str(QStringLiteral("DESCRIZIONE"));
    q.close();
    CB1->setItems(items);  // the text in the box stays as typed or chosen
}

void TFoPresenze::CarElenco()
{
    OwnConnection own;
    for (int r = 0; r < Elenco->rowCount(); ++r) Elenco->item(r, 0)->setText(QString());
    Query q(kConn);
    q.add(QStringLiteral("select * from cartellini where isnull(uscita)"));
    q.open();
    for (int r = 0; !q.eof() && r < Elenco->rowCount(); q.next(), ++r) {
        const QDateTime entrata = q.dateTime(QStringLiteral("entrata"));
        Elenco->item(r, 0)->setText(QString::number(q.integer(QStringLiteral("Codice"))) + QLatin1Char(' ')
                                    + q.str(QStringLiteral("Nome")) + QLatin1Char(' ')
                                    + entrata.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + QLatin1Char(' ')
                                    + q.str(QStringLiteral("TIPO")));
    }
    q.close();
}

void TFoPresenze::Timer1Timer()
{
    // Stopped while the list is read; started again whatever happened, so that the
    // terminal goes on refreshing once the server answers again.
    Timer1->stop();
    guard([this] { CarElenco(); });
    Timer1->start();
}

void TFoPresenze::Edit1KeyPress()
{
    const QString entry = Edit1->text().trimmed().toUpper();
    // An empty entry names nobody (it would match every person stored without a fiscal code).
    if (entry.isEmpty()) {
        Edit1->clear();
        return;
    }
    {
        OwnConnection own;
        Query q(kConn);
        q.add(QStringLiteral("select id,nome from volontari where id=:cod or Trim(codicefiscale)=Trim(:cdf)"));
        q.bindInt(QStringLiteral("cod"), strToIntDef(entry, 0));
        q.bindText(QStringLiteral("cdf"), entry);
        q.open();
        if (q.isEmpty()) {
            q.close();
            vlm::disconnect(kConn);
            messageBox(QStringLiteral("Errore"), QStringLiteral("Volontario non riconosciuto"));
            Edit1->clear();
            return;
        }
        const QString nome = q.str(QStringLiteral("Nome"));
        const qint64 id = q.integer(QStringLiteral("ID"));
        q.close();

        // The activity of the drop-down: its code and the blank after it.
        const QString tipo = CB1->currentText().trimmed().left(3);

        q.clear();
        q.add(QStringLiteral("select * from cartellini where codice=:cod and isnull(uscita)"));
        q.bindInt(QStringLiteral("cod"), id);
        q.open();
        if (q.isEmpty()) {
            q.close();
            Query w(kConn);
            w.add(QStringLiteral("insert into cartellini(codice,nome,entrata,tipo) values(:cod,:nom,:ent,:TPP)"));
            w.bindInt(QStringLiteral("cod"), id);
            w.bindText(QStringLiteral("nom"), nome);
            w.bindDateTime(QStringLiteral("ent"), now());
            w.bindText(QStringLiteral("TPP"), tipo);
            w.exec();
        } else {
            const qint64 idd = q.integer(QStringLiteral("ID"));
            q.close();
            Query w(kConn);
            w.add(QStringLiteral("update cartellini set uscita=:usc where id=:IDD"));
            w.bindDateTime(QStringLiteral("usc"), now());
            w.bindInt(QStringLiteral("IDD"), idd);
            w.exec();
            w.clear();
            w.add(QStringLiteral("update cartellini set tempo=timediff(uscita,entrata) where id=:IDD"));
            w.bindInt(QStringLiteral("IDD"), idd);
            w.exec();
        }
        Edit1->clear();
    }
    CarElenco();
}
