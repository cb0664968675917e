// Asks an X11 window to close, as a window manager's close button does (WM_DELETE_WINDOW).
// Usage: vokabo_close_window WINDOW-ID
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: vokabo_close_window WINDOW-ID\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("vokabo_close_window: no X display\n", stderr);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event) != 0;
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
