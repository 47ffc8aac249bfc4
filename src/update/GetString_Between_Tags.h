#pragma once

#include <QString>

// Reading the update-information file: its tagged fields, the version it names, the release
// file it points at.

// The text strictly between the first StartTag found after StartPos (0-based; letter case
// ignored) and the first EndTag after that; the whole text when either tag is missing.
QString GetString_Between_Tags(const QString& Text, const QString& StartTag, const QString& EndTag,
                               int StartPos = 0);

// Whether sNew names a later version than sOld, comparing major, then minor, then revision.
// Each part is the leading number of its text; a missing part is 0.
bool CheckVersion(const QString& sOld, const QString& sNew);

// The characters after the last "." of sFile; the whole of sFile when it has none.
QString GetFileExtensionUsingStringManip(const QString& sFile);

// The characters after the last "/" of a URL; the whole URL when it has none.
QString FileNameOfUrl(const QString& url);
