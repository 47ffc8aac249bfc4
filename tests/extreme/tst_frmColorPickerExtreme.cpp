#include "ColourBox.h"
#include "StandIns.h"
#include "TestMain.h"
#include "frmColorPickerExtreme.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

using namespace TestSupport;
using Dialog = frmColorPickerExtreme;

// Red, green, blue, hue, saturation, brightness and hex as the boxes show them; then CMYK, Lab.
static QString readings(const Dialog& d, bool all = false)
{
    QStringList texts;
    for (const QLineEdit* box :
         {d.txtRed, d.txtGreen, d.txtBlue, d.txtHue, d.txtSat, d.txtBri, d.txtNewColor, d.txtCyan,
          d.txtMagenta, d.txtYellow, d.txtBlack, d.txtLabLuminance, d.txtLabA, d.txtLabB})
        if (texts.size() < 7 || all) texts << box->text();
    return texts.join(u' ');
}

static void drag(QWidget* on, QPoint from, QPoint to)
{
    QTest::mousePress(on, Qt::LeftButton, {}, from);
    QTest::mouseMove(on, to);
    QTest::mouseRelease(on, Qt::LeftButton, {}, to);
}

class tst_frmColorPickerExtreme : public QObject {
    Q_OBJECT

    RecordingMessageBoxes messages;
    RecordingWindowService windows;
    QWidget owner;
    QPointer<frmColorPickerExtreme> dialog;

    // Init on the colour, the script played in the dialog: its result and colour (-2: none).
    std::pair<bool, int> run(int colour, const std::function<void(Dialog&)>& script)
    {
        if (!dialog) dialog = new frmColorPickerExtreme(&owner);
        QObject scope; // a script Init never got to play dies with it
        QTimer::singleShot(0, &scope, [this, script] {
            script(*dialog);
            if (dialog) dialog->hide();
        });
        int chosen = -2;
        return {dialog->Init(colour, chosen), chosen};
    }

private slots:
    void initTestCase() { owner.setObjectName("frmColourPicker"); }
    void init()
    {
        delete dialog;
        forgetSettings();
        messages.shown.clear();
        windows.calls.clear();
    }

