#include "app/TFormMain.h"
#include "platform/Db.h"
#include "platform/Guard.h"
#include "platform/LocalServer.h"
#include "platform/SqlScript.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    vlm::initSchemaResources();
    QApplication::setApplicationName(QStringLiteral("Valdrena"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Valdrena"));
    QFont f(QStringLiteral("Arial"), 9);
    QApplication::setFont(f);

    // No shared server configured: run on the program's own local server.
    vlm::LocalServer local;
    if (vlm::alias().isLocalDefault())
        vlm::guard([&] { local.start(); });

    int rc;
    {
        TFormMain w;
        w.show();
        rc = app.exec();
    }
    vlm::disconnectAll();
    local.stop();
    return rc;
}
