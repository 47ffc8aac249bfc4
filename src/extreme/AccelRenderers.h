#pragma once

#include "ColourSpaces.h"

#include <QImage>

// The fields drawn by gradient fills, one per row or column: linear approximations of the plain
// images. The hue and colour-channel fields come within one per channel of theirs; the
// saturation and brightness fields spread the hue evenly over the whole width, where the plain
// ones step it by sextant. Sizes as for the plain renderers.
namespace Extreme {

QImage pvCreateRectHueAccel(int W, int H, const HSBTriple& pureHue);
QImage pvCreateRectSaturationAccel(int W, int H, double saturation);
QImage pvCreateRectBrightnessAccel(int W, int H, double brightness);
QImage pvCreateRectRGBAccel(int W, int H, int value, int channel);

} // namespace Extreme
