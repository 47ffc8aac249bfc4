#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// The pictures of the chart and About windows, drawn here rather than carried as image files.
//
// The chart: the 216 colours that dither on no palette of 256 in a block of 6 columns by 36
// rows, a column of greys and reds at its left and one of greens and blues at its right, every
// swatch with its code under it. Its two forms differ only in how the codes are written.
namespace WindowPictures {

constexpr int ChartWidth = 491;
constexpr int ChartHeight = 791;

// The chart with codes as "204,153,51", or with hex true as "CC9933".
QImage Chart(bool hex);

// A colour's code as the chart writes it.
QString Label(QRgb colour, bool hex);

// Where the swatch of a cell lies: column 0 is the greys and reds, 1 to 6 the block, 7 the
// greens and blues; the side columns have 30 rows, the block 36.
QRect Swatch(int column, int row);

// The picture of the About window.
QImage AboutPicture();

} // namespace WindowPictures