    // Init on the colour, then the steps: a name clicks that control ("+" or "-": a spinner's upper
    // or lower half) and "=text" after it types too; "dclick" double clicks the field's corner;
    // "pause" ends the typing pause; ".", "*", "#" read seven boxes, all, the hex; messages last.
    void stepsShowInTheBoxesAndOkReturnsTheColour_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shows");
        QTest::addColumn<int>("returned"); // -2: none
        const auto row = [](const char* name, int colour, const char* steps, QString shows,
                            int returned = -2) {
            QTest::newRow(name) << colour << QString(steps) << shows << returned;
        };
        row("-1 is black", -1, "* ok", "0 0 0 0 0 0 000000 0 0 0 100 0.0 0.0 0.0", 0);
        row("white", 0xFFFFFF, "*", "255 255 255 0 0 100 FFFFFF 0 0 0 0 100.0 0.0 0.0");
        row("orange", 0x3366CC, "*", "204 102 51 20 75 80 CC6633 0 40 60 20 54.5 18.7 24.1");
        const QColor face = QGuiApplication::palette().color(QPalette::Button);
        row("the button face", int(0x8000000F), "# ok", face.name().mid(1).toUpper(),
            face.red() | face.green() << 8 | face.blue() << 16);
        row("no colour stands for system colour 25", int(0x80000019), "* ok",
            "Vevozer Azede Dodizo: Error: no colour stands for -2147483623");
        // Typed text counts after the pause, clamped, a non-number as 0; the hue keeps a fraction.
        row("hue 400", 0xFF, "txtHue=400 # pause .", "FF0000 / 255 0 4 359 100 100 FF0004");
        row("hue 12.5", 0xFF, "txtHue=12.5 # pause .", "FF0000 / 255 53 0 12 100 100 FF3500");
        row("saturation -5", 0xFF, "txtSat=-5 # pause .", "FF0000 / 255 255 255 0 0 100 FFFFFF");
        row("green 300", 0xFF, "txtGreen=300 # pause .", "FF0000 / 255 255 0 60 100 100 FFFF00");
        row("red x7", 0xFF, "txtRed=x7 # pause .", "FF0000 / 0 0 0 0 0 0 000000");
        // Typing in the other group within the pause applies the first at once, keeping the text.
        row("switching groups", 0, "txtRed=200 txtHue=1 . pause .",
            "200 0 0 1 100 78 C80000 / 199 3 0 1 100 78 C70300");
        row("hue up at 359", 0x0400FF, "updHue+ .", "255 0 4 359 100 100 FF0004");
        row("red down at 0", 0xFF00, "updRed- .", "0 255 0 120 100 100 00FF00");
        row("saturation up", 0x3366CC, "updSat+ .", "204 101 49 20 76 80 CC6531");
        // OK takes numbers just typed; a double click in the field is OK; the old swatch restores.
        row("typed, then OK", 0, "txtRed=10 ok", "", 10);
        row("double click", 0x3366CC, "dclick", "", 0xFFFFFF);
        row("old colour", 0x3366CC, "txtRed=0 pause old ok", "", 0x3366CC);
        // Web-safe colours only: the colour typed snaps.
        row("web-safe", 0, "websafe txtRed=30 txtGreen=130 txtBlue=230 pause #", "3399FF");
    }
    void stepsShowInTheBoxesAndOkReturnsTheColour()
    {
        QFETCH(int, colour);
        QFETCH(QString, steps);
        QStringList seen;
        const auto [accepted, chosen] = run(colour, [&](Dialog& d) {
            const QMap<QString, QWidget*> named{
                {"ok", d.cmdOk}, {"old", d.labOld}, {"websafe", d.chkWebSafe}};
            const QMap<QChar, QPoint> halves{{'+', {5, 2}}, {'-', {5, 18}}};
            for (const QString& step : steps.split(u' ')) {
                const QString name = step.section(u'=', 0, 0).remove(u'+').remove(u'-');
                QWidget* const control = named.value(name, d.findChild<QWidget*>(name));
                if (step == "pause") { // without waiting for it; the timer stops once it has passed
                    QVERIFY(d.tmrKeyboard->isActive() && d.tmrKeyboard->interval() == 500);
                    QMetaObject::invokeMethod(d.tmrKeyboard, "timeout");
                    QVERIFY(!d.tmrKeyboard->isActive());
                } else if (step.size() == 1)
                    seen << (step == "#" ? d.txtNewColor->text() : readings(d, step == "*"));
                else if (step == "dclick")
                    QTest::mouseClick(d.imgRect, Qt::LeftButton, {}, {-1, -1}),
                        QTest::mouseDClick(d.imgRect, Qt::LeftButton, {}, {-1, -1});
                else
                    QTest::mouseClick(control, Qt::LeftButton, {}, halves.value(step.back()));
                if (step.contains(u'='))
                    typeInto(qobject_cast<QLineEdit*>(control), step.section(u'=', 1));
            }
        });
        for (const auto& message : messages.shown)
            seen << message.title + ": " + message.text;
        QTEST(seen.join(" / "), "shows");
        QTEST(chosen, "returned");
        QCOMPARE(accepted, chosen != -2);
    }

    // Pointer positions beyond the field or bar count as its nearest edge. Dragging in the field
    // never renders the field again, nor does a bar drag in a channel mode render the bar.
    void dragsAreClampedToTheFieldAndBar_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("onBar");
        QTest::addColumn<QPoint>("beyond"); // -1 before, 1 after, 0 within
        QTest::addColumn<QString>("hex");
        const auto row = [](const char* name, QString mode, bool onBar, QPoint to, QString hex) {
            QTest::newRow(name) << mode << onBar << to << hex;
        };
        row("hue field, above left", "optHue", false, {-1, -1}, "FFFFFF");
        row("saturation field, above right", "optSat", false, {1, -1}, "FF0004");
        row("brightness field, below left", "optBri", false, {-1, 1}, "FFFFFF");
        row("red field, above right", "optRed", false, {1, -1}, "FFFFFF");
        row("hue bar, above", "optHue", true, {0, -1}, "FF0004");
        row("green bar, above", "optGreen", true, {0, -1}, "FFFF00");
        row("brightness bar, below", "optBri", true, {0, 1}, "000000");
    }
    void dragsAreClampedToTheFieldAndBar()
    {
        QFETCH(QString, mode);
        QFETCH(bool, onBar);
        QFETCH(QPoint, beyond);
        run(0x0000FF, [&](Dialog& d) {
            QTest::mouseClick(d.findChild<QRadioButton*>(mode), Qt::LeftButton);
            QWidget* target = onBar ? d.imgBar : d.imgRect;
            const qint64 field = d.currentField().cacheKey(), bar = d.currentBar().cacheKey();
            drag(target, target->rect().center(), target->rect().center() + beyond * 1000);
            QTEST(d.txtNewColor->text(), "hex");
            const bool barInputs = !onBar && (mode == "optSat" || mode == "optBri");
            QCOMPARE(d.currentField().cacheKey() != field, onBar);
            QCOMPARE(d.currentBar().cacheKey() != bar, barInputs);
        });
    }

    // A change of mode takes a grey's hue from the colour again.
    void dragOnTheHueBarOfAGreyMovesOnlyTheArrows()
    {
        run(0x808080, [](Dialog& d) {
            drag(d.imgBar, {13, 5}, {13, 100});
            QCOMPARE(d.txtNewColor->text(), "808080");
            QVERIFY(d.txtHue->text().toInt() > 200);
            const QImage seen = d.grab().toImage();
            QList<int> arrowRows;
            for (int y = 0; y < seen.height(); ++y)
                if ((seen.pixel(d.imgBar->x() - 2, y) & 0xFFFFFF) == 0) arrowRows << y;
            QCOMPARE(arrowRows, QList<int>({109, 110, 111, 112, 113, 114, 115}));
            QTest::mouseClick(d.optSat, Qt::LeftButton);
            QCOMPARE(d.txtHue->text(), "0");
        });
    }

    // The marker sits at the pointer, its middle circle white on luminance 127 or less, else black.
    void theMarkerFollowsThePointerAndShowsOnEveryColour()
    {
        run(0x0000FF, [](Dialog& d) {
            QMap<int, QString> rings;
            // (0, 0) would be the centre to QTest; that row shows no grey of interest anyway.
            for (int y = 1; y < d.imgRect->height(); ++y) {
                QTest::mouseClick(d.imgRect, Qt::LeftButton, {}, {0, y});
                const int grey = d.txtRed->text().toInt();
                if ((grey != 127 && grey != 128) || rings.contains(grey)) continue;
                const QImage seen = d.grab().toImage();
                for (int row = y + 12 - 5; row <= y + 12 - 3; ++row)
                    rings[grey] += seen.pixel(12, row) == qRgb(0, 0, 0) ? "black " : "white ";
            }
            QCOMPARE(rings.values(), QStringList({"black white black ", "white black white "}));
        });
    }

    // Web-safe: every byte of the field and the bar snaps, and the field is drawn pixel by pixel.
    void webSafeColoursSnapEverything()
    {
        run(0, [](Dialog& d) {
            QVERIFY(d.chkAccel->isVisible() && d.chkAccel->isChecked());
            QTest::mouseClick(d.chkWebSafe, Qt::LeftButton);
            QVERIFY(!d.chkAccel->isEnabled());
            for (const QImage& p : {d.currentField(), d.currentBar()})
                QVERIFY(std::all_of(p.constBits(), p.constBits() + p.sizeInBytes(),
                                    [](uchar byte) { return byte % 51 == 0; }));
            QTest::mouseClick(d.chkWebSafe, Qt::LeftButton);
            QVERIFY(d.chkAccel->isEnabled());
        });
    }

    // The dialog keeps its mode and options for the next Init; its placement is saved as it closes,
    // and it keeps to the top band when the setting asks.
    void closingHidesTheDialogAndEscapeUnloadsIt()
    {
        store("tintwell/settings/ontop", "1");
        const auto closed = run(0x123456, [](Dialog& d) {
            QTest::mouseClick(d.optBlue, Qt::LeftButton);
            QTest::mouseClick(d.chkWebSafe, Qt::LeftButton);
            d.resize(700, 400);
            d.close();
        });
        QVERIFY(dialog && !dialog->isVisible());
        QCOMPARE(stored("tintwell/FormSettings/frmColorPickerExtreme width").toInt(),
                 dialog->frameGeometry().width() * 15);
        const auto cancelled = run(0, [](Dialog& d) {
            QVERIFY(d.optBlue->isChecked() && d.chkWebSafe->isChecked());
            QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
        });
        QCOMPARE(windows.calls, QStringList{"top:frmColorPickerExtreme"});
        const auto escaped = run(0, [](Dialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
        QCOMPARE(windows.calls.join(u' '),
                 "top:frmColorPickerExtreme untop:frmColorPickerExtreme top:frmColourPicker");
        const auto reloaded = run(0, [](Dialog& d) { QVERIFY(d.optHue->isChecked()); });
        QCOMPARE(QList({closed, cancelled, escaped, reloaded}).count({false, -2}), 4);
    }

    // At its smallest the dialog still has a field of 6 x 2 pixels or more to draw and drag on;
    // the extra readings give way to the number boxes.
    void theSmallestDialogStillWorks()
    {
        run(0x3366CC, [](Dialog& d) {
            QVERIFY(d.picAdditional->isVisible());
            d.resize(1, 1);
            QVERIFY(d.imgRect->width() >= 6 && d.imgRect->height() >= 2);
            QCOMPARE(d.currentField().size(), d.imgRect->size());
            QVERIFY(!d.picAdditional->isVisible() && d.txtBlue->isVisible());
            drag(d.imgRect, {0, 1}, {d.imgRect->width() - 1, -1});
            QCOMPARE(d.txtNewColor->text(), "FF5500");
        });
    }
};

TINTWELL_TEST_MAIN(tst_frmColorPickerExtreme)
#include "tst_frmColorPickerExtreme.moc"
