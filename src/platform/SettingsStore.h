#pragma once

#include <QList>
#include <QString>
#include <utility>

// The per-user settings store: string values addressed by application name, section and key.
// One INI file per application name under the user's config folder ($XDG_CONFIG_HOME/Tintwell),
// in the form Qt's settings classes use. Every write goes through the checked whole-file writer:
// a write that fails (a full disk) leaves the old file as it was and is said in a message box, and
// a value that does not change is not written at all.
namespace SettingsStore {

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue);
// False when the value could not be stored.
bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);
// Several keys of one section in one write.
bool SaveSettings(const QString& appName, const QString& section,
                  const QList<std::pair<QString, QString>>& values);

// The settings file of an application name.
QString FilePath(const QString& appName);

// The running program's file name without its extension ("tintwell").
QString ExeName();

// The application name under which the shared form settings live.
inline QString AppName()
{
    return QStringLiteral("Tintwell");
}

// The integer a stored text stands for, or the fallback when it is not a whole number.
int ToInt(const QString& text, int fallback);

} // namespace SettingsStore
