#include "Hex2Dec.h"

#include <cmath>

std::optional<int> Hex2Dec(const QString& sHex)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";

    // Summed in doubles from the last digit up, so a long text runs the place value into infinity
    // (and 0 * infinity into NaN) instead of wrapping an integer.
    double total = 0.0;
    double place = 1.0;
    for (qsizetype k = sHex.size() - 1; k >= 0; --k) {
        const char16_t c = sHex[k].unicode();
        int digit = -1;
        for (int d = 0; d < 16; ++d) {
            if (digits[d] == c) {
                digit = d;
                break;
            }
        }
        total += digit * place;
        place *= 16.0;
    }

    if (!std::isfinite(total) || total < -2147483648.0 || total > 2147483647.0) return std::nullopt;
    return static_cast<int>(total);
}
