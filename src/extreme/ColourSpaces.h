#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The advanced picker's own colour arithmetic. It is not the main window's: hue, saturation and
// brightness stay unrounded doubles here, so a hue set by dragging survives colours (greys) that
// cannot carry it.
namespace Extreme {

// Hue 0 to below 360, saturation and brightness 0 to 100.
struct HSBTriple {
    double Hue = 0;
    double Saturation = 0;
    double Brightness = 0;
};

struct RGB {
    int Red = 0;
    int Green = 0;
    int Blue = 0;

    friend bool operator==(const RGB&, const RGB&) = default;
};

struct CMYK {
    int Cyan = 0;
    int Magenta = 0;
    int Yellow = 0;
    int Black = 0;

    friend bool operator==(const CMYK&, const CMYK&) = default;
};

struct XYZ {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

struct Lab {
    double L = 0;
    double A = 0;
    double B = 0;
};

HSBTriple pvMakeHSB(double hue, double saturation, double brightness);
// Exact equality of all three: a hue kept at 12.5 is not the hue 12.
bool pvSameHSB(const HSBTriple& a, const HSBTriple& b);
double pvClamp(double value, double lower, double upper);

// A ColourValue (0x00BBGGRR) split into bytes, and back.
RGB toRGB(int colour);
int toColour(const RGB& rgb);

// Hue outside 0 to below 360 (a negative or a sextant of 6 or more) gives black.
RGB pvHSBToRGB(double hue, double saturation, double brightness);
inline RGB pvHSBToRGB(const HSBTriple& hsb)
{
    return pvHSBToRGB(hsb.Hue, hsb.Saturation, hsb.Brightness);
}
HSBTriple pvRGBToHSB(int colour);
CMYK pvRGBToCMYK(int colour);
XYZ pvRGBToXYZ(int colour);
// a and b are half the usual CIE factors; the Lab boxes have always shown them so.
Lab pvXYZToLab(const XYZ& xyz);

// One Lab reading as the boxes show it: one decimal, and never a "-0.0".
QString LabText(double value);
// The colour as six upper-case hex digits, red first, no prefix.
QString HexText(int colour);

// Each byte snapped to the nearest of 0, 51, 102, 153, 204, 255.
const std::array<std::uint8_t, 256>& WebSafeTable();
int webSafeColour(int colour);

} // namespace Extreme
