#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>
#include <utility>

// The text of an INI file, away from the disk. A text is the file's bytes: UTF-8 when they are
// valid UTF-8, else Windows-1252 (a file made on Windows); names and values cross into the program
// as QString.
//
// How a text reads: CR LF, LF and a lone CR each end a line. A line whose first non-blank
// character is "[" and which holds a "]" is a header, its name running to the last "]"; a line
// holding "=" is a key line, split at its first "="; a line beginning with ";" is a comment. A
// section reaches from its header to the next one. Blanks round names and values do not count,
// names match without regard to case, character by character (simple case folding: "ß" is not
// "SS"), and when a name is used twice the first section (or key) is the one read and written.
namespace IniText {

// Values come back cut to this many bytes, as the 1000-byte buffer the format's callers have
// always read through allowed; a character is never split.
constexpr qsizetype MaxValueBytes = 999;

// The form in which names are compared: without the blanks round it, each character case-folded
// on its own.
QString matchKey(QStringView name);

// Names of the sections in file order; a name repeated in other letter case is listed once, in
// its first spelling, as only the first of them can be read.
QStringList sectionNames(const QByteArray& text);

// Every section listed by sectionNames with the value of key in it (defaultValue where the key is
// missing), read in one pass.
QList<std::pair<QString, QString>> sectionValues(const QByteArray& text, const QString& key,
                                                 const QString& defaultValue);

// Whether the text has a section named section.
bool hasSection(const QByteArray& text, const QString& section);

// The value of key in the first section named section: trimmed, without a pair of surrounding
// quotes (double or single), cut to MaxValueBytes. defaultValue, without trailing blanks and cut
// the same way, when the section or the key is missing.
QString value(const QByteArray& text, const QString& section, const QString& key,
              const QString& defaultValue);

// The text with key set to value: the value of an existing key is replaced in its own line, a new
// key follows the section's last key, a new section goes at the end. Every other byte stays; new
// text is written in the file's encoding, and a Windows-1252 file that cannot hold a character of
// it is first turned into UTF-8 whole. Nothing when the line could not be read back as written:
// a line break or NUL in any of the three, or a key that is empty or would read as a header,
// comment or another key.
std::optional<QByteArray> withValue(const QByteArray& text, const QString& section,
                                    const QString& key, const QString& value);

// The text without any section named section, each with all its lines.
QByteArray withoutSection(const QByteArray& text, const QString& section);

// The text with the first header line that is exactly "[oldSection]" (letter case and blanks
// included) made "[newSection]". Blank lines at the head of the file go; the rest keeps its bytes,
// and a missing final line end is added. Nothing when no line matches, when the header is the
// file's last line, or when newSection holds a line break or NUL.
std::optional<QByteArray> renamed(const QByteArray& text, const QString& oldSection,
                                  const QString& newSection);

} // namespace IniText
