#include "Magnifier.h"

#include "Numbers.h"

#include <QString>

#include <algorithm>

namespace {

int whole(double value) { return Numbers::RoundHalfEven(value); }

// Keeps a source span [origin, origin + length) inside [0, limit) and moves the cross-hair by
// the part that had to be given up, scaled back to twips of the box.
void clampSpan(int& origin, int length, int limit, int& crossHair, double twipsPerPixel, float z)
{
    if (origin >= 0 && origin + length > limit) {
        const int over = origin + length - limit;
        crossHair = whole(crossHair + twipsPerPixel / z * over);
        origin = limit - length;
    }
    if (origin < 0) {
        crossHair = whole(crossHair + twipsPerPixel / z * origin);
        origin = 0;
    }
}

} // namespace

MagnifierFrame MagnifierGeometry(QPoint pointer, QSizeF clientTwips, QSize screen, double tx,
                                 double ty, int m)
{
    const float z = static_cast<float>(1.0 - m / 100.0);
    const double width = clientTwips.width();
    const double height = clientTwips.height();
    int cx = whole(width / 2);
    int cy = whole(height / 2);
    const QSize destination(whole(width / tx), whole(height / ty));
    // The divisors are crossed as the magnifier always had them; with square pixels tx == ty.
    const int sh = whole(height / tx * z);
    const int sw = whole(width / ty * z);
    int x0 = whole(pointer.x() - sw / 2.0);
    int y0 = whole(pointer.y() - sh / 2.0);
    clampSpan(x0, sw, screen.width(), cx, tx, z);
    clampSpan(y0, sh, screen.height(), cy, ty, z);
    return {QRect(x0, y0, sw, sh), destination, QPoint(cx, cy)};
}

int Magnification(const QString& text)
{
    const auto value = Numbers::NumericValue(text);
    return value ? std::clamp(Numbers::RoundHalfEven(*value), 0, 99) : 0;
}
