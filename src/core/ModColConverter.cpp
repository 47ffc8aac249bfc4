#include "ModColConverter.h"

#include "TextPieces.h"

using TextPieces::HexDigits;
using TextPieces::joined;

namespace ModColConverter {

QString HtmlHexText(int red, int green, int blue)
{
    return joined(
        {u"\"#", HexDigits(red).view(), HexDigits(green).view(), HexDigits(blue).view(), u"\""});
}

QString VBLongText(int red, int green, int blue)
{
    return QString::number(red + green * qint64(256) + blue * qint64(65536));
}

QString VBHexText(const QString& htmlHex)
{
    // The pairs are taken by position; mid() gives an empty piece rather than failing if the
    // text is ever shorter than a full HTML hex form.
    const QStringView html(htmlHex);
    return joined({u"&H00", html.mid(6, 2), html.mid(4, 2), html.mid(2, 2), u"&"});
}

QString RGBText(int red, int green, int blue)
{
    return joined({u"RGB(", QString::number(red), u",", QString::number(green), u",",
                   QString::number(blue), u")"});
}

} // namespace ModColConverter
