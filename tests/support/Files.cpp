#include "Files.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace TestSupport {

void isolateUserFolders()
{
    // Lives for the whole test process; removed when the process ends.
    static QTemporaryDir root;
    for (const char* name : {"config", "data", "runtime"})
        QDir(root.path()).mkpath(name);
    QFile::setPermissions(root.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", root.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", root.filePath("data").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", root.filePath("runtime").toLocal8Bit());
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString settingsFile(const QString& app)
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell/" + app + ".ini";
}

QString stored(const QString& path)
{
    return QSettings(settingsFile(path.section(u'/', 0, 0)), QSettings::IniFormat)
        .value(path.section(u'/', 1))
        .toString();
}

void store(const QString& path, const QString& value)
{
    QSettings(settingsFile(path.section(u'/', 0, 0)), QSettings::IniFormat)
        .setValue(path.section(u'/', 1), value);
}

void forgetSettings()
{
    QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell").removeRecursively();
}

void typeInto(QLineEdit* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(box, text);
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
}

} // namespace TestSupport
