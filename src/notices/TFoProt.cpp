#include "notices/TFoProt.h"

#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Env.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>

using namespace vlm;

namespace {

[[noreturn]] void fileError(const QString &text, const QString &path)
{
    throw std::runtime_error(text.arg(QDir::toNativeSeparators(path)).toStdString());
}

}  // namespace

TFoProt::TFoProt(QWidget *parent) : QDialog(parent), Tb1(std::make_unique<GridTable>())
{
    setObjectName(QStringLiteral("TFoProt"));
    setWindowTitle(QStringLiteral("Protocollo"));
    setFixedSize(760, 440);

    Tb1->addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("TITOLO"), 50)
        .addText(QStringLiteral("OPERATORE"), 20)
        .addText(QStringLiteral("ALLEGATO"), 50);
    m_model = new GridModel(Tb1.get(), this);
    m_model->setColumns({{QStringLiteral("ID"), QStringLiteral("ID"), 60},
                         {QStringLiteral("TITOLO"), QStringLiteral("TITOLO"), 330},
                         {QStringLiteral("OPERATORE"), QStringLiteral("OPERATORE"), 150},
                         {QStringLiteral("ALLEGATO"), QStringLiteral("ALLEGATO"), 190}});

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 8, 744, 380);
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Button1 = new QPushButton(QStringLiteral("Allega File"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 400, 110, 30);
    Button1->setAutoDefault(false);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
}

TFoProt::~TFoProt() = default;

void TFoProt::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) guard([this] { FormShow(); });
}

void TFoProt::FormShow() { CarTabella(); }

void TFoProt::CarTabella()
{
    Tb1->empty();
    m_model->refresh();
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("select ID,TITOLO,OPERATORE,NOMEFILE from Protocollo ORDER BY DATAREG DESC"));
    q.open();
    Tb1->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("ID")},
                      {QStringLiteral("TITOLO"), QStringLiteral("TITOLO")},
                      {QStringLiteral("OPERATORE"), QStringLiteral("OPERATORE")},
                      {QStringLiteral("NOMEFILE"), QStringLiteral("ALLEGATO")}});
    q.close();
    m_model->refresh();
    DBGrid1->setCurrentRow(0);
}

qint64 TFoProt::selectedId() const
{
    const int row = DBGrid1->currentRow();
    return row >= 0 && row < Tb1->rowCount() ? Tb1->integer(row, QStringLiteral("ID")) : 0;
}

QString TFoProt::storedName(const QString &path)
{
    const int cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1).left(30);
}

// "Allega File": the chosen file, byte for byte, becomes the selected entry's attachment.
void TFoProt::Button1Click()
{
    const QString path = openFileName(this, QString());
    if (path.isEmpty()) return;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) fileError(QStringLiteral("Impossibile aprire il file %1."), path);
    const QByteArray content = f.readAll();
    if (f.error() != QFileDevice::NoError) fileError(QStringLiteral("Errore di lettura del file %1."), path);
    f.close();

    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("Update Protocollo SET FILE=:FLI,OPERATORE=:OPE,NOMEFILE=:NFI where ID=:ID"));
    q.bindBytes(QStringLiteral("FLI"), content);
    q.bindText(QStringLiteral("OPE"), m_operatore);
    q.bindText(QStringLiteral("NFI"), storedName(path));
    q.bindInt(QStringLiteral("ID"), selectedId());
    q.exec();
    CarTabella();
}

// Double click: the entry's attachment is written, byte for byte, into the export folder
// under its stored name, replacing a file of that name. The folder is not created.
void TFoProt::DBGrid1DblClick()
{
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("Select NOMEFILE,FILE from Protocollo where ID=:IDD"));
    q.bindInt(QStringLiteral("IDD"), selectedId());
    q.open();
    // Only a file name: a stored name never leads out of the export folder.
    const QString name = storedName(q.str(QStringLiteral("NOMEFILE")).trimmed()).trimmed();
    const QByteArray content = q.bytes(QStringLiteral("FILE"));
    q.close();

    const QString target = QDir(env::exportDir()).filePath(name);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        fileError(QStringLiteral("Impossibile creare il file %1."), target);
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fileError(QStringLiteral("Impossibile creare il file %1."), target);
    if (out.write(content) != content.size()) fileError(QStringLiteral("Errore di scrittura del file %1."), target);
    out.close();
}
