#include "IniText.h"

#include <QSet>
#include <QStringDecoder>
#include <utility>

namespace IniText {

namespace {

// The blanks the private-profile readers have always ignored round names and values.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && isBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

bool breaksLine(QByteArrayView bytes)
{
    return bytes.contains('\n') || bytes.contains('\r') || bytes.contains('\0');
}

// Text in the system's 8-bit encoding, every byte accounted for: a byte-order mark stays a
// character (the plain decoder drops one at the start, and a name beginning with it would no
// longer match itself), and a character cut short at the end becomes a replacement character
// instead of vanishing.
QString decoded(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::ConvertInitialBom |
                                                         QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

// Names compare by their upper-case forms, the same test SectionExists has always made.
QString folded(QByteArrayView name)
{
    return decoded(name).toUpper();
}

QString folded(const QString& name)
{
    return folded(trimmed(name.toLocal8Bit()));
}

// The line end new lines get: the file's own (from its first line), CR LF for a new file.
QByteArray lineEnd(const QByteArray& text)
{
    const qsizetype lf = text.indexOf('\n');
    return lf == -1 || (lf > 0 && text[lf - 1] == '\r') ? "\r\n" : "\n";
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

struct Line {
    qsizetype start;
    qsizetype length; // without the line end
    qsizetype end;    // past the line end
};

struct Section {
    QByteArrayView name;
    qsizetype header; // line index
    qsizetype end;    // index of the line after its last
};

// A text cut into lines (LF or CR LF; a lone CR is part of its line) and sections. A leading
// UTF-8 byte-order mark belongs to no line, so the first header is still seen as one.
struct Document {
    explicit Document(const QByteArray& bytes) : text(bytes)
    {
        qsizetype at = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        while (at < text.size()) {
            const qsizetype lf = text.indexOf('\n', at);
            if (lf == -1) {
                lines.append({at, text.size() - at, text.size()});
                break;
            }
            const bool cr = lf > at && text[lf - 1] == '\r';
            lines.append({at, lf - at - (cr ? 1 : 0), lf + 1});
            at = lf + 1;
        }
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const Parsed parsed = parse(line(i));
            if (parsed.kind != Kind::Header) continue;
            if (!sections.isEmpty()) sections.last().end = i;
            sections.append({parsed.name, i, lines.size()});
        }
    }

    QByteArrayView line(qsizetype i) const
    {
        return QByteArrayView(text).sliced(lines[i].start, lines[i].length);
    }

    // Every section of that name, in file order.
    QList<Section> named(const QString& section) const
    {
        const QString wanted = folded(section);
        QList<Section> found;
        for (const Section& s : sections)
            if (folded(s.name) == wanted) found.append(s);
        return found;
    }

    // The line index and parse of the section's first key of that name.
    std::optional<std::pair<qsizetype, Parsed>> key(const Section& section,
                                                    const QString& key) const
    {
        const QString wanted = folded(key);
        for (qsizetype i = section.header + 1; i < section.end; ++i) {
            const Parsed parsed = parse(line(i));
            if (parsed.kind == Kind::Key && folded(parsed.name) == wanted)
                return std::pair(i, parsed);
        }
        return std::nullopt;
    }

    const QByteArray& text;
    QList<Line> lines;
    QList<Section> sections;
};

QString limited(QByteArrayView bytes)
{
    if (bytes.size() > MaxValueBytes) {
        qsizetype cut = MaxValueBytes;
        // Back off over at most three continuation bytes to the start of the character the cut
        // falls in; a longer run is not UTF-8 and is cut where it stands.
        for (int k = 0; k < 3 && (uchar(bytes[cut]) & 0xC0) == 0x80; ++k)
            --cut;
        bytes = bytes.first(cut);
    }
    return decoded(bytes);
}

} // namespace

QStringList sectionNames(const QByteArray& text)
{
    QStringList names;
    QSet<QString> seen;
    for (const Section& s : Document(text).sections) {
        const QString name = decoded(s.name);
        const QString key = name.toUpper();
        if (seen.contains(key)) continue;
        seen.insert(key);
        names.append(name);
    }
    return names;
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
    if (!found.isEmpty()) {
        if (const auto hit = doc.key(found.first(), key)) {
            QByteArrayView v = hit->second.value;
            if (v.size() > 1 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.sliced(1, v.size() - 2);
            return limited(v);
        }
    }
    QByteArray fallback = defaultValue.toLocal8Bit();
    while (!fallback.isEmpty() && isBlank(fallback.back()))
        fallback.chop(1);
    return limited(fallback);
}

std::optional<QByteArray> withValue(const QByteArray& text, const QString& section,
                                    const QString& key, const QString& value)
{
    const QByteArray sectionBytes = trimmed(section.toLocal8Bit()).toByteArray();
    const QByteArray keyBytes = trimmed(key.toLocal8Bit()).toByteArray();
    const QByteArray valueBytes = value.toLocal8Bit();
    const QByteArray header = '[' + sectionBytes + ']';
    const QByteArray entry = keyBytes + '=' + valueBytes;
    if (breaksLine(header) || breaksLine(entry)) return std::nullopt;
    const Parsed readBack = parse(entry);
    if (readBack.kind != Kind::Key || readBack.name != keyBytes) return std::nullopt;

    const Document doc(text);
    const QByteArray eol = lineEnd(text);
    QByteArray out = text;
    const QList<Section> found = doc.named(section);
    if (found.isEmpty()) {
        // A last line without its line end would otherwise run into the new header.
        if (!doc.lines.isEmpty() && !text.endsWith('\n')) out += eol;
        return out + header + eol + entry + eol;
    }
    if (const auto hit = doc.key(found.first(), key)) {
        const Line& line = doc.lines[hit->first];
        return out.replace(line.start + hit->second.valueAt, line.length - hit->second.valueAt,
                           valueBytes);
    }
    qsizetype after = found.first().header;
    for (qsizetype i = after + 1; i < found.first().end; ++i)
        if (parse(doc.line(i)).kind == Kind::Key) after = i;
    const Line& line = doc.lines[after];
    const bool ended = line.end > line.start + line.length;
    return out.insert(line.end, (ended ? QByteArray() : eol) + entry + eol);
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
    return out.append(QByteArrayView(text).sliced(kept));
}

std::optional<QByteArray> renamed(const QByteArray& text, const QString& oldSection,
                                  const QString& newSection)
{
    const QByteArray newHeader = '[' + newSection.toLocal8Bit() + ']';
    if (breaksLine(newHeader)) return std::nullopt;
    const QByteArray oldHeader = '[' + oldSection.toLocal8Bit() + ']';
    const Document doc(text);
    qsizetype at = 0;
    while (at < doc.lines.size() && doc.line(at) != oldHeader)
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
    out += newHeader;
    out += QByteArrayView(text).sliced(header.start + header.length);
    if (!text.endsWith('\n')) out += lineEnd(text);
    return out;
}

} // namespace IniText
