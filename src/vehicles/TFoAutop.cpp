#include "vehicles/TFoAutop.h"

#include "app/Pictures.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "services/TFoStandby.h"
#include "vehicles/TFoMezzi.h"
#include "volunteers/TFoPatenti.h"

#include <QToolButton>
#include <memory>

using namespace vlm;

TFoAutop::TFoAutop(int livello, QWidget *parent) : QDialog(parent), m_livello(livello)
{
    setObjectName(QStringLiteral("TFoAutop"));
    setWindowTitle(QStringLiteral("Autoparco"));
    setFixedSize(3 * 145 + 4 * 16, 145 + 2 * 16);

    auto big = [this](QToolButton *&b, const char *name, const QString &caption, const QString &pic, int x) {
        b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setIcon(QIcon(buttonPicture(pic, 96)));
        b->setIconSize(QSize(96, 96));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setGeometry(x, 16, 145, 145);
        QFont f = b->font();
        f.setPointSize(11);
        f.setBold(true);
        b->setFont(f);
    };
    big(Button1, "Button1", QStringLiteral("Patenti"), QStringLiteral("social"), 16);
    big(Button2, "Button2", QStringLiteral("Mezzi"), QStringLiteral("car"), 16 + 145 + 16);
    big(Button3, "Button3", QStringLiteral("Stand-by"), QStringLiteral("calendar"), 16 + 2 * (145 + 16));

    on(Button1, &QToolButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QToolButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QToolButton::clicked, this, [this] { Button3Click(); });
}

void TFoAutop::Button1Click()
{
    auto f = std::make_unique<TFoPatenti>(m_livello, this);
    showModal(f.get());
}

void TFoAutop::Button2Click()
{
    auto f = std::make_unique<TFoMezzi>(this);
    showModal(f.get());
}

void TFoAutop::Button3Click()
{
    auto f = std::make_unique<TFoStandby>(this);
    showModal(f.get());
}
