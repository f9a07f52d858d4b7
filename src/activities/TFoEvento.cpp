#include "activities/TFoEvento.h"

#include "core/CalendarLink.h"
#include "core/Services.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTime>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");

// The columns of the participants' grid: title and field.
const QStringList kCampi = {QStringLiteral("VOLONTARIO"), QStringLiteral("DATA"), QStringLiteral("ORAI"),
                            QStringLiteral("ORAF")};

// The text of a time box, empty when nothing was typed into it.
QString testoOra(const MaskEdit *box) { return box->isMaskEmpty() ? QString() : box->text().trimmed(); }

// "hh:mm" typed by the user; invalid when it is not a time of day.
QTime ora(const QString &text)
{
    const QString t = text.trimmed();
    QTime tm = QTime::fromString(t, QStringLiteral("H:mm"));
    if (!tm.isValid()) tm = QTime::fromString(t, QStringLiteral("H:mm:ss"));
    return tm;
}

// The "dates" value of the calendar link for one participant: the event's first day with the
// participant's times; an end before the start runs into the next day, and a participant
// without two valid times gets the whole day.
QString dateCalendario(const QDate &giorno, const QString &inizio, const QString &fine)
{
    const QTime ti = ora(inizio), tf = ora(fine);
    if (!ti.isValid() || !tf.isValid())
        return giorno.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("%2F") +
               giorno.addDays(1).toString(QStringLiteral("yyyyMMdd"));
    const QDate giornoFine = tf < ti ? giorno.addDays(1) : giorno;
    return istanteCalendario(giorno, ti) + QStringLiteral("%2F") + istanteCalendario(giornoFine, tf);
}

// The pick list of the VOLONTARIO column: an editable drop-down of the names.
class NomiDelegate : public QStyledItemDelegate {
public:
    NomiDelegate(const QStringList *nomi, QObject *parent) : QStyledItemDelegate(parent), m_nomi(nomi) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() != 0) return QStyledItemDelegate::createEditor(parent, option, index);
        auto *c = new QComboBox(parent);
        c->setObjectName(QStringLiteral("PickList"));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(*m_nomi);
        c->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *c = qobject_cast<QComboBox *>(editor)) c->setEditText(index.data(Qt::EditRole).toString());
        else QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *c = qobject_cast<QComboBox *>(editor)) model->setData(index, c->currentText(), Qt::EditRole);
        else QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    const QStringList *m_nomi;
};

}  // namespace

// The participants' grid table shown and edited in the grid: name, day and times.
class PartecipantiModel : public QAbstractTableModel {
public:
    PartecipantiModel(GridTable *t, QObject *parent) : QAbstractTableModel(parent), m_t(t) {}

    int rowCount(const QModelIndex &p = QModelIndex()) const override { return p.isValid() ? 0 : m_t->rowCount(); }
    int columnCount(const QModelIndex &p = QModelIndex()) const override { return p.isValid() ? 0 : kCampi.size(); }

    QVariant data(const QModelIndex &i, int role) const override
    {
        if (!i.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return QVariant();
        return m_t->text(i.row(), kCampi[i.column()]);
    }
    QVariant headerData(int s, Qt::Orientation o, int role) const override
    {
        if (role != Qt::DisplayRole) return QVariant();
        if (o == Qt::Horizontal) return kCampi.value(s);
        return QVariant();
    }
    Qt::ItemFlags flags(const QModelIndex &i) const override
    {
        return QAbstractTableModel::flags(i) | Qt::ItemIsEditable;
    }
    bool setData(const QModelIndex &i, const QVariant &v, int role) override
    {
        if (!i.isValid() || role != Qt::EditRole) return false;
        const QString campo = kCampi[i.column()];
        bool ok = true;
        if (campo == QLatin1String("DATA")) {
            // A day typed into the grid; a text that is not a date is refused with the error box.
            const QString t = v.toString().trimmed();
            ok = guard([&] { m_t->set(i.row(), campo, t.isEmpty() ? QVariant(QDate()) : QVariant(strToDate(t))); });
        } else {
            m_t->set(i.row(), campo, v.toString());
        }
        if (ok) Q_EMIT dataChanged(i, i);
        return ok;
    }
    void refresh()
    {
        beginResetModel();
        endResetModel();
    }

private:
    GridTable *m_t;
};

TFoEvento::TFoEvento(qint64 id, QWidget *parent) : QDialog(parent), m_id(id), m_table(new GridTable)
{
    setObjectName(QStringLiteral("TFoEvento"));
    setWindowTitle(QStringLiteral("Evento"));
    setFixedSize(640, 590);

    m_table->addText(QStringLiteral("VOLONTARIO"), 30)
        .addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("ORAI"), 5)
        .addText(QStringLiteral("ORAF"), 5)
        .addInt(QStringLiteral("IDOP"))
        .addDate(QStringLiteral("DATA"));

