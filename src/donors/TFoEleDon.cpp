#include "donors/TFoEleDon.h"

#include "donors/TFoDonatore.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "reports/TQRDonatori.h"
#include "services/Controls.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringDecoder>

#include <memory>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
constexpr int kPanel = 250;  // width of the filter column on the right

// Columns of a master-data line, counted from 1.
QString cols(const QString &line, int from, int to) { return line.mid(from - 1, to - from + 1); }

// The file's text: UTF-8 when it is valid UTF-8, otherwise the Windows code page the
// booking agenda writes.
QString decodeFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder cp(QStringDecoder::Latin1);
    return cp.decode(bytes);
}
}  // namespace

TFoEleDon::TFoEleDon(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoEleDon"));
    setWindowTitle(QStringLiteral("Elenco Donatori"));
    resize(1000, 640);

    m_table = new GridTable;
    m_table->addText(QStringLiteral("Nome"), 40)
        .addInt(QStringLiteral("RecNo"))
        .addText(QStringLiteral("Stato"), 20)
        .addDate(QStringLiteral("LastData"))
        .addText(QStringLiteral("Gruppo"), 10)
        .addText(QStringLiteral("TipoLast"), 3);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("Nome"), QStringLiteral("Nome"), 300},
                         {QStringLiteral("Gruppo"), QStringLiteral("Gruppo"), 80},
                         {QStringLiteral("Stato"), QStringLiteral("Stato"), 110},
                         {QStringLiteral("LastData"), QStringLiteral("LastData"), 110}});
    m_model->setColorFn([this](int row, const QString &, int role) -> QVariant {
        const QVariant bg = rowColor(row);
        if (!bg.isValid()) return {};
        if (role == Qt::BackgroundRole) return bg;
        if (role == Qt::ForegroundRole) return QColor(Qt::black);
        return {};
    });
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Label5 = new QLabel(QStringLiteral("0"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont big = Label5->font();
    big.setPointSize(22);
    big.setBold(true);
    Label5->setFont(big);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    label("Label1", QStringLiteral("Stato"));
    ComboBox1 = new DropDownBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditText(QStringLiteral("Attivo"));
    label("Label2", QStringLiteral("Gruppo Sanguigno"));
    ComboBox2 = new DropDownBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    label("Label3", QStringLiteral("Nome"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    label("Label4", QStringLiteral("Sesso"));
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->addItems({QString(), QStringLiteral("M"), QStringLiteral("F")});

    auto button = [this](QPushButton *&b, const char *name, const QString &text) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
    };
    button(Button1, "Button1", QStringLiteral("Nuovo"));
    button(Button2, "Button2", QStringLiteral("Import Anagrafiche"));
    button(Button3, "Button3", QStringLiteral("Import Donazioni"));
    button(Button4, "Button4", QStringLiteral("Stampa"));

    on(ComboBox1, &QComboBox::editTextChanged, this, [this] { CarElenco(); });
    on(ComboBox2, &QComboBox::editTextChanged, this, [this] { CarElenco(); });
    on(Edit1, &QLineEdit::textChanged, this, [this] { CarElenco(); });
    on(ComboBox3, &QComboBox::currentTextChanged, this, [this] { CarElenco(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
}

TFoEleDon::~TFoEleDon() { delete m_table; }

void TFoEleDon::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
    // Shown again after a record closed, the list is active again: its drop-downs are
    // refilled even where the window system reports no activation.
    guard([this] { FormActivate(); });
}

void TFoEleDon::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) guard([this] { FormActivate(); });
}

void TFoEleDon::setVisible(bool visible)
{
    // While a donor is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoEleDon::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    DBGrid1->setGeometry(8, 8, w - kPanel - 24, h - 16);
    const int x = w - kPanel - 8, cw = kPanel;
    Label5->setGeometry(x, 8, cw, 48);
    int y = 72;
    for (auto [lab, box] : {std::pair<const char *, QWidget *>{"Label1", ComboBox1}, {"Label2", ComboBox2},
                            {"Label3", Edit1}, {"Label4", ComboBox3}}) {
        findChild<QLabel *>(QString::fromLatin1(lab))->setGeometry(x, y, cw, 20);
        box->setGeometry(x, y + 22, cw, 28);
        y += 62;
    }
    y += 16;
    for (QPushButton *b : {Button1, Button2, Button3, Button4}) {
        b->setGeometry(x, y, cw, 36);
        y += 46;
    }
    const int size = DBGrid1->height() / 39;
    if (size > 0) {
        QFont f = DBGrid1->font();
        f.setPointSize(size);
        DBGrid1->setFont(f);
        DBGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
    }
}

void TFoEleDon::FormShow() { CarElenco(); }

void TFoEleDon::FormActivate()
{
    ComboBox2->setItems(columnTexts(kDB, QStringLiteral("select gruppo from donatori group by gruppo"), true));
    ComboBox1->setItems(columnTexts(kDB, QStringLiteral("select stato from donatori group by stato")));
    vlm::disconnect(kDB);
}

void TFoEleDon::CarElenco()
{
    Query q(kDB);
    q.add(QStringLiteral("select donatori.*,"));
    q.add(QStringLiteral("(select max(data) from donazioni where idDonatore=donatori.ID ) dt1last"));
    q.add(QStringLiteral(",(select Tipo from donazioni where iddonatore=donatori.ID order by data desc limit 1) TipoLast"));
    q.add(QStringLiteral(" from donatori "));

    // The filters, in a fixed order; what was typed is bound, never written into the text.
    QString filtro;
    auto join = [&filtro] { return filtro.isEmpty() ? QStringLiteral(" where ") : QStringLiteral(" and "); };
    const QString stato = ComboBox1->currentText();
    const QString nome = Edit1->text().trimmed();
    const QString gruppo = ComboBox2->currentText().trimmed();
    const QString sesso = ComboBox3->currentText().trimmed();
    if (!stato.isEmpty()) filtro += QStringLiteral(" where stato=:STA");
    if (!Edit1->text().isEmpty()) filtro += join() + QStringLiteral(" nome like :NME");
    if (!ComboBox2->currentText().isEmpty()) filtro += join() + QStringLiteral(" gruppo=:GRP");
    if (!ComboBox3->currentText().isEmpty()) filtro += join() + QStringLiteral(" Sesso=:SES");
    q.add(filtro);
    q.add(QStringLiteral(" order by Nome "));
    if (!stato.isEmpty()) q.bindText(QStringLiteral("STA"), stato);
    if (!Edit1->text().isEmpty()) q.bindText(QStringLiteral("NME"), QLatin1Char('%') + nome + QLatin1Char('%'));
    if (!ComboBox2->currentText().isEmpty()) q.bindText(QStringLiteral("GRP"), gruppo);
    if (!ComboBox3->currentText().isEmpty()) q.bindText(QStringLiteral("SES"), sesso);
    m_lastSql = q.sql();

    m_table->empty();
    m_model->refresh();
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("RecNo")},
                          {QStringLiteral("Nome"), QStringLiteral("Nome")},
                          {QStringLiteral("gruppo"), QStringLiteral("Gruppo")},
                          {QStringLiteral("stato"), QStringLiteral("Stato")},
                          {QStringLiteral("dt1last"), QStringLiteral("LastData")},
                          {QStringLiteral("TipoLast"), QStringLiteral("TipoLast")}});
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
    vlm::disconnect(kDB);
    Label5->setText(QString::number(m_table->rowCount()));
}

