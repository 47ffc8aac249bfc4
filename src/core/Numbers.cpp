#include "Numbers.h"

#include <climits>
#include <cmath>

namespace Numbers {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the decimal number at the start of text: a sign, digits with an optional fraction
// and, when asked for, an exponent. 0 when the text does not start with one. An exponent marker
// without digits behind it is not part of the number.
qsizetype decimalPrefix(QStringView text, bool withExponent)
{
    const qsizetype size = text.size();
    qsizetype pos = 0;
    const auto skipDigits = [&] {
        const qsizetype start = pos;
        while (pos < size && isDigit(text[pos]))
            ++pos;
        return pos - start;
    };

    if (pos < size && (text[pos] == u'+' || text[pos] == u'-')) ++pos;
    qsizetype mantissaDigits = skipDigits();
    if (pos < size && text[pos] == u'.') {
        ++pos;
        mantissaDigits += skipDigits();
    }
    if (mantissaDigits == 0) return 0;

    if (withExponent && pos < size && (text[pos] == u'e' || text[pos] == u'E')) {
        const qsizetype mantissaEnd = pos;
        ++pos;
        if (pos < size && (text[pos] == u'+' || text[pos] == u'-')) ++pos;
        if (skipDigits() == 0) pos = mantissaEnd;
    }
    return pos;
}

} // namespace

int RoundHalfEven(double value)
{
    if (std::isnan(value)) return 0;
    // nearbyint honours the current rounding mode, which is round-to-nearest-even unless someone
    // changed it; the program never does.
    const double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(rounded);
}

std::optional<double> NumericValue(const QString& text)
{
    const QStringView number = QStringView(text).trimmed();
    if (number.isEmpty() || decimalPrefix(number, true) != number.size()) return std::nullopt;
    // A value too small for a double reads as 0, which is still a number; one too large is not.
    const double value = number.toDouble();
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double LeadingNumber(const QString& text)
{
    QStringView rest(text);
    while (!rest.isEmpty() && rest.front().isSpace())
        rest = rest.sliced(1);
    const qsizetype length = decimalPrefix(rest, false);
    return length == 0 ? 0.0 : rest.first(length).toDouble();
}

} // namespace Numbers
