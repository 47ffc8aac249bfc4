#include "ScreenReader.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrandr.h>
#include <bit>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace {

// The X connection Qt uses; none on any other platform, where nothing can be read.
Display* xDisplay()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// Keeps the X errors raised while it lives away from the installed handler (Xlib's own ends the
// program): a refused request then shows only as a failed call.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : display(display), previous(XSetErrorHandler(record))
    {
        failed = false;
    }
    ~ErrorTrap() { XSetErrorHandler(previous); }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    // Waits until the server has handled everything sent so far; true when none of it failed.
    bool allAccepted()
    {
        XSync(display, False);
        return !failed;
    }

private:
    static int record(Display*, XErrorEvent*)
    {
        failed = true;
        return 0;
    }

    static inline bool failed = false;
    Display* display;
    XErrorHandler previous;
};

// One colour channel of a TrueColor pixel value, widened to 8 bits whatever its depth.
class Channel {
public:
    explicit Channel(unsigned long mask) : mask(mask), shift(mask ? std::countr_zero(mask) : 0) {}

    bool valid() const { return mask != 0; }
    int of(unsigned long pixel) const
    {
        const unsigned long top = mask >> shift;
        return static_cast<int>((((pixel & mask) >> shift) * 255 + top / 2) / top);
    }

private:
    unsigned long mask;
    int shift;
};

// The first width × height pixels of a ZPixmap image as opaque RGB32; a null image for a visual
// without colour masks (palette-based displays), which this program does not read.
QImage toQImage(const XImage* image, int width, int height)
{
    QImage result(width, height, QImage::Format_RGB32);
    if (result.isNull()) return {};
    const int hostOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst;
    if (image->bits_per_pixel == 32 && image->byte_order == hostOrder &&
        image->red_mask == 0xff0000 && image->green_mask == 0xff00 && image->blue_mask == 0xff) {
        for (int y = 0; y < height; ++y) {
            const auto* from = reinterpret_cast<const quint32*>(
                image->data + qsizetype(y) * image->bytes_per_line);
            auto* to = reinterpret_cast<quint32*>(result.scanLine(y));
            // The top byte is padding or a depth-32 alpha; the colour under it is what was shown.
            for (int x = 0; x < width; ++x)
                to[x] = from[x] | 0xff000000u;
        }
        return result;
    }
    const Channel red(image->red_mask), green(image->green_mask), blue(image->blue_mask);
    if (!red.valid() || !green.valid() || !blue.valid()) return {};
    auto* source = const_cast<XImage*>(image); // XGetPixel only reads, but takes no const
    for (int y = 0; y < height; ++y) {
        auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(source, x, y);
            to[x] = qRgb(red.of(pixel), green.of(pixel), blue.of(pixel));
        }
    }
    return result;
}

std::optional<QRect> rootRect(Display* display)
{
    Window root = 0;
    int x = 0, y = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border,
                      &depth))
        return std::nullopt;
    return QRect(0, 0, static_cast<int>(width), static_cast<int>(height));
}

class XScreenReader final : public ScreenReader {
public:
    XScreenReader() = default;
    XScreenReader(const XScreenReader&) = delete;
    XScreenReader& operator=(const XScreenReader&) = delete;
    ~XScreenReader() override { releaseShared(); }

    std::optional<QPoint> pointerPosition() override
    {
        Display* display = xDisplay();
        if (!display) return std::nullopt;
        ErrorTrap trap(display);
        Window root = 0, child = 0;
        int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
        unsigned int buttons = 0;
        // False also when the pointer is on another X screen, where our coordinates mean nothing.
        if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY,
                           &windowX, &windowY, &buttons))
            return std::nullopt;
        return QPoint(rootX, rootY);
    }

    // The monitors change rarely, and asking the server costs round trips on every magnifier
    // frame, so the list is kept until Qt reports a change of the screens.
    QList<QRect> monitors() override
    {
        Display* display = xDisplay();
        if (!display) return {};
        watchScreens();
        if (monitorsStale_) {
            monitors_ = readMonitors(display);
            monitorsStale_ = monitors_.isEmpty();
        }
        return monitors_;
    }

    QImage grab(const QRect& rect) override
    {
        Display* display = xDisplay();
        // Requests carry 16-bit coordinates: a rectangle beyond them would wrap onto other pixels.
        if (!display || rect.isEmpty() || !QRect(0, 0, 0x7fff, 0x7fff).contains(rect)) return {};
        ErrorTrap trap(display);
        if (const XImage* image = readShared(display, rect, trap))
            return toQImage(image, rect.width(), rect.height());
        XImage* image = XGetImage(display, DefaultRootWindow(display), rect.x(), rect.y(),
                                  static_cast<unsigned int>(rect.width()),
                                  static_cast<unsigned int>(rect.height()), AllPlanes, ZPixmap);
        if (!image) return {};
        QImage result = toQImage(image, rect.width(), rect.height());
        XDestroyImage(image);
        return result;
    }

    // Gives the shared memory back while the X connection is still open.
    void releaseShared()
    {
        if (shared) {
            XShmDetach(sharedDisplay, &segment);
            // Neither the segment nor its description is the heap's to free.
            shared->data = nullptr;
            shared->obdata = nullptr;
            XDestroyImage(shared);
        }
        if (segment.shmaddr) shmdt(segment.shmaddr);
        shared = nullptr;
        sharedDisplay = nullptr;
        segment = {};
        capacity = {};
        sharedMemoryFailed = false;
    }

