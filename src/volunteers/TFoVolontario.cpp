#include "volunteers/TFoVolontario.h"

#include "core/Services.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "shifts/TFoDispo.h"
#include "volunteers/TFoTitoli.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>

using namespace vlm;

namespace {

const QString kDB = QStringLiteral("DB");
const QString kEmptyDate = QStringLiteral("  /  /    ");
const QString kDateMask = QStringLiteral("!99/99/0000;1;_");

// Clothing grid: columns and the items offered for "CAPO FORNITO".
struct VestitiColumn {
    const char *title;
    const char *field;
    int width;
};
const VestitiColumn kVestitiColumns[4] = {
    {"CAPO FORNITO", "CAPO", 175}, {"TAGLIA", "TAGLIA", 64}, {"CONSEGNA", "DATACONS", 100}, {"RESO", "DATARESO", 100}};

QStringList capi()
{
    return {QStringLiteral("PANTALONI TUTA"),         QStringLiteral("GIACCA TUTA"),
            QStringLiteral("MAGLIETTA MANICA CORTA "), QStringLiteral("MAGLIETTA MANICA LUNGA "),
            QStringLiteral("FELPA "),                 QStringLiteral("SCARPE "),
            QStringLiteral("GIACCA A VENTO"),         QStringLiteral("CINTURA")};
}

bool isTraineeship(const QString &role) { return role.left(9) == QLatin1String("Tirocinio"); }

// A preference flag: "SI" when ticked, the empty text otherwise.
QString flag(const QCheckBox *c) { return c->isChecked() ? QStringLiteral("SI") : QString(); }

// A document date: the placeholder for an empty box, the date otherwise (a text that is no
// date stops the save before anything is written).
void bindDocDate(Query &q, const QString &param, const MaskEdit *box)
{
    if (box->text() == kEmptyDate || box->isMaskEmpty())
        q.bindText(param, QStringLiteral("1000/01/01"));
    else
        q.bindDateTime(param, strToDate(box->text()).startOfDay());
}

// A number box (weight, height, level) as text; an empty box is 0.
QString numberText(const QLineEdit *e)
{
    const QString t = e->text().trimmed();
    return t.isEmpty() ? QStringLiteral("0") : t;
}

}  // namespace

// The editable grid of the clothing rows: cells are edited in place, a new row gets
// today's date as handing-over date, and nothing is deleted.
class TFoVolontarioVestiti : public QAbstractTableModel {
public:
    explicit TFoVolontarioVestiti(GridTable *t, QObject *parent) : QAbstractTableModel(parent), m_t(t) {}

    void refresh()
    {
        beginResetModel();
        endResetModel();
    }
    int append()
    {
        const int r = m_t->rowCount();
        beginInsertRows(QModelIndex(), r, r);
        m_t->append();
        m_t->set(r, QStringLiteral("ID"), 0);
        m_t->set(r, QStringLiteral("DATACONS"), QDate::currentDate().startOfDay());
        endInsertRows();
        return r;
    }

    int rowCount(const QModelIndex &p = QModelIndex()) const override { return p.isValid() ? 0 : m_t->rowCount(); }
    int columnCount(const QModelIndex &p = QModelIndex()) const override { return p.isValid() ? 0 : 4; }
    Qt::ItemFlags flags(const QModelIndex &i) const override
    {
        return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags;
    }
    QVariant headerData(int s, Qt::Orientation o, int role) const override
    {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && s >= 0 && s < 4)
            return QString::fromLatin1(kVestitiColumns[s].title);
        return QAbstractTableModel::headerData(s, o, role);
    }
    QVariant data(const QModelIndex &i, int role) const override
    {
        if (!i.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
        const QString f = QString::fromLatin1(kVestitiColumns[i.column()].field);
        if (i.column() >= 2) return dateToStr(m_t->value(i.row(), f).toDateTime().date());
        return m_t->text(i.row(), f);
    }
    bool setData(const QModelIndex &i, const QVariant &v, int role) override
    {
        if (!i.isValid() || role != Qt::EditRole) return false;
        const QString f = QString::fromLatin1(kVestitiColumns[i.column()].field);
        if (i.column() >= 2) {
            const QString t = v.toString().trimmed();
            if (t.isEmpty() || t == QLatin1String("/  /")) {
                m_t->set(i.row(), f, QVariant());
            } else {
                if (!isDateText(t)) return false;  // the cell keeps its date
                m_t->set(i.row(), f, strToDate(t).startOfDay());
            }
        } else {
            m_t->set(i.row(), f, v.toString());
        }
        Q_EMIT dataChanged(i, i);
        return true;
    }

private:
    GridTable *m_t;
};

namespace {

// "CAPO FORNITO" offers its pick list and takes any other text; the dates are typed in a
// date box.
class VestitiDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &opt, const QModelIndex &i) const override
    {
        if (i.column() == 0) {
            auto *c = new QComboBox(parent);
            c->setEditable(true);
            c->addItems(capi());
            return c;
        }
        if (i.column() >= 2) return new MaskEdit(kDateMask, parent);
        return QStyledItemDelegate::createEditor(parent, opt, i);
    }
    void setEditorData(QWidget *e, const QModelIndex &i) const override
    {
        if (auto *c = qobject_cast<QComboBox *>(e)) c->setCurrentText(i.data(Qt::EditRole).toString());
        else if (auto *m = qobject_cast<MaskEdit *>(e)) m->setText(i.data(Qt::EditRole).toString());
        else QStyledItemDelegate::setEditorData(e, i);
    }
    void setModelData(QWidget *e, QAbstractItemModel *model, const QModelIndex &i) const override
    {
        if (auto *c = qobject_cast<QComboBox *>(e)) model->setData(i, c->currentText());
        else if (auto *m = qobject_cast<MaskEdit *>(e)) model->setData(i, m->isMaskEmpty() ? QString() : m->text());
        else QStyledItemDelegate::setModelData(e, model, i);
    }
};

// Down on the last row, or Insert, appends a row as a data grid does.
class VestitiKeys : public QObject {
public:
    VestitiKeys(QTableView *view, std::function<void()> append) : QObject(view), m_view(view), m_append(std::move(append)) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress) return false;
        auto *k = static_cast<QKeyEvent *>(e);
        const int rows = m_view->model()->rowCount();
        const bool last = rows == 0 || m_view->currentIndex().row() == rows - 1;
        if (k->key() == Qt::Key_Insert || (k->key() == Qt::Key_Down && last)) {
            m_append();
            return true;
        }
        return false;
    }

private:
    QTableView *m_view;
    std::function<void()> m_append;
};

}  // namespace

