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

// Reads the swatches the file fills from its first 34 records, record n into swatch n whatever
// its index field says (the program always writes n there). Records whose colour is not a whole
// number are skipped. Only a regular file is read, and only its first 34 records; a file shorter
// than one record is deleted when deleteEmpty is set; nothing else ever changes the file.
QList<Entry> Load(const QString& path, bool deleteEmpty);

// Writes record number recordNumber (1-based) into a file opened for reading and writing,
// extending it when needed. False, with the reason in why, when the write fails.
bool WriteRecord(QFile& file, int recordNumber, int index, const QString& colour, QString& why);

} // namespace PalletteFile
