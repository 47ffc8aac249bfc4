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

namespace {

QString settingsFile(const QString& app)
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell/" + app + ".ini";
}

// "app/group/key", read by a fresh reader each time so it sees what is on disk now.
QString stored(const QString& path)
{
    return QSettings(settingsFile(path.section(u'/', 0, 0)), QSettings::IniFormat)
        .value(path.section(u'/', 1))
        .toString();
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

// What shown() gives for a window with every setting at its default.
const QString Defaults = QStringLiteral("pane 1, RGB chosen, RGB frame");

} // namespace

class tst_frmColourPicker : public QObject {
    Q_OBJECT

    RecordingWindowService windows;
    RecordingMessageBoxes messages;
    // The palette and help files live beside the program; keep them out of the build folder.
    QTemporaryDir programFolder;

    // What the settings decide, as one comparable line. Kept on top is what the window service
    // was last told.
    QString shown(const frmColourPicker& w) const
    {
        const bool keptOnTop =
            windows.calls.value(windows.calls.size() - 1) == "top:frmColourPicker";
        QStringList facts{w.Check1->isChecked() ? "on top" : "",
                          keptOnTop ? "kept on top" : "",
                          w.Check2->isChecked() ? "magnify" : "",
                          w.Timer1->isActive() ? "magnifying" : "",
                          w.Frame1->isVisible() ? "pane 1" : "",
                          w.Frame7->isVisible() ? "pane 2" : "",
                          w.optFormat[0]->isChecked() ? "RGB chosen" : "",
                          w.optFormat[1]->isChecked() ? "HSB chosen" : "",
                          w.Frame4->isVisible() ? "RGB frame" : "",
                          w.Frame5->isVisible() ? "HSB frame" : ""};
        facts.removeAll(QString());
        return facts.join(u", ");
    }

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
        QCOMPARE(stored("tintwell/settings/ontop"), QStringLiteral("1"));
        init();

