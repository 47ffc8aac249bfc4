#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Text files the program did not write itself: files made on Linux are UTF-8, files made on
// Windows are code page 1252. A file that is valid UTF-8 is read as UTF-8, any other as 1252,
// which gives every byte a character, so no name is lost to a replacement character.
namespace TextEncoding {

enum class Encoding { Utf8, Windows1252 };

Encoding detect(QByteArrayView bytes);
QString decode(QByteArrayView bytes, Encoding encoding);
inline QString decode(QByteArrayView bytes)
{
    return decode(bytes, detect(bytes));
}

// The text in the encoding; nothing when a character has no code in Windows-1252.
std::optional<QByteArray> encode(QStringView text, Encoding encoding);

// A Windows-1252 text in UTF-8, its characters kept; a leading byte-order mark stays one, as it is
// read as one in either encoding.
QByteArray toUtf8(QByteArrayView windows1252);

// A text as changed from before, kept reading as the same characters: a Windows-1252 text whose
// change took away the only bytes that were not UTF-8 would read as other characters, so it
// becomes UTF-8 whole.
QByteArray keptReadable(QByteArrayView before, const QByteArray& after);

} // namespace TextEncoding
