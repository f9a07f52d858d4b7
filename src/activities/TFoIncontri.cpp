#include "activities/TFoIncontri.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableView>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");

// The columns of the participants' grid: field and title.
const QStringList kCampi = {QStringLiteral("VOLONTARIO"), QStringLiteral("RISULTATO"), QStringLiteral("NMRATTESTATO")};
const QStringList kTitoli = {QStringLiteral("VOLONTARIO"), QStringLiteral("RISULTATO"), QStringLiteral("ATTESTATO")};

QStringList descrizioni(const QString &sql)
{
    Query q(kDB);
    q.add(sql);
    q.open();
    QStringList out;
    for (; !q.eof(); q.next()) out << q.str(QStringLiteral("descrizione"));
    q.close();
    return out;
}

// The code of the list entry with this description (sql: the look-up in one list), empty
// when none has it.
QString codice(const QString &sql, const QString &descrizione)
{
    Query q(kDB);
    q.add(sql);
    q.bindText(QStringLiteral("DES"), descrizione.trimmed());
    q.open();
    const QString c = q.isEmpty() ? QString() : q.str(QStringLiteral("codice"));
    q.close();
    return c;
}

// The pick lists of the name and result columns: editable drop-downs.
class PickDelegate : public QStyledItemDelegate {
public:
    PickDelegate(const QStringList *nomi, const QStringList *risultati, QObject *parent)
        : QStyledItemDelegate(parent), m_nomi(nomi), m_risultati(risultati)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() > 1) return QStyledItemDelegate::createEditor(parent, option, index);
        auto *c = new QComboBox(parent);
        c->setObjectName(QStringLiteral("PickList"));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(index.column() == 0 ? *m_nomi : *m_risultati);
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
    const QStringList *m_risultati;
};

}  // namespace

// The participants' grid table shown and edited in the grid.
class PartecipantiIncModel : public QAbstractTableModel {
public:
    PartecipantiIncModel(GridTable *t, QObject *parent) : QAbstractTableModel(parent), m_t(t) {}

    int rowCount(const QModelIndex &p = QModelIndex()) const override { return p.isValid() ? 0 : m_t->rowCount(); }
    int columnCount(const QModelIndex &p = QModelIndex()) const override { return p.isValid() ? 0 : kCampi.size(); }
    QVariant data(const QModelIndex &i, int role) const override
    {
        if (!i.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return QVariant();
        return m_t->text(i.row(), kCampi[i.column()]);
    }
    QVariant headerData(int s, Qt::Orientation o, int role) const override
    {
        if (role != Qt::DisplayRole || o != Qt::Horizontal) return QVariant();
        return kTitoli.value(s);
    }
    Qt::ItemFlags flags(const QModelIndex &i) const override { return QAbstractTableModel::flags(i) | Qt::ItemIsEditable; }
    bool setData(const QModelIndex &i, const QVariant &v, int role) override
    {
        if (!i.isValid() || role != Qt::EditRole) return false;
        m_t->set(i.row(), kCampi[i.column()], v.toString());
        Q_EMIT dataChanged(i, i);
        return true;
    }
    void refresh()
    {
        beginResetModel();
        endResetModel();
    }

private:
    GridTable *m_t;
};

TFoIncontri::TFoIncontri(qint64 idAttivita, qint64 id, QWidget *parent)
    : QDialog(parent), m_idAttivita(idAttivita), m_id(id), m_table(new GridTable)
{
    setObjectName(QStringLiteral("TFoIncontri"));
    setWindowTitle(QStringLiteral("FoIncontri"));
    setFixedSize(620, 520);

    m_table->addText(QStringLiteral("VOLONTARIO"), 30)
        .addText(QStringLiteral("RISULTATO"), 25)
        .addText(QStringLiteral("NMRATTESTATO"), 20)
        .addInt(QStringLiteral("ID"));

    auto label = [this](QLabel *&l, const char *name, const QString &text, int x, int y, int w) {
        l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, 24);
    };
    auto combo = [this](DropDownBox *&c, const char *name, int x, int y, int w) {
        c = new DropDownBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        c->setGeometry(x, y, w, 26);
    };
    auto edit = [this](QLineEdit *&e, const char *name, int x, int y, int w) {
        e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 26);
    };

    label(Label1, "Label1", QStringLiteral("Tipo"), 16, 14, 70);
    combo(CbTipo, "CbTipo", 96, 13, 250);
    label(Label3, "Label3", QStringLiteral("Del"), 380, 14, 40);
    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(424, 13, 100, 26);
    label(Label2, "Label2", QStringLiteral("Titolo"), 16, 50, 70);
    combo(CbTitolo, "CbTitolo", 96, 49, 508);
    label(Label4, "Label4", QStringLiteral("Luogo"), 16, 86, 70);
    edit(Edit1, "Edit1", 96, 85, 508);
    label(Label5, "Label5", QStringLiteral("Descriz."), 16, 122, 70);
    edit(Edit2, "Edit2", 96, 121, 508);

    label(Label6, "Label6", QStringLiteral("Partecipanti"), 16, 160, 120);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(16, 186, 588, 276);
    m_model = new PartecipantiIncModel(m_table, DBGrid1);
    DBGrid1->setModel(m_model);
    DBGrid1->setItemDelegate(new PickDelegate(&m_nomi, &m_risultati, DBGrid1));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(24);
    DBGrid1->setColumnWidth(0, 250);
    DBGrid1->setColumnWidth(1, 170);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setToolTip(QStringLiteral("Ins o freccia giù sull'ultima riga: nuovo partecipante"));
    DBGrid1->installEventFilter(this);

    auto button = [this](QPushButton *&b, const char *name, const QString &text, int x) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setGeometry(x, 474, 110, 32);
    };
    button(Button3, "Button3", QStringLiteral("Salva"), 16);
    button(Button2, "Button2", QStringLiteral("Carica"), 136);
    button(Button1, "Button1", QStringLiteral("Cancella"), 494);

    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

