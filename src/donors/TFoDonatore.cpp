#include "donors/TFoDonatore.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
const QString kDateMask = QStringLiteral("!99/99/0000;1;_");
}  // namespace

TFoDonatore::TFoDonatore(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoDonatore"));
    setWindowTitle(QStringLiteral("FoDonatore"));
    setFixedSize(720, 530);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 8, 704, 460);
    auto tab = [this](QWidget *&t, const char *name, const QString &caption) {
        t = new QWidget;
        t->setObjectName(QString::fromLatin1(name));
        PageControl1->addTab(t, caption);
    };
    tab(TabSheet1, "TabSheet1", QStringLiteral("Dati Anagrafici"));
    tab(TabSheet2, "TabSheet2", QStringLiteral("Informazioni"));
    tab(TabSheet3, "TabSheet3", QStringLiteral("Donazioni"));
    tab(TabSheet4, "TabSheet4", QStringLiteral("Altro"));

    int labels = 0;
    auto label = [&labels](QWidget *p, const QString &text, int x, int y, int w = 150) {
        auto *l = new QLabel(text, p);
        l->setObjectName(QStringLiteral("Label%1").arg(++labels));
        l->setGeometry(x, y + 4, w, 20);
        return l;
    };
    auto edit = [](QLineEdit *&e, QWidget *p, const char *name, int x, int y, int w) {
        e = new QLineEdit(p);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 26);
    };
    auto combo = [](QComboBox *&c, QWidget *p, const char *name, int x, int y, int w, const QStringList &items) {
        c = new QComboBox(p);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(true);
        c->addItems(items);
        c->setCurrentIndex(-1);
        c->setGeometry(x, y, w, 26);
    };

    // "Dati Anagrafici"
    QWidget *t = TabSheet1;
    const int X = 170;
    label(t, QStringLiteral("Codice"), 16, 12);
    Codice = new QLabel(QStringLiteral("0"), t);
    Codice->setObjectName(QStringLiteral("Codice"));
    Codice->setGeometry(X, 16, 120, 20);
    QFont bold = Codice->font();
    bold.setBold(true);
    Codice->setFont(bold);
    label(t, QStringLiteral("Nome"), 16, 44);
    edit(Nome, t, "Nome", X, 44, 420);
    label(t, QStringLiteral("Indirizzo"), 16, 76);
    edit(Indirizzo, t, "Indirizzo", X, 76, 420);
    label(t, QStringLiteral("Cap"), 16, 108);
    edit(Edit1, t, "Edit1", X, 108, 80);
    label(t, QStringLiteral("Citta"), 270, 108, 50);
    edit(Edit2, t, "Edit2", 320, 108, 270);
    label(t, QStringLiteral("Provincia"), 16, 140);
    combo(ComboBox3, t, "ComboBox3", X, 140, 80,
          {QStringLiteral("FI"), QStringLiteral("SI"), QStringLiteral("RM"), QStringLiteral("PI"), QStringLiteral("AN"),
           QStringLiteral("PG"), QStringLiteral("PO")});
    label(t, QStringLiteral("Data e Luogo di Nascita"), 16, 172);
    MaskEdit1 = new MaskEdit(kDateMask, t);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(X, 172, 100, 26);
    edit(Edit3, t, "Edit3", 280, 172, 310);
    label(t, QStringLiteral("Sesso"), 16, 204);
    combo(ComboBox2, t, "ComboBox2", X, 204, 80, {QStringLiteral("M "), QStringLiteral("F")});
    label(t, QStringLiteral("Codice Fiscale"), 16, 236);
    MaskEdit2 = new MaskEdit(QStringLiteral(">LLLLLL00L00L000L;1;_"), t);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    MaskEdit2->setGeometry(X, 236, 200, 26);
    label(t, QStringLiteral("Telefono "), 16, 268);
    edit(Edit4, t, "Edit4", X, 268, 200);
    label(t, QStringLiteral("Cellulare 1"), 16, 300);
    edit(Edit6, t, "Edit6", X, 300, 160);
    label(t, QStringLiteral("Cellulare 2"), 345, 300, 85);
    edit(Edit7, t, "Edit7", 430, 300, 160);
    label(t, QStringLiteral("Mail"), 16, 332);
    edit(Edit5, t, "Edit5", X, 332, 160);
    label(t, QStringLiteral("Mail 2"), 345, 332, 85);
    edit(Edit8, t, "Edit8", 430, 332, 160);
    label(t, QStringLiteral("Codice Sirevo"), 16, 364);
    edit(Edit9, t, "Edit9", X, 364, 160);

    // "Informazioni"
    label(TabSheet2, QStringLiteral("Gruppo sanguigno "), 16, 16);
    combo(ComboBox4, TabSheet2, "ComboBox4", X, 16, 120, {});

    // "Donazioni"
    m_donazioni = new GridTable;
    m_donazioni->addInt(QStringLiteral("id")).addDate(QStringLiteral("data")).addInt(QStringLiteral("quantita"))
        .addText(QStringLiteral("tipo"), 60);
    DBGrid1 = new DBGrid(TabSheet3);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_donazioni, DBGrid1);
    m_model->setColumns({{QStringLiteral("id"), QStringLiteral("id"), 60},
                         {QStringLiteral("data"), QStringLiteral("data"), 100},
                         {QStringLiteral("quantita"), QStringLiteral("quantita"), 80},
                         {QStringLiteral("tipo"), QStringLiteral("tipo"), 160}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setGeometry(12, 12, 440, 400);
    Button2 = new QPushButton(QStringLiteral(" + "), TabSheet3);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(464, 12, 40, 32);
    Button3 = new QPushButton(QStringLiteral(" - "), TabSheet3);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(512, 12, 40, 32);
    Panel1 = new QFrame(TabSheet3);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    static_cast<QFrame *>(Panel1)->setFrameShape(QFrame::StyledPanel);
    Panel1->setGeometry(464, 56, 220, 190);
    label(Panel1, QStringLiteral("Data"), 10, 10, 70);
    MaskEdit3 = new MaskEdit(kDateMask, Panel1);
    MaskEdit3->setObjectName(QStringLiteral("MaskEdit3"));
    MaskEdit3->setGeometry(90, 10, 110, 26);
    label(Panel1, QStringLiteral("Tipo"), 10, 46, 70);
    combo(ComboBox5, Panel1, "ComboBox5", 90, 46, 110,
          {QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03")});
    label(Panel1, QStringLiteral("Quantità"), 10, 82, 70);
    edit(Edit10, Panel1, "Edit10", 90, 82, 110);
    Button4 = new QPushButton(QStringLiteral("Salva"), Panel1);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setGeometry(90, 130, 110, 32);
    Panel1->hide();

    // "Altro"
    label(TabSheet4, QStringLiteral("Stato"), 16, 16);
    combo(ComboBox1, TabSheet4, "ComboBox1", X, 16, 160,
          {QStringLiteral("ATTIVO"), QStringLiteral("INATTIVO"), QStringLiteral("SOSPESO"), QStringLiteral("DECEDUTO"),
           QStringLiteral("MALATTIA")});
    ComboBox1->setEnabled(false);
    label(TabSheet4, QStringLiteral("Note "), 16, 52);
    Memo1 = new QPlainTextEdit(TabSheet4);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(X, 52, 500, 280);
    Button5 = new QPushButton(QStringLiteral("Elimina"), TabSheet4);
    Button5->setObjectName(QStringLiteral("Button5"));
    Button5->setGeometry(X, 350, 120, 32);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(600, 482, 112, 36);

    for (QPushButton *b : {Button1, Button2, Button3, Button4, Button5}) b->setAutoDefault(false);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    on(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
    on(PageControl1, &QTabWidget::currentChanged, this, [this] {
        QWidget *now = PageControl1->currentWidget();
        if (m_lastTab == TabSheet3 && now != TabSheet3) TabSheet3Hide();
        m_lastTab = now;
        if (now == TabSheet3) TabSheet3Show();
    });
    m_lastTab = PageControl1->currentWidget();
}

TFoDonatore::~TFoDonatore() { delete m_donazioni; }

void TFoDonatore::setLivello(int digit)
{
    m_livello = digit;
    ComboBox1->setEnabled(digit == 9);
}

void TFoDonatore::setGruppi(const QStringList &items)
{
    const QString t = ComboBox4->currentText();
    ComboBox4->clear();
    ComboBox4->addItems(items);
    ComboBox4->setCurrentIndex(-1);
    ComboBox4->setEditText(t);
}

void TFoDonatore::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_loaded) return;
    m_loaded = true;
    guard([this] { FormShow(); });
}

void TFoDonatore::FormShow()
{
    Codice->setText(QString::number(m_id));
    if (m_id == 0) {
        ComboBox1->setEditText(QStringLiteral("ATTIVO"));
        return;
    }
    Query q(kDB);
    q.add(QStringLiteral("select * from donatori where ID=:CDD"));
    q.bindInt(QStringLiteral("CDD"), m_id);
    q.open();
    if (!q.isEmpty()) {
        ComboBox1->setEditText(q.str(QStringLiteral("stato")));
        Nome->setText(q.str(QStringLiteral("Nome")));
        Edit6->setText(q.str(QStringLiteral("Cellulare")));
        Edit7->setText(q.str(QStringLiteral("Cellulare2")));
        Edit4->setText(q.str(QStringLiteral("Telefono")));
        Indirizzo->setText(q.str(QStringLiteral("Indirizzo")));
        Edit1->setText(q.str(QStringLiteral("CAP")));
        Edit2->setText(q.str(QStringLiteral("Citta")));
        ComboBox3->setEditText(q.str(QStringLiteral("Provincia")));
        Edit5->setText(q.str(QStringLiteral("Mail")));
        Edit8->setText(q.str(QStringLiteral("Mail2")));
        ComboBox2->setEditText(q.str(QStringLiteral("Sesso")));
        Edit3->setText(q.str(QStringLiteral("Luogodinascita")));
        MaskEdit1->setText(dateToStr(q.date(QStringLiteral("Datadinascita"))));
        MaskEdit2->setText(q.str(QStringLiteral("Codicefiscale")));
        Memo1->setPlainText(q.str(QStringLiteral("Note")));
        Edit9->setText(q.str(QStringLiteral("IDAGENDA")));
        ComboBox4->setEditText(q.str(QStringLiteral("GRUPPO")));
    }
    q.close();
    vlm::disconnect(kDB);
}

void TFoDonatore::Button1Click()
{
    const bool nuovo = m_id < 1;
    const QString cf = MaskEdit2->isMaskEmpty() ? QString() : MaskEdit2->text();
    // A date of birth that is no date is the user's to correct: it is refused with the
    // conversion error before anything is written, not swallowed by the save below.
    const QDate nascita = MaskEdit1->isMaskEmpty() ? QDate() : strToDate(MaskEdit1->text());
    qint64 newId = 0;
    bool inTransaction = false;
    // Any error rolls the donor back and closes the connection; the window keeps what
    // was typed and says nothing.
    try {
        // 1. A new donor whose fiscal code is already stored is not added again. A donor
        // without a fiscal code cannot be a duplicate of another one without it.
        if (nuovo && !cf.trimmed().isEmpty()) {
            Query d(kDB);
            d.add(QStringLiteral("select * from donatori where Codicefiscale=:CDF"));
            d.bindText(QStringLiteral("CDF"), cf);
            d.open();
            if (!d.isEmpty()) {
                const QString trovato = d.str(QStringLiteral("Nome"));
                d.close();
                vlm::disconnect(kDB);
                messageBox(trovato, QStringLiteral("Codice Fiscale duplicato. Donatore già inserito"),
                           QMessageBox::NoIcon, QMessageBox::Ok);
                return;
            }
            d.close();
        }

        // 2-3. The row, every value from its control; the date of birth as a date.
        Query q(kDB);
        if (nuovo) {
            q.add(QStringLiteral("Insert into donatori(stato,Nome,Cellulare,Cellulare2,Telefono,Indirizzo,CAP,Citta,"
                                 "Provincia,Mail,Sesso,Luogodinascita,Datadinascita,Codicefiscale,Note,Mail2,IDAGENDA,"
                                 "GRUPPO) value(:STA,:NOM,:CEL,:CE1,:TLF,:IND,:CPA,:CIT,:PRV,:MAI,:SES,:LDN,:DTN,:CDF,"
                                 ":NTE,:ML2,:IDA,:GRP)"));
        } else {
            q.add(QStringLiteral("Update donatori set stato=:STA,Nome=:NOM,Cellulare=:CEL,Cellulare2=:CE1,Telefono=:TLF,"
                                 "Indirizzo=:IND,CAP=:CPA,Citta=:CIT,Provincia=:PRV,Mail=:MAI,Sesso=:SES,"
                                 "Luogodinascita=:LDN,Datadinascita=:DTN,Codicefiscale=:CDF,Note=:NTE,Mail2=:ML2,"
                                 "IDAGENDA=:IDA,GRUPPO=:GRP  where ID=:CDD"));
            q.bindInt(QStringLiteral("CDD"), m_id);
        }
        q.bindText(QStringLiteral("STA"), ComboBox1->currentText());
        q.bindText(QStringLiteral("NOM"), Nome->text());
        q.bindText(QStringLiteral("CEL"), Edit6->text());
        q.bindText(QStringLiteral("CE1"), Edit7->text());
        q.bindText(QStringLiteral("TLF"), Edit4->text());
        q.bindText(QStringLiteral("IND"), Indirizzo->text());
        q.bindText(QStringLiteral("CPA"), Edit1->text());
        q.bindText(QStringLiteral("CIT"), Edit2->text());
        q.bindText(QStringLiteral("PRV"), ComboBox3->currentText());
        q.bindText(QStringLiteral("MAI"), Edit5->text());
        q.bindText(QStringLiteral("ML2"), Edit8->text());
        q.bindText(QStringLiteral("SES"), ComboBox2->currentText());
        q.bindText(QStringLiteral("LDN"), Edit3->text());
        if (!nascita.isValid()) q.bindNull(QStringLiteral("DTN"));
        else q.bindDate(QStringLiteral("DTN"), nascita);
        q.bindText(QStringLiteral("CDF"), cf);
        q.bindText(QStringLiteral("NTE"), Memo1->toPlainText());
        q.bindText(QStringLiteral("IDA"), Edit9->text());
        q.bindText(QStringLiteral("GRP"), ComboBox4->currentText());

        vlm::connection(kDB);
        startTransaction(kDB);
        inTransaction = true;
        q.exec();
        // 4. The new key, read on the same connection inside the transaction.
        if (nuovo) {
            Query k(kDB);
            k.add(QStringLiteral("select LAST_INSERT_ID() NEWID"));
            k.open();
            newId = k.integer(QStringLiteral("NEWID"));
            k.close();
        }
        commit(kDB);
    } catch (...) {
        if (inTransaction) {
            try {
                rollback(kDB);
            } catch (...) {
            }
        }
        vlm::disconnect(kDB);
        return;
    }
    if (nuovo) {
        m_id = newId;
        Codice->setText(QString::number(m_id));
    }
    // 5.
    vlm::disconnect(kDB);
}

void TFoDonatore::Button5Click()
{
    if (m_id > 0) {
        Query q(kDB);
        q.add(QStringLiteral("delete from donatori where ID=:IDD"));
        q.bindInt(QStringLiteral("IDD"), m_id);
        q.exec();
    }
    close();
}

void TFoDonatore::TabSheet3Show()
{
    Query q(kDB);
    q.add(QStringLiteral("select id,data,quantita,(select descrizione from Elenchi where TIPO='D' and "
                         "CODICE=donazioni.tipo) TIPO from donazioni where IDDONATORE =:COD order by DATA desc "));
    q.bindInt(QStringLiteral("COD"), strToIntDef(Codice->text(), 0));
    q.open();
    m_donazioni->fillFrom(q, {{QStringLiteral("id"), QStringLiteral("id")},
                              {QStringLiteral("data"), QStringLiteral("data")},
                              {QStringLiteral("quantita"), QStringLiteral("quantita")},
                              {QStringLiteral("TIPO"), QStringLiteral("tipo")}});
    q.close();
    m_model->refresh();
    if (m_donazioni->rowCount() > 0) DBGrid1->setCurrentRow(0);
    // Donations belong to a stored donor: a new one is saved first.
    Button2->setEnabled(m_id > 0);
    Button4->setEnabled(m_id > 0);
}

void TFoDonatore::TabSheet3Hide()
{
    m_donazioni->empty();
    m_model->refresh();
    vlm::disconnect(kDB);
}

void TFoDonatore::Button2Click() { Panel1->show(); }

void TFoDonatore::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_donazioni->rowCount()) return;
    // The panel is filled to add a donation like this one: the type as its code, which
    // the drop-down offers and the table stores, not the description the grid shows.
    Query q(kDB);
    q.add(QStringLiteral("select TIPO from donazioni where ID=:IDZ"));
    q.bindInt(QStringLiteral("IDZ"), m_donazioni->integer(r, QStringLiteral("id")));
    q.open();
    const QString tipo = q.isEmpty() ? QString() : q.str(QStringLiteral("TIPO"));
    q.close();
    MaskEdit3->setText(m_donazioni->text(r, QStringLiteral("data")));
    ComboBox5->setEditText(tipo);
    Edit10->setText(m_donazioni->text(r, QStringLiteral("quantita")));
    Panel1->show();
}