TFoVolontario::TFoVolontario(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoVolontario"));
    setWindowTitle(QStringLiteral("FoVolontario"));
    setFixedSize(980, 560);

    m_vestiti = new GridTable;
    m_vestiti->addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("CAPO"), 35)
        .addText(QStringLiteral("TAGLIA"), 5)
        .addField(QStringLiteral("DATACONS"), FieldType::DateTime)
        .addField(QStringLiteral("DATARESO"), FieldType::DateTime);

    m_titoli = new GridTable;
    m_titoli->addText(QStringLiteral("TITOLO"), 30)
        .addDate(QStringLiteral("DATA"))
        .addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("NMRATTESTATO"), 20)
        .addText(QStringLiteral("LUOGO"), 30)
        .addText(QStringLiteral("TIP"), 1);
    m_attivita = new GridTable;
    m_attivita->addText(QStringLiteral("ATTIVITA"), 15)
        .addText(QStringLiteral("ATTESTATO"), 25)
        .addDate(QStringLiteral("DATA"))
        .addText(QStringLiteral("LUOGO"), 40)
        .addText(QStringLiteral("RISULTATO"), 15);
    m_servizi = new GridTable;
    m_servizi->addField(QStringLiteral("ENTRATA"), FieldType::DateTime)
        .addText(QStringLiteral("TIPO"), 0)
        .addText(QStringLiteral("Durata"), 0);
    m_assegnati = new GridTable;
    m_assegnati->addDate(QStringLiteral("Data"))
        .addText(QStringLiteral("OrarioPartenza"), 5)
        .addText(QStringLiteral("Durata"), 5)
        .addText(QStringLiteral("Partenza"), 30)
        .addText(QStringLiteral("Destinazione"), 30)
        .addText(QStringLiteral("SiglaMezzo"), 20);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 8, 964, 496);
    auto page = [this](QWidget *&w, const char *name, const QString &title) {
        w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        PageControl1->addTab(w, title);
    };
    page(TabAnagrafici, "TabAnagrafici", QStringLiteral("Dati Anagrafici"));
    page(TabInformazioni, "TabInformazioni", QStringLiteral("Informazioni"));
    page(TabDocumenti, "TabDocumenti", QStringLiteral("Documenti"));
    page(TabTitoli, "TabTitoli", QStringLiteral("Titoli"));
    page(TabAttivita, "TabAttivita", QStringLiteral("Attività"));
    page(TabServizi, "TabServizi", QStringLiteral("Servizi"));
    page(TabAssegnati, "TabAssegnati", QStringLiteral("Assegnati "));
    page(TabPatenti, "TabPatenti", QStringLiteral("Patenti"));
    page(TabDisponibilita, "TabDisponibilita", QStringLiteral("Disponibilità"));
    page(TabAbbigliamento, "TabAbbigliamento", QStringLiteral("Abbigliamento"));
    page(TabAltro, "TabAltro", QStringLiteral("Altro"));

    auto label = [](QWidget *p, const QString &text, int x, int y, int w = 120) {
        auto *l = new QLabel(text, p);
        l->setGeometry(x, y, w, 20);
        return l;
    };
    auto edit = [](QWidget *p, const char *name, int x, int y, int w) {
        auto *e = new QLineEdit(p);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 26);
        return e;
    };
    auto mask = [](QWidget *p, const char *name, const QString &m, int x, int y, int w) {
        auto *e = new MaskEdit(m, p);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 26);
        return e;
    };
    auto combo = [](QWidget *p, const char *name, const QStringList &items, int x, int y, int w) {
        auto *c = new QComboBox(p);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(true);
        c->addItems(items);
        c->setCurrentIndex(-1);
        c->setEditText(QString());
        c->setGeometry(x, y, w, 26);
        return c;
    };
    auto memo = [](QWidget *p, const char *name, int x, int y, int w, int h) {
        auto *m = new QPlainTextEdit(p);
        m->setObjectName(QString::fromLatin1(name));
        m->setGeometry(x, y, w, h);
        return m;
    };

    // ---- Dati Anagrafici
    QWidget *p = TabAnagrafici;
    label(p, QStringLiteral("Codice"), 16, 16, 60);
    Codice = new QLabel(QStringLiteral("0"), p);
    Codice->setObjectName(QStringLiteral("Codice"));
    Codice->setGeometry(80, 16, 100, 20);
    label(p, QStringLiteral("Nome"), 16, 48);
    Nome = edit(p, "Nome", 16, 68, 360);
    label(p, QStringLiteral("Indirizzo"), 16, 100);
    Indirizzo = edit(p, "Indirizzo", 16, 120, 360);
    label(p, QStringLiteral("Cap"), 16, 152);
    Edit1 = edit(p, "Edit1", 16, 172, 80);
    label(p, QStringLiteral("Citta"), 108, 152);
    Edit2 = edit(p, "Edit2", 108, 172, 190);
    label(p, QStringLiteral("Provincia"), 310, 152);
    ComboBox3 = combo(p, "ComboBox3",
                      {QStringLiteral("FI"), QStringLiteral("SI"), QStringLiteral("RM"), QStringLiteral("PI"),
                       QStringLiteral("AN"), QStringLiteral("PG"), QStringLiteral("PO")},
                      310, 172, 66);
    label(p, QStringLiteral("Data e Luogo di Nascita"), 16, 204, 200);
    MaskEdit1 = mask(p, "MaskEdit1", kDateMask, 16, 224, 100);
    Edit3 = edit(p, "Edit3", 128, 224, 248);
    label(p, QStringLiteral("Sesso"), 16, 256);
    ComboBox2 = combo(p, "ComboBox2", {QStringLiteral("M "), QStringLiteral("F")}, 16, 276, 60);
    label(p, QStringLiteral("Codice Fiscale"), 108, 256);
    MaskEdit2 = mask(p, "MaskEdit2", QStringLiteral(">LLLLLL00L00L000L;1;_"), 108, 276, 190);
    label(p, QStringLiteral("Peso"), 16, 308);
    MaskEdit7 = mask(p, "MaskEdit7", QStringLiteral("!999;0"), 16, 328, 60);
    label(p, QStringLiteral("Altezza"), 108, 308);
    MaskEdit8 = mask(p, "MaskEdit8", QStringLiteral("!999;0;_"), 108, 328, 60);
    label(p, QStringLiteral("Telefono "), 420, 48);
    Edit4 = edit(p, "Edit4", 420, 68, 240);
    label(p, QStringLiteral("Cellulare 1"), 420, 100);
    Edit6 = edit(p, "Edit6", 420, 120, 240);
    label(p, QStringLiteral("Cellulare 2"), 420, 152);
    Edit7 = edit(p, "Edit7", 420, 172, 240);
    label(p, QStringLiteral("Mail"), 420, 204);
    Edit5 = edit(p, "Edit5", 420, 224, 330);
    label(p, QStringLiteral("Mail 2"), 420, 256);
    Edit26 = edit(p, "Edit26", 420, 276, 330);

    // ---- Informazioni
    p = TabInformazioni;
    label(p, QStringLiteral("Titolo di Studio "), 16, 16, 200);
    Edit8 = edit(p, "Edit8", 16, 36, 300);
    label(p, QStringLiteral("Professione"), 16, 68);
    Edit9 = edit(p, "Edit9", 16, 88, 300);
    label(p, QStringLiteral("Stato di servizio "), 16, 120, 200);
    ComboBox4 = combo(p, "ComboBox4",
                      {QStringLiteral("TS"), QStringLiteral("SA"), QStringLiteral("Accesso"), QStringLiteral("Tirocinio TS"),
                       QStringLiteral("Tirocinio SA "), QStringLiteral("Temporaneo")},
                      16, 140, 180);
    label(p, QStringLiteral("Tipologia"), 16, 172);
    ComboBox9 = combo(p, "ComboBox9",
                      {QStringLiteral("Volontario"), QStringLiteral("Dipendente "), QStringLiteral("Militare ")}, 16, 192, 180);
    LabelTutor = label(p, QStringLiteral("Tutor"), 16, 224);
    LabelTutor->setObjectName(QStringLiteral("LabelTutor"));
    ComboBox8 = combo(p, "ComboBox8", {}, 16, 244, 240);
    BtnMail = new QPushButton(QStringLiteral("Invio Mail "), p);
    BtnMail->setObjectName(QStringLiteral("BtnMail"));
    BtnMail->setGeometry(266, 242, 100, 30);
    BtnMail->setAutoDefault(false);
    on(BtnMail, &QPushButton::clicked, this, [this] { BtnMailClick(); });
    Corpo = new QPlainTextEdit(p);
    Corpo->setObjectName(QStringLiteral("Corpo"));
    Corpo->setGeometry(16, 280, 360, 60);
    Corpo->setVisible(false);
    LabelTutor->setVisible(false);
    ComboBox8->setVisible(false);
    BtnMail->setVisible(false);

    auto *pref = new QGroupBox(QStringLiteral("Preferenze"), p);
    pref->setObjectName(QStringLiteral("GroupBox1"));
    pref->setGeometry(400, 16, 360, 330);
    const QStringList prefNames = {QStringLiteral("Area 1 Sanitario"),  QStringLiteral("Area 2 Sociale"),
                                   QStringLiteral("Area 3 Emergenze"),  QStringLiteral("Area 4 DIU"),
                                   QStringLiteral("Area 5 Giovani"),    QStringLiteral("Area 6 Ricerca Fondi"),
                                   QStringLiteral("Ordinarie"),         QStringLiteral("Emergenza"),
                                   QStringLiteral("PC Comunale"),       QStringLiteral("No Ambulanza"),
                                   QStringLiteral("PC Regionale / Nazionale"), QStringLiteral("Servizio Civile")};
    QCheckBox **boxes[12] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,  &CheckBox5,  &CheckBox6,
                             &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10, &CheckBox11, &CheckBox12};
    for (int i = 0; i < 12; ++i) {
        auto *c = new QCheckBox(prefNames[i], pref);
        c->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        c->setGeometry(16, 28 + i * 24, 320, 22);
        *boxes[i] = c;
    }

    // ---- Documenti
    p = TabDocumenti;
    const QStringList docTypes = {QStringLiteral("Carta d'identità"), QStringLiteral("Patente"), QStringLiteral("Passaporto")};
    auto docBlock = [&](const QString &title, int y, const char *cb, QComboBox *&c, const char *num, QLineEdit *&n,
                        const char *ente, QLineEdit *&e, const char *del, MaskEdit *&d, const char *scad, MaskEdit *&s) {
        label(p, title, 16, y);
        c = combo(p, cb, docTypes, 16, y + 20, 180);
        label(p, QStringLiteral("Numero "), 208, y);
        n = edit(p, num, 208, y + 20, 150);
        label(p, QStringLiteral("Ralasciata da:"), 370, y);
        e = edit(p, ente, 370, y + 20, 160);
        label(p, QStringLiteral("Del "), 542, y);
        d = mask(p, del, kDateMask, 542, y + 20, 100);
        label(p, QStringLiteral("Scade il"), 654, y);
        s = mask(p, scad, kDateMask, 654, y + 20, 100);
    };
    docBlock(QStringLiteral("Documento 1"), 16, "ComboBox5", ComboBox5, "Edit11", Edit11, "Edit18", Edit18, "MaskEdit3",
             MaskEdit3, "MaskEdit4", MaskEdit4);
    docBlock(QStringLiteral("Documento 2"), 80, "ComboBox6", ComboBox6, "Edit12", Edit12, "Edit19", Edit19, "MaskEdit5",
             MaskEdit5, "MaskEdit6", MaskEdit6);
    label(p, QStringLiteral("Note Patente"), 16, 148);
    Memo2 = memo(p, "Memo2", 16, 168, 738, 200);

    // ---- Patenti: the organisation's licence, written by the licence list.
    p = TabPatenti;
    label(p, QStringLiteral("Patente VLM numero"), 16, 16, 160);
    Edit20 = edit(p, "Edit20", 16, 36, 180);
    label(p, QStringLiteral("Categoria "), 208, 16);
    Edit21 = edit(p, "Edit21", 208, 36, 100);
    label(p, QStringLiteral("Rilasciata il"), 320, 16);
    Edit22 = edit(p, "Edit22", 320, 36, 110);
    label(p, QStringLiteral("Scade il"), 442, 16);
    Edit23 = edit(p, "Edit23", 442, 36, 110);
    for (QLineEdit *e : {Edit20, Edit21, Edit22, Edit23}) e->setReadOnly(true);

    // ---- Disponibilità
    p = TabDisponibilita;
    CheckListBox1 = new QListWidget(p);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setGeometry(0, 0, 201, 466);
    on(CheckListBox1, &QListWidget::itemDoubleClicked, this, [this] { CheckListBox1DblClick(); });

    // ---- Abbigliamento
    p = TabAbbigliamento;
    m_vestitiModel = new TFoVolontarioVestiti(m_vestiti, this);
    GridVestiti = new QTableView(p);
    GridVestiti->setObjectName(QStringLiteral("GridVestiti"));
    GridVestiti->setGeometry(8, 8, 600, 440);
    GridVestiti->setModel(m_vestitiModel);
    GridVestiti->setItemDelegate(new VestitiDelegate(GridVestiti));
    GridVestiti->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    GridVestiti->verticalHeader()->setDefaultSectionSize(24);
    for (int i = 0; i < 4; ++i) GridVestiti->setColumnWidth(i, kVestitiColumns[i].width);
    GridVestiti->installEventFilter(new VestitiKeys(GridVestiti, [this] {
        const int r = appendVestito();
        GridVestiti->setCurrentIndex(m_vestitiModel->index(r, 0));
    }));

    // ---- Titoli, Attività, Servizi, Assegnati
    auto grid = [this](QWidget *p, const char *name, GridTable *t, GridModel *&m, const QList<GridColumn> &cols,
                       int w) {
        m = new GridModel(t, this);
        m->setColumns(cols);
        auto *g = new DBGrid(p);
        g->setObjectName(QString::fromLatin1(name));
        g->setGeometry(8, 8, w, 440);
        g->setGridModel(m);
        return g;
    };
    DBGrid1 = grid(TabTitoli, "DBGrid1", m_titoli, m_titoliModel,
                   {{QStringLiteral("TIP"), QStringLiteral("TIP"), 40},
                    {QStringLiteral("TITOLO"), QStringLiteral("TITOLO"), 300},
                    {QStringLiteral("DATA"), QStringLiteral("DATA"), 90},
                    {QStringLiteral("LUOGO"), QStringLiteral("LUOGO"), 132},
                    {QStringLiteral("NUMERO "), QStringLiteral("NMRATTESTATO"), 140}},
                   760);
    Button2 = new QPushButton(QStringLiteral(" + "), TabTitoli);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(776, 8, 32, 28);
    Button2->setAutoDefault(false);
    Button3 = new QPushButton(QStringLiteral(" - "), TabTitoli);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(776, 44, 32, 28);
    Button3->setAutoDefault(false);
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });

    DBGrid2 = grid(TabAttivita, "DBGrid2", m_attivita, m_attivitaModel,
                   {{QStringLiteral("ATTIVITA"), QStringLiteral("ATTIVITA"), 140},
                    {QStringLiteral("ATTESTATO"), QStringLiteral("ATTESTATO"), 200},
                    {QStringLiteral("DATA"), QStringLiteral("DATA"), 90},
                    {QStringLiteral("LUOGO"), QStringLiteral("LUOGO"), 124},
                    {QStringLiteral("RISULTATO"), QStringLiteral("RISULTATO"), 118}},
                   720);
    DBGrid3 = grid(TabServizi, "DBGrid3", m_servizi, m_serviziModel,
                   {{QStringLiteral("ENTRATA"), QStringLiteral("ENTRATA"), 150},
                    {QStringLiteral("Durata"), QStringLiteral("Durata"), 90},
                    {QStringLiteral("TIPO"), QStringLiteral("TIPO"), 120}},
                   420);
    DBGrid4 = grid(TabAssegnati, "DBGrid4", m_assegnati, m_assegnatiModel,
                   {{QStringLiteral("Data"), QStringLiteral("Data"), 90},
                    {QStringLiteral("OrarioPartenza"), QStringLiteral("OrarioPartenza"), 110},
                    {QStringLiteral("Durata"), QStringLiteral("Durata"), 70},
                    {QStringLiteral("Partenza"), QStringLiteral("Partenza"), 230},
                    {QStringLiteral("Destinazione"), QStringLiteral("Destinazione"), 230},
                    {QStringLiteral("SiglaMezzo"), QStringLiteral("SiglaMezzo"), 150}},
                   900);

    // ---- Altro
    p = TabAltro;
    label(p, QStringLiteral("Utente"), 16, 16);
    Utente = edit(p, "Utente", 16, 36, 180);
    label(p, QStringLiteral("Password"), 208, 16);
    Password = edit(p, "Password", 208, 36, 180);
    Password->setEchoMode(QLineEdit::Password);
    label(p, QStringLiteral("Stato"), 400, 16);
    ComboBox1 = combo(p, "ComboBox1",
                      {QStringLiteral("Attivo"), QStringLiteral("Riserva"), QStringLiteral("Sospeso"),
                       QStringLiteral("Dismesso "), QStringLiteral("Trasferito"), QStringLiteral("Deceduto"),
                       QStringLiteral("Dipendente"), QStringLiteral("Malattia")},
                      400, 36, 160);
    const QStringList levelNames = {QStringLiteral("Livello Farmaci"),   QStringLiteral("Livello Autoparco"),
                                    QStringLiteral("Livello Servizi"),   QStringLiteral("Livello Volontari"),
                                    QStringLiteral("Livello Formatore"), QStringLiteral("Livello Donatori")};
    QLineEdit **lv[6] = {&Edit10, &Edit13, &Edit14, &Edit15, &Edit16, &Edit17};
    const char *lvNames[6] = {"Edit10", "Edit13", "Edit14", "Edit15", "Edit16", "Edit17"};
    for (int i = 0; i < 6; ++i) {
        const int x = 16 + i * 124;
        m_levelLabels << label(p, levelNames[i], x, 72, 120);
        *lv[i] = edit(p, lvNames[i], x, 92, 40);
    }
    label(p, QStringLiteral("Utente LifeMobile"), 16, 128, 160);
    Edit24 = edit(p, "Edit24", 16, 148, 180);
    label(p, QStringLiteral("Password LifeMobile"), 208, 128, 160);
    Edit25 = edit(p, "Edit25", 208, 148, 180);
    label(p, QStringLiteral("Note Pubbliche"), 16, 184);
    Memo1 = memo(p, "Memo1", 16, 204, 364, 250);
    label(p, QStringLiteral("Note Interne "), 392, 184);
    Memo3 = memo(p, "Memo3", 392, 204, 364, 250);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(852, 516, 120, 34);
    Button1->setAutoDefault(false);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    // Changes the user makes (a pick or typing); texts set by the program do not count.
    for (QComboBox *c : {ComboBox4, ComboBox9}) {
        on(c, &QComboBox::activated, this, [this] { ComboBox4Change(); });
        on(c->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBox4Change(); });
    }
    on(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    on(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBox1Change(); });

    PageControl1->setCurrentWidget(TabInformazioni);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int i) { tabChanged(i); });
}

