#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// One magnifier frame, in physical pixels: the screen area to copy and where the cross-hair goes.
struct MagnifierFrame {
    QRect source;     // relative to the monitor's origin
    QPoint crossHair; // in the box: the middle of the pointer's own pixel, enlarged
};

// The frame for the pointer (relative to the monitor's origin) on a monitor of the given size,
// for a box of the given size and the magnification m (0 shows 1:1, 50 at 2:1, 99 at 100:1).
// The source is centred on the pointer's pixel; near an edge it stays on the monitor and the
// cross-hair moves instead, so it is always on the pixel a pick there would take.
MagnifierFrame MagnifierGeometry(QPoint pointer, QSize box, QSize monitor, int m);

// The source enlarged to the box without smoothing: box pixel (i, j) shows source pixel
// (i * source width / box width, j * source height / box height), rounded down.
QImage Enlarged(const QImage& source, QSize box);

// The magnification a text in the magnification box stands for, kept within 0..99.
int Magnification(const QString& text);
