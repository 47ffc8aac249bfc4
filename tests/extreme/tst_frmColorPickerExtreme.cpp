#include "ColourBox.h"
#include "StandIns.h"
#include "TestMain.h"
#include "ctxUpDown.h"
#include "frmColorPickerExtreme.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

using TestSupport::stored;
using TestSupport::typeInto;

namespace {

// Red, green, blue, hue, saturation, brightness and hex as the boxes show them; then CMYK, Lab.
QString readings(const frmColorPickerExtreme& d, bool all = false)
{
    QStringList texts;
    for (const QLineEdit* box :
         {d.txtRed, d.txtGreen, d.txtBlue, d.txtHue, d.txtSat, d.txtBri, d.txtNewColor, d.txtCyan,
          d.txtMagenta, d.txtYellow, d.txtBlack, d.txtLabLuminance, d.txtLabA, d.txtLabB})
        if (texts.size() < 7 || all) texts << box->text();
    return texts.join(u' ');
}

// The pause after typing, without waiting for it.
void pause(frmColorPickerExtreme& d)
{
    QVERIFY(d.tmrKeyboard->isActive() && d.tmrKeyboard->interval() == 500);
    QMetaObject::invokeMethod(d.tmrKeyboard, "timeout");
}

void drag(QWidget* on, QPoint from, QPoint to)
{
    QTest::mousePress(on, Qt::LeftButton, {}, from);
    QTest::mouseMove(on, to);
    QTest::mouseRelease(on, Qt::LeftButton, {}, to);
}

} // namespace

class tst_frmColorPickerExtreme : public QObject {
    Q_OBJECT

    RecordingMessageBoxes messages;
    RecordingWindowService windows;
    QWidget owner;
    QPointer<frmColorPickerExtreme> dialog;

    // Init on the colour, the script played in the dialog: its result and colour (-2: none).
    std::pair<bool, int> run(int colour, const std::function<void(frmColorPickerExtreme&)>& script)
    {
        if (!dialog) dialog = new frmColorPickerExtreme(&owner);
        QTimer play;
        play.setSingleShot(true);
        connect(&play, &QTimer::timeout, dialog, [this, script] {
            script(*dialog);
            if (dialog) dialog->hide();
        });
        play.start(0);
        int chosen = -2;
        const bool accepted = dialog->Init(colour, chosen);
        return {accepted, chosen};
    }

private slots:
    void initTestCase() { owner.setObjectName("frmColourPicker"); }
    void init()
    {
        delete dialog;
        TestSupport::forgetSettings();
        messages.shown.clear();
        windows.calls.clear();
    }

