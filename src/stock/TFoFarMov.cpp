#include "stock/TFoFarMov.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "stock/Barcode.h"
#include "stock/Lotti.h"
#include "stock/TFoLotto.h"

#include <QAbstractItemView>
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
// A name picked from the list is searched at once from this length on.
constexpr int kPickLength = 7;
}  // namespace

TFoFarMov::TFoFarMov(QWidget *parent)
    : QDialog(parent), m_tb1(new GridTable), m_tb2(new GridTable), m_model1(nullptr), m_model2(nullptr)
{
    setObjectName(QStringLiteral("TFoFarMov"));
    setWindowTitle(QStringLiteral("Carico Scarico Farmaci"));
    setFixedSize(1000, 680);

    m_tb2->addInt(QStringLiteral("ID"))
        .addDate(QStringLiteral("DATA"))
        .addDate(QStringLiteral("SCADENZA"))
        .addInt(QStringLiteral("QUANTITA"))
        .addText(QStringLiteral("LOTTO"), 30);
    m_tb1->addText(QStringLiteral("ARTICOLO"), 25)
        .addInt(QStringLiteral("QUANTITA"))
        .addText(QStringLiteral("DATA"), 0)
        .addText(QStringLiteral("OPERATORE"), 30)
        .addText(QStringLiteral("RIFE"), 50)
        .addDate(QStringLiteral("SCADENZA"));

    QFont big = font();
    big.setPointSize(14);
    ComboBox1 = new DropDownBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setFont(big);
    ComboBox1->setGeometry(16, 12, 420, 34);
    ComboBox1->lineEdit()->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("Articolo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 56, 70, 24);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = big;
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->setGeometry(90, 52, 520, 30);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(90, 84, 520, 24);
    Label4 = new QLabel(QStringLiteral("Q.TA Totale "), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(big);
    Label4->setGeometry(640, 56, 140, 30);
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont huge = bold;
    huge.setPointSize(22);
    Label5->setFont(huge);
    Label5->setGeometry(790, 48, 190, 44);

    DBGrid2 = new DBGrid(this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    m_model2 = new GridModel(m_tb2, DBGrid2);
    m_model2->setColumns({{QStringLiteral("ID"), QStringLiteral("ID"), 70},
                          {QStringLiteral("DATA"), QStringLiteral("DATA"), 110},
                          {QStringLiteral("SCADENZA"), QStringLiteral("SCADENZA"), 110},
                          {QStringLiteral("QUANTITA"), QStringLiteral("QUANTITA"), 100},
                          {QStringLiteral("LOTTO"), QStringLiteral("LOTTO"), 220}});
    m_model2->setColorFn([this](int row, const QString &, int role) { return lotColor(row, role); });
    DBGrid2->setGridModel(m_model2);
    DBGrid2->horizontalHeader()->setStretchLastSection(true);
    DBGrid2->setGeometry(16, 116, 780, 200);

    Button1 = new QPushButton(QStringLiteral("Movimentazione"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(812, 116, 172, 44);
    Button1->setAutoDefault(false);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model1 = new GridModel(m_tb1, DBGrid1);
    m_model1->setColumns({{QStringLiteral("ARTICOLO"), QStringLiteral("ARTICOLO"), 200},
                          {QStringLiteral("QUANTITA"), QStringLiteral("QUANTITA"), 90},
                          {QStringLiteral("DATA"), QStringLiteral("DATA"), 150},
                          {QStringLiteral("OPERATORE"), QStringLiteral("OPERATORE"), 200},
                          {QStringLiteral("RIFE"), QStringLiteral("RIFE"), 200},
                          {QStringLiteral("SCADENZA"), QStringLiteral("SCADENZA"), 100}});
    m_model1->setColorFn([this](int row, const QString &, int role) { return historyColor(row, role); });
    DBGrid1->setGridModel(m_model1);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setGeometry(16, 330, 968, 334);

    on(ComboBox1, &DropDownBox::dropDown, this, [this] { m_dropped = true; });
    // A pick from the opened list; typed characters are no pick and wait for Enter.
    on(ComboBox1, &QComboBox::textActivated, this, [this] { ComboBox1Change(ComboBox1->currentText()); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    guard([this] {
        Query q(kDB);
        q.add(QStringLiteral("select NOME from Farmaci order by NOME"));
        q.open();
        QStringList nomi;
        for (; !q.eof(); q.next()) nomi << q.str(QStringLiteral("NOME"));
        q.close();
        ComboBox1->setItems(nomi);
    });
}

TFoFarMov::~TFoFarMov()
{
    delete m_tb1;
    delete m_tb2;
}

void TFoFarMov::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoFarMov::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        // The activation that follows the error box of a failed refresh is let pass, or
        // the box would come back at once, for ever.
        if (m_refreshFailed) {
            m_refreshFailed = false;
            return;
        }
        m_refreshFailed = !guard([this] { FormActivate(); });
    }
}

bool TFoFarMov::eventFilter(QObject *o, QEvent *e)
{
    if (o == ComboBox1->lineEdit() && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guard([this] { ComboBox1KeyPress(); });
            return true;  // Enter belongs to the search, it presses no button
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFoFarMov::FormShow() { aggiorna(true); }

void TFoFarMov::FormActivate() { aggiorna(false); }

// Reloads the lots, the stock, the labels and the history of the current article. With
// no article the window is emptied and, when asked, the article list drops down.
void TFoFarMov::aggiorna(bool tendina)
{
    m_tb2->empty();
    m_tb1->empty();
    if (m_idf <= 0) {
        Label2->clear();
        Label3->clear();
        Label5->clear();  // no article, no stock to show
        m_model2->refresh();
        m_model1->refresh();
        ComboBox1->setFocus();
        if (tendina && isVisible() && !ComboBox1->view()->isVisible()) ComboBox1->showPopup();
        return;
    }

    riempiLotti(m_tb2, m_idf);
    m_model2->refresh();

    Query q(kDB);
    q.add(QStringLiteral("select sum(QUANTITA-Q_USATA) QTOT FROM Movimenti WHERE QUANTITA > Q_USATA and IDF=:IDF"));
    q.bindInt(QStringLiteral("IDF"), m_idf);
    q.open();
    Label5->setText(QString::number(q.integer(QStringLiteral("QTOT"))));
    q.close();

    q.clear();
    q.add(QStringLiteral("select NOME,DESCRIZIONE from Farmaci where ID=:IDF"));
    q.bindInt(QStringLiteral("IDF"), m_idf);
    q.open();
    Label2->setText(q.str(QStringLiteral("NOME")));
    Label3->setText(q.str(QStringLiteral("DESCRIZIONE")));
    q.close();

    q.clear();
    q.add(QStringLiteral("select Farmaci.NOME,Farmaci.DESCRIZIONE,Movimenti.QUANTITA QTN,DATA,volontari.NOME VOLONTARIO,RIFE,Movimenti.SCADENZA from Movimenti  left join Farmaci on Movimenti.IDF=Farmaci.ID  left join volontari on Movimenti.IDV=volontari.ID "));
    q.add(QStringLiteral(" where Farmaci.ID=:IDF "));
    q.add(QStringLiteral(" order by DATA DESC"));
    q.bindText(QStringLiteral("IDF"), QString::number(m_idf));
    q.open();
    for (; !q.eof(); q.next()) {
        const int r = m_tb1->append();
        m_tb1->set(r, QStringLiteral("ARTICOLO"), q.str(QStringLiteral("NOME")));
        m_tb1->set(r, QStringLiteral("QUANTITA"), q.integer(QStringLiteral("QTN")));
        m_tb1->set(r, QStringLiteral("DATA"), q.dateTime(QStringLiteral("DATA")).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
        m_tb1->set(r, QStringLiteral("OPERATORE"), q.str(QStringLiteral("VOLONTARIO")));
        m_tb1->set(r, QStringLiteral("RIFE"), q.str(QStringLiteral("RIFE")));
        m_tb1->set(r, QStringLiteral("SCADENZA"), q.value(QStringLiteral("SCADENZA")));
    }
    q.close();
    m_model1->refresh();

    ComboBox1->setFocus();
    if (m_tb2->rowCount() > 0) DBGrid2->setCurrentRow(0);
    if (m_tb1->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

// A name picked from the opened list is searched at once when it is long enough; a
// shorter one waits for Enter. Only a pick counts: a code typed by the barcode reader
// while the list is open must reach its Enter whole.
void TFoFarMov::ComboBox1Change(const QString &text)
{
    if (!m_dropped || text.length() < kPickLength) return;
    m_dropped = false;
    ComboBox1KeyPress();
}

// Enter: the text is a name, a code, a description... or a scanned package code, which
// is searched by the EAN inside it and, when it carries a date, offers its lot for loading.
void TFoFarMov::ComboBox1KeyPress()
{
    const QString testo = ComboBox1->currentText();
    {
        const QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(QString());
    }
    m_idf = 0;
    m_tb2->empty();
    m_model2->refresh();
    QString scadenza, lotto;

    const QString t = testo.trimmed().toUpper();
    QString cerca = t;
    if (t.length() > kScanLength) {
        const QString ean = EanDaCodice(t);
        if (strToIntDef(ean.left(5), 0) > 0) {
            cerca = ean;
            scadenza = ScadenzaDaCodice(t);
            lotto = LottoDaCodice(t);
        }
    }

    Query q(kDB);
    q.add(QStringLiteral("select ID,NOME,DESCRIZIONE from Farmaci "));
    q.add(QStringLiteral(" where CODICE LIKE :CER "));
    q.add(QStringLiteral(" OR NOME LIKE :CER "));
    q.add(QStringLiteral(" OR DESCRIZIONE LIKE :CER "));
    q.add(QStringLiteral(" OR EAN LIKE :CER "));
    q.add(QStringLiteral(" OR PRODUTTORE LIKE :CER "));
    q.bindText(QStringLiteral("CER"), QLatin1Char('%') + cerca + QLatin1Char('%'));
    q.open();
    if (!q.isEmpty()) {
        const qint64 id = q.integer(QStringLiteral("ID"));
        q.next();
        if (q.eof()) m_idf = id;  // exactly one article
    }
    q.close();

    aggiorna(true);

    // The lot of a scanned package is offered only for the article it was found to be.
    if (!scadenza.isEmpty() && m_idf > 0) {
        apriLotto(0, lotto, scadenza);
        FormActivate();
    }
}

void TFoFarMov::apriLotto(qint64 idl, const QString &lotto, const QString &scadenza)
{
    TFoLotto d(this);
    d.setArticolo(m_idf);
    d.setOperatore(m_userId);
    d.setLotto(idl);
    d.Edit1->setText(Label2->text());
    d.Edit2->setText(lotto);
    d.MaskEdit1->setText(scadenza);
    showModal(&d);
}

// Opens the lot dialog on the selected lot: its number and expiry are offered, and a
// negative quantity is taken out of it.
void TFoFarMov::Button1Click()
{
    const int r = DBGrid2->currentRow();
    if (r >= 0 && r < m_tb2->rowCount())
        apriLotto(m_tb2->integer(r, QStringLiteral("ID")), m_tb2->text(r, QStringLiteral("LOTTO")),
                  m_tb2->text(r, QStringLiteral("SCADENZA")));
    else
        apriLotto(0, QString(), QString());
    FormActivate();
}

QVariant TFoFarMov::lotColor(int row, int role) const
{
    return coloreLotto(m_tb2->value(row, QStringLiteral("SCADENZA")).toDate(), m_tb2->integer(row, QStringLiteral("QUANTITA")),
                       role);
}

// Loads carry the colours of their lot; the text is red for unloads, green for loads.
QVariant TFoFarMov::historyColor(int row, int role) const
{
    const qint64 qta = m_tb1->integer(row, QStringLiteral("QUANTITA"));
    if (role == Qt::ForegroundRole) return qta < 0 ? QColor(255, 0, 0) : QColor(0, 128, 0);
    if (role == Qt::BackgroundRole && qta > 0)
        return coloreLotto(m_tb1->value(row, QStringLiteral("SCADENZA")).toDate(), qta, role);
    return QVariant();
}
