#include "ScreenReader.h"
#include "TestMain.h"

#include <QLabel>
#include <QProcess>
#include <X11/Xlib.h>

class tst_ScreenReader : public QObject {
    Q_OBJECT

    // Every column and row differs from its neighbours in every channel, so a read shifted by one
    // pixel or with two channels swapped shows.
    const QImage pattern = [] {
        QImage image(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x * 4, y * 5, 255 - x - y));
        return image;
    }();
    const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    QLabel window;
    QRect area, root; // the window's pixels on the root, as the X server places them; the root

private slots:
    void initTestCase()
    {
        if (!onX) return;
        Display* const display =
            qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
        root = QRect(0, 0, DisplayWidth(display, DefaultScreen(display)),
                     DisplayHeight(display, DefaultScreen(display)));
        // Shown pixel for pixel whatever the scale factor, out of any window manager's hands.
        QPixmap pixmap = QPixmap::fromImage(pattern);
        pixmap.setDevicePixelRatio(qApp->devicePixelRatio());
        window.setWindowFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
        window.setPixmap(pixmap);
        window.move(50, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, window.winId(), DefaultRootWindow(display), 0, 0, &x, &y,
                              &child);
        area = QRect(QPoint(x, y), pattern.size());
    }

    void monitorAtFindsTheMonitorHoldingThePoint()
    {
        const QRect one(0, 0, 1920, 1080), two(1920, 0, 2560, 1440), top(-2560, -1440, 2560, 1440);
        QList<QRect> found; // an empty rectangle for none
        // One's last pixel, the seam, under one beside two; negatives; left of one, under top.
        for (const QPoint point : {QPoint(1919, 1079), QPoint(1920, 0), QPoint(100, 1080),
                                   QPoint(-1, -1), QPoint(-1, 0)})
            found << monitorAt({one, two, top}, point).value_or(QRect());
        QCOMPARE(found, QList<QRect>({one, two, QRect(), top, QRect()}));
    }

    void withoutAnXServerNothingIsRead()
    {
        if (onX) QSKIP("for the platforms without an X server");
        ScreenReader& reader = ScreenReader::instance();
        QVERIFY(!reader.pointerPosition() && reader.monitors().isEmpty() &&
                reader.grab(QRect(0, 0, 4, 4)).isNull() && !reader.pixelUnderPointer());
    }

    void grabsPointerAndPixelsAreExactPhysicalPixelsOnTheRootOnly()
    {
        if (!onX) QSKIP("needs a real X server");
        ScreenReader& reader = ScreenReader::instance();
        // The painted pixels reach the server some time after the window is exposed.
        QTRY_COMPARE(reader.grab(area), pattern);
        const QImage whole = reader.grab(root);
        QVERIFY(whole.size() == root.size() && whole.copy(area) == pattern);
        // Smaller and odd-sized reads after a larger one, whose buffer they share.
        for (const QRect& part : {QRect(3, 5, 37, 29), QRect(63, 47, 1, 1)})
            QCOMPARE(reader.grab(part.translated(area.topLeft())), pattern.copy(part));
        // Rectangles leaving the root are refused; the last one would wrap onto (10, 0) in the
        // protocol's 16-bit coordinates.
        for (const QRect& rect :
             {QRect(10, 10, 0, 5), QRect(-1, 0, 4, 4), QRect(0, root.bottom() - 1, 4, 4),
              root.adjusted(0, 0, 1, 0), QRect(65536 + 10, 0, 4, 4)})
            QVERIFY2(reader.grab(rect).isNull(), qPrintable(QDebug::toString(rect)));
        const QPoint target = area.topLeft() + QPoint(13, 7);
        const QString move = QStringLiteral("mousemove %1 %2").arg(target.x()).arg(target.y());
        QCOMPARE(QProcess::execute("xdotool", move.split(u' ')), 0);
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
