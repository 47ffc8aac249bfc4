// Start-up, the settings that shape the window, and shut-down.
#include "ColourBox.h"
#include "ControlWrites.h"
#include "DesktopPortal.h"
#include "HtmlHelp.h"
#include "Magnifier.h"
#include "Module1.h"
#include "ProgramFolder.h"
#include "Save_Win_POS_SIZE.h"
#include "SettingsStore.h"
#include "ctxUpDown.h"
#include "frmColourPicker.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString LowerSettings = QStringLiteral("settings");
const QString UpperSettings = QStringLiteral("Settings");
const QString FormSettings = QStringLiteral("FormSettings");

QString exeSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    return SettingsStore::GetSetting(SettingsStore::ExeName(), section, key, defaultValue);
}

void saveExeSetting(const QString& section, const QString& key, const QString& value)
{
    SettingsStore::SaveSetting(SettingsStore::ExeName(), section, key, value);
}

// "1" ticks a box; anything else, a hand-edited "yes" included, leaves it clear.
bool isOn(const QString& stored)
{
    return SettingsStore::ToInt(stored, 0) == 1;
}

const QString OnTopKey = QStringLiteral("ontop");
const QString MagnifyOnWayland =
    QStringLiteral("The magnifier cannot see the screen on Wayland. There the dropper shows its "
                   "own magnifier, over a still picture of the screen.");

} // namespace

void frmColourPicker::Form_Load()
{
    Save_Win_POS_SIZE::RestoreWindowPlacement(this, 6465, 7545, 0, 0, true);
    LoadPallette();
    // Every window tests "ontop" on its own, some for 1 and some for anything but 0: whatever else
    // is stored is written back here as the "0" it means, so they all agree with the box.
    const QString onTop = exeSetting(LowerSettings, OnTopKey, QString());
    Check1->setChecked(isOn(onTop));
    saveExeSetting(LowerSettings, OnTopKey,
                   isOn(onTop) ? QStringLiteral("1") : QStringLiteral("0"));
    // The magnifier reads the screen through X, which cannot see a Wayland desktop. Its setting
    // is kept for the next X session.
    if (waylandSession()) {
        for (QWidget* control : {static_cast<QWidget*>(Check2), static_cast<QWidget*>(Text1),
                                 static_cast<QWidget*>(ctxUpDown1)}) {
            control->setEnabled(false);
            control->setToolTip(MagnifyOnWayland);
        }
    } else {
        Check2->setChecked(
            isOn(exeSetting(LowerSettings, QStringLiteral("Magnify"), QStringLiteral("0"))));
    }
    // A hand-edited magnification outside 0..99 would turn the magnifier's zoom upside down.
    WriteText(Text1, QString::number(Magnification(exeSetting(
                         LowerSettings, QStringLiteral("Magnification"), QStringLiteral("0")))));
    Picture1->setPixmap(Picture2);
    HelpFile = ProgramFolder::shippedFile(QStringLiteral("Tintwell Help.html"));

    WriteText(txtRGBblue, QStringLiteral("0"));
    WriteText(txtRGBgreen, QStringLiteral("0"));
    WriteText(txtRGBred, QStringLiteral("0"));
    picShowColour->setBackColor(0);
    WriteText(txtHexCodeHtml, QStringLiteral("\"#000000\""));
    WriteText(txtRGBforVB, QStringLiteral("0"));
    WriteText(txtHexforVB, QStringLiteral("&H000000&"));
    ShowRGBText();

    // Only the two stored formats exist; anything else opens on RGB.
    int format = SettingsStore::ToInt(
        SettingsStore::GetSetting(SettingsStore::AppName(), FormSettings,
                                  QStringLiteral("RGB or HSB"), QStringLiteral("0")),
        0);
    if (format != 1) format = 0;
    optFormat[format]->setChecked(true);
    (format != 0 ? Frame5 : Frame4)->show();

    if (exeSetting(UpperSettings, QStringLiteral("CodePane"), QStringLiteral("1")) == u"1") {
        Option1->setChecked(false);
        Option2->setChecked(true);
    } else {
        Option2->setChecked(false);
        Option1->setChecked(true);
    }
}

void frmColourPicker::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) magnifierFollowsVisibility();
}

void frmColourPicker::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    magnifierFollowsVisibility();
}

void frmColourPicker::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    magnifierFollowsVisibility();
}

void frmColourPicker::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
}

void frmColourPicker::Form_QueryUnload()
{
    Save_Win_POS_SIZE::SaveWindowPlacement(this);
    // Every other window of the program closes too, hidden ones included, each by its own steps.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this) window->close();
    }
}

void frmColourPicker::Check1_Click()
{
    if (Check1->isChecked()) {
        SetAlwaysOnTop(this);
        saveExeSetting(LowerSettings, OnTopKey, QStringLiteral("1"));
    } else {
        ClearAlwaysOnTop(this);
        saveExeSetting(LowerSettings, OnTopKey, QStringLiteral("0"));
    }
}

void frmColourPicker::Check2_Click()
{
    if (Check2->isChecked()) {
        magnifierFollowsVisibility();
        saveExeSetting(LowerSettings, QStringLiteral("Magnify"), QStringLiteral("1"));
    } else {
        Timer1->stop();
        picMagnify->clear();
        saveExeSetting(LowerSettings, QStringLiteral("Magnify"), QStringLiteral("0"));
    }
}

void frmColourPicker::Option1_Click()
{
    Frame7->show();
    Frame1->hide();
    Option2->setChecked(false);
    saveExeSetting(UpperSettings, QStringLiteral("CodePane"), QStringLiteral("2"));
}

void frmColourPicker::Option2_Click()
{
    Frame1->show();
    Frame7->hide();
    Option1->setChecked(false);
    saveExeSetting(UpperSettings, QStringLiteral("CodePane"), QStringLiteral("1"));
}

void frmColourPicker::optFormat_Click(int Index)
{
    if (Index != 0) {
        Frame5->show();
        Frame4->hide();
        SetHSL(txtRGBforVB->text());
    } else {
        Frame5->hide();
        Frame4->show();
    }
    SettingsStore::SaveSetting(SettingsStore::AppName(), FormSettings, QStringLiteral("RGB or HSB"),
                               QString::number(Index));
}

void frmColourPicker::mnuhelpcontents_Click()
{
    LaunchHTMLHelp(HelpFile, this, 0);
}
