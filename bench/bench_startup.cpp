// Time from process start to the main window being mapped on the X server, and the resident
// memory once it is shown, over fresh processes of the real program.
//
//   bench_startup <path to tintwell> [runs]      (needs DISPLAY; see README.md in this folder)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long windowPid(Display* display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) return -1;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return pid;
}

bool isMainWindow(Display* display, Window window, pid_t child)
{
    char* name = nullptr;
    const bool named = XFetchName(display, window, &name) && name && std::string(name) == "Tintwell";
    if (name) XFree(name);
    return named && windowPid(display, window) == child;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

struct Run {
    double milliseconds;
    long kib;
};

bool measure(Display* display, const char* program, const std::string& settingsDir, Run& run)
{
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("XDG_CONFIG_HOME", settingsDir.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", settingsDir.c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }

    bool shown = false;
    const int fd = ConnectionNumber(display);
    while (!shown && Clock::now() - start < std::chrono::seconds(10)) {
        while (!shown && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && isMainWindow(display, event.xmap.window, child)) {
                run.milliseconds =
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                shown = true;
            }
        }
        if (shown) break;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval tv{0, 2000};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
    if (shown) {
        // Let the first paint finish before reading the memory it needed.
        usleep(500 * 1000);
        run.kib = residentKiB(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return shown;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <tintwell> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    char pattern[] = "/tmp/tintwell-bench-XXXXXX";
    const std::string settingsDir = mkdtemp(pattern) ? pattern : "/tmp";

    std::vector<double> times;
    std::vector<double> memory;
    for (int i = 0; i < runs; ++i) {
        Run run{};
        if (!measure(display, argv[1], settingsDir, run)) {
            std::fprintf(stderr, "run %d: the window did not appear\n", i + 1);
            return 1;
        }
        std::printf("run %2d: %7.1f ms  %6.1f MiB\n", i + 1, run.milliseconds, run.kib / 1024.0);
        times.push_back(run.milliseconds);
        memory.push_back(run.kib / 1024.0);
    }
    std::printf("median start-up %.1f ms (min %.1f, max %.1f); median resident %.1f MiB\n",
                median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), median(memory));
    XCloseDisplay(display);
    std::string cleanup = "rm -rf '" + settingsDir + "'";
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
