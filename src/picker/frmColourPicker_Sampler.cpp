// Reading the screen: the dropper, the magnifier, and the desktop's colour dialog.
#include "frmColourPicker.h"

#include "ColourBox.h"
#include "ControlWrites.h"
#include "Magnifier.h"
#include "Numbers.h"
#include "ScreenReader.h"
#include "SettingsStore.h"
#include "Twips.h"
#include "modColourPicker.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

void frmColourPicker::Picture1_MouseDown()
{
    Picture1->clear();
    dropperDragging_ = true;
}

void frmColourPicker::Picture1_MouseMove()
{
    if (!dropperDragging_) return;
    if (const auto colour = ScreenReader::instance().pixelUnderPointer())
        picShowColour->setBackColor(*colour);
}

void frmColourPicker::Picture1_MouseUp()
{
    Picture1->setPixmap(Picture2);
    dropperDragging_ = false;
    // A pixel that cannot be read (the pointer off every monitor, a refused grab) picks nothing.
    const auto picked = ScreenReader::instance().pixelUnderPointer();
    if (!picked) return;
    const int c = *picked;

    WriteText(txtRGBforVB, QString::number(c));
    writeRGBFields(c);
    ShowRGBText();
    UpdateFromSliders();
    ShowHtmlHex();
    ShowVBHex();
    ShowRGBText();

    // The HSB sliders and fields follow the pick. Not through the sliders' scroll handling: with
    // the HSB frame shown it would turn the picked colour into its HSB round trip, which can
    // differ by a step.
    SetHSL(txtRGBforVB->text());

    SavePalletteColour(c);
}

void frmColourPicker::Timer1_Timer()
{
    ScreenReader& screen = ScreenReader::instance();
    const auto pointer = screen.pointerPosition();
    if (!pointer) return;
    const auto monitor = monitorAt(screen.monitors(), *pointer);
    if (!monitor) return;

    // The box is measured in twips of physical pixels, so each screen pixel is reachable at any
    // scale factor.
    const double ratio = picMagnify->devicePixelRatioF();
    const double tx = Twips::perPixelX() / ratio;
    const double ty = Twips::perPixelY() / ratio;
    const QSize client = picMagnify->contentsRect().size();
    const QSizeF clientTwips(client.width() * Twips::perPixelX(), client.height() * Twips::perPixelY());
    const MagnifierFrame frame = MagnifierGeometry(*pointer - monitor->topLeft(), clientTwips,
                                                   monitor->size(), tx, ty, Magnification(Text1->text()));
    const QImage source = screen.grab(frame.source.translated(monitor->topLeft()));
    if (source.isNull() || frame.destination.isEmpty()) return;
    // A still screen under a still pointer gives the frame the box already shows.
    if (!picMagnify->pixmap().isNull() && frame.crossHair == magnifierCrossHair_ &&
        source == magnifierSource_)
        return;
    magnifierSource_ = source;
    magnifierCrossHair_ = frame.crossHair;

    QImage view(frame.destination, QImage::Format_RGB32);
    QPainter painter(&view);
    // No smoothing: each screen pixel becomes a block of one colour.
    painter.drawImage(view.rect(), source);
    painter.setPen(picMagnify->palette().color(QPalette::ButtonText));
    const int x = Numbers::RoundHalfEven(frame.crossHair.x() / tx);
    const int y = Numbers::RoundHalfEven(frame.crossHair.y() / ty);
    const int armX = Numbers::RoundHalfEven(300 / tx);
    const int armY = Numbers::RoundHalfEven(300 / ty);
    painter.drawLine(x, y - armY, x, y + armY);
    painter.drawLine(x - armX, y, x + armX, y);
    painter.end();
    view.setDevicePixelRatio(ratio);
    picMagnify->setPixmap(QPixmap::fromImage(view));
}

void frmColourPicker::ctxUpDown1_Change(int Delta)
{
    const int value = Numbers::RoundHalfEven(Numbers::LeadingNumber(Text1->text())) + Delta;
    if (value < 0 || value > 99) return;
    WriteText(Text1, QString::number(value));
    SettingsStore::SaveSetting(SettingsStore::ExeName(), QStringLiteral("settings"),
                               QStringLiteral("Magnification"), Text1->text());
}

void frmColourPicker::Command1_Click()
{
    const int c = modColourPicker::ShowColourDialog(this, picShowColour->BackColor(), true);
    if (c == -1) return;
    // The HSB fields follow whichever frame is shown, unlike a palette click.
    SetFormColours(c);
    SavePalletteColour(c);
}