    void initShowsTheColourInEveryReadingAndOkReturnsIt_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("expected"); // RGB, HSB, hex, CMYK, Lab
        QTest::addColumn<int>("returned");
        QTest::newRow("-1 is black") << -1 << "0 0 0 0 0 0 000000 0 0 0 100 0.0 0.0 0.0" << 0;
        QTest::newRow("white") << 0xFFFFFF << "255 255 255 0 0 100 FFFFFF 0 0 0 0 100.0 0.0 0.0"
                               << 0xFFFFFF;
        QTest::newRow("orange") << 0x3366CC
                                << "204 102 51 20 75 80 CC6633 0 40 60 20 54.5 18.7 24.1"
                                << 0x3366CC;
        const QColor face = QGuiApplication::palette().color(QPalette::Button);
        QTest::newRow("the button face") << int(0x8000000F) << face.name().mid(1).toUpper()
                                         << (face.red() | face.green() << 8 | face.blue() << 16);
        QTest::newRow("no colour stands for system colour 25") << int(0x80000019) << "" << -2;
    }
    void initShowsTheColourInEveryReadingAndOkReturnsIt()
    {
        QFETCH(int, colour);
        QFETCH(QString, expected);
        QString seen;
        const auto [accepted, chosen] = run(colour, [&](frmColorPickerExtreme& d) {
            seen = readings(d, true);
            QTest::mouseClick(d.cmdOk, Qt::LeftButton);
        });
        QVERIFY2(seen.contains(expected), qPrintable(seen));
        QTEST(chosen, "returned");
        QCOMPARE(accepted, chosen != -2);
        QCOMPARE(messages.shown.size(), int(!accepted));
        if (!accepted)
            QCOMPARE(messages.shown[0].title + ": " + messages.shown[0].text,
                     "Vevozer Azede Dodizo: Error: no colour stands for -2147483623");
    }

    // Typed text counts after the pause: a number clamped to its range, anything else as 0. The
    // hue keeps a fraction its box cannot show.
    void typedNumbersApplyAfterThePause_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shows");
        for (const char* row :
             {"txtHue 400 255 0 4 359 100 100 FF0004", "txtHue 12.5 255 53 0 12 100 100 FF3500",
              "txtSat -5 255 255 255 0 0 100 FFFFFF", "txtGreen 300 255 255 0 60 100 100 FFFF00",
              "txtRed x7 0 0 0 0 0 0 000000"}) {
            const QString text(row);
            QTest::newRow(row) << text.section(u' ', 0, 0) << text.section(u' ', 1, 1)
                               << text.section(u' ', 2);
        }
    }
    void typedNumbersApplyAfterThePause()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shows);
        run(0x0000FF, [&](frmColorPickerExtreme& d) {
            typeInto(d.findChild<QLineEdit*>(box), typed);
            QCOMPARE(d.txtNewColor->text(), "FF0000");
            pause(d);
            QCOMPARE(readings(d), shows);
            QVERIFY(!d.tmrKeyboard->isActive());
        });
    }

    // Typing into the other group within the pause applies the first group at once, and the
    // text being typed stays in its box.
    void switchingGroupsWhileTypingAppliesTheFirstGroup()
    {
        run(0, [](frmColorPickerExtreme& d) {
            QTest::mouseClick(d.txtRed, Qt::LeftButton);
            typeInto(d.txtRed, "200");
            QTest::mouseClick(d.txtHue, Qt::LeftButton);
            typeInto(d.txtHue, "1");
            QCOMPARE(readings(d), "200 0 0 1 100 78 C80000");
            pause(d);
            QCOMPARE(readings(d), "199 3 0 1 100 78 C70300");
        });
    }

    void spinnersStepWithinTheirLimits_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("shows");
        QTest::newRow("hue up at 359") << 0x0400FF << "updHue" << 1 << "255 0 4 359 100 100 FF0004";
        QTest::newRow("red down at 0") << 0xFF00 << "updRed" << -1 << "0 255 0 120 100 100 00FF00";
        QTest::newRow("saturation up") << 0x3366CC << "updSat" << 1 << "204 101 49 20 76 80 CC6531";
    }
    void spinnersStepWithinTheirLimits()
    {
        QFETCH(int, colour);
        QFETCH(QString, spinner);
        QFETCH(int, step);
        run(colour, [&](frmColorPickerExtreme& d) {
            auto* control = d.findChild<ctxUpDown*>(spinner);
            QTest::mouseClick(control, Qt::LeftButton, {}, {5, step > 0 ? 2 : 18});
            QTEST(readings(d), "shows");
        });
    }

    // Pointer positions beyond the field or bar count as its nearest edge. Dragging in the field
    // never renders the field again, nor does a bar drag in a channel mode render the bar.
    void dragsAreClampedToTheFieldAndBar_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("onBar");
        QTest::addColumn<QPoint>("beyond"); // -1 before, 1 after, 0 within
        QTest::addColumn<QString>("hex");
        const auto row = [](const char* name, const char* mode, bool onBar, QPoint beyond,
                            const char* hex) {
            QTest::newRow(name) << QString(mode) << onBar << beyond << QString(hex);
        };
        row("hue field, above left", "optHue", false, {-1, -1}, "FFFFFF");
        row("hue field, below right", "optHue", false, {1, 1}, "000000");
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
        run(0x0000FF, [&](frmColorPickerExtreme& d) {
            QTest::mouseClick(d.findChild<QRadioButton*>(mode), Qt::LeftButton);
            QWidget* target = onBar ? d.imgBar : d.imgRect;
            const QSize size = target->size();
            const QPoint to(size.width() / 2 + beyond.x() * size.width(),
                            size.height() / 2 + beyond.y() * size.height());
            const qint64 field = d.currentField().cacheKey(), bar = d.currentBar().cacheKey();
            drag(target, QPoint(size.width() / 2, size.height() / 2), to);
            QTEST(d.txtNewColor->text(), "hex");
            const bool barInputs = !onBar && (mode == "optSat" || mode == "optBri");
            QCOMPARE(d.currentField().cacheKey() != field, onBar);
            QCOMPARE(d.currentBar().cacheKey() != bar, barInputs);
        });
    }

    // A grey has no hue of its own: the bar still moves its arrows to the hue chosen, and a
    // change of mode derives the hue from the colour again.
    void dragOnTheHueBarOfAGreyMovesOnlyTheArrows()
    {
        run(0x808080, [](frmColorPickerExtreme& d) {
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

    // The marker sits where the pointer put it, its middle circle white on colours of luminance
    // 127 or less and black above.
    void theMarkerFollowsThePointerAndShowsOnEveryColour()
    {
        run(0x0000FF, [](frmColorPickerExtreme& d) {
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

    // Web-safe colours only: every byte of the colour, the field and the bar snaps, and the
    // field is drawn pixel by pixel.
    void webSafeColoursSnapEverything()
    {
        run(0, [](frmColorPickerExtreme& d) {
            QVERIFY(d.chkAccel->isVisible() && d.chkAccel->isChecked());
            QTest::mouseClick(d.chkWebSafe, Qt::LeftButton);
            QVERIFY(!d.chkAccel->isEnabled());
            typeInto(d.txtRed, "30"), typeInto(d.txtGreen, "130"), typeInto(d.txtBlue, "230");
            pause(d);
            QCOMPARE(d.txtNewColor->text(), "3399FF");
            for (const QImage& picture : {d.currentField(), d.currentBar()})
                for (qsizetype i = 0; i < picture.sizeInBytes(); ++i)
                    QVERIFY(picture.constBits()[i] % 51 == 0);
            QTest::mouseClick(d.chkWebSafe, Qt::LeftButton);
            QVERIFY(d.chkAccel->isEnabled());
        });
    }

    // OK takes numbers typed just before it; a double click in the field is OK; the old
    // colour's swatch brings it back.
    void okTakesTheColourAsShown()
    {
        const auto typed = run(0, [](frmColorPickerExtreme& d) {
            typeInto(d.txtRed, "10");
            QTest::mouseClick(d.cmdOk, Qt::LeftButton);
        });
        // A double click: a click, then the second press as the platform reports it.
        const auto doubleClicked = run(0x3366CC, [](frmColorPickerExtreme& d) {
            QTest::mouseClick(d.imgRect, Qt::LeftButton, {}, {-1, -1});
            QTest::mouseDClick(d.imgRect, Qt::LeftButton, {}, {-1, -1});
        });
        const auto old = run(0x3366CC, [](frmColorPickerExtreme& d) {
            typeInto(d.txtRed, "0");
            pause(d);
            QTest::mouseClick(d.labOld, Qt::LeftButton);
            QTest::mouseClick(d.cmdOk, Qt::LeftButton);
        });
        QCOMPARE(
            QList({typed, doubleClicked, old}),
            QList({std::pair(true, 10), std::pair(true, 0xFFFFFF), std::pair(true, 0x3366CC)}));
    }

    // The close box and Cancel only hide the dialog, which keeps its mode and options for the
    // next Init; Escape unloads it. Its placement is saved as it closes, and it keeps to the
    // top band when the setting asks.
    void closingHidesTheDialogAndEscapeUnloadsIt()
    {
        TestSupport::store("tintwell/settings/ontop", "1");
        const auto closed = run(0x123456, [](frmColorPickerExtreme& d) {
            QTest::mouseClick(d.optBlue, Qt::LeftButton);
            QTest::mouseClick(d.chkWebSafe, Qt::LeftButton);
            d.resize(700, 400);
            d.close();
        });
        QVERIFY(dialog && !dialog->isVisible());
        QCOMPARE(stored("tintwell/FormSettings/frmColorPickerExtreme width").toInt(),
                 dialog->frameGeometry().width() * 15);
        const auto cancelled = run(0, [](frmColorPickerExtreme& d) {
            QVERIFY(d.optBlue->isChecked() && d.chkWebSafe->isChecked());
            QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
        });
        QCOMPARE(windows.calls, QStringList{"top:frmColorPickerExtreme"});
        const auto escaped =
            run(0, [](frmColorPickerExtreme& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
        QCOMPARE(windows.calls,
                 QStringList({"top:frmColorPickerExtreme", "untop:frmColorPickerExtreme",
                              "top:frmColourPicker"}));
        const auto reloaded =
            run(0, [](frmColorPickerExtreme& d) { QVERIFY(d.optHue->isChecked()); });
        QCOMPARE(QList({closed, cancelled, escaped, reloaded}),
                 (QList<std::pair<bool, int>>(4, {false, -2})));
    }

    // At its smallest the dialog still has a field of 6 x 2 pixels or more to draw and drag on;
    // the extra readings give way to the number boxes.
    void theSmallestDialogStillWorks()
    {
        run(0x3366CC, [](frmColorPickerExtreme& d) {
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
