#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Small user files read and written whole.
namespace WholeFile {

// More than any settings or scheme file holds; a bigger file is read as unreadable rather than
// taken into memory.
constexpr qint64 MaxBytes = 16 << 20;

// The file's bytes; nothing when it cannot be read whole. Only regular files are read (a symlink
// to one is followed): a pipe or a device in a file's place could block a reader or feed it for
// ever.
std::optional<QByteArray> Read(const QString& file, qint64 maxBytes = MaxBytes);

// Writes the bytes to a temporary file beside the old one, which it replaces only when they were
// written whole; a failed write leaves the old file as it was. A symlink is written through to
// its target, which keeps its permissions. Anything but a regular file in the file's place is
// left alone and counts as a failure. On failure, why says what went wrong.
bool Write(const QString& file, const QByteArray& bytes, QString* why = nullptr);

// Write for what the user made: a failure is also said in a message box ("The scheme could not be
// saved in FILE:" and why), so a change that was not stored never passes for one that was.
bool WriteOrReport(const QString& file, const QByteArray& bytes, const QString& what);
// Says in a message box that what could not be saved in file, and why.
void ReportUnsaved(const QString& what, const QString& file, const QString& why);

// Whether the path may be written as a file: nothing there, or a regular file (through symlinks).
bool IsWritableFilePlace(const QString& file);

// Makes every write that the test names fail as on a full disk, until it is reset with nullptr.
// Palette records go through it too (see FailsByInjection).
void InjectWriteFailures(std::function<bool(const QString& file)> failing);
// Whether an injected failure hits a write of the file.
bool FailsByInjection(const QString& file);

} // namespace WholeFile
