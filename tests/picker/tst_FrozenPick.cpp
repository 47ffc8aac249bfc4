#include "ColourBox.h"
#include "FakePortal.h"
#include "FrozenScreen.h"
#include "PickerFixture.h"
#include "TestMain.h"
#include "cpvButton.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace TestSupport;

namespace {

// Each physical pixel differs from every other: red and green are x and y, blue their high bits.
QRgb desktopPixel(QPoint p)
{
    return qRgb(p.x() & 255, p.y() & 255, (p.x() >> 8) << 4 | (p.y() >> 8));
}

// PickColor's results with a "color" of these shares.
QVariantMap rgb(double red, double green, double blue)
{
    QDBusArgument colour;
    colour.beginStructure();
    colour << red << green << blue;
    colour.endStructure();
    return {{"color", QVariant::fromValue(colour)}};
}

// A mouse event at the middle of a physical pixel: a fraction of a point at a scale factor of 2.
void mouse(QWidget* window, QEvent::Type type, QPoint pixel, Qt::MouseButton button = {})
{
    const QPointF at = (QPointF(pixel) + QPointF(0.5, 0.5)) / window->devicePixelRatioF();
    QMouseEvent event(type, at, window->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, {});
    QApplication::sendEvent(window, &event);
}

FrozenScreen* frozenScreen()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<FrozenScreen*>(window); s && s->isVisible()) return s;
    return nullptr;
}

const QPoint Aim(301, 203), RightOfAim = Aim + QPoint(1, 0);
const QString Unusable = "The desktop portal's answer could not be used";

} // namespace

class tst_FrozenPick : public QObject {
    Q_OBJECT

    PickerFixture f;
    FakePortal portal;
    QTemporaryDir folder; // "tmp" in it is the temporary folder
    QImage screen;        // the screen in its physical pixels
    // A real compositor's, or a name that only says the session is Wayland.
    const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", "wl");

private slots:
    void initTestCase()
    {
        QDir().mkpath(folder.filePath("tmp"));
        qputenv("TMPDIR", folder.filePath("tmp").toLocal8Bit());
        const QScreen* primary = QGuiApplication::primaryScreen();
        screen = QImage(primary->size() * primary->devicePixelRatio(), QImage::Format_RGB32);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                screen.setPixel(x, y, desktopPixel({x, y}));
    }
    void init()
    {
        f.reset();
        qputenv("WAYLAND_DISPLAY", display.toLocal8Bit());
        store("tintwell/settings/Magnify", "1");
        portal.asked.clear();
    }
    void cleanup() { f.close(); }

