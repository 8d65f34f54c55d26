// Owns an X selection and never answers a request for it: a clipboard
// manager that has hung. Runs until it is killed. Prints "owning" once it
// owns the selection and "request" for each request it leaves unanswered.
//   xsilentowner SELECTION-NAME [WINDOW]
// With WINDOW it also takes the selection back right after a copy: it sends
// Ctrl+C to that window, and while the program is busy copying it takes the
// selection with a later time than the program's, so that the program's
// claim comes second and the program has lost the clipboard by the time it
// looks. The server is held (XGrabServer) meanwhile, which makes the order
// certain: the program's requests wait until the takeover is done.

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <unistd.h>

namespace {

void sendCtrlC(Display *display, Window window)
{
    for (const int type : {KeyPress, KeyRelease}) {
        XKeyEvent key{};
        key.type = type;
        key.display = display;
        key.window = window;
        key.root = DefaultRootWindow(display);
        key.time = CurrentTime;
        key.state = ControlMask;
        key.keycode = XKeysymToKeycode(display, XK_c);
        key.same_screen = True;
        XEvent event{};
        event.xkey = key;
        XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: xsilentowner SELECTION-NAME [WINDOW]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xsilentowner: cannot open the display\n");
        return 1;
    }
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom selection = XInternAtom(display, argv[1], False);
    XSetSelectionOwner(display, selection, window, CurrentTime);
    XSync(display, False);
    std::printf("owning\n");
    std::fflush(stdout);
    if (argc == 3) {
        XGrabServer(display);
        sendCtrlC(display, static_cast<Window>(std::strtoul(argv[2], nullptr, 0)));
        XFlush(display);
        usleep(1000 * 1000); // the program takes the key and asks for the clipboard
        XSetSelectionOwner(display, selection, window, CurrentTime);
        XUngrabServer(display);
        XSync(display, False);
        std::printf("took it after the copy\n");
        std::fflush(stdout);
    }
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == SelectionRequest) {
            std::printf("request\n"); // and no answer
            std::fflush(stdout);
        }
    }
}
