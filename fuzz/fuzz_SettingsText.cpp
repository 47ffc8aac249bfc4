// A settings file holding any bytes: a value written reads back exactly, every other key reads as
// before, and no line the write did not need changes.
#include "FuzzInput.h"
#include "SettingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::Input in{QByteArrayView(data, qsizetype(size))};
    const QString group = in.text(), key = in.text(), value = in.text(), other = in.text();
    const QByteArray text = in.rest.toByteArray();
    // Keys are the program's own names, never empty.
    if (key.isEmpty()) return 0;
    const auto before = SettingsText::value(text, group, other);

    const QByteArray written = SettingsText::withValues(text, group, {{key, value}});
    FUZZ_CHECK(SettingsText::value(written, group, key) == value);
    if (other != key) FUZZ_CHECK(SettingsText::value(written, group, other) == before);
    // One line replaced at most (a last line gains its line end); a blank line, header and entry
    // put in.
    const auto [removed, added] = Fuzz::changedLines(text, written);
    FUZZ_CHECK(removed <= 1 && added <= 4);
    FUZZ_CHECK(SettingsText::withValues(written, group, {{key, value}}) == written);
    return 0;
}
