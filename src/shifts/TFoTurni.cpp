#include "shifts/TFoTurni.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kDb = QStringLiteral("DB");
}

TFoTurni::TFoTurni(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoTurni"));
    setWindowTitle(QStringLiteral("FoTurni"));
    resize(900, 520);

    m_table = new GridTable;
    m_table->addDate(QStringLiteral("DATA"))
        .addText(QStringLiteral("GIORNO"), 10)
        .addText(QStringLiteral("TIPO"), 15)
        .addText(QStringLiteral("ORARIO"), 15)
        .addText(QStringLiteral("VOLONTARIO"), 30)
        .addText(QStringLiteral("MEZZO"), 15);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("DATA"), QStringLiteral("DATA"), 85},
                         {QStringLiteral("GIORNO"), QStringLiteral("GIORNO"), 85},
                         {QStringLiteral("MEZZO"), QStringLiteral("MEZZO"), 90},
                         {QStringLiteral("TIPO"), QStringLiteral("TIPO"), 90},
                         {QStringLiteral("ORARIO"), QStringLiteral("ORARIO"), 100},
                         {QStringLiteral("VOLONTARIO"), QStringLiteral("VOLONTARIO"), 220}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->setGeometry(8, 8, 720, 504);

    CheckBox1 = new QCheckBox(QStringLiteral("Sovrascrivere"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(744, 12, 140, 22);
    CheckBox1->setChecked(true);

    Button1 = new QPushButton(QStringLiteral("Import"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(744, 44, 140, 30);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(744, 88, 140, 26);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    // A day picked from the list, or a date typed and confirmed (Enter or leaving the box).
    on(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    on(ComboBox1, &QComboBox::textActivated, this, [this] { ComboBox1Change(); });
    on(ComboBox1->lineEdit(), &QLineEdit::editingFinished, this, [this] { ComboBox1Change(); });
}

TFoTurni::~TFoTurni() { delete m_table; }

void TFoTurni::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

// The days of the drop-down: the last seven days and every later day with a roster.
void TFoTurni::FormShow()
{
    m_filling = true;
    ComboBox1->clear();
    Query q(kDb);
    q.add(QStringLiteral("SELECT DATA FROM Turni WHERE DATA > CURRENT_DATE - INTERVAL 7 DAY GROUP BY DATA ORDER BY DATA "));
    q.open();
    while (!q.eof()) {
        ComboBox1->addItem(dateToStr(q.date(QStringLiteral("DATA"))));
        q.next();
    }
    q.close();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
    m_filling = false;
    CarTabella();
}

void TFoTurni::ComboBox1Change()
{
    if (m_filling) return;
    // Picking a day fires more than one signal: build the view once per text.
    if (ComboBox1->currentText() == m_shown) return;
    CarTabella();
}

void TFoTurni::CarTabella()
{
    const QString day = ComboBox1->currentText();
    m_shown = day;
    m_table->empty();
    m_model->refresh();
    Query q(kDb);
    q.add(QStringLiteral("SELECT Turni.*,volontari.NOME FROM Turni left join volontari on Turni.IDV=volontari.ID "));
    if (!day.isEmpty()) {
        q.add(QStringLiteral("WHERE DATA=:DTT"));
        q.bindDate(QStringLiteral("DTT"), strToDate(day));
    }
    q.add(QStringLiteral("ORDER BY DATA,MEZZO,ORAI,TIPO"));
    q.open();
    while (!q.eof()) {
        const int r = m_table->append();
        const QDate data = q.date(QStringLiteral("DATA"));
        m_table->set(r, QStringLiteral("DATA"), data);
        m_table->set(r, QStringLiteral("GIORNO"), italianWeekday(data));
        m_table->set(r, QStringLiteral("TIPO"), q.str(QStringLiteral("TIPO")));
        m_table->set(r, QStringLiteral("ORARIO"), q.str(QStringLiteral("ORAI")) + QLatin1Char('-') + q.str(QStringLiteral("ORAF")));
        m_table->set(r, QStringLiteral("MEZZO"), q.str(QStringLiteral("MEZZO")));
        m_table->set(r, QStringLiteral("VOLONTARIO"),
                     q.integer(QStringLiteral("IDV")) != 0 ? q.str(QStringLiteral("NOME")) : QStringLiteral("."));
        q.next();
    }
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

void TFoTurni::Button1Click()
{
    const QString fileName = openFileName(this, QStringLiteral("Apri"), QString(),
                                          QStringLiteral("File CSV (*.csv);;Tutti i file (*)"));
    if (fileName.isEmpty()) return;
    importa(fileName);
    CarTabella();
}

QString TFoTurni::oraNormale(const QString &part)
{
    QString s = part;
    if (s.size() == 1) s.prepend(QLatin1Char('0'));
    if (s.size() == 2) s += QStringLiteral(":00");
    return s;
}

QPair<QString, QString> TFoTurni::orario(const QString &cell)
{
    const QString s = cell.trimmed();
    const int dash = s.indexOf(QLatin1Char('-'));
    const QString start = dash < 0 ? QString() : s.left(dash);
    const QString end = s.mid(dash + 1, 5);
    return {oraNormale(start), oraNormale(end)};
}

QString TFoTurni::meseDaTitolo(const QString &title)
{
    QString mese;
    for (int m = 1; m <= 12; ++m)
        if (title.contains(italianMonth(m))) mese = QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
    return mese;
}

QString TFoTurni::annoDaTitolo(const QString &title)
{
    QString rest = title.trimmed();
    while (!rest.isEmpty()) {
        const int blank = rest.lastIndexOf(QLatin1Char(' '));
        const QString word = (blank < 0 ? rest : rest.mid(blank + 1)).left(15);
        bool ok = false;
        const qint64 n = word.toLongLong(&ok);
        if (ok && n > 0) return QString::number(n);
        rest = blank < 0 ? QString() : rest.left(blank);
    }
    return QString();
}

QString TFoTurni::letterale(const QString &text)
{
    QString s = text;
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

// The volunteer of a roster cell: family name first, then a given name or an initial with
// a full stop. Both pieces must occur in the name; the first volunteer found is taken.
qint64 TFoTurni::cercaVolontario(const QString &cell)
{
    const QString name = cell.trimmed();
    const int blank = name.indexOf(QLatin1Char(' '));
    const QString first = blank < 0 ? name : name.left(blank);
    QString rest = blank < 0 ? QString() : name.mid(blank + 1);
    const int dot = rest.indexOf(QLatin1Char('.'));
    if (dot >= 0) rest = rest.left(dot);
    rest = rest.trimmed();

    Query q(kDb);
    q.add(QStringLiteral("SELECT ID FROM volontari WHERE Nome Like CONCAT('%',:NOM,'%')"));
    q.bindText(QStringLiteral("NOM"), first);
    if (!rest.isEmpty()) {
        q.add(QStringLiteral("AND Nome Like CONCAT('%',:RST,'%')"));
        q.bindText(QStringLiteral("RST"), rest);
    }
    q.open();
    const qint64 id = q.isEmpty() ? 0 : q.integer(QStringLiteral("ID"));
    q.close();
    return id;
}

void TFoTurni::importa(const QString &fileName)
{
    Query q(kDb);
    q.add(QStringLiteral("TRUNCATE TurniTmp"));
    q.exec();

    // The file name goes into the statement as a string literal: quotes and backslashes
    // in a folder or file name are escaped so that they cannot end or change it.
    const QString path = QDir::fromNativeSeparators(fileName);
    q.clear();
    q.add(QStringLiteral("LOAD DATA LOCAL INFILE ") + letterale(path) +
          QStringLiteral(" INTO TABLE TurniTmp FIELDS TERMINATED BY ',' (`Giorno`, `WEEKDAY`, `TIPO`, `T1`, `T2`, "
                         "`T3`, `T4`, `T5`, `T6`, `T7`, `T8`)"));
    q.exec();

    // Lines in file order: the staging key follows the order of loading.
    Query tmp(kDb);
    tmp.add(QStringLiteral("select * from TurniTmp ORDER BY ID"));
    tmp.open();
    auto cell = [&tmp](int col) { return tmp.eof() ? QString() : tmp.str(QStringLiteral("T%1").arg(col)); };

    // Title: month name and year.
    const QString title = tmp.eof() ? QString() : tmp.str(QStringLiteral("TIPO")).trimmed();
    const QString mese = meseDaTitolo(title);
    const QString anno = annoDaTitolo(title);
    if (!tmp.eof()) tmp.next();

    // Vehicles: an empty cell takes the vehicle of the column to its left.
    QString mezzo[7];
    for (int c = 1; c <= 6; ++c) {
        const QString v = cell(c);
        mezzo[c] = v.isEmpty() ? mezzo[c - 1] : v;
    }
    if (!tmp.eof()) tmp.next();

    // Hours of each column.
    QString orai[7], oraf[7];
    for (int c = 1; c <= 6; ++c) {
        const auto o = orario(cell(c));
        orai[c] = o.first;
        oraf[c] = o.second;
    }
    if (!tmp.eof()) tmp.next();

    QDate data = strToDate(QStringLiteral("01/") + mese + QLatin1Char('/') + anno);

    Query del(kDb);
    del.add(QStringLiteral("DELETE FROM Turni where DATA=:DTA"));
    Query ins(kDb);
    ins.add(QStringLiteral("INSERT INTO Turni(DATA,TIPO,ORAI,ORAF,IDV,MEZZO) VALUES(:DTA,:TIP,:ORI,:ORF,:IDV,:MZZ)"));

    while (!tmp.eof()) {
        bool ok = false;
        const qint64 giorno = tmp.str(QStringLiteral("Giorno")).trimmed().toLongLong(&ok);
        if (ok && giorno > 0) {
            const QString gg = QStringLiteral("%1").arg(giorno, 2, 10, QLatin1Char('0'));
            data = strToDate(gg + QLatin1Char('/') + mese + QLatin1Char('/') + anno);
            if (CheckBox1->isChecked()) {
                del.bindDate(QStringLiteral("DTA"), data);
                del.exec();
            }
        }
        const QString tipo = tmp.str(QStringLiteral("TIPO"));
        if (!tipo.isEmpty()) {
            for (int c = 1; c <= 6; ++c) {
                const QString nome = cell(c);
                if (nome.trimmed().isEmpty()) continue;
                const qint64 idv = cercaVolontario(nome);
                ins.bindDate(QStringLiteral("DTA"), data)
                    .bindText(QStringLiteral("TIP"), tipo)
                    .bindText(QStringLiteral("ORI"), orai[c])
                    .bindText(QStringLiteral("ORF"), oraf[c])
                    .bindInt(QStringLiteral("IDV"), idv)
                    .bindText(QStringLiteral("MZZ"), mezzo[c]);
                ins.exec();
            }
        }
        tmp.next();
    }
    tmp.close();
}
