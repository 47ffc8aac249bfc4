#pragma once

#include <QString>

// The per-user settings store: string values addressed by application name, section and key.
// One INI file per application name under the user's config folder ($XDG_CONFIG_HOME/Tintwell).
namespace SettingsStore {

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue);
void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);

// The running program's file name without its extension ("tintwell").
QString ExeName();

// The application name under which the shared form settings live.
inline QString AppName() { return QStringLiteral("Tintwell"); }

// The integer a stored text stands for, or the fallback when it is not a whole number.
int ToInt(const QString& text, int fallback);

} // namespace SettingsStore