    Evento = new QRadioButton(QStringLiteral("Evento"), this);
    Evento->setObjectName(QStringLiteral("Evento"));
    Evento->setGeometry(16, 12, 90, 24);
    Evento->setChecked(true);
    Missione = new QRadioButton(QStringLiteral("Missione"), this);
    Missione->setObjectName(QStringLiteral("Missione"));
    Missione->setGeometry(116, 12, 100, 24);

    auto label = [this](QLabel *&l, const char *name, const QString &text, int x, int y, int w) {
        l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, 24);
    };
    auto mask = [this](MaskEdit *&m, const char *name, const QString &editMask, int x, int y, int w) {
        m = new MaskEdit(editMask, this);
        m->setObjectName(QString::fromLatin1(name));
        m->setGeometry(x, y, w, 26);
    };
    const QString data = QStringLiteral("!99/99/0000;1;_"), orario = QStringLiteral("!90:00;1;_");
    label(Label1, "Label1", QStringLiteral("Dal"), 16, 48, 40);
    mask(MaskEdit2, "MaskEdit2", data, 56, 47, 100);
    label(Label2, "Label2", QStringLiteral("Al"), 176, 48, 30);
    mask(MaskEdit5, "MaskEdit5", data, 206, 47, 100);
    label(Label3, "Label3", QStringLiteral("Dalle ore "), 336, 48, 70);
    mask(MaskEdit1, "MaskEdit1", orario, 408, 47, 60);
    label(Label4, "Label4", QStringLiteral("Alle ore "), 488, 48, 70);
    mask(MaskEdit3, "MaskEdit3", orario, 560, 47, 60);

    label(Label5, "Label5", QStringLiteral("Luogo"), 16, 86, 70);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(96, 85, 524, 26);
    label(Label6, "Label6", QStringLiteral("Descriz."), 16, 122, 70);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(96, 121, 524, 26);
    label(Label7, "Label7", QStringLiteral("Numero di Volontari necessari "), 16, 158, 220);
    mask(MaskEdit4, "MaskEdit4", QStringLiteral("!999;1;_"), 236, 157, 50);

    label(Label8, "Label8", QStringLiteral("Note"), 16, 194, 70);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(96, 193, 524, 80);

    label(Label9, "Label9", QStringLiteral("Partecipanti"), 16, 282, 120);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(16, 308, 604, 220);
    m_model = new PartecipantiModel(m_table, DBGrid1);
    DBGrid1->setModel(m_model);
    DBGrid1->setItemDelegate(new NomiDelegate(&m_nomi, DBGrid1));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(24);
    DBGrid1->setColumnWidth(0, 250);
    DBGrid1->setColumnWidth(1, 110);
    DBGrid1->setColumnWidth(2, 90);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setToolTip(QStringLiteral("Ins o freccia giù sull'ultima riga: nuovo partecipante"));
    DBGrid1->installEventFilter(this);

    auto button = [this](QPushButton *&b, const char *name, const QString &text, int x, int w) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setGeometry(x, 544, w, 32);
    };
    button(Button3, "Button3", QStringLiteral("Salva"), 16, 110);
    button(Button2, "Button2", QStringLiteral("Copia "), 136, 110);
    button(Button4, "Button4", QStringLiteral("Invia Mail"), 256, 110);
    button(Button1, "Button1", QStringLiteral("Cancella partecipante"), 440, 180);

    on(Evento, &QRadioButton::clicked, this, [this] { EventoClick(); });
    on(Missione, &QRadioButton::clicked, this, [this] { MissioneClick(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TFoEvento::~TFoEvento()
{
    DBGrid1->setModel(nullptr);
    delete m_table;
}

void TFoEvento::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) guard([this] { FormShow(); });
}

bool TFoEvento::eventFilter(QObject *o, QEvent *e)
{
    // Insert, or Down on the last row, starts a new participant row, as in any data grid.
    if (o == DBGrid1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        const int cur = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : -1;
        if (key == Qt::Key_Insert || (key == Qt::Key_Down && cur == m_table->rowCount() - 1)) {
            guard([this] { Tb1NewRecord(); });
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFoEvento::mostraOrari(bool visibili)
{
    for (QWidget *w : {static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4),
                       static_cast<QWidget *>(MaskEdit1), static_cast<QWidget *>(MaskEdit3)})
        w->setVisible(visibili);
}

void TFoEvento::refreshGrid() { m_model->refresh(); }

void TFoEvento::FormShow()
{
    if (m_id > 0) {
        Query q(kDB);
        q.add(QStringLiteral("select * from Eventi where ID=:IDI"));
        q.bindInt(QStringLiteral("IDI"), m_id);
        q.open();
        if (!q.isEmpty()) {
            MaskEdit2->setText(dateToStr(q.date(QStringLiteral("DATA"))));
            MaskEdit5->setText(dateToStr(q.date(QStringLiteral("DATAF"))));
            MaskEdit1->setText(q.str(QStringLiteral("ORAI")));
            MaskEdit3->setText(q.str(QStringLiteral("ORAF")));
            MaskEdit4->setText(q.value(QStringLiteral("MINIMO")).isNull() ? QString()
                                                                           : QString::number(q.integer(QStringLiteral("MINIMO"))));
            Edit1->setText(q.str(QStringLiteral("LUOGO")));
            Edit2->setText(q.str(QStringLiteral("DESCRIZIONE")));
            Memo1->setPlainText(q.str(QStringLiteral("NOTE")));
            // Either kind may be unset on a stored row: neither button is chosen then.
            Evento->setAutoExclusive(false);
            Missione->setAutoExclusive(false);
            const bool evento = q.str(QStringLiteral("EVENTO")) == QLatin1String("SI");
            Evento->setChecked(evento);
            if (evento) mostraOrari(true);
            const bool missione = q.str(QStringLiteral("MISSIONE")) == QLatin1String("SI");
            Missione->setChecked(missione);
            if (missione) mostraOrari(false);
            Evento->setAutoExclusive(true);
            Missione->setAutoExclusive(true);
        }
        q.close();
    }

    Query n(kDB);
    n.add(QStringLiteral("select nome from volontari where stato='Attivo' or stato='Dipendente' or stato='Riserva' order by nome"));
    n.open();
    m_nomi.clear();
    for (; !n.eof(); n.next()) m_nomi.append(n.str(QStringLiteral("nome")));
    n.close();

    if (m_id > 0) CarTabella();
}

void TFoEvento::CarTabella()
{
    m_table->empty();
    refreshGrid();
    Query q(kDB);
    q.add(QStringLiteral("select volontari.ID IDOP,volontari.nome,ORAI,ORAF,DATA_SER,Eve_Vol.ID from Eve_Vol left join "
                         "volontari on volontari.ID=Eve_Vol.ID_VOL where Eve_Vol.ID_EV=:IDI ORDER BY ORAI"));
    q.bindInt(QStringLiteral("IDI"), m_id);
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("nome"), QStringLiteral("VOLONTARIO")},
                          {QStringLiteral("ORAI"), QStringLiteral("ORAI")},
                          {QStringLiteral("ORAF"), QStringLiteral("ORAF")},
                          {QStringLiteral("ID"), QStringLiteral("ID")},
                          {QStringLiteral("IDOP"), QStringLiteral("IDOP")},
                          {QStringLiteral("DATA_SER"), QStringLiteral("DATA")}});
    q.close();
    refreshGrid();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentIndex(m_model->index(0, 0));
}

