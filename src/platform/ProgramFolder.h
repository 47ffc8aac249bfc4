#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Where the program's files are. Two questions with two answers:
// - files the program ships (the help page) are where the build or the install put them;
// - files the user makes (the palette, schemes) live in the program's folder, the executable's
//   own, when it can be written and is no installed copy's, and otherwise in the per-user data folder
//   $XDG_DATA_HOME/Tintwell. What a read-only program folder already holds is still read from
//   there until its first change, which goes to a copy in the per-user folder; where both folders
//   hold a file, the per-user copy wins.
namespace ProgramFolder {

// A shipped file: beside the executable, else in the install's data folder (share/tintwell
// beside the executable's bin, or under the XDG data folders). Empty when it is nowhere.
QString shippedFile(const QString& name);

// The folders user files are read from, the one that wins first.
QStringList readFolders();
// The folder new user files go to.
QString writeFolder();
// The user file to read: in the first folder that has it, else where it would be written.
QString readFile(const QString& name);
// The user file to change. When only the read-only program folder has it, it is first copied to
// the per-user folder; nothing when that copy fails.
std::optional<QString> fileToChange(const QString& name);

// Makes the program's folder this one (for tests), writable or not; an empty folder undoes it.
void setOverride(const QString& folder, bool writable = true);

} // namespace ProgramFolder