TFoVolontario::~TFoVolontario()
{
    delete m_vestiti;
    delete m_titoli;
    delete m_attivita;
    delete m_servizi;
    delete m_assegnati;
}

GridTable *TFoVolontario::vestiti() const { return m_vestiti; }

int TFoVolontario::appendVestito() { return m_vestitiModel->append(); }

QList<QCheckBox *> TFoVolontario::preferences() const
{
    return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6,
            CheckBox7, CheckBox8, CheckBox9, CheckBox10, CheckBox11, CheckBox12};
}

QList<QLineEdit *> TFoVolontario::levels() const { return {Edit10, Edit13, Edit14, Edit15, Edit16, Edit17}; }

qint64 TFoVolontario::slotKey(const QString &item)
{
    const int blank = item.indexOf(QLatin1Char(' '));
    return strToIntDef((blank < 0 ? item : item.left(blank)).trimmed(), 0);
}

QString TFoVolontario::defaultLogin(const QString &nome)
{
    const int blank = nome.indexOf(QLatin1Char(' '));
    if (blank < 0) return nome.left(1);
    return nome.left(blank) + nome.mid(blank + 1, 1);
}

void TFoVolontario::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The current tab is shown again (the Informazioni tab runs its own handler first
    // when the window opens), then the record is read afresh.
    guard([this] { tabChanged(PageControl1->currentIndex()); });
    guard([this] { FormActivate(); });
}

