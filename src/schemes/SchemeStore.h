#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The colour schemes on disk: one file per scheme in the program's folder (or the per-user
// folder that stands in for a read-only one), named after the scheme with the ending ".col",
// holding one section per colour whose key "1" is the ColourValue.
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

// Whether a scheme name can stand as a file name in the scheme folder and nowhere else: no "/",
// no leading "." (so no ".." either), no control characters. The empty name is not one.
bool IsFileName(const QString& scheme);

// The file a scheme is read from.
QString schemeFile(const QString& scheme);
// The file a change to a scheme goes to; nothing when a read-only program folder's file could
// not be copied to the per-user folder.
std::optional<QString> schemeFileToChange(const QString& scheme);

// The schemes: the plain files of the scheme folders whose names end in "col" (letter case
// counts), each without its last four characters, in name order and once each. "col" alone names
// no scheme.
QStringList schemeNames();

// The colours of a file in the INI form. A section without key "1" reads as -1; a value that is
// no whole number ends the load as failed.
Loaded readIni(const QString& file);

// One line of the old comma form: name, red, green, blue. Nothing when a field is missing or a
// channel is no number; channels outside 0..255 count as the nearer limit.
std::optional<NamedColour> oldFormatLine(const QString& line);

// Loads a scheme: the INI form when the file has a section, otherwise the old form, which is
// then rewritten in the INI form under the same name, in one replace of the whole file. The file
// is replaced only when every line was read; a failed conversion leaves it as it was, and a failed
// write is said in a message box.
Loaded load(const QString& file);

} // namespace SchemeStore
