// The editing chain: RGB and HSB fields and sliders, the hex entry, and the operations through
// which every source of a colour makes it current.
//
// The handlers write each other's controls. The chain ends because a write of the value a control
// already holds raises no change: sliders behave so by themselves, and every text write goes
// through WriteText.
#include "ColourBox.h"
#include "ControlWrites.h"
#include "Hex2Dec.h"
#include "MessageBoxes.h"
#include "Numbers.h"
#include "cpvButton.h"
#include "frmColorPickerExtreme.h"
#include "frmColourPicker.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>

namespace {

const QString ApplyErrorTitle = QStringLiteral("Error");
const QString ApplyErrorText =
    QStringLiteral("An error ocured.Please make sure the correct\r\n"
                   "information is being entered. ie ( 0 - 9 / A - F )  ");

bool isDigit(const QString& key)
{
    return key.size() == 1 && key.at(0) >= u'0' && key.at(0) <= u'9';
}

bool isBackspace(const QString& key)
{
    return key == u"\b";
}

bool isHexDigit(QChar c)
{
    return QStringLiteral("0123456789ABCDEF").contains(c);
}

// Channels of a ColourValue as the fields show them: division truncates toward zero and the
// remainder keeps the sign, so a negative value gives negative numbers rather than bytes.
struct Channels {
    int red, green, blue;
};

Channels channelsOf(int colour)
{
    return {colour % 256, (colour / 256) % 256, (colour / 65536) % 256};
}

} // namespace

void frmColourPicker::RGBRefresh()
{
    ShowSampleColour();
    ShowHtmlHex();
    UpdateFromSliders();
    ShowVBHex();
    ShowRGBText();
}

// The blue, green and red fields, in that order; each write runs that field's change handling.
void frmColourPicker::writeRGBFields(int colour)
{
    const Channels c = channelsOf(colour);
    WriteText(txtRGBblue, QString::number(c.blue));
    WriteText(txtRGBgreen, QString::number(c.green));
    WriteText(txtRGBred, QString::number(c.red));
}

void frmColourPicker::SetFormColours(int SelColor)
{
    if (SelColor == -1) return;
    // A stored value may carry a top byte (a hand-edited scheme); the colour is the low three
    // bytes, and every box must show that colour, not the number it came as.
    SelColor &= 0xFFFFFF;
    ShowSampleColour();
    WriteText(txtRGBforVB, QString::number(SelColor));
    writeRGBFields(SelColor);
    ShowRGBText();
    SetHSL(txtRGBforVB->text());
}

void frmColourPicker::SetHSL(const QString& sValue)
{
    QString digits = sValue;
    digits.remove(u'#').remove(u'"');
    bool ok = false;
    const int colour = digits.trimmed().toInt(&ok);
    if (!ok) return;

    LastHSB = modRGBtoHSL::ColourToHSB(colour);
    settingHSL_ = true;
    Slider1->setValue(LastHSB.hue);
    WriteText(txtHue, QString::number(LastHSB.hue));
    Slider3->setValue(LastHSB.saturation);
    WriteText(txtSat, QString::number(LastHSB.saturation));
    Slider2->setValue(LastHSB.third);
    WriteText(txtBright, QString::number(LastHSB.third));
    settingHSL_ = false;
}

void frmColourPicker::ApplyHSB()
{
    const int hsb = Converter.HSBToLong(CurrentHue, CurrentSaturation, CurrentBrightness);
    const int colour = Converter.HSBToRGB(hsb);
    RGBParts = Converter.RGBAsString(colour).split(u',');
    WriteText(txtRGBred, RGBParts.value(0).trimmed());
    WriteText(txtRGBgreen, RGBParts.value(1).trimmed());
    WriteText(txtRGBblue, RGBParts.value(2).trimmed());
    picShowColour->setBackColor(colour);
    ShowHSL(colour);
}

void frmColourPicker::SetTextFocus(QLineEdit* TextBox)
{
    TextBox->selectAll();
}

void frmColourPicker::txtRGB_Change(QLineEdit* field, QSlider* slider)
{
    const auto value = Numbers::NumericValue(field->text());
    if (!value) return;
    if (*value <= 255) {
        slider->setValue(Numbers::RoundHalfEven(*value));
        RGBRefresh();
    } else {
        WriteText(field, QStringLiteral("255"));
    }
}

bool frmColourPicker::txtRGB_KeyPress(QLineEdit* field, QSlider* slider, const QString& key)
{
    if (!isDigit(key) && !isBackspace(key)) return false;
    // The field's value as it stood before this key is applied once more.
    if (const auto value = Numbers::NumericValue(field->text())) {
        if (*value <= 255) {
            slider->setValue(Numbers::RoundHalfEven(*value));
            ShowSampleColour();
            ShowHtmlHex();
            UpdateFromSliders();
            ShowVBHex();
        } else {
            WriteText(field, QStringLiteral("255"));
        }
    }
    return true;
}

