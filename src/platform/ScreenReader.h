#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

// Reads the screen: the pointer, one pixel, a rectangle as an image. Everything is in the
// screen's physical pixels in desktop coordinates (the X root window's), whatever scale factor
// the program's windows use, so every physical pixel can be reached.
class ScreenReader {
public:
    virtual ~ScreenReader() = default;

    // The pointer's position; nothing when it cannot be read.
    virtual std::optional<QPoint> pointerPosition() = 0;
    // The monitors' areas, in physical pixels.
    virtual QList<QRect> monitors() = 0;
    // The rectangle's pixels (Format_RGB32, rect.size() pixels, device pixel ratio 1); a null
    // image when the grab is refused or the rectangle leaves the desktop.
    virtual QImage grab(const QRect& rect) = 0;

    // The ColourValue (0x00BBGGRR) of one pixel; nothing when it cannot be read.
    std::optional<int> pixel(QPoint at);
    // The ColourValue of the pixel under the pointer; nothing when either cannot be read.
    std::optional<int> pixelUnderPointer();

    static ScreenReader& instance();
    // Installs a stand-in (not owned); nullptr puts the real reader back.
    static void install(ScreenReader* reader);
};

// The monitor that holds the point, or nothing when it lies on none of them.
std::optional<QRect> monitorAt(const QList<QRect>& monitors, QPoint point);
