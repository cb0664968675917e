// Preloaded into a copy of the program by the fault tests: every fsync and fdatasync takes 10 ms
// longer, as on a slow disk. VOKABO_SLOW_SYNC_LOG names a file that gets one byte for each call,
// so a test can see that the slower calls were made.
#include <dlfcn.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>

namespace {

using SyncCall = int (*)(int);

void slowDown()
{
    const timespec pause{0, 10 * 1000 * 1000};
    nanosleep(&pause, nullptr);
    if (const char* log = std::getenv("VOKABO_SLOW_SYNC_LOG")) {
        const int fd = ::open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t written = ::write(fd, "s", 1);
            ::close(fd);
        }
    }
}

SyncCall nextCall(const char* name)
{
    return reinterpret_cast<SyncCall>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fdatasync(int fd)
{
    static const SyncCall real = nextCall("fdatasync");
    slowDown();
    return real(fd);
}

extern "C" int fsync(int fd)
{
    static const SyncCall real = nextCall("fsync");
    slowDown();
    return real(fd);
}
