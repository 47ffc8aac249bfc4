#include "IniText.h"

#include "TextEncoding.h"
#include "TextLines.h"

#include <QSet>

namespace IniText {

namespace {

using TextEncoding::Encoding;
using TextLines::Line;

// The blanks the private-profile readers have always ignored round names and values.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && isBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

bool breaksLine(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(0));
}

// A name without the blanks round it: the same blanks a read skips, and no others (a no-break
// space is part of a name, and written as such).
QStringView withoutBlanks(QStringView name)
{
    const auto blank = [](QChar c) { return c.unicode() < 0x80 && isBlank(char(c.unicode())); };
    while (!name.isEmpty() && blank(name.front()))
        name = name.sliced(1);
    while (!name.isEmpty() && blank(name.back()))
        name.chop(1);
    return name;
}

// A name as it is matched: without the blanks round it, each character case-folded on its own.
QString folded(QStringView name)
{
    name = withoutBlanks(name);
    QString out(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        out[i] = name[i].toCaseFolded();
    return out;
}

enum class Kind { Other, Header, Key };

struct Parsed {
    Kind kind = Kind::Other;
    QByteArrayView name;   // the section's name or the key, trimmed
    QByteArrayView value;  // trimmed
    qsizetype valueAt = 0; // where the value's part of the line starts, just after the "="
};

Parsed parse(QByteArrayView line)
{
    const QByteArrayView body = trimmed(line);
    if (body.startsWith('[')) {
        const qsizetype close = body.lastIndexOf(']');
        if (close == -1) return {};
        return {Kind::Header, trimmed(body.sliced(1, close - 1)), {}, 0};
    }
    if (body.startsWith(';')) return {};
    const qsizetype equals = line.indexOf('=');
    if (equals == -1) return {};
    const QByteArrayView key = trimmed(line.first(equals));
    if (key.isEmpty()) return {};
    return {Kind::Key, key, trimmed(line.sliced(equals + 1)), equals + 1};
}

struct Section {
    QString name;
    QString match;    // folded
    qsizetype header; // line index
    qsizetype end;    // index of the line after its last
};

// A text cut into lines and sections, parsed once. A leading UTF-8 byte-order mark belongs to no
// line, so the first header is still seen as one.
struct Document {
    explicit Document(const QByteArray& bytes)
        : text(bytes), encoding(TextEncoding::detect(bytes)),
          lines(TextLines::split(bytes, bytes.startsWith(ByteOrderMark) ? 3 : 0))
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const Parsed parsed = parse(line(i));
            if (parsed.kind != Kind::Header) continue;
            if (!sections.isEmpty()) sections.last().end = i;
            const QString name = decoded(parsed.name);
            sections.append({name, folded(name), i, lines.size()});
        }
    }

    QByteArrayView line(qsizetype i) const
    {
        return QByteArrayView(text).sliced(lines[i].start, lines[i].length);
    }
    QString decoded(QByteArrayView bytes) const { return TextEncoding::decode(bytes, encoding); }

    // Every section of that name, in file order.
    QList<Section> named(const QString& section) const
    {
        const QString wanted = folded(section);
        QList<Section> found;
        for (const Section& s : sections)
            if (s.match == wanted) found.append(s);
        return found;
    }

    // The line index and parse of the section's first key of that name.
    std::optional<std::pair<qsizetype, Parsed>> key(const Section& section,
                                                    const QString& wanted) const
    {
        for (qsizetype i = section.header + 1; i < section.end; ++i) {
            const Parsed parsed = parse(line(i));
            if (parsed.kind == Kind::Key && folded(decoded(parsed.name)) == wanted)
                return std::pair(i, parsed);
        }
        return std::nullopt;
    }

    // The text of a value as read back: without a pair of surrounding quotes, cut to
    // MaxValueBytes without splitting a character.
    QString valueOf(QByteArrayView v) const
    {
        if (v.size() > 1 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.sliced(1, v.size() - 2);
        return limited(v, encoding);
    }

    static QString limited(QByteArrayView bytes, Encoding encoding)
    {
        if (bytes.size() > MaxValueBytes) {
            qsizetype cut = MaxValueBytes;
            // Back off over at most three continuation bytes to the start of the character the
            // cut falls in; a longer run is not UTF-8 and is cut where it stands.
            for (int k = 0;
                 encoding == Encoding::Utf8 && k < 3 && (uchar(bytes[cut]) & 0xC0) == 0x80; ++k)
                --cut;
            bytes = bytes.first(cut);
        }
        return TextEncoding::decode(bytes, encoding);
    }

    const QByteArray& text;
    Encoding encoding;
    QList<Line> lines;
    QList<Section> sections;
};

// The text ready to take new bytes in its own encoding: a Windows-1252 text that cannot hold one
// of the strings becomes UTF-8 whole, once; its text stays, its bytes change.
QByteArray readyFor(const QByteArray& text, std::initializer_list<QStringView> strings,
                    Encoding& encoding)
{
    encoding = TextEncoding::detect(text);
    if (encoding == Encoding::Utf8) return text;
    for (const QStringView s : strings)
        if (!TextEncoding::encode(s, encoding)) {
            encoding = Encoding::Utf8;
            return TextEncoding::toUtf8(text);
        }
    return text;
}

// A default value as read back: without trailing blanks, cut as a value is.
QString defaultText(const QString& defaultValue)
{
    QByteArray fallback = defaultValue.toUtf8();
    while (!fallback.isEmpty() && isBlank(fallback.back()))
        fallback.chop(1);
    return Document::limited(fallback, Encoding::Utf8);
}

QByteArray encoded(QStringView text, Encoding encoding)
{
    return TextEncoding::encode(text, encoding).value_or(text.toUtf8());
}

} // namespace

