#include "ColourBox.h"
#include "PickerFixture.h"
#include "Save_Win_POS_SIZE.h"
#include "SchemeStore.h"
#include "StandIns.h"
#include "TestMain.h"
#include "WholeFile.h"
#include "cpvButton.h"
#include "ctxUpDown.h"
#include "frmColorPickerExtreme.h"
#include "frmCustomColour.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace TestSupport;
using Swatches = QStringList;

namespace {

// HTML hex, VB long, VB hex, HSL, RGB(), C++, Java, Delphi, Photoshop of 18/52/86.
const QString Forms123456 = QStringLiteral(R"("#123456" 5649426 &H00563412& 210,65,20 )"
                                           R"(RGB(18,52,86) 0x00563412 $00563412 0x214365 123456)");

QByteArray rec(int index, const QByteArray& colour)
{
    return QByteArray::number(index).leftJustified(4) + colour.leftJustified(10);
}

// RGB and HSB fields, HTML hex, VB long and hex, HSL, RGB(), C++, Java, Delphi, Photoshop, swatch.
QString colourShown(const frmColourPicker& w)
{
    QStringList shown;
    for (const QLineEdit* box :
         {w.txtRGBred, w.txtRGBgreen, w.txtRGBblue, w.txtHue, w.txtSat, w.txtBright,
          w.txtHexCodeHtml, w.txtRGBforVB, w.txtHexforVB, w.txtHSL, w.txtRGBvalue, w.txtCPP,
          w.txtJava, w.txtDelphi, w.txtPhotoshop})
        shown << box->text();
    return shown.join(u' ') + u' ' + QString::number(w.picShowColour->BackColor());
}

// Two 1280 x 800 monitors. Red, green: x, y mod 256; blue flips with x + y (smoothing shows), 20 up
// on the second.
QRgb desktopPixel(int x, int y)
{
    if (x == 1000 && y == 700) return qRgb(153, 102, 51);
    return qRgb(x & 255, y & 255, 40 + 150 * ((x + y) & 1) + 20 * (x >= 1280));
}

QImage desktop()
{
    QImage image(2560, 800, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, desktopPixel(x, y));
    return image;
}

void chooseMenuItem(frmColourPicker& w, QMenu* menu, QAction* item)
{
    QMenuBar* bar = w.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

// Presses near a widget's far corner, where no child covers it, and drags 30 right, 20 down.
void drag(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint from(widget->width() - 3, widget->height() - 3);
    QVERIFY(!widget->childAt(from));
    QTest::mousePress(widget, button, {}, from);
    QTest::mouseMove(widget, from + QPoint(30, 20));
    QTest::mouseRelease(widget, button, {}, from + QPoint(30, 20));
}

void swatchMenu(frmColourPicker& w, int swatch, QAction* item)
{
    QTest::mouseClick(w.PalletteColour[swatch], Qt::RightButton);
    QTest::mouseClick(w.mnuhidden, Qt::LeftButton, {}, w.mnuhidden->actionGeometry(item).center());
}

// "swatch=colour|tag" of the swatches that are not empty.
Swatches swatches(const frmColourPicker& w)
{
    Swatches used;
    for (int i = 1; i <= 34; ++i)
        if (const ColourBox* s = w.PalletteColour[i]; s->BackColor() != ButtonFace || s->Tag != "")
            used << QStringLiteral("%1=%2|").arg(i).arg(s->BackColor()) + s->Tag;
    return used;
}

} // namespace

class tst_frmColourPicker : public QObject {
    Q_OBJECT

    PickerFixture f;
    FakeScreen screen{desktop()};

    // Pairs of On Top ticked, kept on top; Magnify ticked, magnifying; pane 1, pane 2 shown; RGB,
    // HSB chosen; RGB, HSB frame shown.
    QString shown(const frmColourPicker& w) const
    {
        QString pairs;
        for (const bool on :
             {w.Check1->isChecked(), f.windows.calls.endsWith("top:frmColourPicker"),
              w.Check2->isChecked(), w.Timer1->isActive(), w.Frame1->isVisible(),
              w.Frame7->isVisible(), w.optFormat[0]->isChecked(), w.optFormat[1]->isChecked(),
              w.Frame4->isVisible(), w.Frame5->isVisible()})
            pairs += QString(pairs.size() % 3 == 2 ? " " : "") + (on ? u'1' : u'0');
        return pairs;
    }

