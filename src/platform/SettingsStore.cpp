#include "SettingsStore.h"

#include "SettingsText.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace SettingsStore {

namespace {

const QString Settings = QStringLiteral("The settings");

} // namespace

QString FilePath(const QString& appName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tintwell/") + appName + QStringLiteral(".ini");
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue)
{
    const auto text = WholeFile::Read(FilePath(appName));
    return text ? SettingsText::value(*text, section, key).value_or(defaultValue) : defaultValue;
}

bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value)
{
    return SaveSettings(appName, section, {{key, value}});
}

bool SaveSettings(const QString& appName, const QString& section,
                  const QList<std::pair<QString, QString>>& values)
{
    const QString file = FilePath(appName);
    QByteArray text;
    if (QFileInfo::exists(file) || QFileInfo(file).isSymLink()) {
        // A file that is there but cannot be read must not be replaced by one holding only this.
        const auto old = WholeFile::Read(file);
        if (!old) {
            WholeFile::ReportUnsaved(Settings, file, QStringLiteral("It could not be read."));
            return false;
        }
        text = *old;
    }
    QList<std::pair<QString, QString>> changed;
    for (const auto& entry : values)
        if (SettingsText::value(text, section, entry.first) != entry.second) changed << entry;
    if (changed.isEmpty()) return true;
    QDir().mkpath(QFileInfo(file).path());
    return WholeFile::WriteOrReport(file, SettingsText::withValues(text, section, changed),
                                    Settings);
}

QString ExeName()
{
    return QCoreApplication::applicationName();
}

int ToInt(const QString& text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace SettingsStore