QVariant TFoEleDon::rowColor(int row) const
{
    if (row < 0 || row >= m_table->rowCount()) return {};
    const QDate oggi = QDate::currentDate();
    const QVariant v = m_table->value(row, QStringLiteral("LastData"));
    // A donor who never donated has no date, which is older than any limit.
    const QDate last = v.isValid() && !v.isNull() ? v.toDate() : QDate();
    QVariant c;
    if (!last.isValid() || last < oggi.addDays(-31)) c = QColor(Qt::yellow);
    if (!last.isValid() || last < oggi.addDays(-120)) c = QColor(Qt::red);
    if (m_table->text(row, QStringLiteral("TipoLast")) == QLatin1String("00")) c = QColor(Qt::cyan);
    return c;
}

void TFoEleDon::openRecord(qint64 id, const QString &caption)
{
    QStringList gruppi;
    for (int i = 0; i < ComboBox2->count(); ++i) gruppi << ComboBox2->itemText(i);
    {
        TFoDonatore f(this);
        f.setCodice(id);
        f.setLivello(m_livello);
        if (!caption.isNull()) f.setWindowTitle(caption);
        f.setGruppi(gruppi);
        m_editing = true;
        hide();
        showModal(&f);
    }
    show();  // rebuilds the list
    m_editing = false;
}

