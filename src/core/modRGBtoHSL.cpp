#include "modRGBtoHSL.h"

#include "Numbers.h"
#include "TextPieces.h"

using Numbers::RoundHalfEven;
using TextPieces::joined;

namespace modRGBtoHSL {

namespace {

// Look-ups that replace the division by 255 and the division into 60 on every screen pick.
struct HSBTables {
    int percentOf[256] = {};
    float sixtyOver[256] = {}; // entry 0 is never read: a grey returns before the hue
};

const HSBTables& hsbTables()
{
    static const HSBTables tables = [] {
        HSBTables built;
        for (int v = 0; v < 256; ++v)
            built.percentOf[v] = RoundHalfEven(v * 100 / 255.0);
        for (int d = 1; d < 256; ++d)
            built.sixtyOver[d] = static_cast<float>(60.0 / d);
        return built;
    }();
    return tables;
}

enum class Channel { Red, Green, Blue };

struct Extremes {
    int red;
    int green;
    int blue;
    int max;
    int min;
    Channel maxChannel;
};

Extremes extremesOf(int colour)
{
    Extremes e{colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, 0, 0, Channel::Red};
    if (e.red <= e.green) {
        e.max = e.green;
        e.min = e.red;
    } else {
        e.max = e.red;
        e.min = e.green;
    }
    if (e.blue > e.max)
        e.max = e.blue;
    else if (e.blue < e.min)
        e.min = e.blue;

    // Equal maxima go to red, then green: yellow (255, 255, 0) reads as red's sector, hue 60.
    if (e.red == e.max)
        e.maxChannel = Channel::Red;
    else if (e.green == e.max)
        e.maxChannel = Channel::Green;
    else
        e.maxChannel = Channel::Blue;
    return e;
}

// Hue in degrees before rounding; f is 60 / delta held as a float. Just below red the hue
// wraps to a value under 360 that can round up to 360.
double hueBeforeRounding(const Extremes& e, float f)
{
    const double sixtyOverDelta = f;
    if (e.maxChannel == Channel::Red)
        return sixtyOverDelta * (e.green - e.blue) + (e.blue > e.green ? 360.0 : 0.0);
    if (e.maxChannel == Channel::Green) return sixtyOverDelta * (e.blue - e.red) + 120.0;
    return sixtyOverDelta * (e.red - e.green) + 240.0;
}

} // namespace

ColourTriple ColourToHSB(int colour)
{
    const HSBTables& tables = hsbTables();
    const Extremes e = extremesOf(colour);
    const int delta = e.max - e.min;
    const int brightness = tables.percentOf[e.max];
    if (delta == 0) return {0, 0, brightness};

    const int saturation = RoundHalfEven(delta * 100 / static_cast<double>(e.max));
    return {RoundHalfEven(hueBeforeRounding(e, tables.sixtyOver[delta])), saturation, brightness};
}

ColourTriple ColourToHSL(int colour)
{
    // 5.1 as a float is 5.0999999..., a shade under 5.1; lightness is read against that divisor.
    static constexpr double singlePrecisionFivePointOne = static_cast<float>(5.1);

    const Extremes e = extremesOf(colour);
    const int delta = e.max - e.min;
    const int sum = e.max + e.min;
    const int lightness = RoundHalfEven(sum / singlePrecisionFivePointOne);
    if (delta == 0) return {0, 0, lightness};

    const int saturation =
        RoundHalfEven(delta * 100 / static_cast<double>(lightness > 50 ? 510 - sum : sum));
    const float f = static_cast<float>(60.0 / delta);
    return {RoundHalfEven(hueBeforeRounding(e, f)), saturation, lightness};
}

QString HSLText(int colour)
{
    const ColourTriple hsl = ColourToHSL(colour);
    return joined({QString::number(hsl.hue), u",", QString::number(hsl.saturation), u",",
                   QString::number(hsl.third)});
}

} // namespace modRGBtoHSL
