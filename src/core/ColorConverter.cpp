#include "ColorConverter.h"

#include "Numbers.h"
#include "TextPieces.h"

#include <cmath>

using Numbers::RoundHalfEven;
using TextPieces::joined;

QString ColorConverter::RGBAsString(int RGBValue) const
{
    int red = 0;
    int green = 0;
    int blue = 0;
    SplitRGB(RGBValue, red, green, blue);
    return joined(
        {QString::number(red), u", ", QString::number(green), u", ", QString::number(blue)});
}

QString ColorConverter::HSBAsString(int HSBValue) const
{
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
    SplitHSB(HSBValue, hue, saturation, brightness);
    return joined({QString::number(hue), u", ", QString::number(saturation), u", ",
                   QString::number(brightness)});
}

int ColorConverter::RGBToLong(int Red, int Green, int Blue) const
{
    return Clamp(Red, 0, 255) + Clamp(Green, 0, 255) * 256 + Clamp(Blue, 0, 255) * 65536;
}

int ColorConverter::HSBToLong(int Hue, int Saturation, int Brightness) const
{
    return (Clamp(Hue, 0, 359) * 65536) | (Clamp(Saturation, 0, 100) * 256) |
           Clamp(Brightness, 0, 100);
}

int ColorConverter::Red(int RGBValue) const
{
    return RGBValue & 0xFF;
}

int ColorConverter::Green(int RGBValue) const
{
    return (RGBValue >> 8) & 0xFF;
}

int ColorConverter::Blue(int RGBValue) const
{
    return (RGBValue >> 16) & 0xFF;
}

int ColorConverter::Hue(int HSBValue) const
{
    int hue = HSBValue / 65536;
    return Clamp(hue, 0, 359);
}

int ColorConverter::Saturation(int HSBValue) const
{
    int saturation = (HSBValue >> 8) & 0xFF;
    return Clamp(saturation, 0, 100);
}

int ColorConverter::Brightness(int HSBValue) const
{
    int brightness = HSBValue & 0xFF;
    return Clamp(brightness, 0, 100);
}

void ColorConverter::SplitRGB(int RGBValue, int& Red, int& Green, int& Blue) const
{
    Red = this->Red(RGBValue);
    Green = this->Green(RGBValue);
    Blue = this->Blue(RGBValue);
}

void ColorConverter::SplitHSB(int HSBValue, int& Hue, int& Saturation, int& Brightness) const
{
    Hue = this->Hue(HSBValue);
    Saturation = this->Saturation(HSBValue);
    Brightness = this->Brightness(HSBValue);
}

int ColorConverter::HSBToRGB(int HSBValue) const
{
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
    SplitHSB(HSBValue, hue, saturation, brightness);

    if (saturation < 1) {
        // The grey path divides exactly, so brightness 30 gives round(76.5) = 76 here but 77 on
        // the coloured path below, where 0.3 has already become a float.
        const int grey = RoundHalfEven(brightness * 255 / 100.0);
        return RGBToLong(grey, grey, grey);
    }

    // Every named fraction is kept as a float between steps; the arithmetic inside each step is
    // double. The float roundings decide the results at ties.
    const float h = static_cast<float>(hue / 60.0);
    const float s = static_cast<float>(saturation / 100.0);
    const float v = static_cast<float>(brightness / 100.0);
    const int i = static_cast<int>(std::floor(h));
    const float f = static_cast<float>(static_cast<double>(h) - i);
    const double sd = s;
    const double fd = f;
    const double vd = v;
    const float p = static_cast<float>((1.0 - sd) * vd);
    const float q = static_cast<float>((1.0 - sd * fd) * vd);
    const float t = static_cast<float>((1.0 - (1.0 - fd) * sd) * vd);

    // Red, green and blue fractions for each sixth of the hue circle.
    const float sectors[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    const float* rgb = sectors[i];

    const auto channel = [](float x) { return RoundHalfEven(static_cast<double>(x) * 255.0); };
    return RGBToLong(channel(rgb[0]), channel(rgb[1]), channel(rgb[2]));
}

int ColorConverter::RGBToHSB(int RGBValue) const
{
    int red = 0;
    int green = 0;
    int blue = 0;
    SplitRGB(RGBValue, red, green, blue);

    const int max = (red > green) ? ((red > blue) ? red : blue) : ((green > blue) ? green : blue);
    const int min = (red < green) ? ((red < blue) ? red : blue) : ((green < blue) ? green : blue);
    const int delta = max - min;

    const int brightness = RoundHalfEven(max * 100 / 255.0);
    int saturation = 0;
    int hue = 0;
    if (max > 0) {
        saturation = RoundHalfEven(static_cast<double>(delta) / max * 100.0);
        if (delta > 0) {
            double h = 0.0;
            if (red == max)
                h = static_cast<double>(green - blue) / delta;
            else if (green == max)
                h = 2.0 + static_cast<double>(blue - red) / delta;
            else
                h = 4.0 + static_cast<double>(red - green) / delta;
            // Held as a float before scaling: that rounding is part of the result at ties.
            const float sector = static_cast<float>(h);
            hue = RoundHalfEven(static_cast<double>(sector) * 60.0);
            if (hue < 0) hue += 360;
        }
    }
    return HSBToLong(hue, saturation, brightness);
}

int ColorConverter::Clamp(int& value, int minimum, int maximum)
{
    if (value < minimum)
        value = minimum;
    else if (value > maximum)
        value = maximum;
    return value;
}