void TFoVolontario::tabChanged(int index)
{
    QWidget *w = PageControl1->widget(index);
    if (m_shownTab == TabServizi && w != TabServizi) guard([this] { TabServiziHide(); });
    m_shownTab = w;
    if (w == TabTitoli) guard([this] { TabTitoliShow(); });
    else if (w == TabAttivita) guard([this] { TabAttivitaShow(); });
    else if (w == TabServizi) guard([this] { TabServiziShow(); });
    else if (w == TabAssegnati) guard([this] { TabAssegnatiShow(); });
    else if (w == TabInformazioni) guard([this] { TabInformazioniShow(); });
    else if (w == TabAbbigliamento) guard([this] { TabAbbigliamentoShow(); });
    else if (w == TabDisponibilita) guard([this] { TabDisponibilitaShow(); });
}

void TFoVolontario::FormActivate()
{
    m_roleChanged = false;
    m_stateChanged = false;
    Codice->setText(QString::number(m_id));

    Query TbS(kDB);
    TbS.add(QStringLiteral("select * from volontari where ID=:CDD"));
    TbS.bindInt(QStringLiteral("CDD"), m_id);
    TbS.open();
    const bool found = !TbS.isEmpty();
    auto col = [&](const char *c) { return found ? TbS.str(QString::fromLatin1(c)) : QString(); };
    auto docDate = [&](MaskEdit *box, const char *c) {
        const QString t = col(c);
        box->setText(t == QLatin1String("01/01/1000") ? QString() : t);
    };

    Nome->setText(col("Nome"));
    Indirizzo->setText(col("Indirizzo"));
    Edit1->setText(col("CAP"));
    Edit2->setText(col("Citta"));
    ComboBox3->setEditText(col("Provincia"));
    MaskEdit1->setText(col("Datadinascita"));
    Edit3->setText(col("Luogodinascita"));
    ComboBox2->setEditText(col("Sesso"));
    MaskEdit2->setText(col("Codicefiscale"));
    MaskEdit7->setText(col("Peso"));
    MaskEdit8->setText(col("Altezza"));
    if (MaskEdit7->text().trimmed().isEmpty()) MaskEdit7->setText(QStringLiteral("0"));
    if (MaskEdit8->text().trimmed().isEmpty()) MaskEdit8->setText(QStringLiteral("0"));
    Edit4->setText(col("Telefono"));
    Edit6->setText(col("Cellulare"));
    Edit7->setText(col("Cellulare2"));
    Edit5->setText(col("Mail"));
    Edit26->setText(col("Mail2"));

    Edit8->setText(col("Titolodistudio"));
    Edit9->setText(col("Professione"));
    ComboBox4->setEditText(col("LivelloA1"));
    ComboBox8->setEditText(col("TUTOR"));
    ComboBox9->setEditText(col("TIPO"));
    const char *prefCols[12] = {"Area1", "Area2", "Area3", "Area4", "Area5", "Area6",
                                "Ordinarie", "Emergenza", "Opem", "NoAmbulanza", "OpemN", "SerCivile"};
    const QList<QCheckBox *> prefs = preferences();
    for (int i = 0; i < 12; ++i) prefs[i]->setChecked(col(prefCols[i]) == QLatin1String("SI"));

    ComboBox5->setEditText(col("TipoDoc"));
    Edit11->setText(col("Documento"));
    Edit18->setText(col("EnteDoc"));
    docDate(MaskEdit3, "DataDoc");
    docDate(MaskEdit4, "ScadDoc");
    ComboBox6->setEditText(col("TipoDoc2"));
    Edit12->setText(col("Documento2"));
    Edit19->setText(col("EnteDoc2"));
    docDate(MaskEdit5, "DataDoc2");
    docDate(MaskEdit6, "ScadDoc2");
    Memo2->setPlainText(col("NOTEP"));

    Edit20->setText(col("PATVLMN"));
    Edit21->setText(col("PATVLM"));
    Edit22->setText(col("ESAMEPATVLM"));
    Edit23->setText(col("SCADPATVLM"));

    Utente->setText(col("Utente"));
    Password->setText(col("Password"));
    ComboBox1->setEditText(col("Stato"));
    const char *lvCols[6] = {"LivelloF", "LivelloM", "LivelloS", "LivelloV", "LivelloA", "LivelloP"};
    const QList<QLineEdit *> lv = levels();
    for (int i = 0; i < 6; ++i) lv[i]->setText(col(lvCols[i]));
    Edit24->setText(col("MOBILE_UTN"));
    Edit25->setText(col("MOBILE_PAS"));
    Memo1->setPlainText(col("NOTE"));
    Memo3->setPlainText(col("NOTEI"));
    TbS.close();

    vlm::disconnect(kDB);
    applyAccess();
}

