#pragma once

#include <QPixmap>

// The window's pictures, drawn here rather than carried as image files.
namespace Pictures {

// The dropper shown in the dropper box while idle: 20 x 22 pixels.
QPixmap Dropper();

// The face of the copy buttons: two overlapping sheets, 16 x 16 pixels.
QPixmap Copy();

} // namespace Pictures
