#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>

// One magnifier frame: the screen area to copy, the size it is stretched to in the box, and
// where the cross-hair goes.
struct MagnifierFrame {
    QRect source;       // screen pixels, relative to the screen's origin
    QSize destination;  // pixels of the box
    QPoint crossHair;   // twips from the box's top-left client corner
};

// The frame for the pointer (screen pixels, relative to the screen's origin), the box's client
// size in twips, the screen's size in pixels, the twips per pixel and the magnification m
// (0 shows 1:1, 50 at 2:1, 99 at 100:1). Near an edge the source stays on the screen and the
// cross-hair moves instead, so it stays on the pointer's pixel.
MagnifierFrame MagnifierGeometry(QPoint pointer, QSizeF clientTwips, QSize screen, double tx,
                                 double ty, int m);

// The magnification a text in the magnification box stands for, kept within 0..99.
int Magnification(const QString& text);