void TFoVolontario::applyAccess()
{
    const int d = m_livello;
    for (QWidget *t : {TabTitoli, TabAttivita, TabServizi, TabAssegnati, TabAltro})
        PageControl1->setTabVisible(PageControl1->indexOf(t), d >= 3);

    for (QWidget *w : std::initializer_list<QWidget *>{Nome, Indirizzo, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7,
                                                       Edit8, Edit9, MaskEdit1, MaskEdit2, ComboBox2})
        w->setEnabled(d >= 5);

    for (QCheckBox *c : preferences()) c->setEnabled(d >= 8);

    for (QLineEdit *e : levels()) e->setVisible(d == 9);
    for (QWidget *l : std::as_const(m_levelLabels)) l->setVisible(d == 9);
    ComboBox1->setEnabled(d == 9);
}

void TFoVolontario::updateTutor()
{
    const bool trainee = isTraineeship(ComboBox4->currentText());
    LabelTutor->setVisible(trainee);
    ComboBox8->setVisible(trainee);
    BtnMail->setVisible(trainee);
}

void TFoVolontario::ComboBox4Change()
{
    m_roleChanged = true;
    // A new role starts without a tutor; one is chosen again for a new traineeship.
    ComboBox8->setEditText(QString());
    updateTutor();
}

void TFoVolontario::BtnMailClick()
{
    const QString mail = Edit5->text();
    if (mail.isEmpty()) return;

    const QString tutor = ComboBox8->currentText();
    QString dest = mail;
    QString telefono;
    {
        Query q(kDB);
        q.add(QStringLiteral("select Mail,Cellulare from volontari where Nome=:NOM"));
        q.bindText(QStringLiteral("NOM"), tutor.trimmed());
        q.open();
        if (!q.isEmpty()) {
            dest = mail + QLatin1Char(';') + q.str(QStringLiteral("Mail"));
            telefono = q.str(QStringLiteral("Cellulare"));
        }
        q.close();
    }
    vlm::disconnect(kDB);

    // The branch's own contacts are settings, so they change without a new program.
    const QString feriali = LeggiDato(QStringLiteral("TUTOR_TELEFONO_FERIALI"));
    const QString referente1 = LeggiDato(QStringLiteral("TUTOR_REFERENTE_FERIALI_1"));
    const QString referente2 = LeggiDato(QStringLiteral("TUTOR_REFERENTE_FERIALI_2"));
    const QString festivi = LeggiDato(QStringLiteral("TUTOR_REFERENTE_FESTIVI"));
    const QString telFestivi = LeggiDato(QStringLiteral("TUTOR_TELEFONO_FESTIVI"));
    const QString incaricato = LeggiDato(QStringLiteral("TUTOR_INCARICATO"));
    const QString telIncaricato = LeggiDato(QStringLiteral("TUTOR_TELEFONO_INCARICATO"));

    const QStringList corpo = {
        QStringLiteral("Caro ") + Nome->text() + QStringLiteral(","),
        QStringLiteral("Con la presente sono a comunicarti che da Oggi puoi iniziare a fare il Tirocinio."),
        QStringLiteral("La fase di tirocinio e' molto importante e ti permetterà di prendere confidenza con i mezzi"),
        QStringLiteral("e con i presidi che hai conosciuto durante il corso."),
        QStringLiteral("Durante tutto il periodo del tirocinio avrai a disposizione un tutor al quale potrai rivolgerti "
                       "per ogni problema"),
        QStringLiteral("o richiesta."),
        QStringLiteral("Il Tutor a te assegnato e' ") + tutor + QStringLiteral(" che potrai contattare al numero ") +
            telefono + QStringLiteral(" ."),
        QStringLiteral("Ti ricordo che in base alle tue disponibilita' potrai svolgere servizio nei giorni dal lunedi' "
                       "al venerdi o nel fine settimana."),
        QStringLiteral("Per comunicare le tue disponibilita ad essere chiamato nei giorni infrasettimanali sei pregato di"),
        QStringLiteral("chiamare il numero ") + feriali +
            QStringLiteral(" dalle 8:00 alle 20:00 dei giorni infrasettimanali e chiedere di ") + referente1 +
            QStringLiteral(" o ") + referente2,
        QStringLiteral("Per comunicare le tue disponibilita' ad essere chiamato nel fine settimana sei pregato di "
                       "chiamare il referente "),
        festivi + QStringLiteral(" al Numero ") + telFestivi,
        QStringLiteral("Si ricorda inoltre che per lo svolgimento dei servizi e' obbligatorio indossare la divisa, se "
                       "non l'hai ancora "),
        QStringLiteral("ricevuta sara' cura del Presidente contattarti il prima possibile per concordare la consegna."),
        QStringLiteral("La divisa e' personale e potrai indossarla per tutto il tempo che rimani in Velmora, "),
        QStringLiteral("nel caso non svolgessi più servizio dovrai riconsegnarla."),
        QStringLiteral("Ti auguro di trovarti bene nel nostro gruppo e di rimanere con noi il piu' a lungo possibile "),
        QStringLiteral(" "),
        QStringLiteral("L'incaricato"),
        incaricato,
        QStringLiteral("Tel. ") + telIncaricato,
    };
    Corpo->setPlainText(corpo.join(QLatin1Char('\n')));

    InviaMail(dest, QStringLiteral("Assegnazione Tutor"), corpo, QString());
    ScriviDato(QStringLiteral("INVIOTUTOR"), dateToStr(QDate::currentDate()));
}

