#pragma once

#include <QString>

// The text forms of the current colour that the main window shows and copies. Each is a plain
// function of the channels (or of the text it is derived from), so it is testable without a window.
namespace ModColConverter {

// "\"#RRGGBB\"": the quote marks belong to the text and are copied with it.
QString HtmlHexText(int red, int green, int blue);

// The ColourValue red + green * 256 + blue * 65536 in decimal.
QString VBLongText(int red, int green, int blue);

// "&H00BBGGRR&", built from the digit pairs at characters 3-4, 5-6 and 7-8 of an HTML hex text.
QString VBHexText(const QString& htmlHex);

// "RGB(r,g,b)".
QString RGBText(int red, int green, int blue);

} // namespace ModColConverter