    QString pal() const { return f.file(QStringLiteral("Pallette.pal")); }
    void tick() { QVERIFY(QMetaObject::invokeMethod(f.window->Timer1, "timeout")); }

private slots:
    void init()
    {
        f.reset();
        screen.monitorAreas = {{0, 0, 1280, 800}, {1280, 0, 1280, 800}};
        screen.pointer = QPoint(100, 100);
        screen.refuseGrabs = false;
        QPalette palette; // the cross-hair's button-text colour, told apart from the others
        palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
        QApplication::setPalette(palette);
    }
    void cleanup() { f.close(); }

    // Clicked on, off, on, a setting is stored (1, 0; the pane 2, 1) and read back at the next
    // start; a hand-edited other value is the default, but a pane other than "1" is 2.
    void clickedSettingIsWrittenAndReadBackAtNextStart_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("turnOn"); // Check1, Check2, Option1, optFormat(1); off: its partner
        QTest::addColumn<QString>("onShows");
        QTest::addColumn<QString>("edited");
        const auto row = [](auto name, auto key, int on, auto onShows, auto edited) {
            QTest::newRow(name) << key << on << onShows << edited;
        };
        row("On Top", "tintwell/settings/ontop", 0, "11 00 10 10 10", "2");
        row("Magnify", "tintwell/settings/Magnify", 1, "00 11 10 10 10", "1.0");
        row("pane", "tintwell/Settings/CodePane", 2, "00 00 01 10 10", "x");
        row("format", "Tintwell/FormSettings/RGB or HSB", 4, "00 00 10 01 01", "7");
    }
    void clickedSettingIsWrittenAndReadBackAtNextStart()
    {
        QFETCH(QString, key);
        QFETCH(int, turnOn);
        QFETCH(QString, onShows);
        QFETCH(QString, edited);
        const bool pane = key.endsWith("CodePane");
        const QString defaults = QStringLiteral("00 00 10 10 10");
        for (const bool on : {true, false, true}) {
            frmColourPicker& w = f.start();
            QCOMPARE(shown(w), on ? defaults : onShows);
            const QList<QAbstractButton*> buttons{w.Check1,  w.Check2,       w.Option1,
                                                  w.Option2, w.optFormat[1], w.optFormat[0]};
            QTest::mouseClick(buttons[on ? turnOn : turnOn + (turnOn >= 2)], Qt::LeftButton);
            QCOMPARE(shown(w) + stored(key), (on ? onShows : defaults) + QChar('0' + on + pane));
        }
        // With the files gone and the value hand-edited, nothing read before may linger.
        forgetSettings();
        store(key, edited);
        f.windows.calls.clear();
        QCOMPARE(shown(f.start()), pane ? onShows : defaults);
        // A 2 once put the window on top with the box clear; it is written back as the 0 it means.
        if (key.endsWith("ontop")) QCOMPARE(stored(key), "0");
    }

