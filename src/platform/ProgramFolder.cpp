#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ProgramFolder {

namespace {

QString& overridden()
{
    static QString folder;
    return folder;
}

QString userDataFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString folder = base + QStringLiteral("/Tintwell");
    QDir().mkpath(folder);
    return folder;
}

} // namespace

QString path()
{
    if (!overridden().isEmpty()) return overridden();
    const QString own = QCoreApplication::applicationDirPath();
    return QFileInfo(own).isWritable() ? own : userDataFolder();
}

QString file(const QString& name) { return path() + u'/' + name; }

void setOverride(const QString& folder) { overridden() = folder; }

} // namespace ProgramFolder
