#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>

namespace TestSupport {

QString isolateUserFolders()
{
    // Lives for the whole test process; removed when the process ends.
    static QTemporaryDir root;
    const QString base = root.path();
    for (const char* name : {"config", "data", "runtime"}) QDir(base).mkpath(name);
    QFile::setPermissions(base + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", (base + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (base + "/data").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (base + "/runtime").toLocal8Bit());
    return base;
}

} // namespace TestSupport