void frmColourPicker::txtHSB_Change(QLineEdit* field, QSlider* slider, int limit, int& current,
                                    bool& edited)
{
    const auto value = Numbers::NumericValue(field->text());
    if (!value) return;
    current = Numbers::RoundHalfEven(*value);
    if (current <= limit) {
        edited = true;
        slider->setValue(current);
    } else {
        WriteText(field, QString::number(limit));
        slider->setValue(limit);
    }
}

bool frmColourPicker::txtHSB_KeyPress(QLineEdit* field, int limit, const QString& key)
{
    if (!isDigit(key) && !isBackspace(key)) return false;
    if (const auto value = Numbers::NumericValue(field->text()); value && *value > limit)
        WriteText(field, QString::number(limit));
    return true;
}

void frmColourPicker::txtField_KeyUp(QLineEdit* field)
{
    if (!field->text().isEmpty()) return;
    WriteText(field, QStringLiteral("0"));
    SetTextFocus(field);
}

void frmColourPicker::ctxUpDown_Change(QLineEdit* field, int limit, int Delta)
{
    // From the number as typed ("12.7" steps to 13.7, which the field then rounds), in a double
    // that no pasted number can overflow.
    const double value = Numbers::LeadingNumber(field->text()) + Delta;
    if (value >= 0 && value <= limit) WriteText(field, QString::number(value, 'g', 15));
}

void frmColourPicker::SliderHSB_Scroll(QSlider* slider, int position)
{
    QLineEdit* field = slider == Slider1 ? txtHue : slider == Slider3 ? txtSat : txtBright;
    int& current = slider == Slider1   ? CurrentHue
                   : slider == Slider3 ? CurrentSaturation
                                       : CurrentBrightness;
    current = position;
    WriteText(field, QString::number(position));
    if (!Frame5->isHidden()) {
        ApplyHSB();
        ShowRGBText();
    }
}

void frmColourPicker::SliderHSB_Change(bool edited)
{
    if (edited && !settingHSL_ && !Frame5->isHidden()) {
        ApplyHSB();
        ShowRGBText();
    }
}

void frmColourPicker::sliRGB_Scroll()
{
    UpdateFromSliders();
    ShowHtmlHex();
    ShowVBHex();
    ShowRGBText();
}

bool frmColourPicker::txtEnterHex_KeyPress(const QString& key)
{
    if (isBackspace(key)) return true;
    return key.size() == 1 && QStringLiteral("0123456789abcdef").contains(key.at(0));
}

void frmColourPicker::txtEnterHex_Change()
{
    const int caret = txtEnterHex->cursorPosition();
    WriteText(txtEnterHex, txtEnterHex->text().toUpper());
    txtEnterHex->setCursorPosition(caret);
    if (txtEnterHex->text().size() == 6) cmdApply->setFocus();
}

void frmColourPicker::cmdApply_Click()
{
    const QString text = txtEnterHex->text().toUpper();
    WriteText(txtEnterHex, text);
    // Pasted text can hold characters that are no hex digit; they would otherwise count as -1
    // and make a colour nobody typed. More than six digits make no colour either: the fields
    // would show the low three bytes and the long box the whole number.
    const bool isColour = text.size() <= 6 && std::all_of(text.begin(), text.end(), isHexDigit);
    const std::optional<int> parsed = isColour ? Hex2Dec(text) : std::nullopt;
    if (!parsed) {
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Information, ApplyErrorTitle,
                                      ApplyErrorText, MessageBoxes::Buttons::Ok);
        return;
    }
    const int value = *parsed;
    paintSample(value);
    WriteText(txtRGBforVB, QString::number(value));
    ShowSampleColour();
    WriteText(txtRGBforVB, QString::number(value));
    writeRGBFields(value);
    ShowHtmlHex();
    ShowVBHex();
    ShowRGBText();
    txtEnterHex->setFocus();
    SetHSL(txtRGBforVB->text());
    SavePalletteColour(picShowColour->BackColor());
}

// "Rizezor AD": the advanced picker, opened on the swatch's colour; its choice becomes current.
void frmColourPicker::cmd3rdParty_Click()
{
    // The dialog outlives OK and Cancel, which only hide it; Escape unloads it for good.
    auto* dialog = findChild<frmColorPickerExtreme*>();
    if (!dialog) dialog = new frmColorPickerExtreme(this);
    int chosen = 0;
    if (!dialog->Init(picShowColour->BackColor(), chosen)) return;
    picShowColour->setBackColor(chosen);
    SavePalletteColour(chosen);
    SetFormColours(picShowColour->BackColor());
}
