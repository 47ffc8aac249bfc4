#include "ColourSpaces.h"

#include "Numbers.h"

#include <algorithm>
#include <cmath>

namespace Extreme {

HSBTriple pvMakeHSB(double hue, double saturation, double brightness)
{
    return {hue, saturation, brightness};
}

bool pvSameHSB(const HSBTriple& a, const HSBTriple& b)
{
    return a.Hue == b.Hue && a.Saturation == b.Saturation && a.Brightness == b.Brightness;
}

double pvClamp(double value, double lower, double upper)
{
    if (value < lower) return lower;
    if (value > upper) return upper;
    return value;
}

RGB toRGB(int colour)
{
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

int toColour(const RGB& rgb)
{
    return rgb.Red | (rgb.Green << 8) | (rgb.Blue << 16);
}

RGB pvHSBToRGB(double hue, double saturation, double brightness)
{
    using Numbers::RoundHalfEven;
    if (saturation <= 0) {
        const int grey = RoundHalfEven(brightness * 255 / 100);
        return {grey, grey, grey};
    }
    const double hh = hue / 60;
    const double bb = brightness / 100;
    const double ss = saturation / 100;
    const double i = std::floor(hh);
    const double f = hh - i;
    const double p = (1 - ss) * bb;
    const double q = (1 - ss * f) * bb;
    const double t = (1 - (1 - f) * ss) * bb;
    const auto rgb = [](double r, double g, double b) {
        return RGB{RoundHalfEven(r * 255), RoundHalfEven(g * 255), RoundHalfEven(b * 255)};
    };
    // A hue below 0 has no sextant either; it is black like one of 360 or more.
    if (i < 0 || i >= 6) return {};
    switch (static_cast<int>(i)) {
    case 0:
        return rgb(bb, t, p);
    case 1:
        return rgb(q, bb, p);
    case 2:
        return rgb(p, bb, t);
    case 3:
        return rgb(p, q, bb);
    case 4:
        return rgb(t, p, bb);
    default:
        return rgb(bb, p, q);
    }
}

HSBTriple pvRGBToHSB(int colour)
{
    const RGB c = toRGB(colour);
    const int max = std::max({c.Red, c.Green, c.Blue});
    const int min = std::min({c.Red, c.Green, c.Blue});
    const double delta = max - min;
    HSBTriple hsb;
    hsb.Brightness = (max * 100.0) / 255;
    if (max > 0) {
        hsb.Saturation = delta / max * 100;
        if (delta > 0) {
            double h = 0;
            if (c.Red == max)
                h = (c.Green - c.Blue) / delta;
            else if (c.Green == max)
                h = 2 + (c.Blue - c.Red) / delta;
            else
                h = 4 + (c.Red - c.Green) / delta;
            hsb.Hue = h * 60;
            if (hsb.Hue < 0) hsb.Hue += 360;
        }
    }
    return hsb;
}

CMYK pvRGBToCMYK(int colour)
{
    const RGB c = toRGB(colour);
    const int cyan = ((255 - c.Red) * 100) / 255;
    const int magenta = ((255 - c.Green) * 100) / 255;
    const int yellow = ((255 - c.Blue) * 100) / 255;
    const int black = std::min({cyan, magenta, yellow});
    return {cyan - black, magenta - black, yellow - black, black};
}

XYZ pvRGBToXYZ(int colour)
{
    const RGB c = toRGB(colour);
    const auto linear = [](int v) { return std::pow(v / 255.0, 1 / 0.45); };
    const double r = linear(c.Red);
    const double g = linear(c.Green);
    const double b = linear(c.Blue);
    return {0.412453 * r + 0.35758 * g + 0.180423 * b, 0.212671 * r + 0.71516 * g + 0.072169 * b,
            0.019334 * r + 0.119193 * g + 0.950227 * b};
}

Lab pvXYZToLab(const XYZ& xyz)
{
    const double fx = std::pow(xyz.X / 0.950456, 1.0 / 3);
    const double fy = std::pow(xyz.Y / 1.0, 1.0 / 3);
    const double fz = std::pow(xyz.Z / 1.088754, 1.0 / 3);
    const double l = xyz.Y < 0.008856 ? 903.3 * xyz.Y : 116 * fy - 16;
    return {l, 500 * (fx - fy) / 2, 200 * (fy - fz) / 2};
}

QString LabText(double value)
{
    // White's a and b come out a hair either side of zero; both read as 0.0.
    const QString text = QString::number(value, 'f', 1);
    return text == QLatin1String("-0.0") ? QStringLiteral("0.0") : text;
}

QString HexText(int colour)
{
    const RGB c = toRGB(colour);
    return QStringLiteral("%1%2%3")
        .arg(c.Red, 2, 16, QLatin1Char('0'))
        .arg(c.Green, 2, 16, QLatin1Char('0'))
        .arg(c.Blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

const std::array<std::uint8_t, 256>& WebSafeTable()
{
    static const std::array<std::uint8_t, 256> table = [] {
        std::array<std::uint8_t, 256> entries{};
        for (int i = 0; i < 256; ++i)
            entries[i] = static_cast<std::uint8_t>(((i + 25) / 51) * 51);
        return entries;
    }();
    return table;
}

int webSafeColour(int colour)
{
    const auto& table = WebSafeTable();
    const RGB c = toRGB(colour);
    return toColour({table[c.Red], table[c.Green], table[c.Blue]});
}

} // namespace Extreme
