#pragma once

#include <QString>

namespace modAnycolour {

struct LanguageCodes {
    QString cpp;       // "0x00BBGGRR"
    QString java;      // "$00BBGGRR"
    QString delphi;    // "0x" + reversed digit pairs
    QString photoshop; // "RRGGBB"
};

// The four language snippets of a colour. The mode is clamped to 0..2 and written back; the
// channels are clamped to 0..255.
LanguageCodes ShowLanguageCodes(int red, int green, int blue, int& mode);

} // namespace modAnycolour
