#include "GetString_Between_Tags.h"

#include "Numbers.h"

#include <QStringList>
#include <algorithm>
#include <array>

QString GetString_Between_Tags(const QString& Text, const QString& StartTag, const QString& EndTag,
                               int StartPos)
{
    const qsizetype start = Text.indexOf(StartTag, std::max(StartPos, 0), Qt::CaseInsensitive);
    if (start < 0) return Text;
    const qsizetype end = Text.indexOf(EndTag, start + 1, Qt::CaseInsensitive);
    if (end < 0) return Text;
    const qsizetype from = start + StartTag.size();
    // An end tag that overlaps the start tag leaves nothing between them.
    return end < from ? QString() : Text.mid(from, end - from);
}

namespace {

std::array<double, 3> versionParts(const QString& version)
{
    const QStringList texts = version.split(u'.');
    std::array<double, 3> parts{};
    for (qsizetype i = 0; i < std::min<qsizetype>(texts.size(), 3); ++i)
        parts[i] = Numbers::LeadingNumber(texts[i]);
    return parts;
}

} // namespace

bool CheckVersion(const QString& sOld, const QString& sNew)
{
    // In order, not part by part: 1.5.0 is no update to 2.0.0 for its greater minor number.
    return versionParts(sNew) > versionParts(sOld);
}

QString GetFileExtensionUsingStringManip(const QString& sFile)
{
    return sFile.mid(sFile.lastIndexOf(u'.') + 1);
}

QString FileNameOfUrl(const QString& url)
{
    return url.mid(url.lastIndexOf(u'/') + 1);
}
