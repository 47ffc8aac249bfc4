// The INI text rules on any bytes: reading never fails, and each change does what it says and
// nothing more.
#include "FuzzInput.h"
#include "IniText.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::Input in{QByteArrayView(data, qsizetype(size))};
    const QString section = in.text(), key = in.text(), value = in.text(), other = in.text();
    const QByteArray text = in.rest.toByteArray();
    // What the file holds under the other key, section by section.
    auto values = IniText::sectionValues(text, other, "-");
    FUZZ_CHECK(values.size() == IniText::sectionNames(text).size());
    for (const auto& [name, read] : values)
        FUZZ_CHECK(read.size() <= IniText::MaxValueBytes);

    if (const auto written = IniText::withValue(text, section, key, value)) {
        // The value reads back as it does from a file of its own, and as typed when plain.
        const QString read = IniText::value(*written, section, key, "-");
        FUZZ_CHECK(read == IniText::value(IniText::withValue({}, section, key, value).value_or(""),
                                          section, key, "-"));
        static const QRegularExpression plain(QStringLiteral("^[0-9A-Za-z]{0,999}$"));
        FUZZ_CHECK(!plain.match(value).hasMatch() || read == value);
        // One line replaced at most (a last line gains its line end), three put in.
        const auto [removed, added] = Fuzz::changedLines(text, *written);
        FUZZ_CHECK(removed <= 1 && added <= 3);
        // Every other key reads as before; a new section comes last.
        if (IniText::matchKey(other) != IniText::matchKey(key)) {
            const auto after = IniText::sectionValues(*written, other, "-");
            FUZZ_CHECK(after.mid(0, values.size()) == values && after.size() <= values.size() + 1);
        }
        FUZZ_CHECK(IniText::withValue(*written, section, key, value) == written);
    }

    const QByteArray without = IniText::withoutSection(text, section);
    values.removeIf(
        [&](const auto& v) { return IniText::matchKey(v.first) == IniText::matchKey(section); });
    FUZZ_CHECK(IniText::sectionValues(without, other, "-") == values);
    FUZZ_CHECK(IniText::withoutSection(without, section) == without);

    if (const auto renamed = IniText::renamed(text, section, other))
        FUZZ_CHECK(IniText::hasSection(*renamed, other));
    return 0;
}
