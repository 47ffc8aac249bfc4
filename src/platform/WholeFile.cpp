#include "WholeFile.h"

#include "MessageBoxes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace WholeFile {

namespace {

std::function<bool(const QString&)>& injected()
{
    static std::function<bool(const QString&)> failing;
    return failing;
}

bool fail(QString* why, const QString& text)
{
    if (why) *why = text;
    return false;
}

} // namespace

std::optional<QByteArray> Read(const QString& file, qint64 maxBytes)
{
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > maxBytes) return std::nullopt;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    // Read in pieces, so no more than the cap is ever asked for: the file may have grown since it
    // was looked at, and a read of the whole cap at once would take that much memory.
    QByteArray bytes;
    while (!in.atEnd() && bytes.size() <= maxBytes) {
        const QByteArray piece = in.read(std::min<qint64>(1 << 16, maxBytes + 1 - bytes.size()));
        if (piece.isEmpty()) break;
        bytes += piece;
    }
    if (in.error() != QFileDevice::NoError || bytes.size() > maxBytes) return std::nullopt;
    return bytes;
}

bool IsWritableFilePlace(const QString& file)
{
    // A broken symlink is no file either: writing through it would make one wherever it points.
    const QFileInfo info(file);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}

bool Write(const QString& file, const QByteArray& bytes, QString* why)
{
    if (!IsWritableFilePlace(file)) return fail(why, QStringLiteral("It is not a regular file."));
    if (FailsByInjection(file)) return fail(why, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    QSaveFile out(file);
    // Unbuffered: a buffered short write (a full disk) slips through to commit() unnoticed and
    // would replace the file with a truncated copy.
    if (out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        out.write(bytes) == bytes.size() && out.commit())
        return true;
    return fail(why, out.errorString());
}

bool WriteOrReport(const QString& file, const QByteArray& bytes, const QString& what)
{
    QString why;
    if (Write(file, bytes, &why)) return true;
    ReportUnsaved(what, file, why);
    return false;
}

void ReportUnsaved(const QString& what, const QString& file, const QString& why)
{
    MessageBoxes::instance().show(
        nullptr, MessageBoxes::Icon::Critical, QStringLiteral("Error"),
        QStringLiteral("%1 could not be saved in %2:\r\n%3").arg(what, file, why),
        MessageBoxes::Buttons::Ok);
}

void InjectWriteFailures(std::function<bool(const QString& file)> failing)
{
    injected() = std::move(failing);
}

bool FailsByInjection(const QString& file)
{
    return injected() && injected()(file);
}

} // namespace WholeFile
