// A scheme file holding any bytes: the INI form is only read; the old comma form is converted whole
// or left byte for byte, and a converted file reads back the colours the conversion listed.
#include "FuzzInput.h"
#include "IniText.h"
#include "ProgramFolder.h"
#include "SchemeStore.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    ProgramFolder::setOverride(dir.path());
    const QString file = dir.filePath(QStringLiteral("s.col"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Fuzz::put(file, bytes);

    const SchemeStore::Loaded loaded = SchemeStore::load(file);
    const QByteArray after = Fuzz::bytesOf(file);
    if (!IniText::sectionNames(bytes).isEmpty() || !loaded.ok || loaded.colours.isEmpty()) {
        FUZZ_CHECK(after == bytes);
        return 0;
    }
    // A name used twice is one colour, under its first spelling, holding the later value.
    QList<SchemeStore::NamedColour> expected;
    for (const SchemeStore::NamedColour& colour : loaded.colours) {
        auto same = std::find_if(expected.begin(), expected.end(), [&](const auto& e) {
            return IniText::matchKey(e.name) == IniText::matchKey(colour.name);
        });
        if (same == expected.end())
            expected << colour;
        else
            same->colour = colour.colour;
    }
    const SchemeStore::Loaded again = SchemeStore::load(file);
    FUZZ_CHECK(again.ok && Fuzz::bytesOf(file) == after && again.colours.size() == expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        FUZZ_CHECK(again.colours[i].name == expected[i].name &&
                   again.colours[i].colour == expected[i].colour);
    return 0;
}
