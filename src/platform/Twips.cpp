#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {

namespace {

double perPixel(double dpi) { return dpi > 0 ? 1440.0 / dpi : 15.0; }

QScreen* screen() { return QGuiApplication::primaryScreen(); }

} // namespace

double perPixelX() { return screen() ? perPixel(screen()->logicalDotsPerInchX()) : 15.0; }
double perPixelY() { return screen() ? perPixel(screen()->logicalDotsPerInchY()) : 15.0; }

int toPixelsX(double twips) { return static_cast<int>(std::lround(twips / perPixelX())); }
int toPixelsY(double twips) { return static_cast<int>(std::lround(twips / perPixelY())); }

QRect toPixels(int left, int top, int width, int height)
{
    return {toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height)};
}

} // namespace Twips
