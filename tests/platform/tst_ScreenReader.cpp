#include "FakeScreen.h"
#include "ScreenReader.h"
#include "TestMain.h"

#include <QLabel>
#include <QProcess>
#include <X11/Xlib.h>
#include <memory>

namespace {

bool onX()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

Display* display()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
}

QRect rootRect()
{
    const int screen = DefaultScreen(display());
    return QRect(0, 0, DisplayWidth(display(), screen), DisplayHeight(display(), screen));
}

// Every column and row differs from its neighbours in every channel, so a read shifted by one
// pixel or with two channels swapped shows.
QImage stripes()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, 255 - x - y));
    return image;
}

} // namespace

class tst_ScreenReader : public QObject {
    Q_OBJECT

    const QImage pattern = stripes();
    std::unique_ptr<QLabel> window;
    QRect area; // the window's pixels on the root, as the X server places them

private slots:
    void initTestCase()
    {
        if (!onX()) return;
        // Shown pixel for pixel whatever the scale factor, out of any window manager's hands.
        QPixmap pixmap = QPixmap::fromImage(pattern);
        pixmap.setDevicePixelRatio(qApp->devicePixelRatio());
        window = std::make_unique<QLabel>();
        window->setWindowFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
        window->setPixmap(pixmap);
        window->move(50, 40);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display(), window->winId(), DefaultRootWindow(display()), 0, 0, &x,
                              &y, &child);
        area = QRect(QPoint(x, y), pattern.size());
    }

    void monitorAtFindsTheFirstMonitorHoldingThePoint_data()
    {
        QTest::addColumn<QList<QRect>>("monitors");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("expected"); // index into monitors; -1 for none
        const QList<QRect> sideBySide{{0, 0, 1920, 1080}, {1920, 0, 2560, 1440}};
        const QList<QRect> leftAbove{{0, 0, 1920, 1080}, {-2560, -1440, 2560, 1440}};
        QTest::newRow("first's last pixel") << sideBySide << QPoint(1919, 1079) << 0;
        QTest::newRow("seam: second's first column") << sideBySide << QPoint(1920, 0) << 1;
        QTest::newRow("second's last pixel") << sideBySide << QPoint(4479, 1439) << 1;
        QTest::newRow("below the first, beside the second")
            << sideBySide << QPoint(100, 1080) << -1;
        QTest::newRow("past the right edge") << sideBySide << QPoint(4480, 0) << -1;
        QTest::newRow("negative offsets") << leftAbove << QPoint(-1, -1) << 1;
        QTest::newRow("left of the first, below the second") << leftAbove << QPoint(-1, 0) << -1;
        QTest::newRow("mirrored: the first listed")
            << QList<QRect>{{0, 0, 1920, 1080}, {0, 0, 1280, 1024}} << QPoint(10, 10) << 0;
    }

    void monitorAtFindsTheFirstMonitorHoldingThePoint()
    {
        QFETCH(QList<QRect>, monitors);
        QFETCH(QPoint, point);
        QFETCH(int, expected);
        QCOMPARE(monitorAt(monitors, point).value_or(QRect()),
                 expected < 0 ? QRect() : monitors.at(expected));
    }

    void pixelUnderPointerReadsTheDesktopOnlyOnAMonitor_data()
    {
        QTest::addColumn<QVariant>("pointer"); // a QPoint, or nothing
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<int>("expected"); // the ColourValue 0x00BBGGRR; -1 for nothing
        QTest::newRow("first monitor") << QVariant(QPoint(3, 4)) << false << 0x563412;
        QTest::newRow("second, below the first") << QVariant(QPoint(45, 33)) << false << 0xEFCDAB;
        QTest::newRow("seam: second's first column")
            << QVariant(QPoint(40, 0)) << false << 0xFF0000;
        QTest::newRow("desktop off every monitor") << QVariant(QPoint(10, 35)) << false << -1;
        QTest::newRow("pointer unknown") << QVariant() << false << -1;
        QTest::newRow("grab refused") << QVariant(QPoint(3, 4)) << true << -1;
    }

    void pixelUnderPointerReadsTheDesktopOnlyOnAMonitor()
    {
        QFETCH(QVariant, pointer);
        QFETCH(bool, refuse);
        QFETCH(int, expected);
        QImage desktop(90, 40, QImage::Format_RGB32);
        desktop.fill(qRgb(0x77, 0x88, 0x99));
        desktop.setPixel(3, 4, qRgb(0x12, 0x34, 0x56));
        desktop.setPixel(45, 33, qRgb(0xAB, 0xCD, 0xEF));
        desktop.setPixel(40, 0, qRgb(0, 0, 0xFF));
        FakeScreen screen(desktop);
        screen.monitorAreas = {{0, 0, 40, 30}, {40, 0, 50, 40}};
        if (pointer.isValid()) screen.pointer = pointer.toPoint();
        screen.refuseGrabs = refuse;
        QCOMPARE(ScreenReader::instance().pixelUnderPointer().value_or(-1), expected);
    }

    void withoutAnXServerNothingIsRead()
    {
        if (onX()) QSKIP("for the platforms without an X server");
        ScreenReader& reader = ScreenReader::instance();
        QVERIFY(!reader.pointerPosition());
        QVERIFY(reader.monitors().isEmpty());
        QVERIFY(reader.grab(QRect(0, 0, 4, 4)).isNull());
        QVERIFY(!reader.pixelUnderPointer());
    }

    void grabsReadExactPhysicalPixelsWhateverSizeCameBefore()
    {
        if (!onX()) QSKIP("needs a real X server");
        ScreenReader& reader = ScreenReader::instance();
        // The painted pixels reach the server some time after the window is exposed.
        QTRY_COMPARE(reader.grab(area), pattern);
        const QImage whole = reader.grab(rootRect());
        QCOMPARE(whole.size(), rootRect().size());
        QCOMPARE(whole.copy(area), pattern);
        // Smaller and odd-sized reads after a larger one, whose buffer they share.
        for (const QRect& part : {QRect(0, 0, 64, 48), QRect(3, 5, 37, 29), QRect(63, 47, 1, 1)})
            QCOMPARE(reader.grab(part.translated(area.topLeft())), pattern.copy(part));
    }

    void grabsLeavingTheRootAreRefused()
    {
        if (!onX()) QSKIP("needs a real X server");
        const QRect root = rootRect();
        // The last one would wrap onto (10, 0) in the protocol's 16-bit coordinates.
        for (const QRect& rect :
             {QRect(10, 10, 0, 5), QRect(-1, 0, 4, 4), QRect(0, -1, 4, 4),
              QRect(root.right() - 1, 0, 4, 4), QRect(0, root.bottom() - 1, 4, 4),
              root.adjusted(0, 0, 1, 0), QRect(65536 + 10, 0, 4, 4)})
            QVERIFY2(ScreenReader::instance().grab(rect).isNull(),
                     qPrintable(QDebug::toString(rect)));
    }

    void pointerAndPixelUnderItAreInPhysicalPixels()
    {
        if (!onX()) QSKIP("needs a real X server");
        const QPoint target = area.topLeft() + QPoint(13, 7);
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("mousemove"), QString::number(target.x()),
                                    QString::number(target.y())}),
                 0);
        ScreenReader& reader = ScreenReader::instance();
        QTRY_COMPARE(reader.pointerPosition().value_or(QPoint(-1, -1)), target);
        // The stripe at (13, 7) is red 52, green 35, blue 235.
        QCOMPARE(reader.pixelUnderPointer().value_or(-1), 0xEB2334);
    }
};

int main(int argc, char* argv[])
{
    // The registrations on the real X server skip without one; the offscreen one always runs.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        return 77;
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    tst_ScreenReader test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ScreenReader.moc"
