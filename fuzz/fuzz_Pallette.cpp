// "Pallette.pal" holding any bytes: a load never changes it, and a record written reads back while
// every other byte stays (a gap before it is filled with blanks).
#include "FuzzInput.h"
#include "PalletteFile.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pallette.pal"));
    Fuzz::Input in{QByteArrayView(data, qsizetype(size))};
    const int record = in.byte() % 36 + 1; // two past the last swatch
    const QString colour = QString::number((in.byte() << 16 | in.byte() << 8 | in.byte()) - 1);
    const QByteArray bytes = in.rest.toByteArray();
    Fuzz::put(path, bytes);
    int last = 0;
    for (const PalletteFile::Entry& entry : PalletteFile::Load(path, false))
        FUZZ_CHECK(entry.index > std::exchange(last, entry.index) && entry.index <= 34);
    FUZZ_CHECK(Fuzz::bytesOf(path) == bytes);

    QFile file(path);
    QString why;
    FUZZ_CHECK(file.open(QIODevice::ReadWrite) &&
               PalletteFile::WriteRecord(file, record, record, colour, why));
    file.close();
    const qsizetype at = (record - 1) * 14;
    QByteArray expected = bytes.leftJustified(at, ' ');
    expected.replace(at, 14, PalletteFile::MakeRecord(record, colour));
    FUZZ_CHECK(Fuzz::bytesOf(path) == expected);
    const auto entries = PalletteFile::Load(path, false);
    const bool found = std::any_of(entries.begin(), entries.end(), [&](const auto& entry) {
        return entry.index == record && QString::number(entry.colour) == colour;
    });
    FUZZ_CHECK(found == (colour != "-1" && record <= 34));
    return 0;
}
