// The "Dropper Pallette": 34 swatches kept record by record in "Pallette.pal", and the
// "Pallette Full" warning.
#include "ColourBox.h"
#include "ControlWrites.h"
#include "MessageBoxes.h"
#include "PalletteFile.h"
#include "ProgramFolder.h"
#include "WholeFile.h"
#include "frmColourPicker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString ClearAllTitle = QStringLiteral("Warning");
const QString ClearAllText = QStringLiteral("You are about to clear all Pallette Colours\r\n"
                                            "            Continue (Y/N)  ");
const QString SaveFailedTitle = QStringLiteral("Error");
const QString SaveFailedText = QStringLiteral("The palette could not be saved in %1:\r\n%2");

const QString PalletteName = QStringLiteral("Pallette.pal");

} // namespace

void frmColourPicker::LoadPallette()
{
    const QString file = ProgramFolder::readFile(PalletteName);
    // A file shorter than a record is deleted, but never from a program folder that is not ours
    // to change.
    const bool ours = QFileInfo(file).dir() == QDir(ProgramFolder::writeFolder());
    for (const PalletteFile::Entry& entry : PalletteFile::Load(file, ours)) {
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
        // Started again while blinking, the warning would restart its count and never show.
        if (!Timer2->isActive()) Timer2->start();
        return;
    }
    // The swatch is filled only once its record is stored: a swatch the file does not hold
    // would be gone after a restart.
    const QString text = QString::number(Colour);
    if (!writeRecord(free, text)) return;
    PalletteColour[free]->setBackColor(Colour);
    PalletteColour[free]->Tag = text;
}

bool frmColourPicker::DeletePalletteColour(int Rec)
{
    return writeRecord(Rec, QStringLiteral("-1"));
}

bool frmColourPicker::writeRecord(int Rec, const QString& colour)
{
    const auto path = ProgramFolder::fileToChange(PalletteName);
    QFile file(path.value_or(QString()));
    QString why;
    bool ok = false;
    if (!path)
        why = QStringLiteral("It could not be copied to %1.").arg(ProgramFolder::writeFolder());
    else if (!WholeFile::IsWritableFilePlace(*path))
        why = QStringLiteral("It is not a regular file.");
    else if (!file.open(QIODevice::ReadWrite))
        why = file.errorString();
    else
        ok = PalletteFile::WriteRecord(file, Rec, Rec, colour, why);
    if (!ok)
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Critical, SaveFailedTitle,
                                      SaveFailedText.arg(path.value_or(PalletteName), why),
                                      MessageBoxes::Buttons::Ok);
    return ok;
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

bool frmColourPicker::clearSwatch(int Index)
{
    // A swatch stays as the file holds it when its record cannot be cleared.
    if (!DeletePalletteColour(Index)) return false;
    PalletteColour[Index]->setBackColor(ButtonFace);
    PalletteColour[Index]->Tag.clear();
    return true;
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
    // A failure is reported once; the swatches before it are cleared, as their records are.
    for (int i = 1; i <= PalletteFile::Swatches; ++i)
        if (!clearSwatch(i)) return;
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
