#include "vehicles/TFoMezzi.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "reports/TQR3.h"
#include "vehicles/TFoManut.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

using namespace vlm;

namespace {
const QString kDb3 = QStringLiteral("Db3");
}

TFoMezzi::TFoMezzi(QWidget *parent) : QDialog(parent), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoMezzi"));
    setWindowTitle(QStringLiteral("Mezzi"));
    setFixedSize(800, 540);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(12, 12, 180, 516);

    auto label = [this](const char *name, const QString &text, int x, int y) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y + 3, 110, 20);
    };
    auto edit = [this](QLineEdit *&e, const char *name, int x, int y, int w) {
        e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 26);
    };
    auto combo = [this](QComboBox *&c, const char *name, int x, int y, const QStringList &items) {
        c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setGeometry(x, y, 170, 26);
        c->addItems(items);
        c->setEditText(QString());
    };
    auto date = [this](MaskEdit *&e, const char *name, int x, int y) {
        e = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, 100, 26);
    };

    const int lx = 206, ex = 296, rx = 500, rex = 616;
    label("Label1", QStringLiteral("Codice"), lx, 12);
    edit(Edit1, "Edit1", ex, 12, 180);
    label("Label2", QStringLiteral("Targa"), lx, 46);
    edit(Edit2, "Edit2", ex, 46, 180);
    label("Label3", QStringLiteral("Marca"), lx, 80);
    edit(Edit3, "Edit3", ex, 80, 180);
    label("Label4", QStringLiteral("Modello"), lx, 114);
    edit(Edit4, "Edit4", ex, 114, 180);
    label("Label5", QStringLiteral("Telaio"), lx, 148);
    edit(Edit5, "Edit5", ex, 148, 180);
    label("Label6", QStringLiteral("Tipo "), rx, 12);
    combo(CBTipo, "CBTipo", rex, 12, {QStringLiteral("AUTO"), QStringLiteral("AMBULANZA"), QStringLiteral("PULMINO")});
    label("Label7", QStringLiteral("Immatricolazione"), rx, 46);
    date(EdI, "EdI", rex, 46);
    label("Label8", QStringLiteral("Scad. Revisione "), rx, 80);
    date(MaskEdit1, "MaskEdit1", rex, 80);
    label("Label9", QStringLiteral("Stato"), rx, 114);
    combo(ComboBox1, "ComboBox1", rex, 114,
          {QStringLiteral("Attivo"), QStringLiteral("Dismesso"), QStringLiteral("Dal Meccanico"),
           QStringLiteral("Dal Carrozziere"), QStringLiteral("Guasto")});

    label("Label10", QStringLiteral("Manutenzioni"), lx, 186);
    m_table->addInt(QStringLiteral("ID"))
        .addDate(QStringLiteral("DATA"))
        .addText(QStringLiteral("TIPO"), 15)
        .addText(QStringLiteral("DESCRIZIONE"), 60);
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(lx, 210, 800 - lx - 12, 270);
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("DATA"), QStringLiteral("DATA"), 90},
                         {QStringLiteral("TIPO"), QStringLiteral("TIPO"), 120},
                         {QStringLiteral("DESCRIZIONE"), QStringLiteral("DESCRIZIONE"), 300}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->installEventFilter(this);
    DBGrid1->viewport()->installEventFilter(this);

    auto button = [this](QPushButton *&b, const char *name, const QString &text, int x) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setGeometry(x, 494, 100, 34);
    };
    button(Button4, "Button4", QStringLiteral("Nuovo"), lx);
    button(Button3, "Button3", QStringLiteral("Salva"), lx + 112);
    button(Button2, "Button2", QStringLiteral("Cancella"), lx + 224);
    button(Button1, "Button1", QStringLiteral("Stampa"), 800 - 12 - 100);
    Button3->setEnabled(false);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { Button3->setEnabled(true); });
    on(List1, &QListWidget::itemClicked, this, [this] { List1Click(); });
    on(List1, &QListWidget::currentRowChanged, this, [this] { List1Click(); });
    on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    CarLista();
}