void TFoVolontario::ComboBox1Change() { m_stateChanged = true; }

void TFoVolontario::TabInformazioniShow()
{
    // The possible tutors: the active volunteers and the employees.
    Query q(kDB);
    q.add(QStringLiteral("select Nome from volontari where stato='Attivo' or stato='Dipendente' Order by Nome"));
    q.open();
    QStringList names{QString()};
    for (; !q.eof(); q.next()) names << q.str(QStringLiteral("Nome"));
    q.close();
    const QString text = ComboBox8->currentText();
    ComboBox8->clear();
    ComboBox8->addItems(names);
    ComboBox8->setEditText(text);
    vlm::disconnect(kDB);
    if (isTraineeship(ComboBox4->currentText())) {
        LabelTutor->setVisible(true);
        ComboBox8->setVisible(true);
    }
}

void TFoVolontario::TabAbbigliamentoShow()
{
    m_vestiti->empty();
    Query q(kDB);
    q.add(QStringLiteral("select * from Vestiti where IDV=:IDV ORDER BY DATACONS DESC"));
    q.bindInt(QStringLiteral("IDV"), m_id);
    q.open();
    for (; !q.eof(); q.next()) {
        const int r = m_vestiti->append();
        m_vestiti->set(r, QStringLiteral("ID"), q.integer(QStringLiteral("ID")));
        m_vestiti->set(r, QStringLiteral("CAPO"), q.str(QStringLiteral("CAPO")));
        m_vestiti->set(r, QStringLiteral("TAGLIA"), q.str(QStringLiteral("TAGLIA")));
        m_vestiti->set(r, QStringLiteral("DATACONS"), q.value(QStringLiteral("DATACONS")));
        m_vestiti->set(r, QStringLiteral("DATARESO"), q.value(QStringLiteral("DATARESO")));
    }
    q.close();
    vlm::disconnect(kDB);
    m_vestitiModel->refresh();
}

void TFoVolontario::TabDisponibilitaShow()
{
    CheckListBox1->clear();
    Query q(kDB);
    q.add(QStringLiteral("select CONCAT(ID,' ',DESCRIZ) TXT from OrariTurni where Attivo != 'N' ORDER BY GIORNO,TIPO,ORAI"));
    q.open();
    for (; !q.eof(); q.next()) {
        auto *item = new QListWidgetItem(q.str(QStringLiteral("TXT")), CheckListBox1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    q.close();

    Query d(kDB);
    d.add(QStringLiteral("SELECT ID from disponibilita where IDV=:IDV AND IDT=:IDT"));
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        QListWidgetItem *item = CheckListBox1->item(i);
        const qint64 key = slotKey(item->text());
        if (key <= 0) continue;
        d.bindInt(QStringLiteral("IDV"), m_id).bindInt(QStringLiteral("IDT"), key);
        d.open();
        item->setCheckState(d.isEmpty() ? Qt::Unchecked : Qt::Checked);
        d.close();
    }
    vlm::disconnect(kDB);
}

void TFoVolontario::TabTitoliShow()
{
    m_titoli->empty();
    m_titoliModel->refresh();
    if (m_id <= 0) return;  // a new person has no history (0 also marks an empty crew place)
    Query q(kDB);
    q.add(QStringLiteral("select * from Titolic where idvolontario=:IDV order by dataesame desc"));
    q.bindInt(QStringLiteral("IDV"), m_id);
    q.open();
    for (; !q.eof(); q.next()) {
        const int r = m_titoli->append();
        m_titoli->set(r, QStringLiteral("TITOLO"), q.str(QStringLiteral("DESCRIZIONE")));
        m_titoli->set(r, QStringLiteral("DATA"), q.value(QStringLiteral("DATAESAME")));
        m_titoli->set(r, QStringLiteral("LUOGO"), q.str(QStringLiteral("LUOGO")));
        m_titoli->set(r, QStringLiteral("TIP"), q.str(QStringLiteral("TIP")));
        m_titoli->set(r, QStringLiteral("NMRATTESTATO"), q.str(QStringLiteral("NMRATTESTATO")));
        m_titoli->set(r, QStringLiteral("ID"), q.integer(QStringLiteral("ID")));
        m_titoliModel->refresh();
    }
    q.close();
}

void TFoVolontario::TabAttivitaShow()
{
    // Emptied also when nothing is returned, so that a row removed meanwhile does not stay.
    m_attivita->empty();
    m_attivitaModel->refresh();
    if (m_id <= 0) return;  // a new person has no history (0 also marks an empty crew place)
    Query q(kDB);
    q.add(QStringLiteral(
        "select EL2.DESCRIZIONE ATTIV, incontri.DATA DATA,EL1.descrizione TIPOS,incontri.LUOGO LUOGO,Partecipanti.RISULTATO "
        "from Partecipanti  left join incontri on incontri.ID=Partecipanti.IDINCONTRI  left join Attivita on "
        "Attivita.ID=incontri.IDATTIVITA  left join Elenchi EL1 on EL1.CODICE=incontri.TIPO and EL1.TIPO='I' left join "
        "Elenchi EL2 ON EL2.CODICE=Attivita.CODICE and EL2.TIPO='C' where IDVOLONTARIO=:IDV order by DATA DESC"));
    q.bindInt(QStringLiteral("IDV"), m_id);
    q.open();
    for (; !q.eof(); q.next()) {
        const int r = m_attivita->append();
        m_attivita->set(r, QStringLiteral("ATTIVITA"), q.str(QStringLiteral("ATTIV")));
        m_attivita->set(r, QStringLiteral("ATTESTATO"), q.str(QStringLiteral("TIPOS")));
        m_attivita->set(r, QStringLiteral("DATA"), q.value(QStringLiteral("DATA")));
        m_attivita->set(r, QStringLiteral("LUOGO"), q.str(QStringLiteral("LUOGO")));
        m_attivita->set(r, QStringLiteral("RISULTATO"), q.str(QStringLiteral("RISULTATO")));
        m_attivitaModel->refresh();
    }
    q.close();
    vlm::disconnect(kDB);
}

void TFoVolontario::TabServiziShow()
{
    // Start and duration are computed with ADDTIME/TIMEDIFF: adding or subtracting TIME
    // values with + and - works on their digits as numbers (10:15 - 08:30 is no time at
    // all). A shift that ends past midnight lasts until the end time of the next day.
    m_servizi->empty();
    m_serviziModel->refresh();
    if (m_id <= 0) return;  // a new person has no history (0 also marks an empty crew place)
    Query q(kDB);
    q.add(QStringLiteral(
        "select entrata,tipo,tempo Durata from cartellini where codice =:COD  union select "
        "cast(ADDTIME(dataservizio,cast(orariopartenza as time)) as datetime) entrata,CONCAT('PR ',LTRIM(CAST(ID AS CHAR))) "
        "tipo,cast(Durata as TIME) from servizi where idAutista=:COD or idVolontario1=:COD or IdVolontario2=:COD or "
        "IdVolontario3=:COD union select CAST(ADDTIME(CAST(Data AS DATETIME),CAST(ORAI AS TIME)) AS DATETIME) entrata,mezzo "
        "tipo,cast(TIMEDIFF(ADDTIME(cast(oraf as time),IF(cast(oraf as time)<cast(orai as time),'24:00:00','00:00:00')),"
        "cast(orai as time)) as time) Durata from Turni where IDV=:COD order by entrata desc "));
    q.bindInt(QStringLiteral("COD"), m_id);
    q.open();
    for (; !q.eof(); q.next()) {
        const int r = m_servizi->append();
        m_servizi->set(r, QStringLiteral("ENTRATA"), q.value(QStringLiteral("entrata")));
        m_servizi->set(r, QStringLiteral("TIPO"), q.str(QStringLiteral("tipo")));
        m_servizi->set(r, QStringLiteral("Durata"), q.str(QStringLiteral("Durata")));
        m_serviziModel->refresh();
    }
    q.close();
}

void TFoVolontario::TabServiziHide() { vlm::disconnect(kDB); }

void TFoVolontario::TabAssegnatiShow()
{
    m_assegnati->empty();
    m_assegnatiModel->refresh();
    if (m_id <= 0) return;  // a new person has no history (0 also marks an empty crew place)
    Query q(kDB);
    q.add(QStringLiteral("Select * from servizic where (idVolontario1=:COD or IdAutista=:COD or IdVolontario2=:COD or "
                         "IdVolontario3=:COD) and dataservizio >= current_date order by dataservizio"));
    q.bindInt(QStringLiteral("COD"), m_id);
    q.open();
    for (; !q.eof(); q.next()) {
        const int r = m_assegnati->append();
        m_assegnati->set(r, QStringLiteral("Data"), q.value(QStringLiteral("dataservizio")));
        m_assegnati->set(r, QStringLiteral("OrarioPartenza"), q.str(QStringLiteral("orariopartenza")));
        m_assegnati->set(r, QStringLiteral("Durata"), q.str(QStringLiteral("Durata")));
        m_assegnati->set(r, QStringLiteral("Partenza"), q.str(QStringLiteral("luogoprelievo")));
        m_assegnati->set(r, QStringLiteral("Destinazione"), q.str(QStringLiteral("destinazionepz")));
        m_assegnati->set(r, QStringLiteral("SiglaMezzo"), q.str(QStringLiteral("siglamezzo")));
        m_assegnatiModel->refresh();
    }
    q.close();
}

void TFoVolontario::openTitolo(qint64 idTitolo)
{
    // A person not saved yet has no key: a qualification written now would belong to nobody.
    if (m_id <= 0) {
        showMessage(QStringLiteral("Salvare il volontario prima di inserire i titoli"));
        return;
    }
    // The record stays open underneath (hiding a modal window would end it); what its
    // showing again does is done here: the assigned list, the current tab, the record.
    TFoTitoli::openFor(this, m_id, idTitolo);
    TabAssegnatiShow();
    guard([this] { tabChanged(PageControl1->currentIndex()); });
    FormActivate();
}

void TFoVolontario::Button2Click() { openTitolo(0); }

void TFoVolontario::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_titoli->rowCount()) return;
    openTitolo(m_titoli->integer(r, QStringLiteral("ID")));
}