int TFoEvento::Tb1NewRecord()
{
    const int r = m_table->append();
    m_table->set(r, QStringLiteral("ID"), 0);
    m_table->set(r, QStringLiteral("ORAI"), testoOra(MaskEdit1));
    m_table->set(r, QStringLiteral("ORAF"), testoOra(MaskEdit3));
    refreshGrid();
    DBGrid1->setCurrentIndex(m_model->index(r, 0));
    // The day comes last: when "Dal" holds no date the row stays, with its times and no day.
    m_table->set(r, QStringLiteral("DATA"), strToDate(MaskEdit2->text()));
    refreshGrid();
    DBGrid1->setCurrentIndex(m_model->index(r, 0));
    return r;
}

void TFoEvento::EventoClick() { mostraOrari(true); }

void TFoEvento::MissioneClick() { mostraOrari(false); }

void TFoEvento::Button3Click()
{
    // Every value is converted before anything is sent: a box that does not hold a date or
    // a number stores nothing.
    const QDate dal = strToDate(MaskEdit2->text());
    const QDate al = strToDate(MaskEdit5->text());
    const QString minimo = MaskEdit4->text().trimmed();
    const qint64 min = minimo.isEmpty() ? 0 : strToInt(minimo);

    Query q(kDB);
    if (m_id < 1) {
        q.add(QStringLiteral("insert into Eventi(EVENTO,MISSIONE,DATA,DATAF,LUOGO,DESCRIZIONE,ORAI,ORAF,MINIMO,NOTE) "
                             "values(:EVE,:MIS,:DTA,:DTF,:LUO,:DES,:ORI,:ORF,:MIN,:NOT)"));
    } else {
        q.add(QStringLiteral("update Eventi set EVENTO=:EVE,MISSIONE=:MIS,DATA=:DTA,DATAF=:DTF,LUOGO=:LUO,DESCRIZIONE=:DES,"
                             "ORAI=:ORI,ORAF=:ORF,MINIMO=:MIN,NOTE=:NOT where ID=:IDI"));
        q.bindInt(QStringLiteral("IDI"), m_id);
    }
    q.bindText(QStringLiteral("EVE"), Evento->isChecked() ? QStringLiteral("SI") : QString());
    q.bindText(QStringLiteral("MIS"), Missione->isChecked() ? QStringLiteral("SI") : QString());
    q.bindDate(QStringLiteral("DTA"), dal);
    q.bindDate(QStringLiteral("DTF"), al);
    q.bindText(QStringLiteral("LUO"), Edit1->text());
    q.bindText(QStringLiteral("DES"), Edit2->text());
    q.bindText(QStringLiteral("ORI"), testoOra(MaskEdit1));
    q.bindText(QStringLiteral("ORF"), testoOra(MaskEdit3));
    q.bindInt(QStringLiteral("MIN"), min);
    q.bindText(QStringLiteral("NOT"), Memo1->toPlainText());
    q.exec();
    if (m_id < 1) {
        // The key of this insert, read on the same connection: another workstation's insert
        // cannot take its place.
        Query k(kDB);
        k.add(QStringLiteral("select LAST_INSERT_ID() IDM"));
        k.open();
        m_id = k.integer(QStringLiteral("IDM"));
        k.close();
    }

    for (int r = 0; r < m_table->rowCount(); ++r) {
        Query v(kDB);
        v.add(QStringLiteral("select ID from volontari where nome=:NOM"));
        v.bindText(QStringLiteral("NOM"), m_table->text(r, QStringLiteral("VOLONTARIO")).trimmed());
        v.open();
        const qint64 idv = v.isEmpty() ? 0 : v.integer(QStringLiteral("ID"));
        v.close();

        Query w(kDB);
        const qint64 idp = m_table->integer(r, QStringLiteral("ID"));
        if (idp < 1) {
            w.add(QStringLiteral("insert into Eve_Vol(ID_EV,ID_VOL,ORAI,ORAF,DATA_SER) values(:IDI,:IDV,:ORI,:ORF,:DTI)"));
            w.bindInt(QStringLiteral("IDI"), m_id);
        } else {
            w.add(QStringLiteral("update Eve_Vol set ID_VOL=:IDV,ORAI=:ORI,ORAF=:ORF,DATA_SER=:DTI where ID=:IDP"));
            w.bindInt(QStringLiteral("IDP"), idp);
        }
        w.bindInt(QStringLiteral("IDV"), idv);
        w.bindText(QStringLiteral("ORI"), m_table->text(r, QStringLiteral("ORAI")).trimmed());
        w.bindText(QStringLiteral("ORF"), m_table->text(r, QStringLiteral("ORAF")).trimmed());
        const QDate giorno = m_table->value(r, QStringLiteral("DATA")).toDate();
        if (giorno.isValid()) w.bindDate(QStringLiteral("DTI"), giorno);
        else w.bindNull(QStringLiteral("DTI"));
        w.exec();
        if (idp < 1) {
            // Stored now: a failure further on and a second "Salva" must not store it twice.
            m_table->set(r, QStringLiteral("ID"), scalar(kDB, QStringLiteral("select LAST_INSERT_ID()")).toLongLong());
        }
    }

    CarTabella();
}

