#include "ColourBox.h"
#include "ProgramFolder.h"
#include "StandIns.h"
#include "TestMain.h"
#include "Twips.h"
#include "frmColourPicker.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

using ButtonOf = std::function<QAbstractButton*(const frmColourPicker&)>;
using Probe = std::function<bool(const frmColourPicker&)>;
Q_DECLARE_METATYPE(ButtonOf)
Q_DECLARE_METATYPE(Probe)

namespace {

QString settingsFile(const QString& app)
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell/" + app + ".ini";
}

// A fresh reader each time, so it sees what is on disk rather than an earlier reading.
QString stored(const QString& app, const QString& key)
{
    return QSettings(settingsFile(app), QSettings::IniFormat).value(key).toString();
}

void writeSettingsFile(const QString& app, const QByteArray& text)
{
    QFile file(settingsFile(app));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

int px(int twips)
{
    return qRound(twips / Twips::perPixelX());
}

template <typename T = QWidget> T* control(const frmColourPicker& w, const QString& name)
{
    const QHash<QString, QWidget*> controls{
        {"client", w.centralWidget()},  {"Frame1", w.Frame1},
        {"Frame2", w.Frame2},           {"Frame3", w.Frame3},
        {"Frame4", w.Frame4},           {"Frame5", w.Frame5},
        {"Frame7", w.Frame7},           {"Picture1", w.Picture1},
        {"picMagnify", w.picMagnify},   {"picShowColour", w.picShowColour},
        {"optFormat0", w.optFormat[0]}, {"optFormat1", w.optFormat[1]},
        {"Check1", w.Check1},           {"txtRGBred", w.txtRGBred},
        {"txtRGBgreen", w.txtRGBgreen}, {"txtHue", w.txtHue},
        {"txtSat", w.txtSat},           {"sliRGB1", w.sliRGB1},
        {"sliRGB2", w.sliRGB2},         {"Slider1", w.Slider1},
        {"Slider3", w.Slider3},         {"cmdRGBcopy", w.cmdRGBcopy},
    };
    // The copy buttons carry their names.
    QWidget* found = controls.value(name, w.findChild<QWidget*>(name));
    return qobject_cast<T*>(found);
}

// Replaces a field's whole text the way a user does: select it with the keyboard, then type.
void typeInto(QLineEdit* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(field, text);
}

void typeColour(frmColourPicker& w, int red, int green, int blue)
{
    typeInto(w.txtRGBred, QString::number(red));
    typeInto(w.txtRGBgreen, QString::number(green));
    typeInto(w.txtRGBblue, QString::number(blue));
}

void applyHex(frmColourPicker& w, const QString& digits)
{
    typeInto(w.txtEnterHex, digits);
    QTest::mouseClick(w.cmdApply, Qt::LeftButton);
}

// HTML hex, VB long, VB hex, RGB(, C++, the Java box, Delphi, Photoshop.
QStringList textForms(const frmColourPicker& w)
{
    return {w.txtHexCodeHtml->text(), w.txtRGBforVB->text(), w.txtHexforVB->text(),
            w.txtRGBvalue->text(),    w.txtCPP->text(),      w.txtJava->text(),
            w.txtDelphi->text(),      w.txtPhotoshop->text()};
}

QStringList rgbFields(const frmColourPicker& w)
{
    return {w.txtRGBred->text(), w.txtRGBgreen->text(), w.txtRGBblue->text()};
}

QStringList hsbFields(const frmColourPicker& w)
{
    return {w.txtHue->text(), w.txtSat->text(), w.txtBright->text()};
}

const QStringList PureRedForms{"\"#FF0000\"", "255",       "&H000000FF&", "RGB(255,0,0)",
                               "0x000000FF",  "$000000FF", "0xFF00",      "FF0000"};
const QStringList Colour123456Forms{"\"#123456\"", "5649426",   "&H00563412&", "RGB(18,52,86)",
                                    "0x00563412",  "$00563412", "0x214365",    "123456"};

QPoint sliderHandleCentre(const QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center();
}

} // namespace

