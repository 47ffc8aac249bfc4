#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <initializer_list>

// Helpers for the text forms, which a sweep over every colour builds millions of times: digits
// are kept on the stack and the pieces of a form are joined into their final string with a single
// allocation.
namespace TextPieces {

// Upper-case hex digits of a value, at least two: a value below 16 gets its leading "0".
// Negative values read as their 32-bit two's complement, eight digits.
class HexDigits {
public:
    explicit HexDigits(int value)
    {
        static constexpr char16_t digitOf[] = u"0123456789ABCDEF";
        auto rest = static_cast<quint32>(value);
        do {
            m_digits[--m_start] = digitOf[rest & 0xF];
            rest >>= 4;
        } while (rest != 0 || m_start > Capacity - 2);
    }

    QStringView view() const { return QStringView(m_digits + m_start, Capacity - m_start); }

private:
    static constexpr int Capacity = 8;
    char16_t m_digits[Capacity] = {};
    int m_start = Capacity;
};

inline QString joined(std::initializer_list<QStringView> pieces)
{
    qsizetype size = 0;
    for (QStringView piece : pieces)
        size += piece.size();
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (QStringView piece : pieces)
        out = std::copy(piece.begin(), piece.end(), out);
    return text;
}

} // namespace TextPieces
