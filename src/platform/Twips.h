#pragma once

#include <QRect>

// Window geometry is laid out and stored in twips, 1440 to the inch.
namespace Twips {

// Twips per pixel for the primary screen's logical resolution (15 at 96 DPI).
double perPixelX();
double perPixelY();

int toPixelsX(double twips);
int toPixelsY(double twips);

// A rectangle given in twips, in pixels.
QRect toPixels(int left, int top, int width, int height);

// Puts a widget at a place given in twips (relative to its parent) and hands it back.
template <typename W> W* place(W* widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(left, top, width, height));
    return widget;
}

} // namespace Twips
