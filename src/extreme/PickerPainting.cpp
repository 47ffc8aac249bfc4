#include "PickerPainting.h"

#include "Numbers.h"
#include "cMemDC.h"

namespace Extreme {

namespace {

constexpr int White = 0xFFFFFF;
constexpr int Black = 0;
constexpr int ArrowMask = 0xFF00FF;

// rnd(numerator) div divisor, for the HSB modes' unrounded levels.
int scaled(double numerator, int divisor)
{
    return Numbers::RoundHalfEven(numerator) / divisor;
}

} // namespace

MarkerPlaces pvMarkerPlaces(Mode mode, int W, int H, int Hbar, const HSBTriple& hsb, int colour)
{
    const double h = hsb.Hue, s = hsb.Saturation, b = hsb.Brightness;
    const RGB c = toRGB(colour);
    switch (mode) {
    case Mode::Hue:
        return {scaled((W - 1) * s, 100), scaled((100 - b) * (H - 1), 100),
                scaled((359 - h) * (Hbar - 1), 359)};
    case Mode::Saturation:
        return {scaled((W - 1) * h, 359), scaled((100 - b) * (H - 1), 100),
                scaled((100 - s) * (Hbar - 1), 100)};
    case Mode::Brightness:
        return {scaled((W - 1) * h, 359), scaled((100 - s) * (H - 1), 100),
                scaled((100 - b) * (Hbar - 1), 100)};
    case Mode::Red:
        return {((W - 1) * c.Green) / 255, ((255 - c.Blue) * (H - 1)) / 255,
                ((255 - c.Red) * (Hbar - 1)) / 255};
    case Mode::Green:
        return {((W - 1) * c.Red) / 255, ((255 - c.Blue) * (H - 1)) / 255,
                ((255 - c.Green) * (Hbar - 1)) / 255};
    case Mode::Blue:
        break;
    }
    return {((W - 1) * c.Red) / 255, ((255 - c.Green) * (H - 1)) / 255,
            ((255 - c.Blue) * (Hbar - 1)) / 255};
}

int pvMarkerColour(int colour)
{
    const RGB c = toRGB(colour);
    const double luminance = 0.299 * c.Red + 0.587 * c.Green + 0.114 * c.Blue;
    return luminance <= 127 ? White : Black;
}

QIcon pvArrowPicture()
{
    cMemDC surface;
    if (!surface.Init(29, 7)) return {};
    surface.Cls(ArrowMask);
    for (int i = 0; i <= 3; ++i) {
        surface.DrawLine(i, i, i, 7 - i, -1);
        surface.DrawLine(28 - i, i, 28 - i, 7 - i, -1);
    }
    return surface.ExtractIcon(ArrowMask);
}

void pvPaintPicker(QPaintDevice* device, const PickerScene& scene)
{
    cMemDC dc;
    if (!dc.Init(scene.client.width(), scene.client.height(), device)) return;
    dc.Cls(scene.background);

    const int L = scene.field.x(), T = scene.field.y(), W = scene.W, H = scene.H;
    dc.DrawEdge(L - 2, T - 2, L + W + 2, T + H + 2, 2, 15);
    dc.FrameRect(L - 1, T - 1, L + W + 1, T + H + 1, Black);
    if (scene.fieldPicture) dc.PaintPicture(*scene.fieldPicture, L, T);

    const int BL = scene.bar.x(), BT = scene.bar.y(), Hbar = H;
    dc.DrawEdge(BL + 3, BT - 2, BL + 23, BT + Hbar + 2, 2, 15);
    dc.FrameRect(BL + 4, BT - 1, BL + 22, BT + Hbar + 1, Black);
    if (scene.barPicture) dc.PaintPicture(*scene.barPicture, BL + 5, BT);

    const MarkerPlaces at = pvMarkerPlaces(scene.mode, W, H, Hbar, scene.hsb, scene.colour);
    const int X = L + at.fx, Y = T + at.fy;
    const int c = pvMarkerColour(scene.colour);
    dc.DrawEllipse(X - 3, Y - 3, X + 3, Y + 3, White - c);
    dc.DrawEllipse(X - 4, Y - 4, X + 4, Y + 4, c);
    dc.DrawEllipse(X - 5, Y - 5, X + 5, Y + 5, White - c);

    if (scene.arrow) dc.PaintPicture(*scene.arrow, BL - 2, BT + at.by - 3);
    dc.Destroy();
}

} // namespace Extreme
