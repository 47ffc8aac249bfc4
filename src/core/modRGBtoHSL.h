#pragma once

#include <QString>

// Hue in degrees, saturation in percent, and brightness or lightness in percent.
struct ColourTriple {
    int hue = 0;
    int saturation = 0;
    int third = 0;

    friend bool operator==(const ColourTriple&, const ColourTriple&) = default;
};

namespace modRGBtoHSL {

// Hue 0..360 (360 is a legal result just below red), saturation and brightness 0..100.
ColourTriple ColourToHSB(int colour);

// Hue 0..360, saturation and lightness 0..100.
ColourTriple ColourToHSL(int colour);

// The text of the HSL box: hue, saturation and lightness joined by "," ("0,100,50").
QString HSLText(int colour);

} // namespace modRGBtoHSL
