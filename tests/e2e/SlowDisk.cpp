// Loaded with LD_PRELOAD into the program under test: each write to a regular file, its sync and
// each rename wait TINTWELL_WRITE_DELAY_US microseconds first, so a kill at a random moment lands
// anywhere in a save; with TINTWELL_WRITE_ERROR set they fail as on a full disk. Pipes (the test's
// own channel) pass untouched.
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template <typename Function> Function next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool intoFile(int fd)
{
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Waits; true when the call is to fail.
bool held()
{
    if (const char* delay = std::getenv("TINTWELL_WRITE_DELAY_US")) usleep(std::atoi(delay));
    if (!std::getenv("TINTWELL_WRITE_ERROR")) return false;
    errno = ENOSPC;
    return true;
}

} // namespace

extern "C" ssize_t write(int fd, const void* bytes, size_t size)
{
    if (intoFile(fd) && held()) return -1;
    return next<ssize_t (*)(int, const void*, size_t)>("write")(fd, bytes, size);
}

extern "C" int fdatasync(int fd)
{
    if (intoFile(fd) && held()) return -1;
    return next<int (*)(int)>("fdatasync")(fd);
}

extern "C" int rename(const char* from, const char* to)
{
    if (held()) return -1;
    return next<int (*)(const char*, const char*)>("rename")(from, to);
}
