#include "TopBand.h"

#include "Module1.h"
#include "SettingsStore.h"

namespace TopBand {

namespace {

// A hand-edited text that is no number counts as off.
int onTopSetting()
{
    return SettingsStore::ToInt(
        SettingsStore::GetSetting(SettingsStore::ExeName(), QStringLiteral("settings"),
                                  QStringLiteral("ontop"), QStringLiteral("0")),
        0);
}

} // namespace

void joinOnLoad(QWidget* window)
{
    if (onTopSetting() == 1) SetAlwaysOnTop(window);
}

void leaveOnUnload(QWidget* window, QWidget* mainWindow)
{
    ClearAlwaysOnTop(window);
    if (onTopSetting() != 0 && mainWindow) SetAlwaysOnTop(mainWindow);
}

} // namespace TopBand