QString matchKey(QStringView name)
{
    return folded(name);
}

QStringList sectionNames(const QByteArray& text)
{
    QStringList names;
    QSet<QString> seen;
    for (const Section& s : Document(text).sections) {
        if (seen.contains(s.match)) continue;
        seen.insert(s.match);
        names.append(s.name);
    }
    return names;
}

QList<std::pair<QString, QString>> sectionValues(const QByteArray& text, const QString& key,
                                                 const QString& defaultValue)
{
    const Document doc(text);
    const QString wanted = folded(key);
    const QString fallback = defaultText(defaultValue);
    QList<std::pair<QString, QString>> values;
    QSet<QString> seen;
    for (const Section& s : doc.sections) {
        if (seen.contains(s.match)) continue;
        seen.insert(s.match);
        const auto hit = doc.key(s, wanted);
        values.append({s.name, hit ? doc.valueOf(hit->second.value) : fallback});
    }
    return values;
}

bool hasSection(const QByteArray& text, const QString& section)
{
    return !Document(text).named(section).isEmpty();
}

QString value(const QByteArray& text, const QString& section, const QString& key,
              const QString& defaultValue)
{
    const Document doc(text);
    const QList<Section> found = doc.named(section);
    if (!found.isEmpty())
        if (const auto hit = doc.key(found.first(), folded(key)))
            return doc.valueOf(hit->second.value);
    return defaultText(defaultValue);
}

std::optional<QByteArray> withValue(const QByteArray& original, const QString& section,
                                    const QString& key, const QString& value)
{
    if (breaksLine(section) || breaksLine(key) || breaksLine(value)) return std::nullopt;
    const QString sectionName = withoutBlanks(section).toString();
    const QString keyName = withoutBlanks(key).toString();
    Encoding encoding = Encoding::Utf8;
    const QByteArray text = readyFor(original, {sectionName, keyName, value}, encoding);
    const QByteArray keyBytes = encoded(keyName, encoding);
    const QByteArray header = '[' + encoded(sectionName, encoding) + ']';
    const QByteArray entry = keyBytes + '=' + encoded(value, encoding);
    const Parsed readBack = parse(entry);
    if (readBack.kind != Kind::Key || readBack.name != keyBytes) return std::nullopt;

    const Document doc(text);
    const QByteArray eol = TextLines::endOfLine(text, "\r\n").toByteArray();
    QByteArray out = text;
    const QList<Section> found = doc.named(section);
    if (found.isEmpty()) {
        // A last line without its line end would otherwise run into the new header.
        if (!doc.lines.isEmpty() && !doc.lines.last().ended()) out += eol;
        return out + header + eol + entry + eol;
    }
    if (const auto hit = doc.key(found.first(), folded(key))) {
        const Line& line = doc.lines[hit->first];
        out.replace(line.start + hit->second.valueAt, line.length - hit->second.valueAt,
                    encoded(value, encoding));
        return TextEncoding::keptReadable(text, out);
    }
    qsizetype after = found.first().header;
    for (qsizetype i = after + 1; i < found.first().end; ++i)
        if (parse(doc.line(i)).kind == Kind::Key) after = i;
    const Line& line = doc.lines[after];
    return out.insert(line.end, (line.ended() ? QByteArray() : eol) + entry + eol);
}

QByteArray withoutSection(const QByteArray& text, const QString& section)
{
    const Document doc(text);
    QByteArray out;
    qsizetype kept = 0; // where the text still to copy begins
    for (const Section& s : doc.named(section)) {
        const qsizetype from = doc.lines[s.header].start;
        out += QByteArrayView(text).sliced(kept, from - kept);
        kept = doc.lines[s.end - 1].end;
    }
    return TextEncoding::keptReadable(text, out.append(QByteArrayView(text).sliced(kept)));
}

std::optional<QByteArray> renamed(const QByteArray& original, const QString& oldSection,
                                  const QString& newSection)
{
    if (breaksLine(newSection)) return std::nullopt;
    Encoding encoding = Encoding::Utf8;
    const QByteArray text = readyFor(original, {newSection}, encoding);
    const Document doc(text);
    const QString oldHeader = u'[' + oldSection + u']';
    qsizetype at = 0;
    while (at < doc.lines.size() && doc.decoded(doc.line(at)) != oldHeader)
        ++at;
    // A header on the last line has nothing under it, and renaming it has never been done.
    if (at + 1 >= doc.lines.size()) return std::nullopt;

    qsizetype first = 0;
    while (first < at && doc.lines[first].length == 0)
        ++first;
    const Line& header = doc.lines[at];
    QByteArray out = text.first(doc.lines[0].start);
    out +=
        QByteArrayView(text).sliced(doc.lines[first].start, header.start - doc.lines[first].start);
    out += '[' + encoded(newSection, encoding) + ']';
    out += QByteArrayView(text).sliced(header.start + header.length);
    if (!doc.lines.last().ended()) out.append(TextLines::endOfLine(text, "\r\n"));
    return TextEncoding::keptReadable(text, out);
}

} // namespace IniText
