#include "AccelRenderers.h"

#include "cMemDC.h"

#include <algorithm>
#include <cstdint>

namespace Extreme {

namespace {

// A field of hue columns from 0 at the left to 359 at the right, each running from its colour
// at the top to its colour at the bottom.
template <typename Ends> QImage hueColumns(int W, int H, Ends ends)
{
    cMemDC surface;
    if (W < 2 || H < 2 || !surface.Init(W, H)) return {};
    for (int x = 0; x < W; ++x) {
        const double hue = double(x) * 359 / (W - 1);
        const auto [top, bottom] = ends(hue);
        surface.FillGradient(x, 0, x + 1, H, toColour(top), toColour(bottom), true);
    }
    return surface.Image();
}

} // namespace

QImage pvCreateRectHueAccel(int W, int H, const HSBTriple& pureHue)
{
    cMemDC surface;
    if (W < 2 || H < 2 || !surface.Init(W, H)) return {};
    for (int y = 0; y < H; ++y) {
        const double brightness = 100 - double(y) * 100 / (H - 1);
        surface.FillGradient(0, y, W, y + 1, toColour(pvHSBToRGB(pureHue.Hue, 0, brightness)),
                             toColour(pvHSBToRGB(pureHue.Hue, 100, brightness)), false);
    }
    return surface.Image();
}

QImage pvCreateRectSaturationAccel(int W, int H, double saturation)
{
    return hueColumns(W, H, [saturation](double hue) {
        return std::pair(pvHSBToRGB(hue, saturation, 100), pvHSBToRGB(hue, saturation, 0));
    });
}

QImage pvCreateRectBrightnessAccel(int W, int H, double brightness)
{
    return hueColumns(W, H, [brightness](double hue) {
        return std::pair(pvHSBToRGB(hue, 100, brightness), pvHSBToRGB(hue, 0, brightness));
    });
}

QImage pvCreateRectRGBAccel(int W, int H, int value, int channel)
{
    cMemDC surface;
    if (W < 2 || H < 2 || !surface.Init(W, H)) return {};
    value = std::clamp(value, 0, 255);
    for (int y = 0; y < H; ++y) {
        // The rising channel as a 16-bit component (the level in its high byte), read back as
        // the 8 bits a true-colour surface keeps.
        const int up = int((std::int64_t(H - 1 - y) * 65280 / (H - 1)) >> 8);
        const auto colour = [&](int across) {
            if (channel == 0) return toColour({value, across, up});
            if (channel == 1) return toColour({across, value, up});
            return toColour({across, up, value});
        };
        surface.FillGradient(0, y, W, y + 1, colour(0), colour(255), false);
    }
    return surface.Image();
}

} // namespace Extreme
