#include "SchemeStore.h"

#include "INI.h"
#include "IniText.h"
#include "Numbers.h"
#include "ProgramFolder.h"
#include "TextEncoding.h"
#include "TextLines.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <limits>

namespace SchemeStore {

namespace {

std::optional<int> channel(const QString& field)
{
    const auto value = Numbers::NumericValue(field);
    if (!value) return std::nullopt;
    // A negative channel would borrow from its neighbour in the packed colour.
    return Numbers::RoundHalfEven(std::clamp(*value, 0.0, 255.0));
}

// The INI text of an old-format file, built in memory: a section per line, appended as a write
// through INI would append it. A name used twice keeps its first section, which takes the later
// colour, as a second write to it would.
Loaded convert(const QByteArray& bytes, QByteArray& ini)
{
    Loaded result;
    QSet<QString> names;
    const auto encoding = TextEncoding::detect(bytes);
    for (const TextLines::Line& at : TextLines::split(bytes)) {
        const QByteArrayView raw = QByteArrayView(bytes).sliced(at.start, at.length);
        // A blank line carries no colour; an emptied scheme may keep a few.
        if (raw.trimmed().isEmpty()) continue;
        const auto line = oldFormatLine(TextEncoding::decode(raw, encoding));
        if (!line) {
            result.ok = false;
            return result;
        }
        const QString value = QString::number(line->colour);
        const bool repeated = names.contains(IniText::matchKey(line->name));
        const auto written = IniText::withValue(repeated ? ini : QByteArray(), line->name,
                                                QStringLiteral("1"), value);
        // A name that cannot stand as a section header would be lost in the new file.
        if (!written) {
            result.ok = false;
            return result;
        }
        ini = repeated ? *written : ini + *written;
        names.insert(IniText::matchKey(line->name));
        result.colours << *line;
    }
    return result;
}

QList<std::pair<QString, QString>> colourValues(const QByteArray& text)
{
    return IniText::sectionValues(text, QStringLiteral("1"), QStringLiteral("-1"));
}

Loaded fromIni(const QList<std::pair<QString, QString>>& values)
{
    Loaded result;
    for (const auto& [section, stored] : values) {
        const auto value = Numbers::NumericValue(stored);
        if (!value || *value < std::numeric_limits<int>::min() ||
            *value > std::numeric_limits<int>::max()) {
            result.ok = false;
            break;
        }
        result.colours << NamedColour{section.trimmed(), Numbers::RoundHalfEven(*value)};
    }
    return result;
}

} // namespace

bool IsFileName(const QString& scheme)
{
    return !scheme.isEmpty() && !scheme.startsWith(u'.') && !scheme.contains(u'/') &&
           std::none_of(scheme.cbegin(), scheme.cend(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString schemeFile(const QString& scheme)
{
    return ProgramFolder::readFile(scheme + QStringLiteral(".col"));
}

std::optional<QString> schemeFileToChange(const QString& scheme)
{
    return ProgramFolder::fileToChange(scheme + QStringLiteral(".col"));
}

QStringList schemeNames()
{
    QStringList names;
    for (const QString& folder : ProgramFolder::readFolders())
        for (const QString& file : QDir(folder).entryList(QDir::Files))
            if (file.endsWith(QStringLiteral("col")) && file.size() != 3) names << file.chopped(4);
    names.sort();
    names.removeDuplicates();
    return names;
}

Loaded readIni(const QString& file)
{
    if (!QFileInfo::exists(file)) return {};
    const auto bytes = WholeFile::Read(file);
    return bytes ? fromIni(colourValues(*bytes)) : Loaded{{}, false};
}

std::optional<NamedColour> oldFormatLine(const QString& line)
{
    const QStringList fields = line.split(u',');
    if (fields.size() < 4) return std::nullopt;
    const auto red = channel(fields[1]);
    const auto green = channel(fields[2]);
    const auto blue = channel(fields[3]);
    if (!red || !green || !blue) return std::nullopt;
    return NamedColour{fields[0].trimmed(), *red + 256 * *green + 65536 * *blue};
}

Loaded load(const QString& file)
{
    // A file bigger than any scheme (WholeFile::MaxBytes) reads as unreadable.
    const auto bytes = WholeFile::Read(file);
    if (!bytes) return {{}, false};
    if (const auto values = colourValues(*bytes); !values.isEmpty()) return fromIni(values);
    QByteArray ini;
    const Loaded result = convert(*bytes, ini);
    if (!result.ok || result.colours.isEmpty()) return result;
    // The whole new text replaces the old in one step; a symlink the user made is written through
    // and its target keeps its permissions.
    if (const auto target = ProgramFolder::fileToChange(QFileInfo(file).fileName()))
        WholeFile::WriteOrReport(*target, ini, QStringLiteral("The scheme"));
    return result;
}

} // namespace SchemeStore
