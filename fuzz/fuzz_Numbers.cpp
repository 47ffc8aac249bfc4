// The number and hex parsing of the editing fields on any text, typed or pasted.
#include "FuzzInput.h"
#include "Hex2Dec.h"
#include "Numbers.h"

#include <climits>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto value = Numbers::NumericValue(text)) {
        FUZZ_CHECK(std::isfinite(*value));
        // The number read is the number written back.
        FUZZ_CHECK(Numbers::NumericValue(QString::number(*value, 'g', 17)) == *value);
        const int rounded = Numbers::RoundHalfEven(*value);
        FUZZ_CHECK(std::abs(rounded - *value) <= 0.5 || rounded == INT_MAX || rounded == INT_MIN);
    }
    FUZZ_CHECK(!std::isnan(Numbers::LeadingNumber(text)));

    // Six hex digits or fewer read as their value; anything longer or not hex is reported, never
    // a number out of the int range.
    const auto hex = Hex2Dec(text);
    bool digits = text.size() <= 6;
    for (const QChar c : text)
        digits = digits && QStringLiteral("0123456789ABCDEF").contains(c);
    if (digits) FUZZ_CHECK(hex == text.toInt(nullptr, 16));
    return 0;
}
