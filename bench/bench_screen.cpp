// Cost per call of reading the screen on a real X server: the raw shared-memory read as a
// yardstick, the screen reader's grab, one magnifier frame, one dropper sample and Qt's own
// grabWindow, all of the same 97 × 65 region (the magnifier box's size), timed in the same run.
//
//   bench_screen [calls per case]      (needs DISPLAY; see README.md in this folder)
#include "ScreenReader.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QSize Box(97, 65);

struct Case {
    const char* name;
    std::function<void()> call;
    std::vector<double> micros;
};

// The smallest shared-memory read: one image attached once, read again and again.
class RawSharedRead {
public:
    RawSharedRead(Display* display, QPoint at) : display(display), at(at)
    {
        const int screen = DefaultScreen(display);
        image = XShmCreateImage(display, DefaultVisual(display, screen),
                                static_cast<unsigned int>(DefaultDepth(display, screen)), ZPixmap,
                                nullptr, &segment, static_cast<unsigned int>(Box.width()),
                                static_cast<unsigned int>(Box.height()));
        segment.shmid = shmget(IPC_PRIVATE, std::size_t(image->bytes_per_line) * image->height,
                               IPC_CREAT | 0600);
        segment.shmaddr = image->data = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
        segment.readOnly = False;
        XShmAttach(display, &segment);
        XSync(display, False);
        shmctl(segment.shmid, IPC_RMID, nullptr);
    }
    ~RawSharedRead()
    {
        XShmDetach(display, &segment);
        XSync(display, False);
        image->data = nullptr;
        image->obdata = nullptr;
        XDestroyImage(image);
        shmdt(segment.shmaddr);
    }
    RawSharedRead(const RawSharedRead&) = delete;
    RawSharedRead& operator=(const RawSharedRead&) = delete;

    bool read()
    {
        return XShmGetImage(display, DefaultRootWindow(display), image, at.x(), at.y(), AllPlanes);
    }

private:
    Display* display;
    QPoint at;
    XImage* image = nullptr;
    XShmSegmentInfo segment{};
};

// One tick of the magnifier: the source area round the pointer, enlarged to the box with
// nearest-neighbour scaling, and the cross-hair drawn over it.
QImage magnifierFrame(const QRect& source)
{
    QImage frame = ScreenReader::instance().grab(source).scaled(Box, Qt::IgnoreAspectRatio,
                                                                Qt::FastTransformation);
    QPainter painter(&frame);
    painter.setPen(Qt::black);
    painter.drawLine(Box.width() / 2, 0, Box.width() / 2, Box.height() - 1);
    painter.drawLine(0, Box.height() / 2, Box.width() - 1, Box.height() / 2);
    return frame;
}

void check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "bench_screen: %s\n", what);
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    check(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (DISPLAY)");
    QGuiApplication app(argc, argv);
    check(QGuiApplication::platformName() == QLatin1String("xcb"), "needs the xcb platform");
    const int calls = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    check(XShmQueryExtension(display), "the X server has no MIT-SHM");

    ScreenReader& reader = ScreenReader::instance();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect region(screen->geometry().center() - QPoint(Box.width() / 2, Box.height() / 2),
                       Box);
    // The magnifier at 50 %: half the box's size, doubled.
    const QRect halfSource(region.topLeft(), Box / 2);
    RawSharedRead raw(display, region.topLeft());
    check(raw.read(), "XShmGetImage failed");
    check(!reader.grab(region).isNull(), "the screen reader's grab failed");
    check(reader.pixelUnderPointer().has_value(), "the pointer is not over a monitor");

    std::vector<Case> cases{
        {"(a) XShmGetImage, raw", [&] { raw.read(); }, {}},
        {"(b) ScreenReader::grab", [&] { reader.grab(region); }, {}},
        {"(c) magnifier frame, 1:1", [&] { magnifierFrame(region); }, {}},
        {"(c') magnifier frame, 2:1", [&] { magnifierFrame(halfSource); }, {}},
        {"(d) pixelUnderPointer", [&] { reader.pixelUnderPointer(); }, {}},
        {"(e) QScreen::grabWindow",
         [&] { screen->grabWindow(0, region.x(), region.y(), Box.width(), Box.height()); },
         {}},
    };
    // Interleaved rounds, so a slow spell of the machine touches every case alike.
    const int rounds = 10;
    for (int round = 0; round < rounds; ++round)
        for (Case& c : cases)
            for (int i = 0; i < calls / rounds; ++i) {
                const auto start = Clock::now();
                c.call();
                c.micros.push_back(
                    std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            }

    std::printf("Region %dx%d at %d,%d; %zu calls per case; microseconds per call\n", Box.width(),
                Box.height(), region.x(), region.y(), cases.front().micros.size());
    std::printf("%-28s %9s %9s %9s\n", "", "median", "p10", "p90");
    for (Case& c : cases) {
        std::vector<double>& m = c.micros;
        std::sort(m.begin(), m.end());
        std::printf("%-28s %9.1f %9.1f %9.1f\n", c.name, m[m.size() / 2], m[m.size() / 10],
                    m[m.size() * 9 / 10]);
    }
    return 0;
}
