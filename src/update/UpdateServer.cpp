#include "UpdateServer.h"

#include "SettingsStore.h"

namespace UpdateServer {

QString BaseUrl()
{
    QString base = SettingsStore::GetSetting(SettingsStore::ExeName(), QStringLiteral("settings"),
                                             QStringLiteral("UpdateServer"), QString())
                       .trimmed();
    if (base.isEmpty()) base = QStringLiteral(TINTWELL_UPDATE_URL).trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    return base;
}

QString InformationUrl()
{
    return BaseUrl() + QStringLiteral("/downloads/TintwellNew.txt");
}

} // namespace UpdateServer
