#include "TextEncoding.h"

#include <QStringDecoder>

namespace TextEncoding {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; the five it leaves unassigned keep their own value, as
// Windows itself maps them. Every other byte is the Latin-1 character of its value.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (High[i] == c) return char(0x80 + i);
    return std::nullopt;
}

} // namespace

Encoding detect(QByteArrayView bytes)
{
    // Well-formed UTF-8 only: no overlong forms, no surrogates, nothing above U+10FFFF.
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    for (qsizetype i = 0; i < bytes.size();) {
        const unsigned char lead = byte(i);
        int more = -1; // continuation bytes the lead byte asks for; -1 for no lead byte
        if (lead < 0x80)
            more = 0;
        else if (lead >= 0xC2 && lead < 0xE0)
            more = 1;
        else if (lead >= 0xE0 && lead < 0xF0)
            more = 2;
        else if (lead >= 0xF0 && lead < 0xF5)
            more = 3;
        if (more < 0 || i + more >= bytes.size()) return Encoding::Windows1252;
        unsigned char low = 0x80, high = 0xBF;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
        for (int k = 1; k <= more; ++k) {
            if (byte(i + k) < (k == 1 ? low : 0x80) || byte(i + k) > (k == 1 ? high : 0xBF))
                return Encoding::Windows1252;
        }
        i += 1 + more;
    }
    return Encoding::Utf8;
}

QString decode(QByteArrayView bytes, Encoding encoding)
{
    if (encoding == Encoding::Utf8) {
        // A byte-order mark stays a character: dropped, a name beginning with it would no
        // longer match itself.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                        QStringConverter::Flag::Stateless);
        return utf8.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? High[b - 0x80] : char16_t(b));
    }
    return text;
}

std::optional<QByteArray> encode(QStringView text, Encoding encoding)
{
    if (encoding == Encoding::Utf8) return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const auto byte = windows1252Byte(c.unicode());
        if (!byte) return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

QByteArray toUtf8(QByteArrayView windows1252)
{
    const qsizetype mark = windows1252.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    return windows1252.first(mark).toByteArray() +
           decode(windows1252.sliced(mark), Encoding::Windows1252).toUtf8();
}

QByteArray keptReadable(QByteArrayView before, const QByteArray& after)
{
    if (detect(before) == Encoding::Utf8 || detect(after) == Encoding::Windows1252) return after;
    return toUtf8(after);
}

} // namespace TextEncoding