    // Only a usable answer changes colour and palette; only a missing portal and unusable answers
    // say a word. The screen shows frozen pixel for pixel (at scale 2 too), swatch and 10:1 loupe
    // follow the pointer; a file the portal left in the temporary folder is deleted once read.
    void dropperOnWaylandPicksThroughThePortal_data()
    {
        QTest::addColumn<QString>("screenshot"); // the file answered, or the portal's code
        QTest::addColumn<QVariantMap>("colour"); // PickColor's results; none: it cancels
        QTest::addColumn<QString>("action");     // over the frozen screen
        QTest::addColumn<int>("picked");         // -1: none
        QTest::addColumn<QString>("said");       // how the message starts
        const int aimed = 0x10CB2D;              // desktopPixel(Aim) as 0x00BBGGRR
        const QVariantMap none;
        QTest::newRow("picked") << "tmp/a.png" << none << "click" << aimed << "";
        QTest::newRow("kept outside tmp") << "a.png" << none << "click" << aimed << "";
        QTest::newRow("Escape") << "tmp/a.png" << none << "Escape" << -1 << "";
        QTest::newRow("right click") << "tmp/a.png" << none << "right" << -1 << "";
        QTest::newRow("portal cancels") << "1" << none << "" << -1 << "";
        // 0.6 * 255 is a hair under 153, 0.5 * 255 is 127.5: rounded, not truncated (BGR in hex).
        QTest::newRow("refused, PickColor") << "2" << rgb(0.6, 0.4, 0.5) << "" << 0x806699 << "";
        QTest::newRow("refused, cancelled") << "2" << none << "" << -1 << "";
        QTest::newRow("no portal") << "absent" << none << "" << -1 << "Tintwell cannot see";
        QTest::newRow("a folder") << "tmp" << none << "" << -1 << Unusable;
        QTest::newRow("no picture") << "tmp/text" << none << "" << -1 << Unusable;
        QTest::newRow("wrong size") << "tmp/small.png" << none << "" << -1 << Unusable;
        QTest::newRow("no file URI") << "http" << none << "" << -1 << Unusable;
        QTest::newRow("above 1") << "2" << rgb(1.5, 0, 0) << "" << -1 << Unusable;
        QTest::newRow("no doubles") << "2" << QVariantMap{{"color", "red"}} << "" << -1 << Unusable;
    }
    void dropperOnWaylandPicksThroughThePortal()
    {
        QFETCH(QString, screenshot);
        QFETCH(QVariantMap, colour);
        QFETCH(QString, action);
        QFETCH(int, picked);
        QFETCH(QString, said);
        const QString path = folder.filePath(screenshot);
        if (screenshot.endsWith("a.png")) QVERIFY(screen.save(path));
        if (screenshot == "tmp/small.png") QVERIFY(screen.copy(0, 0, 8, 8).save(path));
        if (screenshot == "tmp/text") writeBytes(path, "no PNG");
        const QString uri =
            screenshot == "http" ? "http://localhost/a.png" : QUrl::fromLocalFile(path).toString();
        portal.screenshot = {screenshot.size() == 1 ? screenshot.toUInt() : 0u, {{"uri", uri}}};
        portal.pickColour = {colour.isEmpty() ? 1u : 0u, colour};
        QVERIFY(portal.setPresent(screenshot != "absent"));
        frmColourPicker& w = f.start();

        QTest::mouseClick(w.Picture1, Qt::LeftButton);
        if (!action.isEmpty()) {
            FrozenScreen* frozen = nullptr;
            QTRY_VERIFY((frozen = frozenScreen()));
            QTRY_COMPARE(frozen->size(), frozen->screen()->size());
            QImage shown = frozen->grab().toImage().convertToFormat(QImage::Format_RGB32);
            shown.setDevicePixelRatio(1);
            QCOMPARE(shown, screen);
            mouse(frozen, QEvent::MouseMove, Aim);
            QCOMPARE(toQColor(w.picShowColour->BackColor(), {}), QColor(desktopPixel(Aim)));
            // The loupe shows the pixel right of the pointer 10 x 10 (less its cross-hair).
            shown = frozen->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto* p = reinterpret_cast<const QRgb*>(shown.constBits());
            QCOMPARE(std::count(p, p + shown.sizeInBytes() / 4, desktopPixel(RightOfAim)), 91);
            if (action == "Escape") QTest::keyClick(frozen, Qt::Key_Escape);
            const auto button = action == "click" ? Qt::LeftButton : Qt::RightButton;
            if (action != "Escape") mouse(frozen, QEvent::MouseButtonPress, Aim, button);
            if (action == "click") mouse(frozen, QEvent::MouseButtonRelease, Aim, button);
        }
        QTRY_VERIFY(!w.Picture1->pixmap().isNull());
        QVERIFY(!frozenScreen());
        QCOMPARE(w.txtRGBforVB->text() + ' ' + QString::number(w.picShowColour->BackColor()),
                 QString("%1 %1").arg(std::max(picked, 0)));
        QCOMPARE(bytesOf(f.file("Pallette.pal")),
                 picked < 0 ? "<missing>" : "1   " + QByteArray::number(picked).leftJustified(10));
        QCOMPARE(f.messages.shown.size(), said.isEmpty() ? 0 : 1);
        QVERIFY(f.messages.shown.isEmpty() || f.messages.shown[0].text.startsWith(said));
        // Never a dialog for the picture; the portal's own picker only when that is refused.
        const QString shot = screenshot == "absent" ? "" : "Screenshot interactive=false";
        QCOMPARE(portal.asked.join(' '), screenshot == "2" ? shot + " PickColor" : shot);
        QCOMPARE(QFileInfo::exists(path), screenshot == "a.png" || screenshot == "tmp");
        // The magnifier reads through X, which cannot see a Wayland desktop; its setting is kept.
        QVERIFY(!w.Check2->isEnabled() && w.Check2->toolTip().contains("Wayland"));
        QVERIFY(!w.Timer1->isActive() && stored("tintwell/settings/Magnify") == "1");
        // Qt's screen picker in the colour dialog reads through X too: it is not offered.
        QStringList buttons;
        QTimer::singleShot(0, [&buttons] {
            for (const auto* b : QApplication::activeModalWidget()->findChildren<QPushButton*>())
                if (b->isVisible()) buttons << b->text();
            QApplication::activeModalWidget()->close();
        });
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QVERIFY(!buttons.isEmpty() && !buttons.contains(QColorDialog::tr("&Pick Screen Color")));
    }
};

TINTWELL_TEST_MAIN(tst_FrozenPick)
#include "tst_FrozenPick.moc"
