#include "PickerImages.h"

#include "AccelRenderers.h"
#include "cMemDC.h"

#include <algorithm>

namespace Extreme {

namespace {

QImage toPicture(const PixelBuffer& buffer)
{
    cMemDC surface;
    if (!surface.Init(buffer.Width, buffer.Height)) return {};
    surface.SetDIBits(0, 0, buffer.Width, buffer.Height, buffer.Bits);
    return surface.Image();
}

bool pvPictureFits(const QImage& picture, int width, int height)
{
    return !picture.isNull() && picture.width() == width && picture.height() == height;
}

} // namespace

QImage pvFieldToPicture(const PixelBuffer& buffer)
{
    return toPicture(buffer);
}

QImage pvBarToPicture(const PixelBuffer& buffer)
{
    return toPicture(buffer);
}

void PickerImages::setSize(int W, int H)
{
    // The renderers divide by W - 1 and H - 1 and lay out six sextants.
    W_ = std::max(6, W - W % 6);
    H_ = std::max(2, H);
}

bool PickerImages::fieldFits(const Cached& cached, bool webSafe) const
{
    return pvPictureFits(cached.field, W_, H_) && cached.webSafe == webSafe;
}

bool PickerImages::barFits(const Cached& cached, bool webSafe) const
{
    return pvPictureFits(cached.bar, BarWidth, H_) && cached.webSafe == webSafe;
}

QImage PickerImages::renderField(Mode mode, const HSBTriple& hsb, int value, bool webSafe) const
{
    const bool accelerated = Accelerate && !webSafe;
    switch (mode) {
    case Mode::Hue:
        return accelerated ? pvCreateRectHueAccel(W_, H_, hsb)
                           : pvFieldToPicture(pvCreateRectHue(W_, H_, webSafe, hsb));
    case Mode::Saturation:
        return accelerated
                   ? pvCreateRectSaturationAccel(W_, H_, hsb.Saturation)
                   : pvFieldToPicture(pvCreateRectSaturation(W_, H_, webSafe, hsb.Saturation));
    case Mode::Brightness:
        return accelerated
                   ? pvCreateRectBrightnessAccel(W_, H_, hsb.Brightness)
                   : pvFieldToPicture(pvCreateRectBrightness(W_, H_, webSafe, hsb.Brightness));
    default: {
        const int channel = int(mode) - int(Mode::Red);
        return accelerated ? pvCreateRectRGBAccel(W_, H_, value, channel)
                           : pvFieldToPicture(pvCreateRectRGB(W_, H_, webSafe, value, channel));
    }
    }
}

void PickerImages::pvShowHue(const HSBTriple& pureHue, bool webSafe)
{
    Cached& cached = cache_[int(Mode::Hue)];
    if (!fieldFits(cached, webSafe) || !pvSameHSB(cached.hsb, pureHue))
        cached.field = renderField(Mode::Hue, pureHue, 0, webSafe);
    if (!barFits(cached, webSafe)) cached.bar = pvBarToPicture(pvCreateBarHue(H_, webSafe));
    cached.hsb = pureHue;
    cached.webSafe = webSafe;
    current_ = Mode::Hue;
}

void PickerImages::pvShowSaturation(const HSBTriple& hsb, bool webSafe)
{
    Cached& cached = cache_[int(Mode::Saturation)];
    if (!fieldFits(cached, webSafe) || cached.hsb.Saturation != hsb.Saturation)
        cached.field = renderField(Mode::Saturation, hsb, 0, webSafe);
    if (!barFits(cached, webSafe) || cached.hsb.Hue != hsb.Hue ||
        cached.hsb.Brightness != hsb.Brightness)
        cached.bar = pvBarToPicture(pvCreateBarSaturation(H_, webSafe, hsb.Hue, hsb.Brightness));
    cached.hsb = hsb;
    cached.webSafe = webSafe;
    current_ = Mode::Saturation;
}

void PickerImages::pvShowBrightness(const HSBTriple& hsb, bool webSafe)
{
    Cached& cached = cache_[int(Mode::Brightness)];
    if (!fieldFits(cached, webSafe) || cached.hsb.Brightness != hsb.Brightness)
        cached.field = renderField(Mode::Brightness, hsb, 0, webSafe);
    if (!barFits(cached, webSafe) || cached.hsb.Hue != hsb.Hue ||
        cached.hsb.Saturation != hsb.Saturation)
        cached.bar = pvBarToPicture(pvCreateBarBrightness(H_, webSafe, hsb.Hue, hsb.Saturation));
    cached.hsb = hsb;
    cached.webSafe = webSafe;
    current_ = Mode::Brightness;
}

void PickerImages::pvShowChannel(int value, int channel, bool webSafe)
{
    const Mode mode = Mode(int(Mode::Red) + std::clamp(channel, 0, 2));
    Cached& cached = cache_[int(mode)];
    if (!fieldFits(cached, webSafe) || cached.value != value)
        cached.field = renderField(mode, {}, value, webSafe);
    if (!barFits(cached, webSafe))
        cached.bar = pvBarToPicture(pvCreateBarRGB(H_, webSafe, int(mode) - int(Mode::Red)));
    cached.value = value;
    cached.webSafe = webSafe;
    current_ = mode;
}

void PickerImages::dropFields()
{
    for (Cached& cached : cache_)
        cached.field = QImage();
}

} // namespace Extreme
