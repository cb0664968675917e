// Starts a program and reports, from outside it, when the X server maps each of its top-level
// windows: "map <ms since start> <monotonic ns> <window id> <title>", one line per window.
// Usage: bench_mapwatch [--output FILE] -- program [arguments...]
// The program's output goes to FILE (or nowhere); the watch ends when the program ends.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::string Title(Display* display, Window window)
{
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        std::string title(name);
        XFree(name);
        return title;
    }
    return {};
}

int Usage()
{
    std::fputs("usage: bench_mapwatch [--output FILE] -- program [arguments...]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const char* output = "/dev/null";
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (std::strcmp(argv[first], "--output") == 0 && first + 1 < argc)
            output = argv[++first];
        else
            return Usage();
    }
    if (first >= argc)
        return Usage();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("bench_mapwatch: cannot open the display\n", stderr);
        return 1;
    }
    // Every top-level window is a child of the root; without a window manager its map is
    // reported here as soon as the server has mapped it.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const int fd = ConnectionNumber(display);

    std::fflush(stdout);
    const long long start = MonotonicNs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 1;
    }
    if (pid == 0) {
        close(fd);
        const int out = open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = open("/dev/null", O_RDONLY);
        if (out < 0 || in < 0)
            _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        execvp(argv[first], argv + first);
        _exit(127);
    }
    std::printf("pid %d\n", static_cast<int>(pid));
    std::fflush(stdout);

    int status = 0;
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            const long long at = MonotonicNs();
            std::printf("map %.3f %lld 0x%lx %s\n", double(at - start) / 1e6, at,
                        static_cast<unsigned long>(event.xmap.window),
                        Title(display, event.xmap.window).c_str());
            std::fflush(stdout);
        }
        if (waitpid(pid, &status, WNOHANG) == pid)
            break;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 20000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    std::printf("exit %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    XCloseDisplay(display);
    return 0;
}
