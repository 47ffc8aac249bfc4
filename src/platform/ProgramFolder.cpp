#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ProgramFolder {

namespace {

struct Override {
    QString folder;
    bool writable = true;
};

Override& overridden()
{
    static Override value;
    return value;
}

QString programFolder()
{
    return overridden().folder.isEmpty() ? QCoreApplication::applicationDirPath()
                                         : overridden().folder;
}

// An installed copy (its data beside bin in share/tintwell) keeps what the user makes in the
// per-user folder even where it could write beside itself: root can write /usr/bin.
bool programFolderWritable()
{
    if (!overridden().folder.isEmpty()) return overridden().writable;
    const QString folder = programFolder();
    return QFileInfo(folder).isWritable() && !QFileInfo(folder + "/../share/tintwell").isDir();
}

QString perUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tintwell");
}

} // namespace

QString shippedFile(const QString& name)
{
    const QString beside = programFolder() + u'/' + name;
    if (QFileInfo(beside).isFile()) return beside;
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tintwell/") + name;
    if (QFileInfo(installed).isFile()) return QFileInfo(installed).absoluteFilePath();
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("tintwell/") + name);
}

QStringList readFolders()
{
    if (programFolderWritable()) return {programFolder()};
    return {perUserFolder(), programFolder()};
}

QString writeFolder()
{
    if (programFolderWritable()) return programFolder();
    QDir().mkpath(perUserFolder());
    return perUserFolder();
}

QString readFile(const QString& name)
{
    for (const QString& folder : readFolders()) {
        const QString file = folder + u'/' + name;
        if (QFileInfo::exists(file) || QFileInfo(file).isSymLink()) return file;
    }
    return writeFolder() + u'/' + name;
}

std::optional<QString> fileToChange(const QString& name)
{
    const QString target = writeFolder() + u'/' + name;
    const QString source = readFile(name);
    if (source == target || !QFileInfo(source).isFile()) return target;
    if (!QFile::copy(source, target)) return std::nullopt;
    // The copy is the user's own now, whatever the program folder's file allowed.
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    return target;
}

void setOverride(const QString& folder, bool writable)
{
    overridden() = {folder, writable};
}

} // namespace ProgramFolder