void TFoEleDon::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    openRecord(m_table->integer(r, QStringLiteral("RecNo")), m_table->text(r, QStringLiteral("Nome")));
}

void TFoEleDon::Button1Click() { openRecord(0, QString()); }

namespace {
// The lines of a text file, without their line ends.
QStringList readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Impossibile aprire il file ") + path);
    const QString text = decodeFile(f.readAll());
    f.close();
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &l : lines)
        if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
    return lines;
}
}  // namespace

void TFoEleDon::Button2Click()
{
    const QString path = openFileName(this, QStringLiteral("Import Anagrafiche"));
    if (path.isEmpty()) return;
    importAnagrafiche(readLines(path));
}

void TFoEleDon::Button3Click()
{
    const QString path = openFileName(this, QStringLiteral("Import Donazioni"));
    const int n = path.isEmpty() ? 0 : importDonazioni(readLines(path));
    messageBox(QStringLiteral("Import Donazioni"), QStringLiteral("Sono state inserite ") + QString::number(n) +
                                                       QStringLiteral(" Donazioni"));
}

int TFoEleDon::importDonazioni(const QStringList &lines)
{
    int count = 0;
    for (const QString &line : lines) {
        const QString agenda = cols(line, 1, 15).trimmed();
        if (agenda.isEmpty()) continue;
        Query q(kDB);
        q.add(QStringLiteral("select * from donatori where IDAGENDA=:IDA"));
        q.bindText(QStringLiteral("IDA"), agenda);
        q.open();
        const qint64 id = q.isEmpty() ? 0 : q.integer(QStringLiteral("ID"));
        q.close();
        if (id == 0) continue;  // nobody of the register has this code

        // The day of the donation, yyyymmdd. A text that is no day stops the import here,
        // before anything of this line is written.
        const QString giorno = cols(line, 17, 24);
        const QDate data = QDate::fromString(giorno, QStringLiteral("yyyyMMdd"));
        if (giorno.size() != 8 || !data.isValid())
            throw DbError(QStringLiteral("'%1' non è una data valida").arg(giorno));

        Query d(kDB);
        d.add(QStringLiteral("select * from donazioni where IDDONATORE=:IDD AND DATA=:DTA"));
        d.bindInt(QStringLiteral("IDD"), id).bindText(QStringLiteral("DTA"), giorno);
        d.open();
        const bool presente = !d.isEmpty();
        d.close();
        if (presente) continue;  // one donation a day per donor

        Query i(kDB);
        i.add(QStringLiteral("INSERT INTO donazioni(IDDONATORE,DATA,TIPO,QUANTITA) VALUE(:IDD,:DTA,:TPP,:QTN)"));
        i.bindInt(QStringLiteral("IDD"), id)
            .bindText(QStringLiteral("DTA"), giorno)
            .bindText(QStringLiteral("TPP"), cols(line, 28, 29))
            .bindInt(QStringLiteral("QTN"), strToInt(cols(line, 30, 32)));
        i.exec();
        ++count;
    }
    vlm::disconnect(kDB);
    return count;
}

void TFoEleDon::Button4Click()
{
    TQRDonatori r(this);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const int n = r.Tb1->append();
        r.Tb1->set(n, QStringLiteral("NOME"), m_table->value(row, QStringLiteral("Nome")));
        r.Tb1->set(n, QStringLiteral("CDF"), m_table->value(row, QStringLiteral("Gruppo")));
        r.Tb1->set(n, QStringLiteral("LASTD"), m_table->value(row, QStringLiteral("LastData")));
    }
    r.preview(this);
}

