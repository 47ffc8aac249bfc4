#include "HtmlHelp.h"

#include "DesktopService.h"

#include <QFileInfo>
#include <QUrl>

bool LaunchHTMLHelp(const QString& HelpFile, QWidget* WindowHandle, int Topic)
{
    Q_UNUSED(WindowHandle) // the desktop's viewer is a window of its own
    if (!QFileInfo(HelpFile).isFile()) return false;
    QUrl url = QUrl::fromLocalFile(HelpFile);
    if (Topic != 0) url.setFragment(QStringLiteral("topic-%1").arg(Topic));
    return DesktopService::instance().openUrl(url);
}