TFoIncontri::~TFoIncontri()
{
    DBGrid1->setModel(nullptr);
    delete m_table;
}

void TFoIncontri::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous() && !m_attivato) {
        m_attivato = true;
        guard([this] { FormActivate(); });
    }
}

bool TFoIncontri::eventFilter(QObject *o, QEvent *e)
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

void TFoIncontri::FormActivate()
{
    if (m_id > 0) {
        Query q(kDB);
        q.add(QStringLiteral("select incontri.*,EL1.DESCRIZIONE TIPOC,EL2.DESCRIZIONE ATTC from incontri left join Elenchi "
                             "EL1 on EL1.CODICE=incontri.TIPO and EL1.TIPO='I'  left join Elenchi EL2 on "
                             "EL2.CODICE=incontri.TITOLO and EL2.TIPO='A'  where incontri.ID=:IDI"));
        q.bindInt(QStringLiteral("IDI"), m_id);
        q.open();
        if (!q.isEmpty()) {
            CbTipo->setEditText(q.str(QStringLiteral("TIPOC")));
            MaskEdit1->setText(dateToStr(q.date(QStringLiteral("DATA"))));
            Edit1->setText(q.str(QStringLiteral("LUOGO")));
            Edit2->setText(q.str(QStringLiteral("DESCRIZIONE")));
            CbTitolo->setEditText(q.str(QStringLiteral("ATTC")));
        }
        q.close();
    }

    CbTipo->setItems(descrizioni(QStringLiteral("select descrizione from Elenchi where tipo='I' order by descrizione ")));
    CbTitolo->setItems(descrizioni(QStringLiteral("select descrizione from Elenchi where tipo='A' order by descrizione ")));

    m_nomi.clear();
    Query n(kDB);
    n.add(QStringLiteral("select nome from volontari where stato='Attivo' or Stato='Dipendente' or stato='Riserva' order by nome"));
    n.open();
    for (; !n.eof(); n.next()) m_nomi << n.str(QStringLiteral("nome"));
    n.close();
    m_risultati = descrizioni(QStringLiteral("select descrizione from Elenchi where tipo='R' order by descrizione "));

    CarTabella();
}

void TFoIncontri::CarTabella()
{
    m_table->empty();
    m_model->refresh();
    Query q(kDB);
    q.add(QStringLiteral("select volontari.nome,risultato,NMRATTESTATO,Partecipanti.ID from Partecipanti left join volontari "
                         "on IDVOLONTARIO=volontari.ID where Partecipanti.IDINCONTRI=:IDI ORDER BY volontari.nome"));
    q.bindInt(QStringLiteral("IDI"), m_id);
    q.open();
    Button2->setVisible(q.isEmpty());
    m_table->fillFrom(q, {{QStringLiteral("nome"), QStringLiteral("VOLONTARIO")},
                          {QStringLiteral("risultato"), QStringLiteral("RISULTATO")},
                          {QStringLiteral("NMRATTESTATO"), QStringLiteral("NMRATTESTATO")},
                          {QStringLiteral("ID"), QStringLiteral("ID")}});
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentIndex(m_model->index(0, 0));
}

int TFoIncontri::Tb1NewRecord()
{
    const int r = m_table->append();
    m_table->set(r, QStringLiteral("ID"), 0);
    m_model->refresh();
    DBGrid1->setCurrentIndex(m_model->index(r, 0));
    return r;
}

