#include "WindowPictures.h"

#include <QConicalGradient>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace WindowPictures {

namespace {

// Eight columns of cells under a header that holds the arrow; each cell is a swatch over its code.
constexpr int ColumnLeft = 1;
constexpr int ColumnPitch = 61;
constexpr int HeaderHeight = 64;
constexpr int RowPitch = 20;
constexpr int SideRows = 30;
constexpr int BlockRows = 36;
const QColor Ink(30, 30, 30);
const QColor Outline(120, 120, 120);

QRgb cellColour(int column, int row)
{
    // The channel values of the block, from full to none.
    const auto step = [](int i) { return 255 - 51 * i; };
    // The side columns run in steps of 17: greys from 238 down to 0 over reds from 255 to 17,
    // greens over blues likewise.
    const auto side = [](int i) { return 255 - 17 * i; };
    if (column == 0)
        return row < 15 ? qRgb(side(row + 1), side(row + 1), side(row + 1))
                        : qRgb(side(row - 15), 0, 0);
    if (column == 7) return row < 15 ? qRgb(0, side(row), 0) : qRgb(0, 0, side(row - 15));
    return qRgb(step(row / 6), step(column - 1), step(row % 6));
}

// Three discs of the primaries, overlapping into their mixtures.
void drawEmblem(QPainter& painter, QPointF centre)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.setPen(Qt::NoPen);
    const QColor discs[] = {QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)};
    for (int i = 0; i < 3; ++i) {
        const QPointF offset(i == 1 ? 6 : i == 2 ? -6 : 0, i == 0 ? -6 : 4);
        painter.setBrush(discs[i]);
        painter.drawEllipse(centre + offset, 11, 11);
    }
    painter.restore();
}

// Text squeezed across when it is wider than its room, never cut.
void drawFitted(QPainter& painter, const QRect& room, const QString& text)
{
    const int wide = painter.fontMetrics().horizontalAdvance(text);
    painter.save();
    painter.translate(room.center().x() + 1, room.top());
    if (wide > room.width()) painter.scale(double(room.width()) / wide, 1.0);
    painter.drawText(QRect(-wide / 2 - 1, 0, wide + 2, room.height()), Qt::AlignCenter, text);
    painter.restore();
}

void drawHeader(QPainter& painter)
{
    painter.setPen(Ink);
    QFont caption(QStringLiteral("Arial"));
    caption.setPixelSize(13);
    caption.setBold(true);
    painter.setFont(caption);
    const QRect block(Swatch(1, 0).left(), 4, 6 * ColumnPitch, 20);
    painter.drawText(block, Qt::AlignCenter, QStringLiteral("NON-DITHERING COLORS"));
    // The arrow down onto the block.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double x = block.center().x() + 0.5;
    QPainterPath arrow;
    arrow.moveTo(x - 4, 27);
    arrow.lineTo(x + 4, 27);
    arrow.lineTo(x + 4, 45);
    arrow.lineTo(x + 12, 45);
    arrow.lineTo(x, 60);
    arrow.lineTo(x - 12, 45);
    arrow.lineTo(x - 4, 45);
    arrow.closeSubpath();
    painter.fillPath(arrow, Ink);
    painter.restore();
}

} // namespace

QString Label(QRgb colour, bool hex)
{
    if (hex) return QString::asprintf("%02X%02X%02X", qRed(colour), qGreen(colour), qBlue(colour));
    return QStringLiteral("%1,%2,%3").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

QRect Swatch(int column, int row)
{
    return {ColumnLeft + ColumnPitch * column + 3, HeaderHeight + RowPitch * row + 2, 55, 7};
}

QImage Chart(bool hex)
{
    QImage image(ChartWidth, ChartHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawHeader(painter);
    QFont code(QStringLiteral("Arial"));
    code.setPixelSize(10);
    painter.setFont(code);
    for (int column = 0; column < 8; ++column) {
        const int rows = column == 0 || column == 7 ? SideRows : BlockRows;
        for (int row = 0; row < rows; ++row) {
            const QRect swatch = Swatch(column, row);
            const QRgb colour = cellColour(column, row);
            painter.fillRect(swatch, QColor(colour));
            painter.setPen(Outline);
            painter.drawRect(swatch.adjusted(-1, -1, 0, 0));
            painter.setPen(Ink);
            drawFitted(painter,
                       QRect(swatch.left() - 1, swatch.bottom() + 2, swatch.width() + 2, 10),
                       Label(colour, hex));
        }
    }
    // The emblem in the two corners the side columns leave free.
    const int below = HeaderHeight + RowPitch * SideRows + (RowPitch * (BlockRows - SideRows)) / 2;
    drawEmblem(painter, QPointF(Swatch(0, 0).center().x() + 0.5, below));
    drawEmblem(painter, QPointF(Swatch(7, 0).center().x() + 0.5, below));
    return image;
}

QImage AboutPicture()
{
    QImage image(360, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(250, 250, 252));
    sky.setColorAt(1, QColor(214, 220, 232));
    painter.fillRect(image.rect(), sky);
    // A colour wheel with a white heart, the program's dropper colours round it.
    const QPointF centre(92, 100);
    QConicalGradient wheel(centre, 0);
    for (int i = 0; i <= 6; ++i)
        wheel.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    painter.setPen(QPen(QColor(90, 90, 90), 1.5));
    painter.setBrush(wheel);
    painter.drawEllipse(centre, 62, 62);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 24, 24);
    drawEmblem(painter, centre);

    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(34);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(40, 50, 80));
    painter.drawText(QRect(170, 52, 180, 44), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tintwell"));
    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(12);
    painter.setFont(line);
    painter.setPen(QColor(70, 80, 100));
    painter.drawText(QRect(172, 96, 180, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("a colour picker"));
    return image;
}

} // namespace WindowPictures
