// The advanced picker's field and bar renderers and its repaint, at the dialog's default field
// size and at 1200 x 800: median microseconds per call, with the 10th and 90th percentiles.
// A plain field is timed into the picture the dialog paints (pixel buffer, then picture); the
// repaint is one render() of the whole dialog into an offscreen image, as while the marker is
// dragged (nothing is rendered again then).
#include "AccelRenderers.h"
#include "PickerImages.h"
#include "PlainRenderers.h"
#include "frmColorPickerExtreme.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Extreme;

namespace {

int runs = 200;

void report(const char* what, QSize size, const std::function<void()>& call)
{
    call();
    QList<double> us;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        call();
        us << timer.nsecsElapsed() / 1e3;
    }
    std::sort(us.begin(), us.end());
    std::printf("%-34s %4d x %-4d median %8.1f us  (p10 %8.1f, p90 %8.1f)\n", what, size.width(),
                size.height(), us[us.size() / 2], us[us.size() / 10], us[us.size() * 9 / 10]);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1) runs = std::max(10, atoi(argv[1]));

    auto* dialog = new frmColorPickerExtreme;
    dialog->setColor(0x3366CC);
    dialog->show();
    QCoreApplication::processEvents();
    for (const QSize field : {dialog->imgRect->size(), QSize(1200, 800)}) {
        const int W = field.width(), H = field.height();
        const HSBTriple hue{200, 100, 100};
        report("plain hue field", field,
               [&] { pvFieldToPicture(pvCreateRectHue(W, H, false, hue)); });
        report("plain saturation field", field,
               [&] { pvFieldToPicture(pvCreateRectSaturation(W, H, false, 40)); });
        report("plain brightness field", field,
               [&] { pvFieldToPicture(pvCreateRectBrightness(W, H, false, 70)); });
        report("plain red field", field,
               [&] { pvFieldToPicture(pvCreateRectRGB(W, H, false, 90, 0)); });
        report("plain hue field, web-safe", field,
               [&] { pvFieldToPicture(pvCreateRectHue(W, H, true, hue)); });
        report("accelerated hue field", field, [&] { pvCreateRectHueAccel(W, H, hue); });
        report("accelerated saturation field", field,
               [&] { pvCreateRectSaturationAccel(W, H, 40); });
        report("accelerated brightness field", field,
               [&] { pvCreateRectBrightnessAccel(W, H, 70); });
        report("accelerated red field", field, [&] { pvCreateRectRGBAccel(W, H, 90, 0); });
        report("hue bar", {BarWidth, H}, [&] { pvBarToPicture(pvCreateBarHue(H, false)); });
        report("saturation bar", {BarWidth, H},
               [&] { pvBarToPicture(pvCreateBarSaturation(H, false, 200, 70)); });
        report("brightness bar", {BarWidth, H},
               [&] { pvBarToPicture(pvCreateBarBrightness(H, false, 200, 40)); });
        report("red bar", {BarWidth, H}, [&] { pvBarToPicture(pvCreateBarRGB(H, false, 0)); });

        // The dialog laid out for this field: the numbers' frame and margins beside it, the
        // web-safe box below.
        dialog->resize(W + 266, H + 20 + dialog->chkWebSafe->height());
        QCoreApplication::processEvents();
        if (dialog->imgRect->size() != field) return 1;
        QImage window(dialog->size(), QImage::Format_RGB32);
        report("repaint of the dialog", dialog->size(), [&] { dialog->render(&window); });
    }
    delete dialog;
    return 0;
}