void TFoIncontri::Button3Click()
{
    // The day is read before anything is sent: a box without a valid date stores nothing.
    const QDate del = strToDate(MaskEdit1->text());
    const QString tipo = codice(QStringLiteral("select codice from Elenchi where descrizione=:DES and tipo='I'"),
                                 CbTipo->currentText());
    const QString titolo = codice(QStringLiteral("select codice from Elenchi where descrizione=:DES and tipo='A'"),
                                   CbTitolo->currentText());

    Query q(kDB);
    if (m_id < 1) {
        q.add(QStringLiteral("insert into incontri(IDAttivita,TIPO,DATA,LUOGO,DESCRIZIONE,TITOLO) "
                             "values(:IDA,:TIP,:DTA,:LUO,:DES,:TIT)"));
        q.bindInt(QStringLiteral("IDA"), m_idAttivita);
    } else {
        q.add(QStringLiteral("update incontri set TIPO=:TIP,DATA=:DTA,LUOGO=:LUO,DESCRIZIONE=:DES,TITOLO=:TIT where ID=:IDI"));
        q.bindInt(QStringLiteral("IDI"), m_id);
    }
    q.bindText(QStringLiteral("TIP"), tipo);
    q.bindDate(QStringLiteral("DTA"), del);
    q.bindText(QStringLiteral("LUO"), Edit1->text());
    q.bindText(QStringLiteral("DES"), Edit2->text());
    q.bindText(QStringLiteral("TIT"), titolo);
    q.exec();
    if (m_id < 1) {
        // The key of this insert, read on the same connection.
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

        const qint64 idp = m_table->integer(r, QStringLiteral("ID"));
        Query w(kDB);
        if (idp < 1) {
            w.add(QStringLiteral("insert into Partecipanti(IDINCONTRI,IdVolontario,Risultato,NMRATTESTATO) "
                                 "values(:IDI,:IDV,:RIS,:NMR)"));
            w.bindInt(QStringLiteral("IDI"), m_id);
        } else {
            w.add(QStringLiteral("update Partecipanti set IdVolontario=:IDV,Risultato=:RIS,NMRATTESTATO=:NMR where ID=:IDP"));
            w.bindInt(QStringLiteral("IDP"), idp);
        }
        w.bindInt(QStringLiteral("IDV"), idv);
        w.bindText(QStringLiteral("RIS"), m_table->text(r, QStringLiteral("RISULTATO")));
        w.bindText(QStringLiteral("NMR"), m_table->text(r, QStringLiteral("NMRATTESTATO")));
        w.exec();
        if (idp < 1) {
            // Stored now: a failure further on and a second "Salva" must not store it twice.
            m_table->set(r, QStringLiteral("ID"), scalar(kDB, QStringLiteral("select LAST_INSERT_ID()")).toLongLong());
        }
    }

    CarTabella();
}

void TFoIncontri::Button1Click()
{
    const QModelIndex cur = DBGrid1->currentIndex();
    if (!cur.isValid() || cur.row() >= m_table->rowCount()) return;
    Query q(kDB);
    q.add(QStringLiteral("delete from Partecipanti where ID=:IDP"));
    q.bindInt(QStringLiteral("IDP"), m_table->integer(cur.row(), QStringLiteral("ID")));
    q.exec();
    CarTabella();
}

void TFoIncontri::Button2Click()
{
    // The volunteers enrolled in this activity's enrolment session.
    Query q(kDB);
    q.add(QStringLiteral("SELECT volontari.Nome FROM Partecipanti left join volontari ON IDVOLONTARIO=volontari.ID where  "
                         "risultato='ISCRITTO' and IDINCONTRI=(select ID from incontri where Tipo='IS' and IDAttivita=:IDA)"));
    q.bindInt(QStringLiteral("IDA"), m_idAttivita);
    q.open();
    const QString inizio = CbTipo->currentText().left(3);
    QString risultato;
    if (inizio == QLatin1String("LEZ")) risultato = QStringLiteral("PRESENTE");
    else if (inizio == QLatin1String("ESA")) risultato = QStringLiteral("IDONEO");
    m_table->empty();
    for (; !q.eof(); q.next()) {
        const int r = m_table->append();
        m_table->set(r, QStringLiteral("VOLONTARIO"), q.str(QStringLiteral("Nome")));
        m_table->set(r, QStringLiteral("RISULTATO"), risultato);
        m_table->set(r, QStringLiteral("ID"), 0);
    }
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentIndex(m_model->index(0, 0));
}
