// The update check: offered when an update server is named, opened modal over this window.
#include "UpdateServer.h"
#include "frmColourPicker.h"
#include "frmUpdateCheck.h"

#include <QAction>

void frmColourPicker::mnuCheck_Refresh()
{
    const bool serverNamed = !UpdateServer::BaseUrl().isEmpty();
    mnuCheck->setEnabled(serverNamed);
    mnuCheck->setToolTip(serverNamed ? QString()
                                     : QStringLiteral("No update server is set: name one with "
                                                      "UpdateServer in the settings file."));
}

void frmColourPicker::mnuCheck_Click()
{
    auto* window = new frmUpdateCheck(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Modal without a nested event loop: the window's downloads and the rest of the program run
    // on as usual while it is open.
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
}