TFoMezzi::~TFoMezzi() { delete m_table; }

void TFoMezzi::setVisible(bool visible)
{
    // While a maintenance job is open the register steps aside without ending its own
    // modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

bool TFoMezzi::eventFilter(QObject *o, QEvent *e)
{
    if (o == DBGrid1->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        // Also on an empty grid, where no row is under the pointer.
        guard([this] { DBGrid1DblClick(); });
        return true;
    }
    if (o == DBGrid1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        const int r = DBGrid1->currentRow();
        if (key == Qt::Key_Insert || (key == Qt::Key_Down && r >= m_table->rowCount() - 1)) {
            appendBlankRow();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFoMezzi::CarLista()
{
    List1->blockSignals(true);
    List1->clear();
    List1->blockSignals(false);
    Query q(kDb3);
    q.add(QStringLiteral("select id,siglamezzo from mezzi"));
    q.open();
    for (; !q.eof(); q.next()) {
        const qint64 id = q.integer(QStringLiteral("id"));
        auto *it = new QListWidgetItem(QString::number(id) + QStringLiteral("   ") + q.str(QStringLiteral("siglamezzo")));
        // The key travels with the item, whatever its number of digits.
        it->setData(Qt::UserRole, id);
        List1->addItem(it);
    }
    q.close();
    vlm::disconnect(kDb3);
    selectKey(m_id);
}

void TFoMezzi::selectKey(qint64 key)
{
    // Shows which vehicle the boxes hold, without loading it again.
    List1->blockSignals(true);
    List1->setCurrentRow(-1);
    if (key > 0) {
        for (int i = 0; i < List1->count(); ++i) {
            if (List1->item(i)->data(Qt::UserRole).toLongLong() == key) {
                List1->setCurrentRow(i);
                break;
            }
        }
    }
    List1->blockSignals(false);
}

void TFoMezzi::List1Click()
{
    QListWidgetItem *it = List1->currentItem();
    if (!it) return;
    m_id = it->data(Qt::UserRole).toLongLong();
    if (m_id < 1) return;

    Query q(kDb3);
    q.add(QStringLiteral("select * from mezzi where ID=:IDD"));
    q.bindInt(QStringLiteral("IDD"), m_id);
    q.open();
    if (!q.isEmpty()) {
        Edit1->setText(q.str(QStringLiteral("siglamezzo")));
        CBTipo->setEditText(q.str(QStringLiteral("Tipomezzo")));
        EdI->setText(dateToStr(q.date(QStringLiteral("immatricolazione"))));
        MaskEdit1->setText(dateToStr(q.date(QStringLiteral("Revisione"))));
        Edit2->setText(q.str(QStringLiteral("Targamezzo")));
        Edit3->setText(q.str(QStringLiteral("Marca")));
        Edit4->setText(q.str(QStringLiteral("Modello")));
        Edit5->setText(q.str(QStringLiteral("Telaio")));
        ComboBox1->setEditText(q.str(QStringLiteral("Stato")));
        Button3->setEnabled(true);  // loading counts as a change of "Codice"
    }
    q.close();
    CarTabella();
}

void TFoMezzi::CarTabella()
{
    m_table->empty();
    if (m_id > 0) {
        Query q(kDb3);
        q.add(QStringLiteral("select * from Manutenzioni where IDMEZZO=:IDM order by data desc"));
        q.bindInt(QStringLiteral("IDM"), m_id);
        q.open();
        for (; !q.eof(); q.next()) {
            const int r = m_table->append();
            m_table->set(r, QStringLiteral("ID"), q.integer(QStringLiteral("ID")));
            m_table->set(r, QStringLiteral("DATA"), q.date(QStringLiteral("DATA")));
            m_table->set(r, QStringLiteral("TIPO"), q.str(QStringLiteral("TIPO")));
            m_table->set(r, QStringLiteral("DESCRIZIONE"), q.str(QStringLiteral("DESCRIZIONE")));
        }
        q.close();
    }
    vlm::disconnect(kDb3);
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

void TFoMezzi::appendBlankRow()
{
    const int n = m_table->rowCount();
    if (n == 0 || m_table->integer(n - 1, QStringLiteral("ID")) != 0) {
        m_table->append();
        m_table->set(n, QStringLiteral("ID"), 0);
        m_model->refresh();
    }
    DBGrid1->setCurrentRow(m_table->rowCount() - 1);
}

void TFoMezzi::Button4Click()
{
    m_id = 0;
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Edit4->clear();
    // The jobs shown belong to the vehicle left behind.
    m_table->empty();
    m_model->refresh();
    selectKey(0);
    Button3->setEnabled(true);
}

void TFoMezzi::Button3Click()
{
    Button3->setEnabled(false);
    startTransaction(kDb3);
    try {
        Query q(kDb3);
        if (m_id != 0) {
            q.add(QStringLiteral("Update mezzi set Siglamezzo=:COD,tipomezzo=:TIP,Targamezzo=:TGA,Marca=:MRC,Modello=:MOD,"
                                 "immatricolazione=:IMM,Telaio=:TEL,Stato=:STA,Revisione=:REV where ID=:IDD"));
            q.bindInt(QStringLiteral("IDD"), m_id);
        } else {
            q.add(QStringLiteral("Insert into mezzi(Siglamezzo,tipomezzo,Targamezzo,Marca,Modello,immatricolazione,Telaio,"
                                 "Stato,Revisione) values(:COD,:TIP,:TGA,:MRC,:MOD,:IMM,:TEL,:STA,:REV)"));
        }
        q.bindText(QStringLiteral("COD"), Edit1->text());
        q.bindText(QStringLiteral("TIP"), CBTipo->currentText());
        q.bindText(QStringLiteral("TGA"), Edit2->text());
        q.bindText(QStringLiteral("MRC"), Edit3->text());
        q.bindText(QStringLiteral("MOD"), Edit4->text());
        q.bindDate(QStringLiteral("IMM"), strToDate(EdI->text()));
        q.bindText(QStringLiteral("TEL"), Edit5->text());
        q.bindText(QStringLiteral("STA"), ComboBox1->currentText());
        q.bindDate(QStringLiteral("REV"), strToDate(MaskEdit1->text()));
        q.exec();
        // The new vehicle is the one the boxes now show: a further "Salva" changes it
        // instead of storing it a second time.
        if (m_id == 0) m_id = scalar(kDb3, QStringLiteral("select LAST_INSERT_ID() IDM")).toLongLong();
        commit(kDb3);
    } catch (...) {
        // Nothing of this save is kept, and it can be tried again once corrected.
        rollback(kDb3);
        vlm::disconnect(kDb3);
        Button3->setEnabled(true);
        throw;
    }
    CarLista();
}

void TFoMezzi::Button2Click()
{
    Query q(kDb3);
    q.add(QStringLiteral("delete from mezzi where ID=:IDD"));
    q.bindInt(QStringLiteral("IDD"), m_id);
    q.exec();
    Button4Click();
    CarLista();
}

void TFoMezzi::Button1Click()
{
    auto r = std::make_unique<TQR3>(this);
    r->Query1->open();
    r->preview(this);
    r->Query1->close();
}

void TFoMezzi::DBGrid1DblClick()
{
    if (m_id < 1) return;
    const int r = DBGrid1->currentRow();
    const qint64 key = r >= 0 && r < m_table->rowCount() ? m_table->integer(r, QStringLiteral("ID")) : 0;

    m_editing = true;
    hide();
    struct Back {
        TFoMezzi *w;
        ~Back()
        {
            w->m_editing = false;
            w->show();
        }
    } back{this};
    {
        TFoManut f(this);
        f.setWindowTitle(QStringLiteral("Manutenzione Mezzo ") + Edit1->text());
        f.setId(key);
        f.setMezzo(m_id);
        showModal(&f);
    }
    // A new or changed job shows at once.
    CarTabella();
}
