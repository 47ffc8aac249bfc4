#include "Hex2Dec.h"

#include <cmath>

namespace {

// The position in "0123456789ABCDEF", or -1 for anything else, lower-case letters included.
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

} // namespace

std::optional<int> Hex2Dec(const QString& sHex)
{
    // Summed in doubles from the last digit up, so a long text runs the place value into infinity
    // (and 0 * infinity into NaN) instead of wrapping an integer.
    double total = 0.0;
    double place = 1.0;
    for (qsizetype k = sHex.size() - 1; k >= 0; --k) {
        total += digitValue(sHex[k]) * place;
        place *= 16.0;
    }

    if (!std::isfinite(total) || total < -2147483648.0 || total > 2147483647.0) return std::nullopt;
    return static_cast<int>(total);
}
