#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QWidget;

// Saving and restoring a window's placement in the settings, in twips of the outer frame, under
// the window's own name ("frmColourPicker Top", " Left", " width", " height", " WindowState").
namespace Save_Win_POS_SIZE {

// Called before the window is shown. With fixedSize only the position is restored.
void RestoreWindowPlacement(QWidget* window, int defaultWidth, int defaultHeight, int defaultTop,
                            int defaultLeft, bool fixedSize);
void ApplyStoredGeometry(QWidget* window, int defaultWidth, int defaultHeight, int defaultTop,
                         int defaultLeft, bool fixedSize);
void SaveWindowPlacement(QWidget* window);

// Where a window whose outer frame was stored at frame opens, given the screens' available areas:
// where it was, moved the least needed to be whole on the screen that shows most of it (its
// top-left, when it is larger than that screen); defaultPlace when no part of it is on a screen.
QPoint PlaceOnScreens(const QRect& frame, const QList<QRect>& screens, QPoint defaultPlace);

} // namespace Save_Win_POS_SIZE
