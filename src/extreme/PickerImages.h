#pragma once

#include "ColourSpaces.h"
#include "PlainRenderers.h"

#include <QImage>
#include <array>

// The advanced picker's field and bar pictures: one pair per mode, each kept with the inputs it
// was rendered for and rendered again only when those, the web-safe flag or the size change.
namespace Extreme {

enum class Mode { Hue, Saturation, Brightness, Red, Green, Blue };

// A pixel buffer as a picture of its own size.
QImage pvFieldToPicture(const PixelBuffer& buffer);
QImage pvBarToPicture(const PixelBuffer& buffer);

class PickerImages {
public:
    // Field size (W a multiple of 6, at least 6; H at least 2); the bar is BarWidth by H.
    void setSize(int W, int H);
    int fieldWidth() const { return W_; }
    int fieldHeight() const { return H_; }

    // Fields are drawn by gradients while this is on and web-safe is off.
    bool Accelerate = false;

    // Bring the mode's pictures up to date and make them the current ones.
    void pvShowHue(const HSBTriple& pureHue, bool webSafe);
    void pvShowSaturation(const HSBTriple& hsb, bool webSafe);
    void pvShowBrightness(const HSBTriple& hsb, bool webSafe);
    void pvShowChannel(int value, int channel, bool webSafe);

    // Forgets every mode's field, so the next show renders it afresh.
    void dropFields();

    const QImage& currentField() const { return cache_[int(current_)].field; }
    const QImage& currentBar() const { return cache_[int(current_)].bar; }

private:
    struct Cached {
        QImage field;
        QImage bar;
        bool webSafe = false;
        HSBTriple hsb;
        int value = 0;
    };
    bool fieldFits(const Cached& cached, bool webSafe) const;
    bool barFits(const Cached& cached, bool webSafe) const;
    QImage renderField(Mode mode, const HSBTriple& hsb, int value, bool webSafe) const;

    int W_ = 6;
    int H_ = 2;
    Mode current_ = Mode::Hue;
    std::array<Cached, 6> cache_;
};

} // namespace Extreme