class tst_frmColourPicker : public QObject {
    Q_OBJECT

    RecordingWindowService windows;
    RecordingMessageBoxes messages;

    // The palette and help files live beside the program; keep them out of the build folder.
    QTemporaryDir programFolder;

private slots:
    void initTestCase() { ProgramFolder::setOverride(programFolder.path()); }

    void init()
    {
        QFile::remove(settingsFile("tintwell"));
        QFile::remove(settingsFile("Tintwell"));
        windows.calls.clear();
        messages.shown.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    }

    void firstStartWithoutSettingsShowsDefaults()
    {
        {
            // Remember a value for every setting first: once the files are gone a fresh window
            // must not see them, whatever this process read earlier.
            frmColourPicker primed;
            primed.show();
            for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
                     primed.Check1, primed.Check2, primed.Option1, primed.optFormat[1]})
                QTest::mouseClick(button, Qt::LeftButton);
            primed.move(200, 100);
            primed.close();
        }
        QCOMPARE(stored("tintwell", "settings/ontop"), QStringLiteral("1"));
        init();

        frmColourPicker w;
        w.show();
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(0, 0));
        QVERIFY(!w.Check1->isChecked());
        QVERIFY(windows.calls.isEmpty());
        QVERIFY(!w.Check2->isChecked());
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(w.Text1->text(), QStringLiteral("0"));
        QVERIFY(w.optFormat[0]->isChecked());
        QVERIFY(w.Frame4->isVisible());
        QVERIFY(!w.Frame5->isVisible());
        QVERIFY(w.Frame1->isVisible());
        QVERIFY(!w.Frame7->isVisible());
        QCOMPARE(rgbFields(w), QStringList({"0", "0", "0"}));
        QCOMPARE(w.txtHexCodeHtml->text(), QStringLiteral("\"#000000\""));
    }

    void clickedSettingIsWrittenAndReadBackAtNextStart_data()
    {
        QTest::addColumn<ButtonOf>("turnOn");
        QTest::addColumn<ButtonOf>("turnOff");
        QTest::addColumn<QString>("app");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("onOff");
        QTest::addColumn<Probe>("isOn");
        const auto row = [](const char* name, ButtonOf on, ButtonOf off, const char* app,
                            const char* key, const char* onValue, const char* offValue,
                            Probe isOn) {
            QTest::newRow(name) << on << off << QString(app) << QString(key)
                                << QStringList{onValue, offValue} << isOn;
        };
        row(
            "On Top", [](auto& w) { return w.Check1; }, [](auto& w) { return w.Check1; },
            "tintwell", "settings/ontop", "1", "0",
            // In the top band is what the window service was last told.
            [this](auto&) {
                return windows.calls.value(windows.calls.size() - 1) == "top:frmColourPicker";
            });
        row(
            "Magnify", [](auto& w) { return w.Check2; }, [](auto& w) { return w.Check2; },
            "tintwell", "settings/Magnify", "1", "0", [](auto& w) { return w.Timer1->isActive(); });
        row(
            "code pane", [](auto& w) { return w.Option1; }, [](auto& w) { return w.Option2; },
            "tintwell", "Settings/CodePane", "2", "1",
            [](auto& w) { return w.Frame7->isVisible() && !w.Frame1->isVisible(); });
        row(
            "RGB or HSB", [](auto& w) { return w.optFormat[1]; },
            [](auto& w) { return w.optFormat[0]; }, "Tintwell", "FormSettings/RGB or HSB", "1", "0",
            [](auto& w) { return w.Frame5->isVisible() && !w.Frame4->isVisible(); });
    }
    void clickedSettingIsWrittenAndReadBackAtNextStart()
    {
        QFETCH(ButtonOf, turnOn);
        QFETCH(ButtonOf, turnOff);
        QFETCH(QString, app);
        QFETCH(QString, key);
        QFETCH(QStringList, onOff);
        QFETCH(Probe, isOn);
        for (const bool on : {true, false}) {
            frmColourPicker w;
            w.show();
            QCOMPARE(isOn(w), !on);
            QTest::mouseClick(on ? turnOn(w) : turnOff(w), Qt::LeftButton);
            QCOMPARE(isOn(w), on);
            QCOMPARE(stored(app, key), onOff[on ? 0 : 1]);
        }
        frmColourPicker w;
        w.show();
        QVERIFY(!isOn(w));
    }

    void handEditedBadSettingsOpenWithDefaults()
    {
        // The good values beside the bad ones prove the files were read at all.
        writeSettingsFile("tintwell", "[settings]\nontop=yes\nMagnify=1\n\n"
                                      "[Settings]\nCodePane=x\n\n[FormSettings]\n"
                                      "frmColourPicker%20Top=abc\nfrmColourPicker%20Left=300\n");
        writeSettingsFile("Tintwell", "[FormSettings]\nRGB%20or%20HSB=7\n");
        frmColourPicker w;
        w.show();
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(px(300), 0));
        QVERIFY(!w.Check1->isChecked());
        QVERIFY(windows.calls.isEmpty());
        QVERIFY(w.optFormat[0]->isChecked());
        QVERIFY(w.Frame4->isVisible());
        QVERIFY(!w.Frame5->isVisible());
        // Any code pane other than "1" is the second one.
        QVERIFY(w.Frame7->isVisible());
    }

    void controlsSitAtTheirTwipsPositions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        // Width 0: only the position is fixed.
        QTest::newRow("Frame2") << "Frame2"
                                << "client" << QRect(2820, 0, 3495, 2415);
        QTest::newRow("Picture1") << "Picture1"
                                  << "Frame2" << QRect(3000, 240, 375, 375);
        QTest::newRow("picMagnify") << "picMagnify"
                                    << "Frame2" << QRect(1920, 840, 1455, 975);
        QTest::newRow("picShowColour") << "picShowColour"
                                       << "Frame2" << QRect(120, 1200, 1575, 615);
        QTest::newRow("Frame1") << "Frame1"
                                << "client" << QRect(60, 0, 2655, 2415);
        QTest::newRow("Frame7") << "Frame7"
                                << "client" << QRect(60, 0, 2655, 2415);
        QTest::newRow("Frame3") << "Frame3"
                                << "client" << QRect(60, 2400, 6255, 735);
        QTest::newRow("Frame4") << "Frame4"
                                << "client" << QRect(60, 4320, 6255, 2055);
        QTest::newRow("Frame5") << "Frame5"
                                << "client" << QRect(60, 4320, 6255, 2055);
        QTest::newRow("optFormat(0)") << "optFormat0"
                                      << "client" << QRect(120, 6480, 0, 0);
        QTest::newRow("optFormat(1)") << "optFormat1"
                                      << "client" << QRect(1080, 6480, 0, 0);
        QTest::newRow("Check1") << "Check1"
                                << "client" << QRect(2160, 6480, 0, 0);
    }
    void controlsSitAtTheirTwipsPositions()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        frmColourPicker w;
        w.show();
        QCOMPARE(w.centralWidget()->size(), QSize(px(6375), px(6840)));
        QWidget* widget = control(w, name);
        QCOMPARE(widget->parentWidget(), control(w, parent));
        QCOMPARE(widget->pos(), QPoint(px(twips.left()), px(twips.top())));
        if (twips.width() > 0)
            QCOMPARE(widget->size(), QSize(px(twips.width()), px(twips.height())));
    }

    void menusCarryTheirExactCaptions()
    {
        const auto items = [](const QWidget* menu) {
            QStringList result;
            for (const QAction* action : menu->actions()) {
                QString item = action->isSeparator() ? QStringLiteral("-") : action->text();
                // A hidden action also reports itself disabled.
                if (!action->isVisible())
                    item += " (hidden)";
                else if (!action->isEnabled())
                    item += " (disabled)";
                result << item;
            }
            return result;
        };
        frmColourPicker w;
        QCOMPARE(items(w.menuBar()), QStringList({"File", "Tools", "&Help"}));
        QCOMPARE(w.menuBar()->actions().at(2)->menu(), w.mnuhelp);
        QCOMPARE(items(w.mnufile), QStringList({"Custom Colours (disabled)", "-", "Exit"}));
        QCOMPARE(items(w.mnutools), QStringList({"RGB Conversion Chart (disabled)"}));
        QCOMPARE(items(w.mnuhelp), QStringList({"Check Update (disabled)", "-", "Help Contents",
                                                "About (disabled)"}));
        QCOMPARE(items(w.mnuhidden),
                 QStringList({"Clear Colour", "Clear All Colours", "Save as Scheme (hidden)"}));
    }

    void copyButtonPutsExactlyItsBoxTextOnTheClipboard_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("secondPane");
        QTest::addColumn<QList<int>>("rgb");
        QTest::addColumn<QString>("expected");
        const QStringList buttons{"cmdHexHtml", "cmdRGBforVB", "Command3",  "cmdRGBcopy",
                                  "cmdCPP",     "cmdJava",     "cmdDelphi", "cmdPhotoshop"};
        for (int i = 0; i < buttons.size(); ++i) {
            const QByteArray name = buttons[i].toLatin1();
            QTest::addRow("%s red", name.constData())
                << buttons[i] << (i >= 4) << QList<int>{255, 0, 0} << PureRedForms[i];
            QTest::addRow("%s 18/52/86", name.constData())
                << buttons[i] << (i >= 4) << QList<int>{18, 52, 86} << Colour123456Forms[i];
        }
    }
    void copyButtonPutsExactlyItsBoxTextOnTheClipboard()
    {
        QFETCH(QString, button);
        QFETCH(bool, secondPane);
        QFETCH(QList<int>, rgb);
        QFETCH(QString, expected);
        frmColourPicker w;
        w.show();
        typeColour(w, rgb[0], rgb[1], rgb[2]);
        if (secondPane) QTest::mouseClick(w.Option1, Qt::LeftButton);
        auto* copy = control<QPushButton>(w, button);
        QVERIFY(copy && copy->isVisible());
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    }

    void typingAboveTheLimitLeavesTheLimit_data()
    {
        QTest::addColumn<bool>("hsbFrame");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("limit");
        QTest::newRow("red") << false << "txtRGBred"
                             << "sliRGB1"
                             << "300" << 255;
        QTest::newRow("green") << false << "txtRGBgreen"
                               << "sliRGB2"
                               << "999" << 255;
        QTest::newRow("hue") << true << "txtHue"
                             << "Slider1"
                             << "400" << 359;
        QTest::newRow("saturation") << true << "txtSat"
                                    << "Slider3"
                                    << "150" << 100;
    }
    void typingAboveTheLimitLeavesTheLimit()
    {
        QFETCH(bool, hsbFrame);
        QFETCH(QString, field);
        QFETCH(QString, slider);
        QFETCH(QString, typed);
        QFETCH(int, limit);
        frmColourPicker w;
        w.show();
        if (hsbFrame) QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        typeInto(control<QLineEdit>(w, field), typed);
        QCOMPARE(control<QLineEdit>(w, field)->text(), QString::number(limit));
        QCOMPARE(control<QSlider>(w, slider)->value(), limit);
    }

    void emptyingAFieldByBackspace_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("html");
        QTest::newRow("red becomes a selected zero")
            << "txtRGBred" << QStringList{"0", "52", "86"} << "\"#003456\"";
        QTest::newRow("green stays empty")
            << "txtRGBgreen" << QStringList{"18", "", "86"} << "\"#123456\"";
    }
    void emptyingAFieldByBackspace()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, fields);
        QFETCH(QString, html);
        frmColourPicker w;
        w.show();
        typeColour(w, 18, 52, 86);
        typeInto(control<QLineEdit>(w, field), "\b");
        QCOMPARE(rgbFields(w), fields);
        QCOMPARE(w.txtHexCodeHtml->text(), html);
        if (field == u"txtRGBred") QCOMPARE(w.txtRGBred->selectedText(), QStringLiteral("0"));
    }

    void lettersInRedChangeNothing_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("redAfter");
        QTest::newRow("typed") << false << "18";
        QTest::newRow("pasted") << true << "abc";
    }
    void lettersInRedChangeNothing()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, redAfter);
        frmColourPicker w;
        w.show();
        typeColour(w, 18, 52, 86);
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        if (pasted) {
            typeInto(w.txtRGBred, {});
            // Ctrl+V with the control character X11 gives it as text.
            QTest::sendKeyEvent(QTest::Click, w.txtRGBred, Qt::Key_V, QStringLiteral("\x16"),
                                Qt::ControlModifier);
        } else {
            typeInto(w.txtRGBred, "ab");
        }
        QCOMPARE(w.txtRGBred->text(), redAfter);
        QCOMPARE(w.sliRGB1->value(), 18);
        QCOMPARE(textForms(w), Colour123456Forms);
    }

    void hexEntryTakesLowerCaseDigitsAndApplyMakesThemCurrent()
    {
        frmColourPicker w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::mouseClick(w.txtEnterHex, Qt::LeftButton);
        QTest::keyClicks(w.txtEnterHex, "ABCDEF");
        QCOMPARE(w.txtEnterHex->text(), QString());
        QTest::keyClicks(w.txtEnterHex, "0000f");
        QVERIFY(w.txtEnterHex->hasFocus());
        QTest::keyClicks(w.txtEnterHex, "f");
        QCOMPARE(w.txtEnterHex->text(), QStringLiteral("0000FF"));
        QVERIFY(w.cmdApply->hasFocus());

        QTest::mouseClick(w.cmdApply, Qt::LeftButton);
        QCOMPARE(rgbFields(w), QStringList({"255", "0", "0"}));
        QCOMPARE(w.sliRGB1->value(), 255);
        QCOMPARE(textForms(w), PureRedForms);
        QCOMPARE(w.picShowColour->BackColor(), 255);
        QVERIFY(w.txtEnterHex->hasFocus());
        QVERIFY(messages.shown.isEmpty());
    }

    void nineHexDigitsShowTheErrorAndLeaveTheWindowUsable()
    {
        frmColourPicker w;
        w.show();
        typeColour(w, 18, 52, 86);
        applyHex(w, "123456789");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(messages.shown[0].icon, MessageBoxes::Icon::Information);
        QCOMPARE(messages.shown[0].text,
                 QStringLiteral("An error ocured.Please make sure the correct\r\n"
                                "information is being entered. ie ( 0 - 9 / A - F )  "));
        QCOMPARE(textForms(w), Colour123456Forms);

        applyHex(w, "0000ff");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(textForms(w), PureRedForms);
    }

    void hsbSliderMove_data()
    {
        QTest::addColumn<bool>("hsbFrame");
        QTest::addColumn<bool>("byDrag");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("hsl");
        // From pure blue (hue 240) to hue 0.
        QTest::newRow("RGB frame shown, keys")
            << false << false << QStringList{"0", "0", "255"} << "240,100,50";
        QTest::newRow("HSB frame shown, keys")
            << true << false << QStringList{"255", "0", "0"} << "0,100,50";
        QTest::newRow("HSB frame shown, drag")
            << true << true << QStringList{"255", "0", "0"} << "0,100,50";
    }
    void hsbSliderMove()
    {
        QFETCH(bool, hsbFrame);
        QFETCH(bool, byDrag);
        QFETCH(QStringList, fields);
        QFETCH(QString, hsl);
        frmColourPicker w;
        w.show();
        typeColour(w, 0, 0, 255);
        QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        if (!hsbFrame) QTest::mouseClick(w.optFormat[0], Qt::LeftButton);
        QCOMPARE(w.txtHue->text(), QStringLiteral("240"));

        if (byDrag) {
            const QPoint handle = sliderHandleCentre(w.Slider1);
            const QPoint farLeft(-50, handle.y());
            QTest::mousePress(w.Slider1, Qt::LeftButton, {}, handle);
            QTest::mouseMove(w.Slider1, farLeft);
            QTest::mouseRelease(w.Slider1, Qt::LeftButton, {}, farLeft);
        } else {
            QTest::keyClick(w.Slider1, Qt::Key_Home);
        }
        QCOMPARE(w.Slider1->value(), 0);
        QCOMPARE(w.txtHue->text(), QStringLiteral("0"));
        QCOMPARE(rgbFields(w), fields);
        QCOMPARE(w.txtHSL->text(), hsl);
        if (hsbFrame) {
            QCOMPARE(textForms(w), PureRedForms);
            QCOMPARE(w.picShowColour->BackColor(), 255);
        } else {
            QCOMPARE(w.txtHexCodeHtml->text(), QStringLiteral("\"#0000FF\""));
        }
    }

    void setFormColours_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("forms");
        QTest::addColumn<QStringList>("hsb");
        QTest::newRow("no colour changes nothing")
            << -1 << QStringList{"18", "52", "86"} << Colour123456Forms
            << QStringList{"210", "79", "34"};
        QTest::newRow("R153 G102 B51")
            << 3368601 << QStringList{"153", "102", "51"}
            << QStringList{"\"#996633\"", "3368601",   "&H00336699&", "RGB(153,102,51)",
                           "0x00336699",  "$00336699", "0x996633",    "996633"}
            << QStringList{"30", "67", "60"};
    }
    void setFormColours()
    {
        QFETCH(int, colour);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, forms);
        QFETCH(QStringList, hsb);
        frmColourPicker w;
        w.show();
        applyHex(w, "563412");
        w.SetFormColours(colour);
        QCOMPARE(rgbFields(w), fields);
        QCOMPARE(textForms(w), forms);
        QCOMPARE(hsbFields(w), hsb);
        QCOMPARE(w.Slider3->value(), hsb[1].toInt());
    }

    void aColourTravelsThroughEveryPathAndSettles()
    {
        frmColourPicker w;
        w.show();
        applyHex(w, "0000ff");
        QTest::mouseClick(w.optFormat[1], Qt::LeftButton);

        // Hue field -> hue slider -> HSB colour -> RGB fields -> RGB sliders -> every text form.
        typeInto(w.txtHue, "120");
        QCOMPARE(rgbFields(w), QStringList({"0", "255", "0"}));
        QCOMPARE(w.sliRGB2->value(), 255);
        QCOMPARE(textForms(w), QStringList({"\"#00FF00\"", "65280", "&H0000FF00&", "RGB(0,255,0)",
                                            "0x0000FF00", "$0000FF00", "0x00FF", "00FF00"}));
        QCOMPARE(w.txtHSL->text(), QStringLiteral("120,100,50"));

        // Every HSB field is marked edited now; a colour that hue, saturation and brightness
        // cannot hold exactly must still arrive unchanged rather than rounded through them.
        applyHex(w, "563412");
        QCOMPARE(rgbFields(w), QStringList({"18", "52", "86"}));
        QCOMPARE(textForms(w), Colour123456Forms);
        QCOMPARE(w.txtHSL->text(), QStringLiteral("210,65,20"));
        QCOMPARE(hsbFields(w), QStringList({"210", "79", "34"}));
    }
};

TINTWELL_TEST_MAIN(tst_frmColourPicker)
#include "tst_frmColourPicker.moc"
