// The update-information file as any server could send it: its tags, versions and addresses.
#include "FuzzInput.h"
#include "GetString_Between_Tags.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::Input in{QByteArrayView(data, qsizetype(size))};
    const QString older = in.text(), tag = in.text();
    const QString text = QString::fromUtf8(in.rest);
    // A field is a piece of the file (or the whole file, when its tags are missing).
    for (const char* name : {"Version", "Info", "Download"}) {
        const QString field = GetString_Between_Tags(text, QStringLiteral("<%1>").arg(name),
                                                     QStringLiteral("</%1>").arg(name));
        FUZZ_CHECK(text.contains(field));
    }
    FUZZ_CHECK(text.contains(GetString_Between_Tags(text, tag, tag, int(size % 7))));
    // Versions compare as an order: never both ways, never a version newer than itself.
    const QString newer =
        GetString_Between_Tags(text, QStringLiteral("<Version>"), QStringLiteral("</Version>"));
    FUZZ_CHECK(!(CheckVersion(older, newer) && CheckVersion(newer, older)));
    FUZZ_CHECK(!CheckVersion(newer, newer));
    // Names taken from an address are its tail: no "/" and no "." lead back out of a folder.
    FUZZ_CHECK(!FileNameOfUrl(text).contains(u'/'));
    FUZZ_CHECK(!GetFileExtensionUsingStringManip(text).contains(u'.'));
    return 0;
}
