#include "SchemeStore.h"

#include "INI.h"
#include "IniText.h"
#include "Numbers.h"
#include "ProgramFolder.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <filesystem>
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
    QList<QByteArray> lines = bytes.split('\n');
    // The line end of the last line starts no further line.
    if (lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& raw : lines) {
        if (raw.endsWith('\r')) raw.chop(1);
        // A blank line carries no colour; an emptied scheme may keep a few.
        if (raw.trimmed().isEmpty()) continue;
        const auto line = oldFormatLine(QString::fromLocal8Bit(raw));
        if (!line) {
            result.ok = false;
            return result;
        }
        const QString value = QString::number(line->colour);
        const bool repeated = names.contains(line->name.toUpper());
        const auto written = IniText::withValue(repeated ? ini : QByteArray(), line->name,
                                                QStringLiteral("1"), value);
        // A name that cannot stand as a section header would be lost in the new file.
        if (!written) {
            result.ok = false;
            return result;
        }
        ini = repeated ? *written : ini + *written;
        names.insert(line->name.toUpper());
        result.colours << *line;
    }
    return result;
}

} // namespace

QString schemeFile(const QString& scheme)
{
    return ProgramFolder::file(scheme + QStringLiteral(".col"));
}

QString workFile()
{
    return ProgramFolder::file(QStringLiteral("schemeTemp$$$.col"));
}

QStringList schemeNames(const QString& folder)
{
    QStringList names;
    for (const QString& file : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        if (file.endsWith(QStringLiteral("col")) && file.size() != 3) names << file.chopped(4);
    }
    return names;
}

Loaded readIni(const QString& file)
{
    Loaded result;
    for (const QString& section : INI::GetSectionNames(file)) {
        const auto value = Numbers::NumericValue(
            INI::GetKeyVal(file, section, QStringLiteral("1"), QStringLiteral("-1")));
        if (!value || *value < std::numeric_limits<int>::min() ||
            *value > std::numeric_limits<int>::max()) {
            result.ok = false;
            break;
        }
        result.colours << NamedColour{section.trimmed(), Numbers::RoundHalfEven(*value)};
    }
    return result;
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
    if (!INI::GetSectionNames(file).isEmpty()) return readIni(file);

    const auto bytes = WholeFile::Read(file);
    if (!bytes) return {{}, false};
    QByteArray ini;
    const Loaded result = convert(*bytes, ini);
    if (!result.ok || result.colours.isEmpty()) return result;
    // The whole new text is written at once, so nothing a conversion cut short left in the work
    // file can join this one; and the work file never outlives the conversion.
    const QString work = workFile();
    if (WholeFile::Write(work, ini)) {
        // One step that replaces the old file: were it deleted first, a failed rename would
        // leave the scheme only in the work file.
        std::error_code failed;
        std::filesystem::rename(QFile::encodeName(work).toStdString(),
                                QFile::encodeName(file).toStdString(), failed);
    }
    QFile::remove(work);
    return result;
}

} // namespace SchemeStore
