// What a person at an X display hears and sees of the pointer, whether the
// pointer and keyboard are free, and a program that keeps the pointer.
//   xprobe bells         prints "listening", then "bell" for every ring of
//                        the bell, whoever rang it; runs until killed
//   xprobe cursor        prints the name of the pointer's current shape
//                        ("cross", "left_ptr"; empty for the server's own),
//                        or "cross" for an unnamed shape that looks like one
//   xprobe free          exits 0 when no program holds the pointer or the
//                        keyboard (it could take both), 1 otherwise
//   xprobe hold-pointer  grabs the pointer, prints "holding", and keeps it
//                        until killed
//   xprobe owner NAME    prints the window that owns the selection NAME
//                        (CLIPBOARD, PRIMARY ...), or 0x0 when none does;
//                        asks the server only, never the owner

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

int listenToBells(Display *display)
{
    int opcode = 0, eventBase = 0, errorBase = 0;
    int major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor))
        return 1;
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display, False);
    std::puts("listening");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == eventBase &&
            reinterpret_cast<const XkbAnyEvent *>(&event)->xkb_type == XkbBellNotify) {
            std::puts("bell");
            std::fflush(stdout);
        }
    }
}

// Whether a shape looks like a cross: its four arms reach out from the hot
// spot along its row and column, and its corners are clear. Qt 6.4 makes its
// cross cursor from the X cursor font through Xlib, which names it; Qt 6.8
// makes the same cross and leaves it unnamed.
bool looksLikeCross(const XFixesCursorImage &cursor)
{
    const int width = cursor.width, height = cursor.height;
    const auto opaque = [&](int x, int y) {
        return (cursor.pixels[y * width + x] >> 24) != 0;
    };
    if (width < 8 || height < 8)
        return false;
    return opaque(2, cursor.yhot) && opaque(width - 4, cursor.yhot) && opaque(cursor.xhot, 2) &&
           opaque(cursor.xhot, height - 4) && !opaque(2, 2) && !opaque(width - 3, 2) &&
           !opaque(2, height - 3) && !opaque(width - 3, height - 3);
}

int printCursor(Display *display)
{
    XFixesCursorImage *cursor = XFixesGetCursorImage(display);
    if (!cursor)
        return 1;
    const bool named = cursor->name && *cursor->name;
    std::puts(named ? cursor->name : looksLikeCross(*cursor) ? "cross" : "");
    XFree(cursor);
    XCloseDisplay(display);
    return 0;
}

bool grabPointer(Display *display)
{
    return XGrabPointer(display, DefaultRootWindow(display), False, ButtonPressMask, GrabModeAsync,
                        GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
}

int checkFree(Display *display)
{
    const bool free = grabPointer(display) &&
                      XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                                    GrabModeAsync, CurrentTime) == GrabSuccess;
    XCloseDisplay(display); // gives back whatever was granted
    return free ? 0 : 1;
}

int holdPointer(Display *display)
{
    if (!grabPointer(display))
        return 1;
    XSync(display, False);
    std::puts("holding");
    std::fflush(stdout);
    for (;;)
        pause();
}

int printOwner(Display *display, const char *selection)
{
    const Window owner = XGetSelectionOwner(display, XInternAtom(display, selection, False));
    std::printf("0x%lx\n", owner);
    XCloseDisplay(display);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display || argc < 2)
        return 2;
    if (std::strcmp(argv[1], "owner") == 0 && argc == 3)
        return printOwner(display, argv[2]);
    if (argc != 2)
        return 2;
    if (std::strcmp(argv[1], "bells") == 0)
        return listenToBells(display);
    if (std::strcmp(argv[1], "cursor") == 0)
        return printCursor(display);
    if (std::strcmp(argv[1], "free") == 0)
        return checkFree(display);
    if (std::strcmp(argv[1], "hold-pointer") == 0)
        return holdPointer(display);
    return 2;
}
