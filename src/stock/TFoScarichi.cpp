#include "stock/TFoScarichi.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "services/Controls.h"
#include "stock/Barcode.h"
#include "stock/Lotti.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
// A scanned package code is longer than anything typed by hand into the article box.
constexpr int kScanLength = 20;
}  // namespace

TFoScarichi::TFoScarichi(QWidget *parent) : QDialog(parent), m_tb1(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoScarichi"));
    setWindowTitle(QStringLiteral("Scarico Magazzino"));
    setFixedSize(640, 520);

    m_tb1->addInt(QStringLiteral("ID"))
        .addDate(QStringLiteral("DATA"))
        .addDate(QStringLiteral("SCADENZA"))
        .addInt(QStringLiteral("QUANTITA"));

    QFont big = font();
    big.setPointSize(14);
    Label1 = new QLabel(QStringLiteral("Articolo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(big);
    Label1->setGeometry(16, 16, 90, 30);
    CB1 = new DropDownBox(this);
    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setFont(big);
    CB1->setGeometry(110, 14, 510, 34);
    CB1->lineEdit()->installEventFilter(this);
    Label1->setBuddy(CB1);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(110, 54, 510, 24);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_tb1, DBGrid1);
    m_model->setColumns({{QStringLiteral("ID"), QStringLiteral("ID"), 80},
                         {QStringLiteral("DATA"), QStringLiteral("DATA"), 130},
                         {QStringLiteral("SCADENZA"), QStringLiteral("SCADENZA"), 130},
                         {QStringLiteral("QUANTITA"), QStringLiteral("QUANTITA"), 100}});
    m_model->setColorFn([this](int row, const QString &, int role) {
        return coloreLotto(m_tb1->value(row, QStringLiteral("SCADENZA")).toDate(),
                           m_tb1->integer(row, QStringLiteral("QUANTITA")), role);
    });
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setGeometry(16, 86, 604, 280);

    Label4 = new QLabel(QStringLiteral("Quantita"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(16, 386, 90, 24);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(110, 382, 100, 30);
    Label4->setBuddy(Edit1);
    Label5 = new QLabel(QStringLiteral("Note"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(16, 426, 90, 24);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(110, 422, 510, 30);
    Edit2->setMaxLength(100);
    Label5->setBuddy(Edit2);

    Button1 = new QPushButton(QStringLiteral("Scarica"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(470, 468, 150, 40);
    Button1->setAutoDefault(false);

    on(CB1, &QComboBox::editTextChanged, this, [this] { CB1Change(CB1->currentText()); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TFoScarichi::~TFoScarichi() { delete m_tb1; }

void TFoScarichi::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormActivate(); });
    CB1->setFocus();
}

void TFoScarichi::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        // The activation that follows the error box of a failed fill is let pass, or the
        // box would come back at once, for ever.
        if (m_activateFailed) {
            m_activateFailed = false;
            return;
        }
        m_activateFailed = !guard([this] { FormActivate(); });
    }
}

bool TFoScarichi::eventFilter(QObject *o, QEvent *e)
{
    if (o == CB1->lineEdit() && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guard([this] { CB1KeyPress(); });
            return true;  // Enter belongs to the search, it presses no button
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFoScarichi::FormActivate()
{
    Query q(kDB);
    q.add(QStringLiteral("Select nome from Farmaci"));
    q.open();
    QStringList nomi;
    for (; !q.eof(); q.next()) nomi << q.str(QStringLiteral("nome"));
    q.close();
    CB1->setItems(nomi);  // the text in the box stays as typed
}

// Each change of the article box takes the first article that matches it, and its lots.
void TFoScarichi::CB1Change(const QString &text)
{
    m_idf = 0;
    m_tb1->empty();
    m_model->refresh();

    Query q(kDB);
    q.add(QStringLiteral("select ID,DESCRIZIONE from Farmaci "));
    q.add(QStringLiteral(" where CODICE LIKE :CER "));
    q.add(QStringLiteral(" OR NOME LIKE :CER "));
    q.add(QStringLiteral(" OR DESCRIZIONE LIKE :CER "));
    q.add(QStringLiteral(" OR EAN LIKE :CER "));
    q.add(QStringLiteral(" OR PRODUTTORE LIKE :CER "));
    q.bindText(QStringLiteral("CER"), QLatin1Char('%') + text.trimmed() + QLatin1Char('%'));
    q.open();
    if (!q.isEmpty()) {
        m_idf = q.integer(QStringLiteral("ID"));
        Label3->setText(q.str(QStringLiteral("DESCRIZIONE")));
    }
    q.close();
    caricaLotti();
}

void TFoScarichi::caricaLotti()
{
    m_tb1->empty();
    if (m_idf > 0) riempiLotti(m_tb1, m_idf);
    m_model->refresh();
    if (m_tb1->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

// Enter: a scanned package code is searched by the EAN inside it; the box is then emptied
// for the next code, keeping the article found.
void TFoScarichi::CB1KeyPress()
{
    QString testo = CB1->currentText();
    if (testo.length() > kScanLength) testo = EanDaCodice(testo);
    {
        const QSignalBlocker block(CB1);
        CB1->setEditText(testo);
    }
    CB1Change(testo);
    const QSignalBlocker block(CB1);
    CB1->setCurrentIndex(-1);
    CB1->setEditText(QString());
}

// Takes the quantity out of the selected lot. The article found stays on screen with its
// lots reloaded, ready for the next unload.
void TFoScarichi::Button1Click()
{
    const qint64 qta = strToIntDef(Edit1->text().trimmed(), 0);
    const int r = DBGrid1->currentRow();
    const bool conLotto = r >= 0 && r < m_tb1->rowCount();
    const qint64 idl = conLotto ? m_tb1->integer(r, QStringLiteral("ID")) : 0;
    if (qta < 0) {
        // A negative unload would put pieces back into the lot.
        messageBox(QStringLiteral("Errore"), QStringLiteral("Quantità non valida"), QMessageBox::Warning);
        return;
    }
    if (!scaricoPossibile(m_idf, idl, qta)) return;
    const QDate scadenza = m_tb1->value(r, QStringLiteral("SCADENZA")).toDate();

    Query q(kDB);
    q.add(QStringLiteral("insert into Movimenti(IDF,IDV,QUANTITA,RIFE,SCADENZA,IDM) VALUE(:IDF,:IDV,:QTN,:RIF,:SCA,:IDM)"));
    q.bindInt(QStringLiteral("IDF"), m_idf);
    q.bindInt(QStringLiteral("IDV"), m_userId);
    q.bindInt(QStringLiteral("QTN"), -qta);
    q.bindText(QStringLiteral("RIF"), Edit2->text().trimmed());
    if (scadenza.isValid()) q.bindDate(QStringLiteral("SCA"), scadenza);
    else q.bindNull(QStringLiteral("SCA"));
    q.bindInt(QStringLiteral("IDM"), idl);
    q.exec();

    q.clear();
    q.add(QStringLiteral("Update Farmaci set QUANTITA=QUANTITA+:QUA where ID=:IDFA"));
    q.bindInt(QStringLiteral("QUA"), -qta);
    q.bindInt(QStringLiteral("IDFA"), m_idf);
    q.exec();

    q.clear();
    q.add(QStringLiteral("Update Movimenti set Q_USATA=Q_USATA+:QUA where ID=:IDFA"));
    q.bindInt(QStringLiteral("QUA"), qta);
    q.bindInt(QStringLiteral("IDFA"), idl);
    q.exec();

    caricaLotti();
    Edit1->clear();
}
