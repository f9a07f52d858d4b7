#include "services/TFoGiorno.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Guard.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <algorithm>

using namespace vlm;

namespace {
const QString kDb5 = QStringLiteral("Db5");
constexpr int kSlots = 36;                // 06:00 ... 23:30
constexpr int kFirstSlot = 6 * 3600;      // seconds
constexpr int kSlotLength = 30 * 60;
constexpr int kSlotSpan = 29 * 60;        // a slot covers its start to start + 29 minutes

int slotStart(int row) { return kFirstSlot + (row - 1) * kSlotLength; }

// A time column in seconds from midnight. A time past 24 hours keeps its hours; anything
// that is not a time is a conversion error.
int seconds(const Query &q, const QString &col)
{
    const QVariant v = q.value(col);
    if (v.typeId() == QMetaType::QTime && v.toTime().isValid()) return v.toTime().msecsSinceStartOfDay() / 1000;
    const QString t = v.isNull() ? QString() : v.toString().trimmed();
    static const QRegularExpression re(QStringLiteral("^(-?)(\\d+):(\\d{1,2})(?::(\\d{1,2}))?$"));
    const QRegularExpressionMatch m = re.match(t);
    if (!m.hasMatch()) throw DbError(QLatin1Char('\'') + t + QStringLiteral("' non è un orario valido"));
    const int s = m.captured(2).toInt() * 3600 + m.captured(3).toInt() * 60 + m.captured(4).toInt();
    return m.captured(1).isEmpty() ? s : -s;
}

// A service from start to end touches the slot starting at t when either end lies in the
// slot or the service covers it whole (all bounds included).
bool overlaps(int start, int end, int t)
{
    const int te = t + kSlotSpan;
    return (start >= t && start <= te) || (end >= t && end <= te) || (start <= t && end >= te);
}

struct Disconnect {
    ~Disconnect() { vlm::disconnect(kDb5); }
};
}  // namespace

