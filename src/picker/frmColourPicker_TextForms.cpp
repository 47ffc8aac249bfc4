// The builders that rewrite every text form of the current colour, and the copy buttons.
#include "Clipboard.h"
#include "ColourBox.h"
#include "ControlWrites.h"
#include "ModColConverter.h"
#include "frmColourPicker.h"
#include "modAnycolour.h"

#include <QLineEdit>
#include <QSlider>

void frmColourPicker::ShowHtmlHex()
{
    WriteText(txtHexCodeHtml,
              ModColConverter::HtmlHexText(sliRGB1->value(), sliRGB2->value(), sliRGB3->value()));
}

void frmColourPicker::UpdateFromSliders()
{
    const int red = sliRGB1->value();
    const int green = sliRGB2->value();
    const int blue = sliRGB3->value();
    WriteText(txtRGBforVB, ModColConverter::VBLongText(red, green, blue));
    ShowHSL(red + green * 256 + blue * 65536);
    WriteText(txtRGBred, QString::number(red));
    WriteText(txtRGBgreen, QString::number(green));
    WriteText(txtRGBblue, QString::number(blue));
    ShowSampleColour();
}

void frmColourPicker::ShowSampleColour()
{
    paintSample(sliRGB1->value() + sliRGB2->value() * 256 + sliRGB3->value() * 65536);
}

void frmColourPicker::paintSample(int colour)
{
    QPalette sample = txtSampleText->palette();
    sample.setColor(QPalette::Text, toQColor(colour, sample));
    txtSampleText->setPalette(sample);
    picShowColour->setBackColor(colour);
}

void frmColourPicker::ShowVBHex()
{
    WriteText(txtHexforVB, ModColConverter::VBHexText(txtHexCodeHtml->text()));
}

// The "RGB(" text and the snippets are built from the sliders, which always hold the colour the
// window shows: a field may be empty or hold pasted text until it reads as a number.
void frmColourPicker::ShowRGBText()
{
    WriteText(txtRGBvalue,
              ModColConverter::RGBText(sliRGB1->value(), sliRGB2->value(), sliRGB3->value()));
    int mode = 0;
    const modAnycolour::LanguageCodes codes =
        modAnycolour::ShowLanguageCodes(sliRGB1->value(), sliRGB2->value(), sliRGB3->value(), mode);
    WriteText(txtCPP, codes.cpp);
    WriteText(txtJava, codes.java);
    WriteText(txtDelphi, codes.delphi);
    WriteText(txtPhotoshop, codes.photoshop);
}

void frmColourPicker::ShowHSL(int colour)
{
    WriteText(txtHSL, modRGBtoHSL::HSLText(colour));
}

void frmColourPicker::CopyBox(QLineEdit* box)
{
    box->setSelection(0, static_cast<int>(box->text().size()));
    box->setFocus();
    Clipboard::PutText(box->selectedText());
}

void frmColourPicker::cmdRGBcopy_Click()
{
    ShowRGBText();
    CopyBox(txtRGBvalue);
}