        frmColourPicker w;
        w.show();
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(0, 0));
        QCOMPARE(shown(w), Defaults);
        QVERIFY(windows.calls.isEmpty());
        QCOMPARE((rgbFields(w) << w.txtHexCodeHtml->text() << w.Text1->text()).join(u' '),
                 QStringLiteral("0 0 0 \"#000000\" 0"));
    }

    void clickedSettingIsWrittenAndReadBackAtNextStart_data()
    {
        // Buttons by their place in: Check1, Check2, Option1, Option2, optFormat(1), optFormat(0).
        QTest::addColumn<int>("turnOn");
        QTest::addColumn<int>("turnOff");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("onOff");
        QTest::addColumn<QString>("onShows");
        QTest::newRow("On Top") << 0 << 0 << "tintwell/settings/ontop" << QStringList{"1", "0"}
                                << "on top, kept on top, " + Defaults;
        QTest::newRow("Magnify") << 1 << 1 << "tintwell/settings/Magnify" << QStringList{"1", "0"}
                                 << "magnify, magnifying, " + Defaults;
        QTest::newRow("code pane") << 2 << 3 << "tintwell/Settings/CodePane"
                                   << QStringList{"2", "1"} << "pane 2, RGB chosen, RGB frame";
        QTest::newRow("RGB or HSB") << 4 << 5 << "Tintwell/FormSettings/RGB or HSB"
                                    << QStringList{"1", "0"} << "pane 1, HSB chosen, HSB frame";
    }
    void clickedSettingIsWrittenAndReadBackAtNextStart()
    {
        QFETCH(int, turnOn);
        QFETCH(int, turnOff);
        QFETCH(QString, key);
        QFETCH(QStringList, onOff);
        QFETCH(QString, onShows);
        for (const bool on : {true, false}) {
            frmColourPicker w;
            w.show();
            const QList<QAbstractButton*> buttons{w.Check1,  w.Check2,       w.Option1,
                                                  w.Option2, w.optFormat[1], w.optFormat[0]};
            QCOMPARE(shown(w), on ? Defaults : onShows);
            QTest::mouseClick(buttons[on ? turnOn : turnOff], Qt::LeftButton);
            QCOMPARE(shown(w), on ? onShows : Defaults);
            QCOMPARE(stored(key), onOff[on ? 0 : 1]);
        }
        frmColourPicker w;
        w.show();
        QCOMPARE(shown(w), Defaults);
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
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(px(300), 0));
        // Any code pane other than "1" is the second one.
        QCOMPARE(shown(w), QStringLiteral("magnify, magnifying, pane 2, RGB chosen, RGB frame"));
        QVERIFY(windows.calls.isEmpty());
    }

    void controlsSitAtTheirTwipsPositions()
    {
        frmColourPicker w;
        w.show();
        QWidget* client = w.centralWidget();
        QCOMPARE(client->size(), QSize(px(6375), px(6840)));
        // Width 0: only the position is fixed.
        const std::tuple<const char*, QWidget*, QWidget*, QRect> layout[] = {
            {"Frame2", w.Frame2, client, {2820, 0, 3495, 2415}},
            {"Picture1", w.Picture1, w.Frame2, {3000, 240, 375, 375}},
            {"picMagnify", w.picMagnify, w.Frame2, {1920, 840, 1455, 975}},
            {"Frame1", w.Frame1, client, {60, 0, 2655, 2415}},
            {"Frame3", w.Frame3, client, {60, 2400, 6255, 735}},
            {"Frame4", w.Frame4, client, {60, 4320, 6255, 2055}},
            {"optFormat(0)", w.optFormat[0], client, {120, 6480, 0, 0}},
            {"Check1", w.Check1, client, {2160, 6480, 0, 0}}};
        for (const auto& [name, widget, parent, twips] : layout) {
            const QSize size =
                twips.width() > 0 ? QSize(px(twips.width()), px(twips.height())) : widget->size();
            const QRect expected(QPoint(px(twips.left()), px(twips.top())), size);
            QVERIFY2(widget->parentWidget() == parent && widget->geometry() == expected, name);
        }
    }

    void menusCarryTheirExactCaptions()
    {
        const auto items = [](const QWidget* menu) {
            QStringList result;
            // A hidden action also reports itself disabled.
            for (const QAction* a : menu->actions())
                result << (a->isSeparator() ? QStringLiteral("-") : a->text()) +
                              (!a->isVisible()   ? " (hidden)"
                               : !a->isEnabled() ? " (disabled)"
                                                 : "");
            return result;
        };
        frmColourPicker w;
        QCOMPARE(items(w.menuBar()), QStringList({"File", "Tools", "&Help"}));
        QCOMPARE(w.menuBar()->actions().at(2)->menu(), w.mnuhelp);
        QCOMPARE(items(w.mnufile), QStringList({"Custom Colours", "-", "Exit"}));
        QCOMPARE(items(w.mnutools), QStringList({"RGB Conversion Chart (disabled)"}));
        QCOMPARE(items(w.mnuhelp), QStringList({"Check Update (disabled)", "-", "Help Contents",
                                                "About (disabled)"}));
        QCOMPARE(items(w.mnuhidden),
                 QStringList({"Clear Colour", "Clear All Colours", "Save as Scheme (hidden)"}));
    }

    void copyButtonsPutExactlyTheirBoxTextOnTheClipboard_data()
    {
        QTest::addColumn<QList<int>>("rgb");
        QTest::addColumn<QStringList>("forms");
        QTest::newRow("red") << QList{255, 0, 0} << PureRedForms;
        QTest::newRow("18/52/86") << QList{18, 52, 86} << Colour123456Forms;
    }
    void copyButtonsPutExactlyTheirBoxTextOnTheClipboard()
    {
        QFETCH(QList<int>, rgb);
        QFETCH(QStringList, forms);
        frmColourPicker w;
        w.show();
        typeColour(w, rgb[0], rgb[1], rgb[2]);
        QStringList copied;
        // In the order of the text forms; the last four sit on the second pane.
        for (QPushButton* button : {w.cmdHexHtml, w.cmdRGBforVB, w.Command3, w.cmdRGBcopy, w.cmdCPP,
                                    w.cmdJava, w.cmdDelphi, w.cmdPhotoshop}) {
            if (button == w.cmdCPP) QTest::mouseClick(w.Option1, Qt::LeftButton);
            QVERIFY(button->isVisible());
            QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
            QTest::mouseClick(button, Qt::LeftButton);
            copied << QGuiApplication::clipboard()->text();
        }
        QCOMPARE(copied, forms);
    }

    // Each row starts from 18/52/86 typed into the RGB fields; the hue row shows the HSB frame.
    void editingAField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after"); // the field's text, then the HTML hex
        const auto row = [](const char* name, const char* field, const char* typed,
                            const char* after) {
            QTest::newRow(name) << QString(field) << QString(typed) << QString(after);
        };
        row("300 into red", "red", "300", "255 \"#FF3456\"");
        row("red emptied", "red", "\b", "0 \"#003456\"");
        row("green emptied", "green", "\b", " \"#123456\"");
        row("letters into red", "red", "ab", "18 \"#123456\"");
        row("400 into hue", "hue", "400", "359 \"#571213\"");
    }
    void editingAField()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        frmColourPicker w;
        w.show();
        typeColour(w, 18, 52, 86);
        if (field == u"hue") QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        QLineEdit* edited = field == u"red"     ? w.txtRGBred
                            : field == u"green" ? w.txtRGBgreen
                                                : w.txtHue;
        typeInto(edited, typed);
        QCOMPARE(edited->text() + u' ' + w.txtHexCodeHtml->text(), after);
        // Emptied by the keyboard, red comes back as a selected zero; green stays empty.
        if (typed == u"\b" && field == u"red") QCOMPARE(w.txtRGBred->selectedText(), "0");

        // Whatever was edited, a colour applied next arrives exactly rather than rounded through
        // hue, saturation and brightness.
        applyHex(w, "563412");
        QCOMPARE(rgbFields(w) + textForms(w), QStringList({"18", "52", "86"}) + Colour123456Forms);
        if (field == u"hue") QCOMPARE(hsbFields(w), QStringList({"210", "79", "34"}));
    }

    void hexEntryTakesLowerCaseDigitsAndReportsOverflow()
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
        QCOMPARE(textForms(w), PureRedForms);
        QCOMPARE(w.picShowColour->BackColor(), 255);
        QVERIFY(w.txtEnterHex->hasFocus());

        applyHex(w, "123456789");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(messages.shown[0].icon, MessageBoxes::Icon::Information);
        QCOMPARE(messages.shown[0].text,
                 QStringLiteral("An error ocured.Please make sure the correct\r\n"
                                "information is being entered. ie ( 0 - 9 / A - F )  "));
        QCOMPARE(textForms(w), PureRedForms);
        // A pasted text that is no hex code is refused the same way rather than read as -1s.
        w.txtEnterHex->setText(QStringLiteral("12g456"));
        QTest::mouseClick(w.cmdApply, Qt::LeftButton);
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(textForms(w), PureRedForms);
        applyHex(w, "563412");
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(textForms(w), Colour123456Forms);
    }

    void draggingTheHueSlider_data()
    {
        QTest::addColumn<bool>("hsbFrame");
        QTest::addColumn<QStringList>("forms"); // the text forms, the RGB fields, the HSL box
        // From pure blue (hue 240) to hue 0.
        QTest::newRow("RGB frame: the hue field only")
            << false << QStringList{"\"#0000FF\"", "16711680",  "&H00FF0000&", "RGB(0,0,255)",
                                    "0x00FF0000",  "$00FF0000", "0x0000FF",    "0000FF",
                                    "0",           "0",         "255",         "240,100,50"};
        QTest::newRow("HSB frame: every form")
            << true << PureRedForms + QStringList{"255", "0", "0", "0,100,50"};
    }
    void draggingTheHueSlider()
    {
        QFETCH(bool, hsbFrame);
        QFETCH(QStringList, forms);
        frmColourPicker w;
        w.show();
        typeColour(w, 0, 0, 255);
        QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        if (!hsbFrame) QTest::mouseClick(w.optFormat[0], Qt::LeftButton);
        QCOMPARE(w.txtHue->text(), QStringLiteral("240"));
        // From the centre of the handle, as the style places it, to beyond the left end.
        struct Access : QSlider {
            using QSlider::initStyleOption; // protected; reached through a member pointer
        };
        QStyleOptionSlider option;
        (w.Slider1->*&Access::initStyleOption)(&option);
        const QPoint handle =
            w.style()
                ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, w.Slider1)
                .center();
        const QPoint farLeft(-50, handle.y());
        QTest::mousePress(w.Slider1, Qt::LeftButton, {}, handle);
        QTest::mouseMove(w.Slider1, farLeft);
        QTest::mouseRelease(w.Slider1, Qt::LeftButton, {}, farLeft);
        QCOMPARE(w.txtHue->text(), QStringLiteral("0"));
        QCOMPARE(textForms(w) + rgbFields(w) << w.txtHSL->text(), forms);
        QCOMPARE(w.picShowColour->BackColor(), hsbFrame ? 255 : 0xFF0000);
    }

    void setFormColoursShowsAColourAndMinusOneChangesNothing()
    {
        frmColourPicker w;
        w.show();
        const auto shown = [&w] { return (rgbFields(w) + hsbFields(w) + textForms(w)).join(u' '); };
        const QString colour336699 = R"(153 102 51 30 67 60 "#996633" 3368601 &H00336699& )"
                                     R"(RGB(153,102,51) 0x00336699 $00336699 0x996633 996633)";
        w.SetFormColours(3368601);
        QCOMPARE(shown(), colour336699);
        QCOMPARE(w.Slider3->value(), 67);
        w.SetFormColours(-1);
        QCOMPARE(shown(), colour336699);
    }
};

TINTWELL_TEST_MAIN(tst_frmColourPicker)
#include "tst_frmColourPicker.moc"
