#include "SettingsText.h"

#include "TextEncoding.h"
#include "TextLines.h"

#include <cctype>

namespace SettingsText {

namespace {

using TextLines::Line;

bool isPlainKeyChar(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

QByteArray escapedKey(const QString& key)
{
    QByteArray out;
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if (c == '/')
            out += '\\';
        else if (isPlainKeyChar(c))
            out += char(c);
        else if (c <= 0xFF)
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

QString unescapedKey(QByteArrayView bytes)
{
    QString out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        const bool wide = c == '%' && i + 1 < bytes.size() && bytes[i + 1] == 'U';
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype from = i + (wide ? 2 : 1);
        bool ok = false;
        const uint code = c == '%' && from + digits <= bytes.size()
                              ? bytes.sliced(from, digits).toByteArray().toUInt(&ok, 16)
                              : 0;
        if (ok) {
            out += QChar(char16_t(code));
            i = from + digits - 1;
        } else {
            out += c == '\\' ? QChar(u'/') : QChar(char16_t(uchar(c)));
        }
    }
    return out;
}

QByteArray escapedValue(const QString& value)
{
    QByteArray out = value.startsWith(u'@') ? "@" : "";
    bool quoted = !value.isEmpty() && (value.front() == u' ' || value.back() == u' ');
    bool hexFollows = false; // a hex digit after a "\x" escape would join its number
    for (const QChar ch : value) {
        const char16_t c = ch.unicode();
        quoted = quoted || c == ';' || c == ',' || c == '=';
        const bool hexDigit =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        // Beyond ASCII too: a hand-edited file may be in Windows-1252, where UTF-8 bytes would
        // read back as other characters.
        if (c < 0x20 || c >= 0x7F || (hexFollows && hexDigit)) {
            out += "\\x" + QByteArray::number(c, 16);
            hexFollows = true;
            continue;
        }
        hexFollows = false;
        if (c == '"' || c == '\\') out += '\\';
        out += char(c);
    }
    return quoted ? '"' + out + '"' : out;
}

// The value as the settings classes read it: items split at "," outside quotes, each without
// the blanks round it, quotes and escapes resolved.
QString unescapedValue(QStringView raw)
{
    QStringList items;
    QString item;
    bool inQuotes = false;
    bool started = false;
    qsizetype kept = 0; // the item up to its last quoted, escaped or non-blank character
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (!inQuotes && c == u',') {
            items << item.first(kept);
            item.clear();
            kept = 0;
            started = false;
            continue;
        }
        if (!inQuotes && !started && c.isSpace()) continue;
        started = true;
        if (c == u'"') {
            inQuotes = !inQuotes;
        } else if (c == u'\\' && i + 1 < raw.size()) {
            const QChar e = raw[++i];
            static const QString named = QStringLiteral("abfnrtv");
            static const QString controls = QStringLiteral("\a\b\f\n\r\t\v");
            if (e == u'x') {
                qsizetype end = i + 1;
                while (end < raw.size() && end - i <= 4 && isxdigit(raw[end].toLatin1()))
                    ++end;
                item += QChar(char16_t(raw.sliced(i + 1, end - i - 1).toUInt(nullptr, 16)));
                i = end - 1;
            } else {
                const qsizetype k = named.indexOf(e);
                item += k >= 0 ? controls[k] : e;
            }
        } else {
            item += c;
            if (!inQuotes && c.isSpace()) continue;
        }
        kept = item.size();
    }
    items << item.first(kept);
    QString joined = items.join(u", ");
    // A leading "@" marks the settings classes' own types; a text that begins with one has it
    // doubled.
    if (joined.startsWith(u"@@")) joined.remove(0, 1);
    return joined;
}

enum class Kind { Other, Header, Key };

struct Parsed {
    Kind kind = Kind::Other;
    QString name;
    qsizetype equals = -1;
};

Parsed parse(QByteArrayView line)
{
    const QByteArrayView body = line.trimmed();
    if (body.startsWith('[') && body.endsWith(']'))
        return {Kind::Header, unescapedKey(body.sliced(1, body.size() - 2)), -1};
    if (body.startsWith(';') || body.startsWith('#')) return {};
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) return {};
    return {Kind::Key, unescapedKey(line.first(equals).trimmed()), equals};
}

// The first section of the group: the index of its header line and of the line after its end.
std::optional<std::pair<qsizetype, qsizetype>>
section(const QByteArray& text, const QList<Line>& lines, const QString& group)
{
    const auto lineAt = [&](qsizetype i) {
        return QByteArrayView(text).sliced(lines[i].start, lines[i].length);
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed header = parse(lineAt(i));
        if (header.kind != Kind::Header || header.name != group) continue;
        qsizetype end = i + 1;
        while (end < lines.size() && parse(lineAt(end)).kind != Kind::Header)
            ++end;
        return std::pair(i, end);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> value(const QByteArray& text, const QString& group, const QString& key)
{
    const auto encoding = TextEncoding::detect(text);
    const QList<Line> lines = TextLines::split(text);
    const auto found = section(text, lines, group);
    if (!found) return std::nullopt;
    for (qsizetype i = found->first + 1; i < found->second; ++i) {
        const QByteArrayView line = QByteArrayView(text).sliced(lines[i].start, lines[i].length);
        const Parsed parsed = parse(line);
        if (parsed.kind == Kind::Key && parsed.name == key)
            return unescapedValue(TextEncoding::decode(line.sliced(parsed.equals + 1), encoding));
    }
    return std::nullopt;
}

QByteArray withValues(const QByteArray& text, const QString& group, const Values& values)
{
    const QByteArray eol = TextLines::endOfLine(text, "\n").toByteArray();
    QByteArray out = text;
    for (const auto& [key, newValue] : values) {
        const QByteArray entry = escapedKey(key) + '=' + escapedValue(newValue);
        const QList<Line> lines = TextLines::split(out);
        const auto found = section(out, lines, group);
        if (!found) {
            if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r')) out += eol;
            if (!out.isEmpty()) out += eol;
            out += '[' + escapedKey(group) + ']' + eol + entry + eol;
            continue;
        }
        qsizetype after = found->first;
        bool replaced = false;
        for (qsizetype i = found->first + 1; i < found->second && !replaced; ++i) {
            const Line& line = lines[i];
            const Parsed parsed = parse(QByteArrayView(out).sliced(line.start, line.length));
            if (parsed.kind != Kind::Key) continue;
            after = i;
            if (parsed.name != key) continue;
            out.replace(line.start, line.length, entry);
            replaced = true;
        }
        if (replaced) continue;
        const Line& last = lines[after];
        out.insert(last.end, (last.ended() ? QByteArray() : eol) + entry + eol);
    }
    return TextEncoding::keptReadable(text, out);
}

} // namespace SettingsText