    // A failed write (full disk, size limit) is said and leaves the settings file as it was (it
    // once left it empty); an unchanged start writes nothing; a killed writer's leftovers, nothing.
    void settingsAreWrittenWholeOrNotAtAll()
    {
        const QString file = settingsFile("tintwell");
        const QByteArray before =
            "[settings]\nontop=0\n;" + QByteArray(3000, 'x') + "\n\n[Settings]\nCodePane=1\n";
        writeBytes(file, before);
        writeBytes(file + ".lock", "");
        writeBytes(file + ".a1B2c3", "[settings]\nontop=1\n");
        const QDateTime stamp = QDateTime::fromSecsSinceEpoch(981173106);
        QFile old(file);
        QVERIFY(old.open(QIODevice::Append) && old.setFileTime(stamp, QFile::FileModificationTime));
        frmColourPicker& w = f.start();
        QCOMPARE(QFileInfo(file).lastModified(), stamp);
        WholeFile::InjectWriteFailures([&](const QString& path) { return path == file; });
        QTest::mouseClick(w.Check1, Qt::LeftButton);
        WholeFile::InjectWriteFailures(nullptr);
        rlimit normal{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &normal), 0);
        const rlimit small{1024, normal.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN); // a write past it fails, not the test
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QTest::mouseClick(w.Check2, Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &normal);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(bytesOf(file), before);
        QCOMPARE(QString::number(f.messages.shown.size()) + f.messages.shown.value(0).text,
                 "2The settings could not be saved in " + file + ":\r\nNo space left on device");
        QTest::mouseClick(w.Option1, Qt::LeftButton);
        QCOMPARE(stored("tintwell/Settings/CodePane") + stored("tintwell/settings/ontop"), "20");
    }

    // A stored place keeps the window where it was, moved the least to be whole on the screen that
    // shows most of it (10 px past an edge, a window once came back at the default place): past
    // the left edge, mostly on the second (it has a panel at its top), larger, on no screen.
    void storedPlaceIsKeptOnTheScreens()
    {
        const QList<QRect> screens{{0, 0, 1280, 800}, {1280, 30, 1280, 770}};
        QList<QPoint> placed;
        for (const QRect frame : {QRect(-10, 50, 400, 300), QRect(1200, 600, 400, 300),
                                  QRect(-50, -50, 2000, 2000), QRect(5000, 5000, 400, 300)})
            placed << Save_Win_POS_SIZE::PlaceOnScreens(frame, screens, {7, 8});
        QCOMPARE(placed, QList<QPoint>({{0, 50}, {1280, 500}, {0, 0}, {7, 8}}));
    }

    // Help Contents opens the help page once it is there, in an installed copy's data folder too
    // (it once looked beside the program only). File > Exit stores the placement; minimised, only
    // the state, so it reopens at its last normal place. A Top of "abc" is 0; a maximised state,
    // which this fixed-size window cannot take, is normal (it once kept moves from being stored).
    void menusOpenTheHelpPageAndExitStoresThePlacement()
    {
        const QString key = QStringLiteral("tintwell/FormSettings/frmColourPicker ");
        const QString page = f.file(QStringLiteral("share/tintwell/Tintwell Help.html"));
        const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", f.file("share").toLocal8Bit());
        store(key + "Top", "abc");
        store(key + "Left", "4500");
        store(key + "WindowState", "2");
        QString placements;
        for (const bool minimised : {true, false}) {
            frmColourPicker& w = f.start();
            QVERIFY(!w.isMaximized());
            QCOMPARE(w.frameGeometry().topLeft(), QPoint(300, 0));
            chooseMenuItem(w, w.mnuhelp, w.mnuhelpcontents);
            w.move(40, 60);
            if (minimised) w.showMinimized();
            chooseMenuItem(w, w.mnufile, w.mnufileexit);
            for (const char* word : {"Left", "Top", "WindowState"})
                placements += stored(key + word) + u' ';
            writeBytes(page, "<html></html>");
        }
        qputenv("XDG_DATA_DIRS", dataDirs);
        QCOMPARE(placements, QStringLiteral("4500 abc 1 600 900 0 "));
        QCOMPARE(f.desktop.opened, QList{QUrl::fromLocalFile(page)});
        QCOMPARE(f.start().frameGeometry().topLeft(), QPoint(40, 60));
    }

    // A program folder that cannot be written (a system-wide install) is still read; the first
    // change goes to a copy in the per-user folder, whose files win where both hold one.
    void readOnlyProgramFolderIsReadAndChangedThroughACopy()
    {
        const QString own = qEnvironmentVariable("XDG_DATA_HOME") + "/Tintwell/";
        writeBytes(pal(), rec(1, "255"));
        writeBytes(f.file("a.col"), "[A]\r\n1=1\r\n");
        writeBytes(f.file("b.col"), "[Old]\r\n1=1\r\n");
        writeBytes(own + "b.col", "[New]\r\n1=2\r\n");
        ProgramFolder::setOverride(f.folder->path(), false);
        frmColourPicker& w = f.start();
        QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        QCOMPARE(swatches(w), Swatches({"1=255|255       ", "2=0|0"}));
        QCOMPARE(bytesOf(pal()) + '|' + bytesOf(own + "Pallette.pal"),
                 rec(1, "255") + '|' + rec(1, "255") + rec(2, "0"));
        w.mnufilecustomcolour->trigger();
        const QComboBox* schemes = w.findChild<frmCustomColour*>()->cboColourScheme;
        QCOMPARE(schemes->itemText(0) + schemes->itemText(1) + schemes->itemText(2), "ab");
        QCOMPARE(SchemeStore::load(SchemeStore::schemeFile("b")).colours.value(0).name, "New");
    }

    void pressOnTheClientAreaDragsTheWindow_data()
    {
        QTest::addColumn<int>("pressed"); // the first six move the window, the others do not
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<Qt::MouseButton>("button");
        int i = 0;
        for (const char* name : {"client", "Frame1", "Frame3", "Frame4", "picShowColour",
                                 "txtSampleText", "Frame2", "Frame6", "txtRGBred"})
            QTest::newRow(name) << i++ << true << Qt::LeftButton;
        QTest::newRow("picShowColour, moved by hand") << 4 << false << Qt::LeftButton;
        // A move begun by another button once glued the window to the pointer.
        QTest::newRow("client, right button") << 0 << true << Qt::RightButton;
        QTest::newRow("client, middle button, by hand") << 0 << false << Qt::MiddleButton;
    }
    void pressOnTheClientAreaDragsTheWindow()
    {
        QFETCH(int, pressed);
        QFETCH(bool, windowManager);
        QFETCH(Qt::MouseButton, button);
        f.windows.windowManagerPresent = windowManager;
        frmColourPicker& w = f.start();
        w.move(100, 100);
        drag(QList<QWidget*>{w.centralWidget(), w.Frame1, w.Frame3, w.Frame4, w.picShowColour,
                             w.txtSampleText, w.Frame2, w.Frame6, w.txtRGBred}[pressed],
             button);
        const bool moves = pressed < 6 && button == Qt::LeftButton;
        QCOMPARE(f.windows.calls.join(u' '), moves ? "move:frmColourPicker" : "");
        const QPoint place = QPoint(100, 100) + QPoint(30, 20) * (moves && !windowManager);
        QCOMPARE(w.frameGeometry().topLeft(), place);
        // Released, it stays put: a later drag begun on Frame2 must not carry the window along.
        drag(w.Frame2);
        QCOMPARE(w.frameGeometry().topLeft(), place);
    }

    // From 18/52/86 typed into the RGB fields (HSB frame shown for the hue), one field is edited.
    void editingAField_data()
    {
        QTest::addColumn<int>("field"); // red, green, hue, hex entry
        QTest::addColumn<QString>("typed");
        // then: red spun down -1, hue slider 2 (in RGB 3), Apply 4; pasted: Apply 5, hue/red up 6/8
        QTest::addColumn<int>("then");
        QTest::addColumn<QString>("after"); // the field's text, then the RGB() box's
        QTest::newRow("300 into red") << 0 << "300" << 0 << "255 RGB(255,52,86)";
        QTest::newRow("red emptied") << 0 << "" << 0 << "0 RGB(0,52,86)";
        QTest::newRow("letters into red") << 0 << "ab" << 0 << "18 RGB(18,52,86)";
        QTest::newRow("400 into hue") << 2 << "400" << 0 << "359 RGB(87,18,19)";
        QTest::newRow("hue slider to 0") << 2 << QString() << 2 << "0 RGB(87,18,18)";
        QTest::newRow("hue slider to 0, RGB frame") << 2 << QString() << 3 << "0 RGB(18,52,86)";
        QTest::newRow("red spun down at 0") << 0 << "0" << -1 << "0 RGB(0,52,86)";
        QTest::newRow("hex capitals refused") << 3 << "AB12cd" << 0 << "12CD RGB(18,52,86)";
        // Not applied: the bad characters once counted as digit -1.
        QTest::newRow("hex 12G456 pasted, applied") << 3 << "12G456" << 5 << "12G456 RGB(18,52,86)";
        // The long box once showed 33554431 for a white that had lost its top byte.
        QTest::newRow("hex 7 digits applied") << 3 << "1ffffff" << 4 << "1FFFFFF RGB(18,52,86)";
        // Copy RGB once copied the raw field texts: "RGB(18,,86)".
        QTest::newRow("green emptied") << 1 << "" << 0 << " RGB(18,52,86)";
        // Steps go from the number as it stands (once rounded first), in a type no paste overflows.
        QTest::newRow("12.7 pasted into hue, spun up") << 2 << "12.7" << 6 << "13.7 RGB(87,34,18)";
        QTest::newRow("huge number pasted, spun up")
            << 0 << "99999999999x" << 8 << "99999999999x RGB(18,52,86)";
    }
    void editingAField()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(int, then);
        frmColourPicker& w = f.start();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeInto(w.txtRGBred, QStringLiteral("18"));
        typeInto(w.txtRGBgreen, QStringLiteral("52"));
        typeInto(w.txtRGBblue, QStringLiteral("86"));
        if (field == 2) QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        if (then == 3) QTest::mouseClick(w.optFormat[0], Qt::LeftButton);
        QLineEdit* edited = QList{w.txtRGBred, w.txtRGBgreen, w.txtHue, w.txtEnterHex}[field];
        if (!typed.isNull())
            then == 5 || then >= 6 ? edited->setText(typed) : typeInto(edited, typed);
        if (then == -1 || then == 8)
            QTest::mouseClick(w.ctxUpDown2, Qt::LeftButton, {}, {8, then == -1 ? 16 : 4});
        if (then == 6) QTest::mouseClick(w.ctxUpDown5, Qt::LeftButton, {}, {8, 4});
        if (then == 2 || then == 3) QTest::keyClick(w.Slider1, Qt::Key_Home);
        if (then == 4 || then == 5) QTest::mouseClick(w.cmdApply, Qt::LeftButton);
        QTEST(edited->text() + u' ' + w.txtRGBvalue->text(), "after");
        // Emptied by the keyboard, red comes back as a selected zero; green stays empty.
        if (field == 0 && typed.isEmpty()) QCOMPARE(w.txtRGBred->selectedText(), "0");
        QTest::mouseClick(w.cmdRGBcopy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), w.txtRGBvalue->text());
        const auto box = f.messages.shown.value(f.messages.shown.size() - 1);
        QCOMPARE(QString::number(f.messages.shown.size()) + box.title + u'|' + box.text,
                 then != 4 && then != 5 ? "0|"
                                        : "1Error|An error ocured.Please make sure the correct\r\n"
                                          "information is being entered. ie ( 0 - 9 / A - F )  ");

        // An applied colour arrives exactly (an edited HSB field once made the sliders SetHSL
        // writes apply their HSB round trip). Six digits focus Apply, which gives the focus back.
        typeInto(w.txtEnterHex, QStringLiteral("563412"));
        QVERIFY(w.cmdApply->hasFocus());
        QTest::mouseClick(w.cmdApply, Qt::LeftButton);
        QVERIFY(w.txtEnterHex->hasFocus());
        QCOMPARE(colourShown(w), "18 52 86 210 79 34 " + Forms123456 + " 5649426");
        QStringList copied;
        for (cpvButton* button : {w.cmdHexHtml, w.cmdRGBforVB, w.Command3, w.cmdRGBcopy, w.cmdCPP,
                                  w.cmdJava, w.cmdDelphi, w.cmdPhotoshop}) {
            if (button == w.cmdCPP) QTest::mouseClick(w.Option1, Qt::LeftButton); // second pane
            QTest::mouseClick(button, Qt::LeftButton);
            copied << QGuiApplication::clipboard()->text();
        }
        QCOMPARE(copied.join(u' '), QString(Forms123456).remove(QStringLiteral("210,65,20 ")));
    }

    // A file shorter than a record is deleted, any other only read: colours that are no whole
    // numbers or hold a zero byte and empty records are skipped. Record n fills swatch n whatever
    // its index says (an index once moved its colour to a swatch the next save did not keep).
    void paletteStartsWithTheValidRecordsOnly()
    {
        writeBytes(pal(), "1   255      ");
        QCOMPARE(swatches(f.start()), Swatches());
        QCOMPARE(bytesOf(pal()), "<missing>");
        const QByteArray bytes = rec(1, "255") + rec(2, "12ab") + rec(0, "100") + rec(35, "100") +
                                 rec(5, "-1") + QByteArray("\0\xff\x01junk\r\n\0\0\x7f\x80!", 14) +
                                 rec(6, "1e3") + QByteArray("3\0  77        9   77\0x      ", 28) +
                                 " 7  16777215  8   4";
        writeBytes(pal(), bytes);
        QCOMPARE(swatches(f.start()),
                 Swatches({"1=255|255       ", "3=100|100       ", "4=100|100       ",
                           "8=77|77        ", "10=16777215|16777215  "}));
        QCOMPARE(bytesOf(pal()), bytes);
    }

    // A colour saved goes into the first free swatch, else the warning blinks. A swatch click
    // makes its colour current (HSB fields in the HSB format only). Clear All asks first.
    void paletteKeepsColoursUntilCleared()
    {
        QByteArray full, cleared;
        for (int i = 1; i <= 34; ++i) {
            full += rec(i, i == 5 ? "-1" : i == 2 ? "5649426" : QByteArray::number(i * 65793));
            cleared += rec(i, "-1");
        }
        writeBytes(pal(), full);
        frmColourPicker& w = f.start();
        QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        QTest::mouseClick(w.cmdHSBtoPallette, Qt::LeftButton);
        QCOMPARE(bytesOf(pal()), full.replace(4 * 14, 14, rec(5, "0")));
        QTest::mouseClick(w.optFormat[0], Qt::LeftButton);
        typeInto(w.txtEnterHex, QStringLiteral("0000ff"));
        QTest::mouseClick(w.cmdApply, Qt::LeftButton);
        QCOMPARE(bytesOf(pal()), full);
        QString blinks;
        while (w.Timer2->isActive() && blinks.size() < 13 &&
               QMetaObject::invokeMethod(w.Timer2, "timeout"))
            blinks += w.palletteWarning->isVisible() ? u'1' : u'0';
        QCOMPARE(blinks, QStringLiteral("101010101010"));
        // Colours kept coming every 100 ms once restarted the blink's count: it never showed.
        bool shown = false;
        for (int i = 0; i < 6; ++i, shown |= w.palletteWarning->isVisible(), QTest::qWait(100))
            QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        QVERIFY(shown);

        QTest::mouseClick(w.PalletteColour[2], Qt::LeftButton);
        QCOMPARE(colourShown(w), "18 52 86 0 100 100 " + Forms123456 + " 5649426");
        QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        QTest::mouseClick(w.PalletteColour[2], Qt::LeftButton);
        const QString current = "18 52 86 210 79 34 " + Forms123456 + " 5649426";
        QCOMPARE(colourShown(w), current);
        swatchMenu(w, 5, w.mnuClearColour);
        QCOMPARE(bytesOf(pal()), full.replace(4 * 14, 14, rec(5, "-1")));
        QTest::mouseClick(w.PalletteColour[5], Qt::LeftButton);
        QCOMPARE(colourShown(w), current);

        f.messages.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::Yes};
        for (const QByteArray& after : {full, cleared}) {
            swatchMenu(w, 2, w.mnuclearall);
            QCOMPARE(bytesOf(pal()), after);
        }
        QCOMPARE(swatches(w), Swatches());
        const RecordingMessageBoxes::Shown box = f.messages.shown.value(1);
        QVERIFY(box.icon == MessageBoxes::Icon::Warning &&
                box.buttons == MessageBoxes::Buttons::YesNo);
        QCOMPARE(box.title + u'|' + box.text,
                 "Warning|You are about to clear all Pallette Colours\r\n"
                 "            Continue (Y/N)  ");
    }

    // An unwritable record leaves its swatch as it was, said once per action: a file where its
    // folder goes (even for root), a named pipe (it once hung the start), a full disk; all kept.
    void paletteFileErrorsAreReported_data()
    {
        QTest::addColumn<QString>("why");
        QTest::newRow("folder under a file") << "Not a directory";
        QTest::newRow("named pipe") << "not a regular file";
        QTest::newRow("full disk") << "No space left on device";
    }
    void paletteFileErrorsAreReported()
    {
        const QString kind = QTest::currentDataTag();
        QFETCH(QString, why);
        writeBytes(f.file("afile"), "x");
        if (kind.startsWith("folder")) ProgramFolder::setOverride(f.file("afile/sub"));
        if (kind == "named pipe") QCOMPARE(mkfifo(qPrintable(pal()), 0600), 0);
        const bool full = kind == "full disk";
        if (full) writeBytes(pal(), rec(1, "255"));
        WholeFile::InjectWriteFailures([&](const QString& path) { return full && path == pal(); });
        frmColourPicker& w = f.start();
        QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        swatchMenu(w, 1, w.mnuclearall);
        WholeFile::InjectWriteFailures(nullptr);
        QCOMPARE(swatches(w), full ? Swatches({"1=255|255       "}) : Swatches());
        QCOMPARE(f.messages.shown.size(), 3); // the save's, Clear All's question and failure
        QVERIFY2(f.messages.shown[2].text.contains(QFileInfo(pal()).fileName()) &&
                     f.messages.shown[0].text.contains(why),
                 qPrintable(f.messages.shown[0].text));
        QCOMPARE(QFileInfo(pal()).isFile(), full);
        QCOMPARE(QFileInfo(pal()).exists(), !kind.startsWith("folder"));
    }

    // The pick is stored and sets HSB without an HSB round trip (153/102/51 once became blue 50 in
    // the HSB frame). A pixel that cannot be read changes no field, the palette nor the magnifier.
    void dropperPicksThePixelUnderThePointer_data()
    {
        QTest::addColumn<QPoint>("pointer"); // (-1, -1): none
        QTest::newRow("picked") << QPoint(1000, 700);
        QTest::newRow("off every monitor") << QPoint(2000, 700);
        QTest::newRow("grab refused") << QPoint(1000, 700);
        QTest::newRow("no pointer") << QPoint(-1, -1);
    }
    void dropperPicksThePixelUnderThePointer()
    {
        QFETCH(QPoint, pointer);
        const bool picks = QTest::currentDataTag() == QByteArray("picked");
        screen.monitorAreas.removeLast(); // the desktop goes on beyond the monitor
        frmColourPicker& w = f.start();
        QTest::mouseClick(w.Check2, Qt::LeftButton); // the magnifier shows (100, 100)
        tick();
        QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        const QString before = colourShown(w);
        const QImage frame = w.picMagnify->pixmap().toImage();
        QVERIFY(!frame.isNull());
        QTest::mousePress(w.Picture1, Qt::LeftButton);
        screen.pointer = QPoint(1000, 700);
        QTest::mouseMove(w.Picture1, {4, 4});
        QCOMPARE(w.picShowColour->BackColor(), 3368601);
        screen.pointer = pointer == QPoint(-1, -1) ? std::nullopt : std::optional(pointer);
        screen.refuseGrabs = QTest::currentDataTag() == QByteArray("grab refused");
        // Where the screen cannot be read the swatch shows the current colour again (it once
        // kept the drag's last pixel, which To Pallette then stored).
        QTest::mouseMove(w.Picture1, {5, 5});
        QCOMPARE(w.picShowColour->BackColor(), picks ? 3368601 : 0);
        QCOMPARE(w.txtRGBforVB->text(), "0");
        QTest::mouseRelease(w.Picture1, Qt::LeftButton);
        QCOMPARE(colourShown(w),
                 picks ? R"(153 102 51 30 67 60 "#996633" 3368601 &H00336699& 30,50,40 )"
                         R"(RGB(153,102,51) 0x00336699 $00336699 0x996633 996633 3368601)"
                       : before);
        QCOMPARE(bytesOf(pal()), picks ? QByteArray("1   3368601   ") : "<missing>");
        tick();
        QCOMPARE(w.picMagnify->pixmap().toImage() == frame, !picks);
    }

    // The pointer's surroundings within its monitor, enlarged unsmoothed, cross-haired with
    // 20-pixel arms. Magnification 150 starts as 99, "abc" as 0; the spinner stays in 0..99 and
    // stores it.
    void magnifierShowsThePointersSurroundings_data()
    {
        QTest::addColumn<QString>("m");   // a row's name ends with the spinner's step: up or down
        QTest::addColumn<QPoint>("at");   // the pointer
        QTest::addColumn<QPoint>("from"); // the screen pixel at the box's top-left
        QTest::addColumn<QPoint>("cross");
        QTest::addColumn<QString>("seen"); // the box's m, after a spinner step, and as stored
        auto row = [](auto name, auto m, QPoint at, QPoint from, QPoint cross, auto seen) {
            QTest::newRow(name) << m << at << from << cross << seen;
        };
        row("2:1, down", "50", {640, 400}, {616, 384}, {48, 32}, "50 49 49");
        // At a monitor's top or left edge the cross-hair once sat on pixel -1, out of sight; at
        // 100:1 the box once showed the pixel left of and above the pointer's.
        row("top-left edge, up", "0", {0, 0}, {0, 0}, {0, 0}, "0 1 1");
        row("top-left edge, 1 %, down", "1", {0, 0}, {0, 0}, {0, 0}, "1 0 0");
        row("100:1, odd pixel, up", "99", {641, 401}, {641, 401}, {47, 31}, "99 99 99");
        row("-8.5, monitor 2's top-left, down", "-8.5", {1281, 1}, {1280, 0}, {1, 1}, "0 0 -8.5");
        row("bottom-right, up", "0", {1279, 799}, {1185, 737}, {94, 62}, "0 1 1");
        row("150, up", "150", {640, 400}, {640, 400}, {47, 31}, "99 99 150");
        row("abc, down", "abc", {641, 401}, {594, 370}, {47, 31}, "0 0 abc");
        row("+8.5, down", "+8.5", {640, 400}, {597, 371}, {47, 32}, "8 7 7");
    }
    void magnifierShowsThePointersSurroundings()
    {
        QFETCH(QString, m);
        QFETCH(QPoint, at);
        QFETCH(QPoint, from);
        QFETCH(QPoint, cross);
        store("tintwell/settings/Magnification", m);
        screen.pointer = at;
        frmColourPicker& w = f.start();
        QTest::mouseClick(w.Check2, Qt::LeftButton);
        tick();
        const QImage box = w.picMagnify->pixmap().toImage();
        QCOMPARE(box.size(), QSize(95, 63));
        const double zoom = 100.0 / (100 - w.Text1->text().toInt());
        // Enlarged, the pointer's own pixel, the one a pick there takes, is under the cross-hair.
        if (zoom >= 2) QCOMPARE(box.pixel(cross + QPoint(1, 1)), desktopPixel(at.x(), at.y()));
        // Nobody sees a minimised window: the screen is read at the refresh rate only while shown.
        w.showMinimized();
        QVERIFY(!w.Timer1->isActive());
        w.showNormal();
        QVERIFY(w.Timer1->isActive() && w.Timer1->interval() == 17);
        for (int k = -22; k <= 22; ++k)
            for (const QPoint arm : {cross + QPoint(0, k), cross + QPoint(k, 0)})
                if (box.valid(arm)) QCOMPARE(box.pixel(arm) == qRgb(1, 2, 3), std::abs(k) <= 20);
        // Box pixel (i, j) shows screen pixel from + (i, j) / zoom, give or take a box pixel.
        for (int j = 0; j < 63; ++j)
            for (int i = 0; i < 95; ++i) {
                const QRgb shown = box.pixel(i, j);
                if (shown == qRgb(1, 2, 3)) continue; // the cross-hair
                const int x = quint8(qRed(shown) - from.x()), y = quint8(qGreen(shown) - from.y());
                QVERIFY(std::abs(x * zoom - i) < zoom + 1 && std::abs(y * zoom - j) < zoom + 1);
                QCOMPARE(shown, desktopPixel(from.x() + x, from.y() + y));
            }
        const QString before = w.Text1->text() + u' ';
        const bool up = QByteArray(QTest::currentDataTag()).endsWith("up");
        QTest::mouseClick(w.ctxUpDown1, Qt::LeftButton, {}, {7, up ? 4 : 16});
        QTEST(before + w.Text1->text() + u' ' + stored("tintwell/settings/Magnification"), "seen");
    }

    // Custom colours are stored with the user's edits whatever the answer, stored items that are
    // no numbers as white. A chosen colour is current and saved; no colour (-1) changes nothing.
    void colourDialogsChoiceBecomesCurrentAndJoinsThePalette()
    {
        const QString whites = QStringList(16, "16777215").join(u',');
        writeBytes(pal(), rec(1, "5") + rec(2, "-1"));
        ScriptedColourDialog dialog;
        dialog.edits = {{3, 255}};
        frmColourPicker& w = f.start();
        typeInto(w.txtRGBred, QStringLiteral("200"));
        const QString before = colourShown(w);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(stored("tintwell/cDialog/RegColors"), QString(whites).replace(27, 8, "255"));
        QCOMPARE(colourShown(w), before);
        store("tintwell/cDialog/RegColors", "255,abc,7");
        dialog.answer = 16711680;
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(stored("tintwell/cDialog/RegColors"), "255,16777215,7,255," + whites.sliced(36));
        QCOMPARE(bytesOf(pal()), rec(1, "5") + rec(2, "16711680"));
        QVERIFY(dialog.openings.value(1).fullOpen && dialog.openings[1].initialColour == 200);
        const QString blue = colourShown(w);
        QCOMPARE(blue.section(u' ', 0, 7), "0 0 255 240 100 100 \"#0000FF\" 16711680");
        w.SetFormColours(-1);
        QCOMPARE(colourShown(w), blue);
        // A top byte (a hand-edited scheme) once reached the long box: 33554431 for white.
        w.SetFormColours(0x1FFFFFF);
        QCOMPARE(colourShown(w).section(u' ', 0, 7), "255 255 255 0 0 100 \"#FFFFFF\" 16777215");
        // The advanced picker's choice is current and saved too.
        w.SetFormColours(0);
        QTimer::singleShot(0, [] {
            auto* d = static_cast<frmColorPickerExtreme*>(QApplication::activeModalWidget());
            typeInto(d->txtBlue, "255"), QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        });
        QTest::mouseClick(w.cmd3rdParty, Qt::LeftButton);
        QCOMPARE(w.txtRGBforVB->text() + bytesOf(pal()).sliced(28),
                 "16711680" + rec(3, "16711680"));
    }
};

TINTWELL_TEST_MAIN(tst_frmColourPicker)
#include "tst_frmColourPicker.moc"
