// Measures how long a program takes to show its first window, event-driven:
// it watches the X server for the window being mapped (MapNotify) and for the
// first drawing into it (a Damage event), then reads the program's resident
// memory after a second of idling and ends it.
//   startup_probe PROGRAM [ARGUMENTS...]
// prints: map_ms paint_ms rss_kib

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Waits for the next X event, at most `timeoutMs`; false on time-out.
bool nextEvent(Display *display, XEvent &event, int timeoutMs)
{
    const int fd = ConnectionNumber(display);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!XPending(display)) {
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{long(left.count() / 1000000), long(left.count() % 1000000)};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    XNextEvent(display, &event);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_probe: the X server has no Damage extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    Window shown = 0;
    double mapMs = -1, paintMs = -1;
    XEvent event;
    while (paintMs < 0 && nextEvent(display, event, 10000)) {
        if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
            // Watch every new top-level window for drawing from the start.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && !shown && !event.xmap.override_redirect) {
            shown = event.xmap.window;
            mapMs = millisecondsSince(start);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            if (shown && damage.drawable == shown)
                paintMs = millisecondsSince(start);
        }
    }
    if (paintMs < 0) {
        std::fprintf(stderr, "startup_probe: no window was painted within 10 s\n");
        kill(pid, SIGKILL);
        return 1;
    }
    sleep(1);
    const long rss = residentKib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.2f %.2f %ld\n", mapMs, paintMs, rss);
    XCloseDisplay(display);
    return 0;
}
