#include "SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>

namespace SettingsStore {

namespace {

QString path(const QString& section, const QString& key) { return section + u'/' + key; }

} // namespace

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue)
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, AppName(), appName);
    const QVariant value = settings.value(path(section, key));
    // A hand-edited file can hold a list ("a, b") where we expect one text; read it back joined.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u", ");
    return value.isValid() ? value.toString() : defaultValue;
}

void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, AppName(), appName);
    settings.setValue(path(section, key), value);
}

QString ExeName() { return QCoreApplication::applicationName(); }

int ToInt(const QString& text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace SettingsStore
