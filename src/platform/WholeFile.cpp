#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace WholeFile {

std::optional<QByteArray> Read(const QString& file)
{
    if (!QFileInfo(file).isFile()) return std::nullopt;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

bool Write(const QString& file, const QByteArray& bytes)
{
    QSaveFile out(file);
    // Unbuffered: a buffered short write (a full disk) slips through to commit() unnoticed and
    // would replace the file with a truncated copy.
    return out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           out.write(bytes) == bytes.size() && out.commit();
}

} // namespace WholeFile