void TFoDonatore::Button4Click()
{
    // The grid lets go of its rows while the donation is written; it is read again after.
    m_donazioni->empty();
    m_model->refresh();
    const QDate data = strToDate(MaskEdit3->text());
    const qint64 quantita = strToInt(Edit10->text().trimmed());
    Query q(kDB);
    q.add(QStringLiteral("Insert into donazioni(IDDONATORE,DATA,QUANTITA,TIPO) VALUE(:IDD,:DTA,:QTN,:TPP)"));
    q.bindInt(QStringLiteral("IDD"), m_id);
    q.bindDate(QStringLiteral("DTA"), data);
    q.bindInt(QStringLiteral("QTN"), quantita);
    q.bindText(QStringLiteral("TPP"), ComboBox5->currentText());
    q.exec();
    Panel1->hide();
    TabSheet3Show();
}

void TFoDonatore::Button3Click()
{
    Panel1->hide();
    const int r = DBGrid1->currentRow();
    if (r >= 0 && r < m_donazioni->rowCount()) {
        Query q(kDB);
        q.add(QStringLiteral("delete from donazioni where ID=:IDZ"));
        q.bindInt(QStringLiteral("IDZ"), m_donazioni->integer(r, QStringLiteral("id")));
        q.exec();
    }
    TabSheet3Show();
}
