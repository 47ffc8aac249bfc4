#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QFile;

// "Pallette.pal": fixed-length records of 14 bytes, record n at byte (n - 1) * 14, no header.
// Bytes 0-3 hold the swatch index and bytes 4-13 the colour, both as decimal text padded with
// blanks; the colour "-1" marks an empty swatch. Record n always belongs to swatch n.
namespace PalletteFile {

constexpr int RecordLength = 14;
constexpr int Swatches = 34;

// One record as written: "3   255       " for swatch 3 holding 255.
QByteArray MakeRecord(int index, const QString& colour);

// A swatch filled from the file: its index, colour and tag (the colour's text padded to 10).
struct Entry {
    int index;
    int colour;
    QString tag;
};

// Reads the swatches the file fills, in file order, from at most its first 34 records. A file
// shorter than one record is deleted; any other file is only read. Records whose index is not
// 1..34 or whose colour is not a whole number are skipped.
QList<Entry> Load(const QString& path);

// Writes record number recordNumber (1-based) into a file opened for reading and writing,
// extending it when needed. False when the write fails.
bool WriteRecord(QFile& file, int recordNumber, int index, const QString& colour);

} // namespace PalletteFile
