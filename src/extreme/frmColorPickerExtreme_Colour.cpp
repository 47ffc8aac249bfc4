// The dialog's colour: applying it, its readings, and the pointer, typing and spinners that set it.
#include "ColourBox.h"
#include "Numbers.h"
#include "ctxUpDown.h"
#include "frmColorPickerExtreme.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace Extreme;
using Numbers::RoundHalfEven;

namespace {

const QString HSBGroup = QStringLiteral("hsb");
const QString RGBGroup = QStringLiteral("rgb");

} // namespace

void frmColorPickerExtreme::connectControls()
{
    for (QRadioButton* option : {optHue, optSat, optBri, optRed, optGreen, optBlue})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) pvRefresh();
        });
    for (QLineEdit* box : {txtHue, txtSat, txtBri})
        connect(box, &QLineEdit::textChanged, this, [this] { scheduleGroup(HSBGroup); });
    for (QLineEdit* box : {txtRed, txtGreen, txtBlue})
        connect(box, &QLineEdit::textChanged, this, [this] { scheduleGroup(RGBGroup); });
    const auto onSpinner = [this](ctxUpDown* spinner, QLineEdit* box, int upper) {
        connect(spinner, &ctxUpDown::Change, this,
                [=, this](int Delta) { upd_Change(box, upper, Delta); });
    };
    onSpinner(updHue, txtHue, 359);
    onSpinner(updSat, txtSat, 100);
    onSpinner(updBri, txtBri, 100);
    onSpinner(updRed, txtRed, 255);
    onSpinner(updGreen, txtGreen, 255);
    onSpinner(updBlue, txtBlue, 255);
    connect(tmrKeyboard, &QTimer::timeout, this, [this] { tmrKeyboard_Timer(); });
    connect(labOld, &ColourBox::clicked, this, [this] { labOld_Click(); });
    connect(chkAccel, &QCheckBox::toggled, this, [this] { chkAccel_Click(); });
    connect(chkWebSafe, &QCheckBox::toggled, this, [this] { chkWebSafe_Click(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

Mode frmColorPickerExtreme::mode() const
{
    if (optSat->isChecked()) return Mode::Saturation;
    if (optBri->isChecked()) return Mode::Brightness;
    if (optRed->isChecked()) return Mode::Red;
    if (optGreen->isChecked()) return Mode::Green;
    if (optBlue->isChecked()) return Mode::Blue;
    return Mode::Hue;
}

void frmColorPickerExtreme::setColor(int clrValue)
{
    // No colour, or a system colour that Init has not translated: nothing to show.
    if (clrValue < 0) return;
    const int c = webSafe_ ? webSafeColour(clrValue) : clrValue & 0xFFFFFF;
    if (pvSameHSB(previousHSB_, hsb_) && c == currentColour_) return;
    currentColour_ = c;
    previousHSB_ = hsb_;
    labNew->setBackColor(c);

    // The boxes' own change handling must not take these writes for typing.
    updating_ = true;
    const RGB rgb = toRGB(c);
    pvSetText(txtRed, QString::number(rgb.Red));
    pvSetText(txtGreen, QString::number(rgb.Green));
    pvSetText(txtBlue, QString::number(rgb.Blue));
    // A kept hue, saturation or brightness outlives colours that cannot show it (a grey).
    if (hsb_.Hue < 0) hsb_ = pvRGBToHSB(c);
    pvSetText(txtHue, QString::number(RoundHalfEven(hsb_.Hue)));
    pvSetText(txtSat, QString::number(RoundHalfEven(hsb_.Saturation)));
    pvSetText(txtBri, QString::number(RoundHalfEven(hsb_.Brightness)));
    const CMYK cmyk = pvRGBToCMYK(c);
    pvSetText(txtCyan, QString::number(cmyk.Cyan));
    pvSetText(txtMagenta, QString::number(cmyk.Magenta));
    pvSetText(txtYellow, QString::number(cmyk.Yellow));
    pvSetText(txtBlack, QString::number(cmyk.Black));
    const Lab lab = pvXYZToLab(pvRGBToXYZ(c));
    pvSetText(txtLabLuminance, LabText(lab.L));
    pvSetText(txtLabA, LabText(lab.A));
    pvSetText(txtLabB, LabText(lab.B));
    pvSetText(txtNewColor, HexText(c));
    updating_ = false;

    pvShow();
}

void frmColorPickerExtreme::pvShow()
{
    const RGB rgb = toRGB(currentColour_);
    switch (mode()) {
    case Mode::Hue:
        images_.pvShowHue(pvMakeHSB(hsb_.Hue, 100, 100), webSafe_);
        break;
    case Mode::Saturation:
        images_.pvShowSaturation(hsb_, webSafe_);
        break;
    case Mode::Brightness:
        images_.pvShowBrightness(hsb_, webSafe_);
        break;
    case Mode::Red:
        images_.pvShowChannel(rgb.Red, 0, webSafe_);
        break;
    case Mode::Green:
        images_.pvShowChannel(rgb.Green, 1, webSafe_);
        break;
    case Mode::Blue:
        images_.pvShowChannel(rgb.Blue, 2, webSafe_);
        break;
    }
}

void frmColorPickerExtreme::pvSetText(QLineEdit* box, const QString& text)
{
    if (box->text() == text) return;
    if (box == focusWidget()) {
        // The box being typed in keeps its caret.
        const int caret = box->cursorPosition();
        box->setText(text);
        box->setCursorPosition(std::min(caret, int(text.size())));
    } else {
        box->setText(text);
        box->selectAll();
    }
}

void frmColorPickerExtreme::pvRefresh()
{
    // Before the first colour there is nothing to derive.
    if (currentColour_ >= 0) {
        const int colour = currentColour_;
        currentColour_ = -1;
        hsb_.Hue = -1;
        setColor(colour);
    }
    pvInvalidate();
}

void frmColorPickerExtreme::pvInvalidate()
{
    update();
}

void frmColorPickerExtreme::imgBar_Move(double yp)
{
    const int span = images_.fieldHeight() - 1;
    RGB rgb = toRGB(currentColour_);
    const auto level = [&](double top) { return top - pvClamp(yp * top / span, 0, top); };
    switch (mode()) {
    case Mode::Hue:
        hsb_.Hue = level(359);
        break;
    case Mode::Saturation:
        hsb_.Saturation = level(100);
        break;
    case Mode::Brightness:
        hsb_.Brightness = level(100);
        break;
    case Mode::Red:
    case Mode::Green:
    case Mode::Blue: {
        hsb_.Hue = -1;
        int& channel = mode() == Mode::Red ? rgb.Red : mode() == Mode::Green ? rgb.Green : rgb.Blue;
        channel = RoundHalfEven(level(255));
        setColor(toColour(rgb));
        repaint();
        return;
    }
    }
    setColor(toColour(pvHSBToRGB(hsb_)));
    repaint();
}

void frmColorPickerExtreme::imgRect_Move(double xp, double yp)
{
    const int width = images_.fieldWidth() - 1, height = images_.fieldHeight() - 1;
    const auto fromLeft = [&](double top) { return pvClamp(xp * top / width, 0, top); };
    const auto fromBottom = [&](double top) { return top - pvClamp(yp * top / height, 0, top); };
    RGB rgb = toRGB(currentColour_);
    switch (mode()) {
    case Mode::Hue:
        hsb_.Saturation = fromLeft(100);
        hsb_.Brightness = fromBottom(100);
        break;
    case Mode::Saturation:
        hsb_.Hue = fromLeft(359);
        hsb_.Brightness = fromBottom(100);
        break;
    case Mode::Brightness:
        hsb_.Hue = fromLeft(359);
        hsb_.Saturation = fromBottom(100);
        break;
    case Mode::Red:
    case Mode::Green:
    case Mode::Blue: {
        hsb_.Hue = -1;
        const int x = RoundHalfEven(fromLeft(255)), y = RoundHalfEven(fromBottom(255));
        if (mode() == Mode::Red)
            rgb.Green = x, rgb.Blue = y;
        else if (mode() == Mode::Green)
            rgb.Red = x, rgb.Blue = y;
        else
            rgb.Red = x, rgb.Green = y;
        setColor(toColour(rgb));
        repaint();
        return;
    }
    }
    setColor(toColour(pvHSBToRGB(hsb_)));
    repaint();
}

void frmColorPickerExtreme::scheduleGroup(const QString& group)
{
    if (updating_) return;
    if (!keyboardTag_.isEmpty() && keyboardTag_ != group) {
        // The other group's numbers go in first; what is being typed now stays in its box.
        auto* focused = qobject_cast<QLineEdit*>(focusWidget());
        const QString typed = focused ? focused->text() : QString();
        tmrKeyboard_Timer();
        if (focused) focused->setText(typed);
    }
    keyboardTag_ = group;
    tmrKeyboard->stop();
    tmrKeyboard->start();
}

void frmColorPickerExtreme::tmrKeyboard_Timer()
{
    const auto value = [](const QLineEdit* box, double upper) {
        return pvClamp(Numbers::LeadingNumber(box->text()), 0, upper);
    };
    if (keyboardTag_ == HSBGroup) {
        hsb_ = pvMakeHSB(value(txtHue, 359), value(txtSat, 100), value(txtBri, 100));
        setColor(toColour(pvHSBToRGB(hsb_)));
        pvInvalidate();
    } else if (keyboardTag_ == RGBGroup) {
        const RGB rgb{RoundHalfEven(value(txtRed, 255)), RoundHalfEven(value(txtGreen, 255)),
                      RoundHalfEven(value(txtBlue, 255))};
        hsb_.Hue = -1;
        setColor(toColour(rgb));
        pvRefresh();
    }
    tmrKeyboard->stop();
    keyboardTag_.clear();
}

void frmColorPickerExtreme::upd_Change(QLineEdit* box, int upper, int Delta)
{
    const double value = pvClamp(Numbers::LeadingNumber(box->text()) + Delta, 0, upper);
    box->setText(QString::number(value));
    tmrKeyboard_Timer();
}

void frmColorPickerExtreme::chkAccel_Click()
{
    images_.dropFields();
    images_.Accelerate = chkAccel->isChecked();
    pvRefresh();
}

void frmColorPickerExtreme::chkWebSafe_Click()
{
    webSafe_ = chkWebSafe->isChecked();
    chkAccel->setEnabled(!webSafe_);
    pvRefresh();
}

void frmColorPickerExtreme::labOld_Click()
{
    setColor(oldColour_);
    pvRefresh();
}
