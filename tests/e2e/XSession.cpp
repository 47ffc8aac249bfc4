#include "XSession.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

namespace {

// Client area height of the main window in pixels: 6840 twips at 15 twips a pixel.
constexpr int ClientHeight = 456;

} // namespace

XSession::XSession() = default;

XSession::~XSession()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString XSession::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool XSession::start(const QString& binary, int scale)
{
    scale_ = scale;
    const QString copy = folder_.filePath(QStringLiteral("tintwell"));
    if (!QFile::copy(binary, copy)) return false;
    QFile::setPermissions(copy, QFileInfo(binary).permissions());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.filePath(QStringLiteral("config")));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (scale != 1) env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    process_.setProcessEnvironment(env);
    process_.start(copy, {});
    if (!process_.waitForStarted(5000)) return false;

    windowId_ = run(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                     QStringLiteral("--pid"), QString::number(process_.processId()),
                     QStringLiteral("--name"), QStringLiteral("^Tintwell$")})
                    .section(u'\n', 0, 0)
                    .trimmed();
    if (windowId_.isEmpty()) return false;
    // No window manager: nothing activates the window by itself.
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), windowId_});

    const QString geometry = run(QStringLiteral("xdotool"),
                                 {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId_});
    const auto value = [&](const char* name) {
        const QRegularExpression re(QStringLiteral("^%1=(\\d+)$").arg(QLatin1String(name)),
                                    QRegularExpression::MultilineOption);
        return re.match(geometry).captured(1).toInt();
    };
    clientOrigin_ = QPoint(value("X"), value("Y") + value("HEIGHT") - ClientHeight * scale);
    QTest::qWait(300);
    return true;
}

QString XSession::settingsFile(const QString& appName) const
{
    return folder_.filePath(QStringLiteral("config/Tintwell/%1.ini").arg(appName));
}

void XSession::click(QPoint screenPoint)
{
    moveTo(screenPoint);
    run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(150);
}

void XSession::moveTo(QPoint screenPoint)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(screenPoint.x()),
                                    QString::number(screenPoint.y())});
    QTest::qWait(120);
}

void XSession::press()
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    QTest::qWait(120);
}

void XSession::release()
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(200);
}

QColor XSession::screenPixel(QPoint screenPoint)
{
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("screen.png"));
    run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot});
    return QImage(shot).pixelColor(screenPoint);
}

void XSession::type(const QString& text)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
    QTest::qWait(150);
}

void XSession::key(const QString& keyName)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), keyName});
    QTest::qWait(150);
}

QString XSession::clipboard() const
{
    return run(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
}
