// Prints "bell" each time a program rings the display's bell, which a
// person hears as the beep. Prints "watching" once it listens; runs until it
// is killed.
//   xbellwatch

#include <X11/XKBlib.h>

#include <cstdio>

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xbellwatch: cannot open the display\n");
        return 1;
    }
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "xbellwatch: the display has no keyboard extension\n");
        return 1;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display, False);
    std::printf("watching\n");
    std::fflush(stdout);
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == eventBase &&
            reinterpret_cast<XkbEvent *>(&event)->any.xkb_type == XkbBellNotify) {
            std::printf("bell\n");
            std::fflush(stdout);
        }
    }
}
