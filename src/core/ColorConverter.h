#pragma once

#include <QString>

// Packs, splits, clamps and converts colours between the RGB model (a ColourValue, 0x00BBGGRR)
// and the HSB model (an HSBValue, hue * 65536 | saturation * 256 | brightness).
// Stateless: every operation is a pure function of its arguments.
class ColorConverter {
public:
    QString RGBAsString(int RGBValue) const;
    QString HSBAsString(int HSBValue) const;
    int RGBToLong(int Red, int Green, int Blue) const;
    int HSBToLong(int Hue, int Saturation, int Brightness) const;
    int Red(int RGBValue) const;
    int Green(int RGBValue) const;
    int Blue(int RGBValue) const;
    int Hue(int HSBValue) const;
    int Saturation(int HSBValue) const;
    int Brightness(int HSBValue) const;
    void SplitRGB(int RGBValue, int& Red, int& Green, int& Blue) const;
    void SplitHSB(int HSBValue, int& Hue, int& Saturation, int& Brightness) const;
    int HSBToRGB(int HSBValue) const;
    int RGBToHSB(int RGBValue) const;

private:
    static int Clamp(int& value, int minimum, int maximum);
};
