#include "PalletteFile.h"

#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace PalletteFile {

namespace {

QByteArray padded(const QString& text, int width)
{
    return text.toLatin1().leftJustified(width, ' ', true);
}

// A field's whole number: digits with an optional sign, blanks round it allowed.
std::optional<int> wholeNumber(const QByteArray& field)
{
    // toInt() stops at a zero byte and takes the digits before it: "5\0ab" is junk, not 5.
    if (field.contains('\0')) return std::nullopt;
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QByteArray MakeRecord(int index, const QString& colour)
{
    return padded(QString::number(index), 4) + padded(colour, 10);
}

QList<Entry> Load(const QString& path, bool deleteEmpty)
{
    QList<Entry> entries;
    // A pipe or a device in the file's place would block the start or feed it for ever.
    if (!QFileInfo(path).isFile()) return entries;
    QFile file(path);
    // Read only: loading must never change a file the user may want back.
    if (!file.open(QIODevice::ReadOnly)) return entries;
    const QByteArray bytes = file.read(qint64(Swatches) * RecordLength);
    if (bytes.size() < RecordLength) {
        file.close();
        if (deleteEmpty) file.remove();
        return entries;
    }
    for (int k = 0; (k + 1) * RecordLength <= bytes.size(); ++k) {
        const QByteArray colourText = bytes.mid(k * RecordLength + 4, 10).trimmed();
        const auto colour = wholeNumber(colourText);
        if (!colour || *colour == -1) continue;
        entries.append({k + 1, *colour, QString::fromLatin1(colourText).leftJustified(10)});
    }
    return entries;
}

bool WriteRecord(QFile& file, int recordNumber, int index, const QString& colour, QString& why)
{
    if (WholeFile::FailsByInjection(file.fileName())) {
        why = QString::fromLocal8Bit(std::strerror(ENOSPC));
        return false;
    }
    const qint64 offset = qint64(recordNumber - 1) * RecordLength;
    // A gap before the record is filled with blanks rather than zero bytes, as a record file
    // written record by record would hold.
    const QByteArray record = MakeRecord(index, colour);
    const QByteArray gap(std::max<qint64>(0, offset - file.size()), ' ');
    const bool ok = (gap.isEmpty() || (file.seek(file.size()) && file.write(gap) == gap.size())) &&
                    file.seek(offset) && file.write(record) == record.size() && file.flush();
    if (!ok) why = file.errorString();
    return ok;
}

} // namespace PalletteFile