void TFoEvento::Button2Click()
{
    m_id = 0;
    MaskEdit2->setText(QString());
    m_table->empty();
    refreshGrid();
}

void TFoEvento::Button1Click()
{
    const QModelIndex cur = DBGrid1->currentIndex();
    if (!cur.isValid() || cur.row() >= m_table->rowCount()) return;
    Query q(kDB);
    q.add(QStringLiteral("delete from Eve_Vol where ID=:IDP"));
    q.bindInt(QStringLiteral("IDP"), m_table->integer(cur.row(), QStringLiteral("ID")));
    q.exec();
    CarTabella();
}

void TFoEvento::Button4Click()
{
    // The calendar link needs the event's first day: without it no mail goes out.
    const QDate giorno = strToDate(MaskEdit2->text());
    const QString dal = MaskEdit2->text();
    const QString calendario = indirizzoCalendario();
    const QString note = Memo1->toPlainText();
    QStringList righeNote;
    if (!note.isEmpty()) righeNote = note.split(QLatin1Char('\n'));

    for (int r = 0; r < m_table->rowCount(); ++r) {
        Query q(kDB);
        q.add(QStringLiteral("select Mail,Nome from volontari where ID=:IDV"));
        q.bindInt(QStringLiteral("IDV"), m_table->integer(r, QStringLiteral("IDOP")));
        q.open();
        const QString mail = q.isEmpty() ? QString() : q.str(QStringLiteral("Mail"));
        q.close();

        const QString orai = m_table->text(r, QStringLiteral("ORAI"));
        const QString oraf = m_table->text(r, QStringLiteral("ORAF"));
        if (mail.trimmed().isEmpty()) continue;

        const QString link = linkCalendario(
            calendario, dateCalendario(giorno, orai, oraf),
            QStringLiteral("&text=servizio%20") + valoreLink(Edit2->text().trimmed()) + QStringLiteral("&location=") +
                valoreLink(Edit1->text().trimmed()) + QStringLiteral("&details=%20") + valoreLink(note) +
                QStringLiteral("%20"));

        QStringList corpo;
        corpo << QStringLiteral("Gentile Volontario con la presente ti comunico che ti e' stato assegnato il servizio ") +
                     Edit2->text();
        corpo << QStringLiteral("che si svolgerà presso ") + Edit1->text();
        corpo << QStringLiteral("Il servizio inizia il giorno ") + dal + QStringLiteral(" Alle ore ") + orai +
                     QStringLiteral(" e termina alle ore ") + oraf;
        corpo << QStringLiteral(" ");
        corpo << righeNote;
        corpo << QStringLiteral(" ");
        corpo << QStringLiteral("Se vuoi inserire l'appuntamento nel tuo calendario clicca sul link qui sotto");
        corpo << QStringLiteral(" ");
        corpo << link;
        InviaMail(mail, QStringLiteral("Assegnazione Servizio "), corpo, QString());
    }
}
