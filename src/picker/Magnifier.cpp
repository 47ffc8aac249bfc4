#include "Magnifier.h"

#include "Numbers.h"

#include <QString>
#include <algorithm>

namespace {

struct Span {
    int origin;    // first source pixel
    int length;    // source pixels
    int crossHair; // box pixel
};

// One axis: the source span round the pointer, kept inside the monitor, and the middle of the box
// pixels that show the pointer's own source pixel (box pixel i shows source pixel i * length /
// box).
Span span(int pointer, int box, int monitor, float z)
{
    const int length =
        std::clamp(Numbers::RoundHalfEven(box * double(z)), 1, std::min(box, monitor));
    const int origin = std::clamp(pointer - length / 2, 0, monitor - length);
    const int k = std::clamp(pointer - origin, 0, length - 1);
    const auto firstShowing = [&](int pixel) { return (pixel * box + length - 1) / length; };
    return {origin, length, (firstShowing(k) + firstShowing(k + 1) - 1) / 2};
}

} // namespace

MagnifierFrame MagnifierGeometry(QPoint pointer, QSize box, QSize monitor, int m)
{
    const float z = static_cast<float>(1.0 - m / 100.0);
    const Span x = span(pointer.x(), box.width(), monitor.width(), z);
    const Span y = span(pointer.y(), box.height(), monitor.height(), z);
    return {QRect(x.origin, y.origin, x.length, y.length), QPoint(x.crossHair, y.crossHair)};
}

QImage Enlarged(const QImage& source, QSize box)
{
    QImage view(box, QImage::Format_RGB32);
    if (source.isNull() || view.isNull()) return view;
    const QImage from = source.convertToFormat(QImage::Format_RGB32);
    QList<int> columns(box.width());
    for (int i = 0; i < box.width(); ++i)
        columns[i] = int(qint64(i) * from.width() / box.width());
    for (int j = 0; j < box.height(); ++j) {
        const auto* in = reinterpret_cast<const QRgb*>(
            from.constScanLine(int(qint64(j) * from.height() / box.height())));
        auto* out = reinterpret_cast<QRgb*>(view.scanLine(j));
        for (int i = 0; i < box.width(); ++i)
            out[i] = in[columns[i]];
    }
    return view;
}

int Magnification(const QString& text)
{
    const auto value = Numbers::NumericValue(text);
    return value ? std::clamp(Numbers::RoundHalfEven(*value), 0, 99) : 0;
}