void TFoVolontario::Button3Click()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_titoli->rowCount()) return;
    TFoTitoli::deleteQualification(m_titoli->text(r, QStringLiteral("TIP")), m_titoli->integer(r, QStringLiteral("ID")));
}

void TFoVolontario::CheckListBox1DblClick()
{
    {
        std::unique_ptr<TFoDispo> f(new TFoDispo(this));
        f->setVolontario(m_id);
        f->setId(0);
        showModal(f.get());
    }
    // Active again: the record is read afresh.
    FormActivate();
}

void TFoVolontario::Button1Click()
{
    // 1. Defaults, written into the boxes before anything is stored.
    if (Utente->text().isEmpty()) Utente->setText(defaultLogin(Nome->text()));
    if (ComboBox1->currentText().isEmpty()) ComboBox1->setEditText(QStringLiteral("Attivo"));
    if (Password->text().isEmpty()) Password->setText(QStringLiteral("9573"));
    for (QLineEdit *e : levels())
        if (e->text().isEmpty()) e->setText(QStringLiteral("4"));

    // 2-3. The person's statement; the document dates are converted first, so that a
    // date that is no date stops the save before anything is written.
    Query SQL1(kDB);
    if (m_id < 1) {
        SQL1.add(QStringLiteral(
            "Insert into volontari(stato,Nome,Cellulare,Cellulare2,Telefono,Indirizzo,CAP,Citta,Provincia,Mail,Sesso,"
            "Luogodinascita,Datadinascita,Titolodistudio,Professione,Codicefiscale,Utente,Password,LivelloA1,Area1,Area2,"
            "Area3,Area4,Area5,Area6,Ordinarie,Emergenza,Opem,LivelloF,LivelloM,LivelloS,LivelloV,LivelloA,LivelloP,"
            "TipoDoc,Documento,EnteDoc,DataDoc,ScadDoc,TipoDoc2,Documento2,EnteDoc2,DataDoc2,ScadDoc2,Peso,Altezza,Note,"
            "NOTEP,MOBILE_UTN,MOBILE_PAS,Mail2,TUTOR,NoAmbulanza,OpemN,SerCivile,NoteI,TIPO) "
            "values(:STA,:NOM,:CEL,:CE1,:TLF,:IND,:CPA,:CIT,:PRV,:MAI,:SES,:LDN,:DTN,:TDS,:PRF,:CDF,:UTE,:PSS,:LA1,:AR1,"
            ":AR2,:AR3,:AR4,:AR5,:AR6,:ORD,:EME,:OPM,:LVF,:LVM,:LVS,:LVV,:LVA,:LVP,:TDC,:DOC,:EDC,:DDC,:SDC,:TD2,:DO2,"
            ":ED2,:DD2,:SD2,:PSO,:ALZ,:NTE,:NTP,:MUT,:MPA,:ML2,:TUR,:NOA,:OPN,:CVL,:NTI,:TIP)"));
    } else {
        SQL1.add(QStringLiteral(
            "Update volontari set stato=:STA,Nome=:NOM,Cellulare=:CEL,Cellulare2=:CE1,Telefono=:TLF,Indirizzo=:IND,"
            "CAP=:CPA,Citta=:CIT,Provincia=:PRV,Mail=:MAI,Sesso=:SES,Luogodinascita=:LDN,Datadinascita=:DTN,"
            "Titolodistudio=:TDS,Professione=:PRF,Codicefiscale=:CDF,Utente=:UTE,Password=:PSS,LivelloA1=:LA1, "
            "Area1=:AR1,Area2=:AR2,Area3=:AR3,Area4=:AR4,Area5=:AR5,Area6=:AR6,Ordinarie=:ORD,Emergenza=:EME,Opem=:OPM, "
            "LivelloF=:LVF,LivelloM=:LVM,LivelloS=:LVS,LivelloV=:LVV,LivelloA=:LVA,LivelloP=:LVP,TipoDoc=:TDC,"
            "Documento=:DOC, EnteDoc=:EDC,Datadoc=:DDC,ScadDoc=:SDC,TipoDoc2=:TD2,Documento2=:DO2,EnteDoc2=:ED2,"
            "DataDoc2=:DD2,ScadDoc2=:SD2, Peso=:PSO,Altezza=:ALZ,Note=:NTE,NOTEP=:NTP,MOBILE_UTN=:MUT,MOBILE_PAS=:MPA,"
            "Mail2=:ML2,TUTOR=:TUR,NoAmbulanza=:NOA,OpemN=:OPN,SerCivile=:CVL,NoteI=:NTI,TIPO=:TIP where ID=:CDD"));
        SQL1.bindText(QStringLiteral("CDD"), QString::number(m_id));
    }
    bindDocDate(SQL1, QStringLiteral("DDC"), MaskEdit3);
    bindDocDate(SQL1, QStringLiteral("SDC"), MaskEdit4);
    bindDocDate(SQL1, QStringLiteral("DD2"), MaskEdit5);
    bindDocDate(SQL1, QStringLiteral("SD2"), MaskEdit6);

    auto text = [&](const char *param, const QString &v) { SQL1.bindText(QString::fromLatin1(param), v); };
    text("STA", ComboBox1->currentText());
    text("NOM", Nome->text());
    text("CEL", Edit6->text());
    text("CE1", Edit7->text());
    text("TLF", Edit4->text());
    text("IND", Indirizzo->text());
    text("CPA", Edit1->text());
    text("CIT", Edit2->text());
    text("PRV", ComboBox3->currentText());
    text("MAI", Edit5->text());
    text("SES", ComboBox2->currentText());
    text("LDN", Edit3->text());
    // The date of birth is kept as the text typed; a box left empty stores no text.
    text("DTN", MaskEdit1->isMaskEmpty() ? QString() : MaskEdit1->text());
    text("TDS", Edit8->text());
    text("PRF", Edit9->text());
    text("CDF", MaskEdit2->isMaskEmpty() ? QString() : MaskEdit2->text());
    text("UTE", Utente->text());
    text("PSS", Password->text());
    text("LA1", ComboBox4->currentText());
    const char *prefParams[12] = {"AR1", "AR2", "AR3", "AR4", "AR5", "AR6", "ORD", "EME", "OPM", "NOA", "OPN", "CVL"};
    const QList<QCheckBox *> prefs = preferences();
    for (int i = 0; i < 12; ++i) text(prefParams[i], flag(prefs[i]));
    const char *lvParams[6] = {"LVF", "LVM", "LVS", "LVV", "LVA", "LVP"};
    const QList<QLineEdit *> lv = levels();
    for (int i = 0; i < 6; ++i) text(lvParams[i], lv[i]->text().trimmed());
    text("TDC", ComboBox5->currentText());
    text("DOC", Edit11->text());
    text("EDC", Edit18->text());
    text("TD2", ComboBox6->currentText());
    text("DO2", Edit12->text());
    text("ED2", Edit19->text());
    text("PSO", numberText(MaskEdit7));
    text("ALZ", numberText(MaskEdit8));
    text("NTE", Memo1->toPlainText());
    text("NTP", Memo2->toPlainText());
    text("MUT", Edit24->text());
    text("MPA", Edit25->text());
    text("ML2", Edit26->text());
    text("TUR", ComboBox8->currentText());
    text("NTI", Memo3->toPlainText());
    text("TIP", ComboBox9->currentText());

    // 4-5. The person in one transaction; a new person's key is read on the same
    // connection before the commit, so that the window never holds a stored person under
    // the key 0. On any error nothing stays written, the connection is closed and the
    // window keeps the values typed.
    const bool nuovo = m_id < 1;
    qint64 newId = 0;
    try {
        vlm::connection(kDB);
        startTransaction(kDB);
        SQL1.exec();
        if (nuovo) {
            Query k(kDB);
            k.add(QStringLiteral("select LAST_INSERT_ID() NEWID"));
            k.open();
            newId = k.integer(QStringLiteral("NEWID"));
            k.close();
        }
        commit(kDB);
    } catch (...) {
        try {
            rollback(kDB);
        } catch (...) {
        }
        vlm::disconnect(kDB);
        return;
    }
    if (nuovo) {
        m_id = newId;
        Codice->setText(QString::number(m_id));
    }

    // 6. Clothing: each row written; a new row takes its key, so that a further save
    // updates it instead of adding it again.
    for (int r = 0; r < m_vestiti->rowCount(); ++r) {
        Query v(kDB);
        const qint64 idRow = m_vestiti->integer(r, QStringLiteral("ID"));
        if (idRow != 0) {
            v.add(QStringLiteral("UPDATE Vestiti SET CAPO=:CPO,TAGLIA=:TGL,DATACONS=:DTC,DATARESO=:DTR WHERE ID=:IDA"));
            v.bindInt(QStringLiteral("IDA"), idRow);
        } else {
            v.add(QStringLiteral("INSERT INTO Vestiti(IDV,CAPO,TAGLIA,DATACONS,DATARESO) VALUES(:IDV,:CPO,:TGL,:DTC,:DTR)"));
            v.bindInt(QStringLiteral("IDV"), m_id);
        }
        v.bindText(QStringLiteral("CPO"), m_vestiti->text(r, QStringLiteral("CAPO")));
        v.bindText(QStringLiteral("TGL"), m_vestiti->text(r, QStringLiteral("TAGLIA")));
        for (const auto &[param, field] : {std::pair{"DTC", "DATACONS"}, std::pair{"DTR", "DATARESO"}}) {
            const QDateTime dt = m_vestiti->value(r, QString::fromLatin1(field)).toDateTime();
            if (dt.isValid()) v.bindDateTime(QString::fromLatin1(param), dt);
            else v.bindNull(QString::fromLatin1(param));
        }
        v.exec();
        if (idRow == 0) {
            Query k(kDB);
            k.add(QStringLiteral("select LAST_INSERT_ID() NEWID"));
            k.open();
            m_vestiti->set(r, QStringLiteral("ID"), k.integer(QStringLiteral("NEWID")));
            k.close();
        }
    }

    // 7. Availability: one row per ticked slot, none for the others.
    Query s(kDB), w(kDB), del(kDB);
    s.add(QStringLiteral("SELECT ID FROM disponibilita where IDV=:IDV AND IDT=:IDT"));
    w.add(QStringLiteral("INSERT INTO disponibilita(IDV,IDT) VALUES(:IDV,:IDT)"));
    del.add(QStringLiteral("DELETE FROM disponibilita where IDV=:IDV AND IDT=:IDT"));
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        QListWidgetItem *item = CheckListBox1->item(i);
        const qint64 key = slotKey(item->text());
        if (key <= 0) continue;
        if (item->checkState() == Qt::Checked) {
            s.bindInt(QStringLiteral("IDV"), m_id).bindInt(QStringLiteral("IDT"), key);
            s.open();
            const bool missing = s.isEmpty();
            s.close();
            if (missing) {
                w.bindInt(QStringLiteral("IDV"), m_id).bindInt(QStringLiteral("IDT"), key);
                w.exec();
            }
        } else {
            del.bindInt(QStringLiteral("IDV"), m_id).bindInt(QStringLiteral("IDT"), key);
            del.exec();
        }
    }

    // 8. The shared connection is closed.
    vlm::disconnect(kDB);

    // 9. Audit log of a change of role or state.
    if (m_roleChanged)
        ScriviLog(Nome->text().trimmed() + QStringLiteral(" Passato a: ") + ComboBox4->currentText().trimmed());
    if (m_stateChanged)
        ScriviLog(Nome->text().trimmed() + QStringLiteral(" Passato a: ") + ComboBox1->currentText().trimmed());
}
