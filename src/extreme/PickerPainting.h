#pragma once

#include "PickerImages.h"

#include <QIcon>
#include <QPoint>

class QPaintDevice;

// How the advanced picker composes its field, bar, frames and markers onto the dialog.
namespace Extreme {

// Where the markers sit: fx, fy from the field's top-left corner, by from the bar's top.
struct MarkerPlaces {
    int fx = 0;
    int fy = 0;
    int by = 0;

    friend bool operator==(const MarkerPlaces&, const MarkerPlaces&) = default;
};
MarkerPlaces pvMarkerPlaces(Mode mode, int W, int H, int Hbar, const HSBTriple& hsb, int colour);

// The field marker's middle circle: white on dark colours (luminance 127 or less), else black.
int pvMarkerColour(int colour);

// 29 x 7: a triangle pointing right at the left edge and one pointing left at the right edge,
// both pointing at row 3; the rest transparent.
QIcon pvArrowPicture();

struct PickerScene {
    QSize client;
    int background = 0;
    QPoint field;
    QPoint bar;
    int W = 6;
    int H = 2;
    const QImage* fieldPicture = nullptr;
    const QImage* barPicture = nullptr;
    const QIcon* arrow = nullptr;
    Mode mode = Mode::Hue;
    HSBTriple hsb;
    int colour = 0;
};

// Draws the whole scene onto the device (the dialog, in its paint event).
void pvPaintPicker(QPaintDevice* device, const PickerScene& scene);

} // namespace Extreme
