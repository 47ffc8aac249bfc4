#include "INI.h"

#include "IniText.h"
#include "MessageBoxes.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace INI {

namespace {

void report(MessageBoxes::Icon icon, const QString& title, const QString& text)
{
    MessageBoxes::instance().show(nullptr, icon, title, text, MessageBoxes::Buttons::Ok);
}

const QString Scheme = QStringLiteral("The scheme");

// The file's bytes, or nothing, said in a message box, when it is there but cannot be read.
std::optional<QByteArray> readToChange(const QString& file)
{
    const auto text = WholeFile::Read(file);
    if (!text) WholeFile::ReportUnsaved(Scheme, file, QStringLiteral("It could not be read."));
    return text;
}

} // namespace

QStringList GetSectionNames(const QString& file)
{
    return IniText::sectionNames(WholeFile::Read(file).value_or(QByteArray()));
}

QString GetKeyVal(const QString& file, const QString& section, const QString& key,
                  const QString& defaultValue)
{
    return IniText::value(WholeFile::Read(file).value_or(QByteArray()), section, key, defaultValue);
}

bool AddToINI(const QString& file, const QString& section, const QString& key, const QString& value)
{
    QByteArray text;
    if (FileExists(file)) {
        // A file that is there but cannot be read must not be replaced by a fresh one.
        const auto old = readToChange(file);
        if (!old) return false;
        text = *old;
    }
    const auto changed = IniText::withValue(text, section, key, value);
    if (!changed) return false;
    return *changed == text || WholeFile::WriteOrReport(file, *changed, Scheme);
}

void DeleteSection(const QString& file, const QString& section)
{
    if (!FileExists(file)) {
        report(MessageBoxes::Icon::Warning, QStringLiteral("INI File Not Found"),
               QStringLiteral("File Not Found: ") + file +
                   QStringLiteral("\r\nPlease refer To code in Function 'DeleteSection'"));
        return;
    }
    const auto text = readToChange(file);
    if (!text) return;
    const QByteArray changed = IniText::withoutSection(*text, section);
    if (changed != *text) WholeFile::WriteOrReport(file, changed, Scheme);
}

bool SectionExists(const QString& file, const QString& section)
{
    return IniText::hasSection(WholeFile::Read(file).value_or(QByteArray()), section);
}

int RenameSection(const QString& file, const QString& oldSection, const QString& newSection)
{
    if (!FileExists(file)) {
        report(MessageBoxes::Icon::Critical, QStringLiteral("File Not Found"),
               file + QStringLiteral(" not found."));
        return 0;
    }
    const QByteArray text = WholeFile::Read(file).value_or(QByteArray());
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
    return changed && WholeFile::WriteOrReport(file, *changed, Scheme) ? 1 : 0;
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
