#include "modAnycolour.h"

#include "TextPieces.h"

#include <algorithm>

using TextPieces::HexDigits;
using TextPieces::joined;

namespace modAnycolour {

namespace {

// Each channel's two digits swapped ("12" -> "21", "0A" -> "A0"), with every "0" dropped from
// blue's pair: pure red reads "0xFF00".
QString delphiText(const HexDigits& red, const HexDigits& green, const HexDigits& blue)
{
    char16_t text[8] = {u'0', u'x'};
    int length = 2;
    for (const HexDigits* channel : {&red, &green, &blue}) {
        const QStringView pair = channel->view();
        for (qsizetype k = pair.size() - 1; k >= 0; --k) {
            const char16_t digit = pair[k].unicode();
            if (channel != &blue || digit != u'0') text[length++] = digit;
        }
    }
    return QString(reinterpret_cast<const QChar*>(text), length);
}

} // namespace

LanguageCodes ShowLanguageCodes(int red, int green, int blue, int& mode)
{
    mode = std::clamp(mode, 0, 2);
    const HexDigits rr(std::clamp(red, 0, 255));
    const HexDigits gg(std::clamp(green, 0, 255));
    const HexDigits bb(std::clamp(blue, 0, 255));

    // The C++ COLORREF literal and the "$" literal are both the ColourValue 0x00BBGGRR.
    return LanguageCodes{
        joined({u"0x00", bb.view(), gg.view(), rr.view()}),
        joined({u"$00", bb.view(), gg.view(), rr.view()}),
        delphiText(rr, gg, bb),
        joined({rr.view(), gg.view(), bb.view()}),
    };
}

} // namespace modAnycolour
