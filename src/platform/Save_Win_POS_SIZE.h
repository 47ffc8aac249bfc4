#pragma once

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

} // namespace Save_Win_POS_SIZE
