// Owns an X selection and never answers a request for it: a clipboard
// manager that has hung. Runs until it is killed.
//   xsilentowner SELECTION-NAME

#include <X11/Xlib.h>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: xsilentowner SELECTION-NAME\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xsilentowner: cannot open the display\n");
        return 1;
    }
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, XInternAtom(display, argv[1], False), window, CurrentTime);
    XSync(display, False);
    std::printf("owning\n");
    std::fflush(stdout);
    for (XEvent event;;)
        XNextEvent(display, &event); // requests arrive and are ignored
}
