#pragma once

#include "ColourSpaces.h"

#include <QByteArray>

// The advanced picker's field and bar images computed pixel by pixel, with no widget: plain values
// in, a 24-bit pixel buffer out (blue, green, red bytes, the bottom row first, each row padded to
// a multiple of 4 bytes). With webSafe every byte is snapped by WebSafeTable. A field needs W of
// at least 2 (the saturation and brightness fields 6, a multiple of 6) and H of at least 2; a
// bar needs Hbar of at least 2. Smaller sizes give an empty buffer.
namespace Extreme {

struct PixelBuffer {
    int Width = 0;
    int Height = 0;
    QByteArray Bits;
};

// n rounded up to a multiple of 4.
int pvRowBytes(int n);

constexpr int BarWidth = 16;

// White top left, the pure hue top right, black along the bottom row.
PixelBuffer pvCreateRectHue(int W, int H, bool webSafe, const HSBTriple& pureHue);
// Hue across in six sextants, brightness up, at the given saturation.
PixelBuffer pvCreateRectSaturation(int W, int H, bool webSafe, double saturation);
// Hue across in six sextants, saturation up, at the given brightness.
PixelBuffer pvCreateRectBrightness(int W, int H, bool webSafe, double brightness);
// channel 0 red, 1 green, 2 blue fixed at value; the first other channel grows to the right,
// the second upwards.
PixelBuffer pvCreateRectRGB(int W, int H, bool webSafe, int value, int channel);

PixelBuffer pvCreateBarHue(int Hbar, bool webSafe);
PixelBuffer pvCreateBarSaturation(int Hbar, bool webSafe, double hue, double brightness);
PixelBuffer pvCreateBarBrightness(int Hbar, bool webSafe, double hue, double saturation);
PixelBuffer pvCreateBarRGB(int Hbar, bool webSafe, int channel);

} // namespace Extreme
