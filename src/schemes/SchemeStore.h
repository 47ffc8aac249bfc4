#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The colour schemes on disk: one file per scheme in the program's folder, named after the scheme
// with the ending ".col", holding one section per colour whose key "1" is the ColourValue.
namespace SchemeStore {

struct NamedColour {
    QString name;
    int colour;
};

// What a load read, in file order. A load that stopped at a fault keeps what it read before it.
struct Loaded {
    QList<NamedColour> colours;
    bool ok = true;
};

QString schemeFile(const QString& scheme);

// Where a conversion builds the new text before it takes the old file's place.
QString workFile();

// The schemes of the folder: its plain files whose names end in "col" (letter case counts), each
// without its last four characters, in name order. "col" alone names no scheme.
QStringList schemeNames(const QString& folder);

// The colours of a file in the INI form. A section without key "1" reads as -1; a value that is
// no whole number ends the load as failed.
Loaded readIni(const QString& file);

// One line of the old comma form: name, red, green, blue. Nothing when a field is missing or a
// channel is no number; channels outside 0..255 count as the nearer limit.
std::optional<NamedColour> oldFormatLine(const QString& line);

// Loads a scheme: the INI form when the file has a section, otherwise the old form, which is
// then rewritten in the INI form under the same name. The file is replaced only when every line
// was read; a failed conversion leaves it as it was and no work file behind.
Loaded load(const QString& file);

} // namespace SchemeStore