TFoGiorno::TFoGiorno(QWidget *parent, int livello) : QDialog(parent), m_giorno(QDate::currentDate())
{
    setObjectName(QStringLiteral("TFoGiorno"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    resize(1100, 760);

    CheckBox1 = new QCheckBox(QStringLiteral("Tipo"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setVisible(false);

    CheckBox2 = new QCheckBox(QStringLiteral("Auto"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(8, 6, 64, 28);
    CheckBox2->setAutoFillBackground(true);
    CheckBox2->setBackgroundRole(QPalette::Window);
    QPalette p = CheckBox2->palette();
    p.setColor(QPalette::Window, Qt::red);
    p.setColor(QPalette::WindowText, Qt::black);
    CheckBox2->setPalette(p);
    CheckBox2->setChecked(true);

    auto button = [this](QPushButton *&b, const char *name, const QString &text, int x) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setGeometry(x, 6, 40, 28);
        QFont f = b->font();
        f.setBold(true);
        f.setPointSize(12);
        b->setFont(f);
    };
    button(Button1, "Button1", QStringLiteral(">"), 84);
    button(Button2, "Button2", QStringLiteral("-"), 132);
    button(Button3, "Button3", QStringLiteral("+"), 180);
    Button1->setEnabled(false);  // "Auto" starts ticked

    Foglio = new QTableWidget(this);
    Foglio->setObjectName(QStringLiteral("Foglio"));
    Foglio->horizontalHeader()->hide();
    Foglio->verticalHeader()->hide();
    Foglio->horizontalHeader()->setMinimumSectionSize(1);
    Foglio->verticalHeader()->setMinimumSectionSize(1);
    Foglio->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Foglio->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Foglio->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Foglio->setSelectionMode(QAbstractItemView::NoSelection);
    Foglio->setFocusPolicy(Qt::NoFocus);
    Foglio->setWordWrap(false);
    Foglio->setTextElideMode(Qt::ElideNone);  // a long name is cut at the cell's edge
    Foglio->setRowCount(kSlots + 1);
    Foglio->setColumnCount(1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(120000);

    const bool navigazione = livello >= 7;
    for (QWidget *w : {static_cast<QWidget *>(Button1), static_cast<QWidget *>(Button2),
                       static_cast<QWidget *>(Button3), static_cast<QWidget *>(CheckBox2)})
        w->setVisible(navigazione);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
    on(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    setWindowTitle(QStringLiteral("Servizi del Giorno ") + dateToStr(m_giorno));
    Timer1->start();
}

TFoGiorno::~TFoGiorno()
{
    Timer1->stop();
    vlm::disconnect(kDb5);
}

bool TFoGiorno::personView() const { return CheckBox1->isChecked(); }
int TFoGiorno::intervallo() const { return Timer1->interval(); }
void TFoGiorno::setIntervallo(int ms) { Timer1->setInterval(ms); }

void TFoGiorno::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoGiorno::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    Foglio->setGeometry(0, 40, width(), height() - 40);
    dimensiona();
}

void TFoGiorno::FormShow() { Riempi(); }

void TFoGiorno::Button1Click()
{
    CheckBox1->setChecked(!CheckBox1->isChecked());
    Riempi();
}

void TFoGiorno::Button2Click()
{
    m_giorno = m_giorno.addDays(-1);
    Riempi();
}

void TFoGiorno::Button3Click()
{
    m_giorno = m_giorno.addDays(1);
    Riempi();
}

void TFoGiorno::CheckBox2Click()
{
    const bool automatico = CheckBox2->isChecked();
    if (automatico) Timer1->start();
    else Timer1->stop();
    Button1->setEnabled(!automatico);
}

void TFoGiorno::Timer1Timer()
{
    // An error in the rebuild leaves the timer stopped.
    Timer1->stop();
    m_giorno = QDate::currentDate();
    Button1Click();
    Timer1->start();
}

QColor TFoGiorno::cellBackground(int row, int col, const QString &text)
{
    if (col == 0) return QColor(Qt::red);
    if (row == 0) return QColor(Qt::cyan);  // the title row (aqua)
    if (!text.isEmpty()) return QColor(Qt::yellow);
    return QColor(Qt::white);
}

void TFoGiorno::setCell(int row, int col, const QString &text)
{
    auto *it = Foglio->item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        Foglio->setItem(row, col, it);
    }
    it->setText(text);
    it->setBackground(cellBackground(row, col, text));
    it->setForeground(QColor(Qt::black));
    it->setTextAlignment(col == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

void TFoGiorno::addColumn(const QString &title)
{
    const int c = Foglio->columnCount();
    Foglio->setColumnCount(c + 1);
    setCell(0, c, title);
    for (int r = 1; r <= kSlots; ++r) setCell(r, c, QString());
}

int TFoGiorno::columnOf(const QString &title) const
{
    const QString t = title.trimmed();
    for (int c = 1; c < Foglio->columnCount(); ++c) {
        const auto *it = Foglio->item(0, c);
        if (it && it->text().trimmed() == t) return c;
    }
    return -1;
}

void TFoGiorno::Riempi()
{
    Disconnect disc;  // the sheet's own connection is closed after every fill
    setWindowTitle(QStringLiteral("Servizi del Giorno ") + dateToStr(m_giorno));
    Foglio->setColumnCount(1);
    setCell(0, 0, QString());
    for (int r = 1; r <= kSlots; ++r)
        setCell(r, 0, QTime(0, 0).addSecs(slotStart(r)).toString(QStringLiteral("hh:mm:ss")));

    Query q(kDb5);
    if (personView()) {
        q.add(QStringLiteral("select Autista,Volontario1,Volontario2,Volontario3 from servizic where dataservizio = :DTA "));
        q.bindDate(QStringLiteral("DTA"), m_giorno);
        q.open();
        QStringList nomi;
        for (; !q.eof(); q.next()) {
            for (const char *col : {"Autista", "Volontario1", "Volontario2", "Volontario3"}) {
                const QString n = q.str(QString::fromLatin1(col));
                if (n.isEmpty()) continue;
                if (!nomi.contains(n, Qt::CaseInsensitive)) nomi << n;
            }
        }
        q.close();
        std::stable_sort(nomi.begin(), nomi.end(),
                         [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        for (const QString &n : nomi) addColumn(n);

        for (int c = 1; c < Foglio->columnCount(); ++c) {
            q.clear();
            q.add(QStringLiteral("select * from servizic where dataservizio=:DTA"));
            q.add(QStringLiteral("and (Autista=:VOL or Volontario1=:VOL or Volontario2=:VOL or Volontario3=:VOL)"));
            q.add(QStringLiteral("order by orariopartenza"));
            q.bindDate(QStringLiteral("DTA"), m_giorno);
            q.bindText(QStringLiteral("VOL"), Foglio->item(0, c)->text().trimmed());
            q.open();
            for (; !q.eof(); q.next()) {
                const int inizio = seconds(q, QStringLiteral("orariopartenza"));
                const int fine = inizio + seconds(q, QStringLiteral("durata"));
                const QString testo = q.str(QStringLiteral("siglamezzo")) + QLatin1Char('.');
                for (int r = 1; r <= kSlots; ++r)
                    if (overlaps(inizio, fine, slotStart(r))) setCell(r, c, testo);
            }
            q.close();
        }
    } else {
        q.add(QStringLiteral("select siglamezzo from servizic where dataservizio = :DTA and IdMezzo > 0 group by Idmezzo"));
        q.add(QStringLiteral("order by Idmezzo"));
        q.bindDate(QStringLiteral("DTA"), m_giorno);
        q.open();
        for (; !q.eof(); q.next()) addColumn(q.str(QStringLiteral("siglamezzo")));
        q.close();

        q.clear();
        q.add(QStringLiteral("select siglamezzo from standby where date(dataservizio) = :DTA group by siglamezzo"));
        q.bindDate(QStringLiteral("DTA"), m_giorno);
        q.open();
        for (; !q.eof(); q.next()) {
            const QString sigla = q.str(QStringLiteral("siglamezzo")).trimmed();
            if (columnOf(sigla) < 0) addColumn(sigla);
        }
        q.close();

        q.clear();
        q.add(QStringLiteral("select * from servizic where dataservizio=:DTA order by Idmezzo,orariopartenza"));
        q.bindDate(QStringLiteral("DTA"), m_giorno);
        q.open();
        for (; !q.eof(); q.next()) {
            const int c = columnOf(q.str(QStringLiteral("siglamezzo")));
            if (c < 0) continue;
            const int inizio = seconds(q, QStringLiteral("orariopartenza"));
            const int fine = inizio + seconds(q, QStringLiteral("durata"));
            const QString testo = q.str(QStringLiteral("autista")) + QLatin1Char('.');
            for (int r = 1; r <= kSlots; ++r)
                if (overlaps(inizio, fine, slotStart(r))) setCell(r, c, testo);
        }
        q.close();

        q.clear();
        q.add(QStringLiteral("select * from standby where date(dataservizio)=:DTA order by siglamezzo,orainizio"));
        q.bindDate(QStringLiteral("DTA"), m_giorno);
        q.open();
        for (; !q.eof(); q.next()) {
            const int c = columnOf(q.str(QStringLiteral("siglamezzo")));
            if (c < 0) continue;
            const int inizio = seconds(q, QStringLiteral("orainizio"));
            const int fine = seconds(q, QStringLiteral("durata"));  // the stand-by's end time
            const QString testo = q.str(QStringLiteral("tiposervizio"));
            for (int r = 1; r <= kSlots; ++r) {
                const int t = slotStart(r);
                if (t >= inizio && t <= fine) setCell(r, c, testo);
            }
        }
        q.close();
    }
    vlm::disconnect(kDb5);
    dimensiona();
}

void TFoGiorno::dimensiona()
{
    const int colonne = Foglio->columnCount();
    const int larghezza = static_cast<int>(Foglio->width() / (colonne * 1.02));
    for (int c = 0; c < colonne; ++c) Foglio->setColumnWidth(c, larghezza);
    const int altezza = Foglio->height() / 40;
    for (int r = 0; r < Foglio->rowCount(); ++r) Foglio->setRowHeight(r, altezza);
    QFont f = Foglio->font();
    f.setPointSize(qMax(1, static_cast<int>(altezza * 0.625)));
    Foglio->setFont(f);
}
