// The "Dropper Pallette": 34 swatches kept record by record in "Pallette.pal", and the
// "Pallette Full" warning.
#include "frmColourPicker.h"

#include "ColourBox.h"
#include "ControlWrites.h"
#include "MessageBoxes.h"
#include "PalletteFile.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString ClearAllTitle = QStringLiteral("Warning");
const QString ClearAllText = QStringLiteral("You are about to clear all Pallette Colours\r\n"
                                            "            Continue (Y/N)  ");

QString palletteFile() { return ProgramFolder::file(QStringLiteral("Pallette.pal")); }

} // namespace

void frmColourPicker::LoadPallette()
{
    for (const PalletteFile::Entry& entry : PalletteFile::Load(palletteFile())) {
        ColourBox* swatch = PalletteColour[entry.index];
        swatch->setBackColor(entry.colour);
        swatch->Tag = entry.tag;
    }
}

void frmColourPicker::SavePalletteColour(int Colour)
{
    int free = 0;
    for (int i = 1; i <= PalletteFile::Swatches && free == 0; ++i)
        if (PalletteColour[i]->Tag.isEmpty()) free = i;
    if (free == 0) {
        Timer2->start();
        return;
    }
    QFile file(palletteFile());
    if (!file.open(QIODevice::ReadWrite)) return;
    const QString text = QString::number(Colour);
    PalletteColour[free]->setBackColor(Colour);
    PalletteColour[free]->Tag = text;
    PalletteFile::WriteRecord(file, free, free, text);
}

void frmColourPicker::DeletePalletteColour(int Rec)
{
    QFile file(palletteFile());
    if (!file.open(QIODevice::ReadWrite)) return;
    PalletteFile::WriteRecord(file, Rec, Rec, QStringLiteral("-1"));
}

void frmColourPicker::PalletteColour_Click(int Index)
{
    bool ok = false;
    const int colour = PalletteColour[Index]->Tag.trimmed().toInt(&ok);
    if (!ok || colour == -1) return;
    ShowSampleColour();
    WriteText(txtRGBforVB, QString::number(colour));
    writeRGBFields(colour);
    ShowRGBText();
    if (optFormat[1]->isChecked()) SetHSL(txtRGBforVB->text());
}

void frmColourPicker::PalletteColour_MouseDown(int Index, Qt::MouseButton Button, QPoint at)
{
    if (Button != Qt::RightButton) return;
    SelectedCell = Index;
    mnuhidden->popup(at);
}

void frmColourPicker::PalletteColour_MouseUp()
{
    HueEdited = false;
    SaturationEdited = false;
    BrightnessEdited = false;
}

void frmColourPicker::clearSwatch(int Index)
{
    PalletteColour[Index]->setBackColor(ButtonFace);
    PalletteColour[Index]->Tag.clear();
    DeletePalletteColour(Index);
}

void frmColourPicker::mnuClearColour_Click()
{
    if (SelectedCell >= 1 && SelectedCell <= PalletteFile::Swatches) clearSwatch(SelectedCell);
}

void frmColourPicker::mnuclearall_Click()
{
    const auto answer =
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Warning, ClearAllTitle,
                                      ClearAllText, MessageBoxes::Buttons::YesNo);
    if (answer != MessageBoxes::Answer::Yes) return;
    for (int i = 1; i <= PalletteFile::Swatches; ++i) clearSwatch(i);
}

void frmColourPicker::Timer2_Timer()
{
    if (!palletteWarning->isHidden()) {
        palletteWarning->hide();
        ++BlinkCount;
    } else {
        palletteWarning->show();
    }
    if (BlinkCount == 6) {
        Timer2->stop();
        BlinkCount = 0;
    }
}
