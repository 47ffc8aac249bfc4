#pragma once

#include <QStringList>

// Scheme files: INI text read and changed by these operations only (the rules of the text are in
// IniText.h). Every operation takes the file's full path and holds nothing between calls. Reading
// never writes; a write replaces the file only once its new text is safely on disk, and writes
// nothing when the text would not change.
namespace INI {

// Section names in file order; empty for a missing or unreadable file or one without sections.
QStringList GetSectionNames(const QString& file);

// The value of key in section (cut to 999 bytes), or defaultValue when the file, section or key is
// missing.
QString GetKeyVal(const QString& file, const QString& section, const QString& key,
                  const QString& defaultValue);

// Sets key to value in section, creating the file and the section as needed. False when the file
// could not be read or written (said in a message box), or the names or value cannot stand on one
// line of it.
bool AddToINI(const QString& file, const QString& section, const QString& key,
              const QString& value);

// Removes the section with all its keys; a missing file, or one that cannot be read or written,
// is reported in a message box.
void DeleteSection(const QString& file, const QString& section);

// Whether the file has a section of that name, without regard to case.
bool SectionExists(const QString& file, const QString& section);

// Renames the section whose header line is exactly "[oldSection]"; 1 when the file was rewritten,
// 0 otherwise. A missing file, a missing old section, a taken new name or a failed write are
// reported in a message box.
int RenameSection(const QString& file, const QString& oldSection, const QString& newSection);

// Whether the path names an entry of its folder (a file, a folder, or a link even if broken).
bool FileExists(const QString& path);

// Whether every character is a letter (either case), digit, space or one of "_.()[]&-+". True
// for the empty text.
bool IsValidName(const QString& text);

} // namespace INI
