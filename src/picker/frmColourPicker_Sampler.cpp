// Reading the screen: the dropper, the magnifier, and the desktop's colour dialog.
#include "ColourBox.h"
#include "ControlWrites.h"
#include "DesktopPortal.h"
#include "FrozenPick.h"
#include "Magnifier.h"
#include "MessageBoxes.h"
#include "Numbers.h"
#include "ScreenReader.h"
#include "SettingsStore.h"
#include "Twips.h"
#include "frmColourPicker.h"
#include "modColourPicker.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>

void frmColourPicker::Picture1_MouseDown()
{
    Picture1->clear();
    // X cannot see a Wayland desktop: there the pick goes over a picture the portal takes.
    if (waylandSession()) {
        startFrozenPick();
        return;
    }
    dropperDragging_ = true;
}

void frmColourPicker::Picture1_MouseMove()
{
    if (!dropperDragging_) return;
    // Where the screen cannot be read the swatch shows the current colour again, not the last
    // pixel the drag passed over.
    if (const auto colour = ScreenReader::instance().pixelUnderPointer())
        picShowColour->setBackColor(*colour);
    else
        ShowSampleColour();
}

void frmColourPicker::Picture1_MouseUp()
{
    // On Wayland the press only began the pick; the frozen screen ends it.
    if (waylandSession()) return;
    Picture1->setPixmap(Picture2);
    dropperDragging_ = false;
    // A pixel that cannot be read (the pointer off every monitor, a refused grab) picks nothing,
    // and the swatch goes back to the colour the fields hold.
    const auto picked = ScreenReader::instance().pixelUnderPointer();
    if (!picked) {
        ShowSampleColour();
        return;
    }
    applyPickedColour(*picked);
}

void frmColourPicker::applyPickedColour(int c)
{
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

void frmColourPicker::startFrozenPick()
{
    // A press while the portal has not answered yet starts afresh, so a portal that never
    // answers cannot leave the dropper dead.
    delete frozenPick_;
    auto* pick = new FrozenPick(this);
    frozenPick_ = pick;
    connect(pick, &FrozenPick::hovered, picShowColour, &ColourBox::setBackColor);
    connect(pick, &FrozenPick::picked, this, [this](int c) {
        endFrozenPick();
        applyPickedColour(c);
    });
    connect(pick, &FrozenPick::cancelled, this, [this] { endFrozenPick(); });
    connect(pick, &FrozenPick::failed, this, [this](const QString& message) {
        endFrozenPick();
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Warning, QStringLiteral("Warning"),
                                      message, MessageBoxes::Buttons::Ok);
    });
    pick->start();
}

void frmColourPicker::endFrozenPick()
{
    Picture1->setPixmap(Picture2);
    ShowSampleColour();
    // It is the sender of the signal that ends it.
    if (frozenPick_) frozenPick_->deleteLater();
    frozenPick_ = nullptr;
}

void frmColourPicker::Timer1_Timer()
{
    ScreenReader& screen = ScreenReader::instance();
    const auto pointer = screen.pointerPosition();
    if (!pointer) return;
    const auto monitor = monitorAt(screen.monitors(), *pointer);
    if (!monitor) return;
    followRefreshRate(*monitor);

    // The box is measured in physical pixels, so each screen pixel is reachable at any scale
    // factor.
    const double ratio = picMagnify->devicePixelRatioF();
    const QSize box = picMagnify->contentsRect().size() * ratio;
    const MagnifierFrame frame = MagnifierGeometry(*pointer - monitor->topLeft(), box,
                                                   monitor->size(), Magnification(Text1->text()));
    const QImage source = screen.grab(frame.source.translated(monitor->topLeft()));
    if (source.isNull() || box.isEmpty()) return;
    // A still screen under a still pointer gives the frame the box already shows.
    if (!picMagnify->pixmap().isNull() && frame.crossHair == magnifierCrossHair_ &&
        source == magnifierSource_)
        return;
    magnifierSource_ = source;
    magnifierCrossHair_ = frame.crossHair;

    QImage view = Enlarged(source, box);
    QPainter painter(&view);
    painter.setPen(picMagnify->palette().color(QPalette::ButtonText));
    // Arms of 300 twips.
    const int arm = Numbers::RoundHalfEven(300 / Twips::perPixelX() * ratio);
    const QPoint c = frame.crossHair;
    painter.drawLine(c.x(), c.y() - arm, c.x(), c.y() + arm);
    painter.drawLine(c.x() - arm, c.y(), c.x() + arm, c.y());
    painter.end();
    view.setDevicePixelRatio(ratio);
    picMagnify->setPixmap(QPixmap::fromImage(view));
}

void frmColourPicker::followRefreshRate(const QRect& monitor)
{
    // Nothing faster than the screen's own refresh can be seen.
    qreal rate = 0;
    for (const QScreen* s : QGuiApplication::screens()) {
        // A scaled screen keeps its native origin; only its size is in device-independent pixels.
        const QRect native(s->geometry().topLeft(), s->geometry().size() * s->devicePixelRatio());
        if (native.intersects(monitor)) rate = s->refreshRate();
    }
    const int interval = Numbers::RoundHalfEven(1000.0 / (rate >= 1 ? rate : 60.0));
    if (Timer1->interval() != interval) Timer1->setInterval(interval);
}

void frmColourPicker::magnifierFollowsVisibility()
{
    // Nobody sees a hidden or minimised box; the timer rests until the window shows again.
    const bool seen = Check2->isChecked() && isVisible() && !isMinimized();
    if (seen && !Timer1->isActive())
        Timer1->start();
    else if (!seen)
        Timer1->stop();
}

void frmColourPicker::ctxUpDown1_Change(int Delta)
{
    const double value = Numbers::LeadingNumber(Text1->text()) + Delta;
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
