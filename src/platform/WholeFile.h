#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Small user files read and written whole.
namespace WholeFile {

// The file's bytes; nothing when it cannot be read whole. Only regular files are read: a pipe or
// a device in a file's place could block a reader or feed it for ever.
std::optional<QByteArray> Read(const QString& file);

// Writes the bytes to a temporary file beside the old one, which it replaces only when they were
// written whole; a failed write leaves the old file as it was.
bool Write(const QString& file, const QByteArray& bytes);

} // namespace WholeFile
