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
    QRect area; // the window's pixels on the root, as the X server places them
    QRect root;

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
        const QRect first(0, 0, 1920, 1080), right(1920, 0, 2560, 1440),
            leftAbove(-2560, -1440, 2560, 1440);
        QList<QRect> found; // an empty rectangle for none
        // The first's last pixel, the seam, below the first beside the second.
        for (const QPoint point : {QPoint(1919, 1079), QPoint(1920, 0), QPoint(100, 1080)})
            found << monitorAt({first, right}, point).value_or(QRect());
        // Negative offsets; left of the first below the second.
        for (const QPoint point : {QPoint(-1, -1), QPoint(-1, 0)})
            found << monitorAt({first, leftAbove}, point).value_or(QRect());
        QCOMPARE(found, QList<QRect>({first, right, QRect(), leftAbove, QRect()}));
    }

    void withoutAnXServerNothingIsRead()
    {
        if (onX) QSKIP("for the platforms without an X server");
        ScreenReader& reader = ScreenReader::instance();
        QVERIFY(!reader.pointerPosition() && reader.monitors().isEmpty() &&
                reader.grab(QRect(0, 0, 4, 4)).isNull() && !reader.pixelUnderPointer());
    }

    void grabsReadExactPhysicalPixelsOnTheRootOnly()
    {
        if (!onX) QSKIP("needs a real X server");
        ScreenReader& reader = ScreenReader::instance();
        // The painted pixels reach the server some time after the window is exposed.
        QTRY_COMPARE(reader.grab(area), pattern);
        const QImage whole = reader.grab(root);
        QCOMPARE(whole.size(), root.size());
        QCOMPARE(whole.copy(area), pattern);
        // Smaller and odd-sized reads after a larger one, whose buffer they share.
        for (const QRect& part : {QRect(3, 5, 37, 29), QRect(63, 47, 1, 1)})
            QCOMPARE(reader.grab(part.translated(area.topLeft())), pattern.copy(part));
        // Rectangles leaving the root are refused; the last one would wrap onto (10, 0) in the
        // protocol's 16-bit coordinates.
        for (const QRect& rect :
             {QRect(10, 10, 0, 5), QRect(-1, 0, 4, 4), QRect(0, root.bottom() - 1, 4, 4),
              root.adjusted(0, 0, 1, 0), QRect(65536 + 10, 0, 4, 4)})
            QVERIFY2(reader.grab(rect).isNull(), qPrintable(QDebug::toString(rect)));
    }

    void pointerAndPixelUnderItAreInPhysicalPixels()
    {
        if (!onX) QSKIP("needs a real X server");
        const QPoint target = area.topLeft() + QPoint(13, 7);
        QCOMPARE(QProcess::execute("xdotool", {"mousemove", QString::number(target.x()),
                                               QString::number(target.y())}),
                 0);
        QTRY_COMPARE(ScreenReader::instance().pointerPosition().value_or(QPoint(-1, -1)), target);
        // The stripe at (13, 7) is red 52, green 35, blue 235.
        QCOMPARE(ScreenReader::instance().pixelUnderPointer().value_or(-1), 0xEB2334);
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
