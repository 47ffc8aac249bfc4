// The real program under a real X server beside a window of known colours, driven by xdotool.
// With TINTWELL_E2E_SCALE=2 it runs at scale factor 2 and must still pick one physical pixel.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRasterWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// A pause after each step, so the server does not merge them.
QString xdotool(const QStringList& arguments, int pauseMs = 150)
{
    const QString out = run(QStringLiteral("xdotool"), arguments);
    QTest::qWait(pauseMs);
    return out;
}

const int Scale = qEnvironmentVariableIntValue("TINTWELL_E2E_SCALE") == 2 ? 2 : 1;
// Under openbox an installed copy runs (bin/ beside share/tintwell/): it saves per user, even as
// root.
const bool Installed = qEnvironmentVariable("TINTWELL_E2E_WM") == "openbox";

// One run of the real program, copied into a temporary folder: its program and settings folder.
class XSession {
public:
    ~XSession() { process_.kill(), process_.waitForFinished(3000); }

    bool start(const QString& binary)
    {
        const QString copy = file(Installed ? "bin/tintwell" : "tintwell");
        QDir(folder_.path()).mkpath(Installed ? "share/tintwell" : ".");
        QDir(folder_.path()).mkpath("bin");
        if (!QFile::copy(binary, copy)) return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", file("config"));
        env.insert("XDG_DATA_HOME", file("data"));
        env.remove("QT_QPA_PLATFORM");
        if (Scale != 1) env.insert("QT_SCALE_FACTOR", QString::number(Scale));
        process_.setProcessEnvironment(env);
        process_.start(copy, {});
        const QString pid = QString::number(process_.processId());
        const QString window =
            xdotool({"search", "--sync", "--onlyvisible", "--pid", pid, "--name", "^Tintwell$"}, 0)
                .section(u'\n', 0, 0);
        if (window.isEmpty()) return false;
        // Without a window manager nothing activates the window by itself.
        xdotool({"windowactivate", "--sync", window}, 0);
        QTest::qWait(300);
        // The window's own place, not its frame's: a window manager's frame once shifted every
        // point the test aimed at.
        const QString info = run("xwininfo", {"-id", window});
        const auto value = [&](const QString& name) {
            return QRegularExpression(name + R"(:\s*(-?\d+))").match(info).captured(1).toInt();
        };
        // The client area (below the menu bar) is 6840 twips, 456 pixels at 15 twips a pixel.
        clientOrigin_ = QPoint(value("Absolute upper-left X"),
                               value("Absolute upper-left Y") + value("Height") - 456 * Scale);
        return true;
    }

    QString file(const QString& name) const { return folder_.filePath(name); }
    // A point of the client area given in twips, on the screen.
    QPoint at(QPoint twips) const { return clientOrigin_ + twips * Scale / 15; }
    void moveTo(QPoint p)
    {
        xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())}, 120);
    }
    QString copied(QPoint twips)
    {
        moveTo(at(twips));
        xdotool({"click", "1"});
        return run("xclip", {"-o", "-selection", "clipboard"});
    }

private:
    QTemporaryDir folder_;
    QProcess process_;
    QPoint clientOrigin_;
};

const QColor Solid(153, 102, 51); // packs to 3368601
const QColor Stripe(10, 200, 30); // packs to 2017290

// A window of one colour with a stripe one physical pixel wide, at a known place.
class Swatches : public QRasterWindow {
public:
    static constexpr QRect Area{900, 120, 120, 80};
    static constexpr int StripeX = 960;
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(QPoint(), size()), Solid);
        painter.fillRect(QRect(StripeX - Area.x(), 0, 1, Area.height()), Stripe);
    }
};

// Places inside the main window, in twips of its client area.
constexpr QPoint Dropper{2820 + 3000 + 187, 240 + 187};
constexpr QPoint Swatch{2820 + 120 + 780, 1200 + 300};
constexpr QPoint LongCopy{60 + 2115 + 200, 975 + 140};
constexpr QPoint RGBCopy{60 + 2760 + 400, 4320 + 1620 + 170};

} // namespace

class tst_e2e : public QObject {
    Q_OBJECT