private:
    static QList<QRect> readMonitors(Display* display)
    {
        ErrorTrap trap(display);
        QList<QRect> result;
        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        // Monitors came with RandR 1.5; an older server would answer the request with an error.
        if (XRRQueryExtension(display, &eventBase, &errorBase) &&
            XRRQueryVersion(display, &major, &minor) && (major > 1 || (major == 1 && minor >= 5))) {
            int count = 0;
            if (XRRMonitorInfo* info =
                    XRRGetMonitors(display, DefaultRootWindow(display), True, &count)) {
                for (int i = 0; i < count; ++i)
                    result << QRect(info[i].x, info[i].y, info[i].width, info[i].height);
                XRRFreeMonitors(info);
            }
        }
        if (result.isEmpty())
            if (const auto whole = rootRect(display)) result << *whole;
        return result;
    }

    void watchScreens()
    {
        if (watchingScreens_) return;
        watchingScreens_ = true;
        const auto stale = [this] { monitorsStale_ = true; };
        const auto watch = [stale](QScreen* screen) {
            QObject::connect(screen, &QScreen::geometryChanged, qGuiApp, stale);
        };
        for (QScreen* screen : QGuiApplication::screens()) watch(screen);
        QObject::connect(qGuiApp, &QGuiApplication::screenAdded, qGuiApp, [stale, watch](QScreen* screen) {
            watch(screen);
            stale();
        });
        QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, qGuiApp, stale);
    }

    QList<QRect> monitors_;
    bool monitorsStale_ = true;
    bool watchingScreens_ = false;
    // The rectangle read into the kept shared-memory image, which is laid out for rect's size;
    // nothing when shared memory is unavailable (a remote display) or the server refused.
    XImage* readShared(Display* display, const QRect& rect, ErrorTrap& trap)
    {
        if (sharedMemoryFailed) return nullptr;
        if (!shared || rect.width() > capacity.width() || rect.height() > capacity.height()) {
            // Growing is the one time memory is reserved: check the rectangle against the root
            // first, so a huge or stray one costs nothing. Smaller reads are left to the server.
            const auto root = rootRect(display);
            if (!root || !root->contains(rect)) return nullptr;
            if (!attachShared(display, capacity.expandedTo(rect.size()), trap)) {
                sharedMemoryFailed = true;
                return nullptr;
            }
        }
        shared->width = rect.width();
        shared->height = rect.height();
        shared->bytes_per_line = (rect.width() * shared->bits_per_pixel + shared->bitmap_pad - 1) /
                                 shared->bitmap_pad * (shared->bitmap_pad / 8);
        if (!XShmGetImage(display, DefaultRootWindow(display), shared, rect.x(), rect.y(),
                          AllPlanes))
            return nullptr;
        return shared;
    }

    bool attachShared(Display* display, QSize size, ErrorTrap& trap)
    {
        releaseShared();
        if (!XShmQueryExtension(display)) return false;
        const int screen = DefaultScreen(display);
        XImage* image = XShmCreateImage(
            display, DefaultVisual(display, screen),
            static_cast<unsigned int>(DefaultDepth(display, screen)), ZPixmap, nullptr, &segment,
            static_cast<unsigned int>(size.width()), static_cast<unsigned int>(size.height()));
        if (!image) return false;
        segment.shmid = shmget(IPC_PRIVATE, std::size_t(image->bytes_per_line) * image->height,
                               IPC_CREAT | 0600);
        bool attached = false;
        if (segment.shmid >= 0) {
            void* memory = shmat(segment.shmid, nullptr, 0);
            if (memory != reinterpret_cast<void*>(-1)) {
                segment.shmaddr = image->data = static_cast<char*>(memory);
                segment.readOnly = False;
                // The server attaches asynchronously: a remote or sandboxed one fails only then.
                attached = XShmAttach(display, &segment) && trap.allAccepted();
            }
            // Marked for removal at once, so it goes away with the last process attached to it
            // however this one ends.
            shmctl(segment.shmid, IPC_RMID, nullptr);
        }
        if (!attached) {
            image->data = nullptr;
            image->obdata = nullptr;
            XDestroyImage(image);
            if (segment.shmaddr) shmdt(segment.shmaddr);
            segment = {};
            return false;
        }
        shared = image;
        sharedDisplay = display;
        capacity = size;
        if (!releaseScheduled) {
            // Post routines run when the application object goes, before it closes the display.
            qAddPostRoutine(releaseAtExit);
            releaseScheduled = true;
        }
        return true;
    }

    static void releaseAtExit();

    XImage* shared = nullptr;
    Display* sharedDisplay = nullptr;
    XShmSegmentInfo segment{};
    QSize capacity;
    bool sharedMemoryFailed = false;
    bool releaseScheduled = false;
};

XScreenReader& realReader()
{
    static XScreenReader reader;
    return reader;
}

void XScreenReader::releaseAtExit()
{
    realReader().releaseShared();
    realReader().releaseScheduled = false;
}

ScreenReader* installed = nullptr;

} // namespace

std::optional<int> ScreenReader::pixel(QPoint at)
{
    const QImage image = grab(QRect(at, QSize(1, 1)));
    if (image.isNull()) return std::nullopt;
    const QRgb colour = image.pixel(0, 0);
    return qRed(colour) | qGreen(colour) << 8 | qBlue(colour) << 16;
}

std::optional<int> ScreenReader::pixelUnderPointer()
{
    const auto point = pointerPosition();
    if (!point || !monitorAt(monitors(), *point)) return std::nullopt;
    return pixel(*point);
}

ScreenReader& ScreenReader::instance()
{
    return installed ? *installed : realReader();
}

void ScreenReader::install(ScreenReader* reader)
{
    installed = reader;
}

std::optional<QRect> monitorAt(const QList<QRect>& monitors, QPoint point)
{
    for (const QRect& monitor : monitors)
        if (monitor.contains(point)) return monitor;
    return std::nullopt;
}