void TFoEleDon::importAnagrafiche(const QStringList &lines)
{
    const QMessageBox::StandardButtons ync = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty()) continue;  // a blank line names nobody
        const QString nome = cols(line, 6, 40).trimmed() + QLatin1Char(' ') + cols(line, 42, 76).trimmed();
        const QString anno = cols(line, 79, 82), mese = cols(line, 83, 84), giorno = cols(line, 85, 86);
        // A line without a birth date gives no date at all, not a row of separators.
        const QString data = (anno + mese + giorno).trimmed().isEmpty()
                                 ? QString()
                                 : giorno + QLatin1Char('/') + mese + QLatin1Char('/') + anno;
        const QString cf = cols(line, 87, 102);
        const QString agenda = cols(line, 183, 197);

        qint64 id = 0;
        QString nomeDb, cfDb, agendaDb, dataDb;
        auto take = [&](Query &q) {
            id = q.integer(QStringLiteral("ID"));
            nomeDb = q.str(QStringLiteral("NOME"));
            cfDb = q.str(QStringLiteral("codicefiscale"));
            agendaDb = q.str(QStringLiteral("IDAGENDA"));
            dataDb = dateToStr(q.date(QStringLiteral("Datadinascita")));
        };

        if (!cf.trimmed().isEmpty()) {
            Query q(kDB);
            q.add(QStringLiteral("select * from donatori where codicefiscale=:CDF"));
            q.bindText(QStringLiteral("CDF"), cf.trimmed());
            q.open();
            if (!q.isEmpty()) take(q);
            q.close();
            if (id > 0 && nome != nomeDb.trimmed()) {
                const auto r = messageBox(cf, QStringLiteral("Il nome ") + nomeDb + QStringLiteral(" Diventa ") + nome +
                                                  QStringLiteral(" aggiorno ?"),
                                          QMessageBox::Question, ync);
                if (r == QMessageBox::Cancel) return;
                if (r == QMessageBox::Yes) {
                    Query u(kDB);
                    u.add(QStringLiteral("update donatori set Nome=:NME where ID=:IDV"));
                    u.bindText(QStringLiteral("NME"), nome).bindInt(QStringLiteral("IDV"), id);
                    u.exec();
                }
            }
        }
        if (id == 0) {
            Query q(kDB);
            q.add(QStringLiteral("select * from donatori where Nome=:NOM"));
            q.bindText(QStringLiteral("NOM"), nome);
            q.open();
            if (!q.isEmpty()) take(q);
            q.close();
        }
        if (id == 0) continue;  // the import never creates donors

        auto ask = [&](const QString &text) {
            return messageBox(nomeDb, text, QMessageBox::Question, ync);
        };
        if (cfDb.trimmed() != cf.trimmed()) {
            const auto r = ask(QStringLiteral("Il codice fiscale ") + cfDb + QStringLiteral(" Diventa ") + cf +
                               QStringLiteral(" aggiorno ?"));
            if (r == QMessageBox::Cancel) return;
            if (r == QMessageBox::Yes) {
                Query u(kDB);
                u.add(QStringLiteral("update donatori set codicefiscale=:CDF where ID=:IDV"));
                u.bindText(QStringLiteral("CDF"), cf).bindInt(QStringLiteral("IDV"), id);
                u.exec();
            }
        }
        if (agendaDb.trimmed() != agenda.trimmed()) {
            const auto r = ask(QStringLiteral("L' ID Sirevo ") + agendaDb + QStringLiteral(" Diventa ") + agenda +
                               QStringLiteral(" aggiorno ?"));
            if (r == QMessageBox::Cancel) return;
            if (r == QMessageBox::Yes) {
                Query u(kDB);
                u.add(QStringLiteral("update donatori set IDAGENDA=:IDA where ID=:IDD"));
                u.bindText(QStringLiteral("IDA"), agenda).bindInt(QStringLiteral("IDD"), id);
                u.exec();
            }
        }
        if (dataDb.trimmed() != data) {
            const auto r = ask(QStringLiteral("La Data di Nascita ") + dataDb + QStringLiteral(" Diventa ") + data +
                               QStringLiteral(" aggiorno ?"));
            if (r == QMessageBox::Cancel) return;
            if (r == QMessageBox::Yes) {
                Query u(kDB);
                u.add(QStringLiteral("update donatori set Datadinascita=:DTN where ID=:IDD"));
                // The column holds a date: the file's date converted (a text that is no
                // date stops the import with the conversion error), none when the line has none.
                if (data.isEmpty()) u.bindNull(QStringLiteral("DTN"));
                else u.bindDate(QStringLiteral("DTN"), strToDate(data));
                u.bindInt(QStringLiteral("IDD"), id);
                u.exec();
            }
        }
    }
}