    QProcess windowManager_;
    Swatches swatches_;
    XSession session;

private slots:
    void initTestCase()
    {
        if (Installed) {
            windowManager_.start("openbox", {});
            QTRY_VERIFY(run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"));
        }
        swatches_.setFlag(Qt::X11BypassWindowManagerHint);
        swatches_.setGeometry(Swatches::Area);
        swatches_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&swatches_));
        QVERIFY2(session.start(QStringLiteral(TINTWELL_BINARY)), "no main window");
    }
    void cleanupTestCase() { windowManager_.kill(), windowManager_.waitForFinished(); }

    void dragFromTheDropperPicksThePixelUnderThePointer()
    {
        const QPoint solid = Swatches::Area.topLeft() + QPoint(15, 40);
        const QPoint target = Scale == 2 ? QPoint(Swatches::StripeX, solid.y()) : solid;
        const QColor expected = Scale == 2 ? Stripe : Solid;
        const QPoint dropper = session.at(Dropper);
        session.moveTo(dropper);
        xdotool({"mousedown", "1"});
        // While the button is held the swatch follows the pixel under the pointer.
        for (int step = 1; step <= 4; ++step)
            session.moveTo(dropper + (solid - dropper) * step / 4);
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        QCOMPARE(screen.pixelColor(session.at(Swatch)), Solid);
        session.moveTo(target);
        xdotool({"mouseup", "1"}, 200);

        const int packed = expected.red() + expected.green() * 256 + expected.blue() * 65536;
        QCOMPARE(session.copied(LongCopy), QString::number(packed));
        QCOMPARE(session.copied(RGBCopy), QString::asprintf("RGB(%d,%d,%d)", expected.red(),
                                                            expected.green(), expected.blue()));
        QFile pallette(session.file(Installed ? "data/Tintwell/Pallette.pal" : "Pallette.pal"));
        QVERIFY(pallette.open(QIODevice::ReadOnly));
        QCOMPARE(pallette.read(14), ("1   " + QByteArray::number(packed)).leftJustified(14));
    }

    // Over the frozen screen Escape prints nothing, a click the pixel under it at any scale factor.
    void pickFromTheCommandLinePrintsThePixelClicked()
    {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));
        for (const QString key : {"Escape", ""}) {
            QProcess pick;
            pick.start(QStringLiteral(TINTWELL_BINARY), {"--pick"});
            xdotool({"search", "--sync", "--onlyvisible", "--pid",
                     QString::number(pick.processId()), "--name", "^Tintwell$"});
            session.moveTo(QPoint(Swatches::StripeX, Swatches::Area.y() + 30));
            xdotool(key.isEmpty() ? QStringList{"click", "1"} : QStringList{"key", key});
            pick.waitForFinished(10000); // false when it has ended already
            QCOMPARE(pick.state(), QProcess::NotRunning);
            QCOMPARE(pick.exitCode(), key.isEmpty() ? 0 : 1);
            QCOMPARE(QString(pick.readAllStandardOutput()),
                     key.isEmpty() ? Stripe.name().toUpper() + u'\n' : QString());
        }
    }

    // Under a window manager the chart opens at its place and size, its frame's (it once took its
    // frame's size inside, growing at every opening, and put its title bar off the screen).
    void chartOpensAtItsPlaceAndSize()
    {
        if (!Installed) QSKIP("Needs a window manager.");
        session.moveTo(session.at({180, -150})); // File, then Tools > RGB Conversion Chart
        xdotool({"click", "1"}, 300), xdotool({"key", "Right", "Return"});
        xdotool({"search", "--sync", "--onlyvisible", "--name", "^RGB Colour Chart$",
                 "windowactivate", "--sync", "key", "Escape"});
        QFile ini(session.file("config/Tintwell/tintwell.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly) &&
                ini.readAll().contains(
                    "frmRGBchart%20Top=0\nfrmRGBchart%20Left=0\nfrmRGBchart%20width=7920\n"
                    "frmRGBchart%20height=6720\n"));
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return 77; // needs a real X server
    qunsetenv("QT_SCALE_FACTOR");
    QGuiApplication app(argc, argv);
    tst_e2e test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e.moc"
