#include "INI.h"

#include "IniText.h"
#include "MessageBoxes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>

namespace INI {

namespace {

// The file's bytes; nothing when it cannot be read whole. Only regular files are read: a device
// in a scheme file's place could feed a reader for ever.
std::optional<QByteArray> readText(const QString& file)
{
    if (!QFileInfo(file).isFile()) return std::nullopt;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray text = in.readAll();
    if (in.error() != QFileDevice::NoError) return std::nullopt;
    return text;
}

// The new text goes to a temporary file beside the old one, which it replaces only when it was
// written whole; a failed write leaves the old file as it was. Unbuffered, because a buffered
// short write (a full disk) slips through to commit() unnoticed and would replace the file with
// a truncated copy.
bool writeText(const QString& file, const QByteArray& text)
{
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           out.write(text) == text.size() && out.commit();
}

void report(MessageBoxes::Icon icon, const QString& title, const QString& text)
{
    MessageBoxes::instance().show(nullptr, icon, title, text, MessageBoxes::Buttons::Ok);
}

} // namespace

QStringList GetSectionNames(const QString& file)
{
    return IniText::sectionNames(readText(file).value_or(QByteArray()));
}

QString GetKeyVal(const QString& file, const QString& section, const QString& key,
                  const QString& defaultValue)
{
    return IniText::value(readText(file).value_or(QByteArray()), section, key, defaultValue);
}

bool AddToINI(const QString& file, const QString& section, const QString& key, const QString& value)
{
    QByteArray text;
    if (FileExists(file)) {
        // A file that is there but cannot be read must not be replaced by a fresh one.
        const auto old = readText(file);
        if (!old) return false;
        text = *old;
    }
    const auto changed = IniText::withValue(text, section, key, value);
    if (!changed) return false;
    return *changed == text || writeText(file, *changed);
}

void DeleteSection(const QString& file, const QString& section)
{
    if (!FileExists(file)) {
        report(MessageBoxes::Icon::Warning, QStringLiteral("INI File Not Found"),
               QStringLiteral("File Not Found: ") + file +
                   QStringLiteral("\r\nPlease refer To code in Function 'DeleteSection'"));
        return;
    }
    const auto text = readText(file);
    if (!text) return;
    const QByteArray changed = IniText::withoutSection(*text, section);
    if (changed != *text) writeText(file, changed);
}

bool SectionExists(const QString& file, const QString& section)
{
    return IniText::hasSection(readText(file).value_or(QByteArray()), section);
}

int RenameSection(const QString& file, const QString& oldSection, const QString& newSection)
{
    if (!FileExists(file)) {
        report(MessageBoxes::Icon::Critical, QStringLiteral("File Not Found"),
               file + QStringLiteral(" not found."));
        return 0;
    }
    const QByteArray text = readText(file).value_or(QByteArray());
    if (!IniText::hasSection(text, oldSection)) {
        report(MessageBoxes::Icon::Information, QStringLiteral("Section Not Found."),
               QStringLiteral("Section, ") + oldSection +
                   QStringLiteral(", Not Found. ~(RenameSection)\r\nVerify spelling and "
                                  "capitilization is correct.  Case-sensative."));
        return 0;
    }
    // Blanks round the new name do not count, as they do not when the header is read back: " Red"
    // is taken when Red is there.
    if (IniText::hasSection(text, newSection)) {
        report(MessageBoxes::Icon::Information, QStringLiteral("Duplicate Section"),
               newSection + QStringLiteral(" allready exists.  ~(RenameSection)"));
        return 0;
    }
    const auto changed = IniText::renamed(text, oldSection, newSection);
    return changed && writeText(file, *changed) ? 1 : 0;
}

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool IsValidName(const QString& text)
{
    static const QString allowed = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789_.()[]&-+ ");
    // Only A-Z fold to the allowed letters: a Unicode lower-casing would let the Kelvin sign
    // through as "k".
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const QChar lower = c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c;
        return allowed.contains(lower);
    });
}

} // namespace INI
