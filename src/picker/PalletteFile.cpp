#include "PalletteFile.h"

#include <QFile>

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

QList<Entry> Load(const QString& path)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.exists()) return entries;
    // Read only: loading must never change a file the user may want back.
    if (!file.open(QIODevice::ReadOnly)) return entries;
    const qint64 records = file.size() / RecordLength;
    if (records == 0) {
        file.close();
        file.remove();
        return entries;
    }
    for (qint64 k = 0; k < std::min<qint64>(records, Swatches); ++k) {
        const QByteArray record = file.read(RecordLength);
        if (record.size() != RecordLength) break;
        const QByteArray colourText = record.mid(4).trimmed();
        if (colourText == "-1") continue;
        const auto index = wholeNumber(record.left(4));
        const auto colour = wholeNumber(colourText);
        if (!index || !colour || *index < 1 || *index > Swatches) continue;
        entries.append({*index, *colour, QString::fromLatin1(colourText).leftJustified(10)});
    }
    return entries;
}

bool WriteRecord(QFile& file, int recordNumber, int index, const QString& colour)
{
    const qint64 offset = qint64(recordNumber - 1) * RecordLength;
    // A gap before the record is filled with blanks rather than zero bytes, as a record file
    // written record by record would hold.
    if (file.size() < offset) {
        if (!file.seek(file.size())) return false;
        if (file.write(QByteArray(offset - file.size(), ' ')) < 0) return false;
    }
    const QByteArray record = MakeRecord(index, colour);
    return file.seek(offset) && file.write(record) == record.size() && file.flush();
}

} // namespace PalletteFile
