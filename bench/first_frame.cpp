// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Starts a program on the current X display and reports, on one line, the seconds from exec to
// the first paint of a window at least WIDTH x HEIGHT, and the program's peak resident memory
// in KiB. The paint is seen through the X DAMAGE extension on the root window, so the program
// under test needs no instrumentation.
// usage: first_frame WIDTH HEIGHT PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_frame: no X display with the DAMAGE extension\n");
        return 1;
    }
    XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
    XSync(display, False);
    // The damage object first reports the whole screen; only what comes after the exec counts.
    while (XPending(display) > 0) {
        XEvent stale;
        XNextEvent(display, &stale);
    }
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        std::perror("exec");
        _exit(127);
    }
    double painted = -1;
    while (painted < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != damageEvent + XDamageNotify)
            continue;
        const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
        if (damage.area.width >= width && damage.area.height >= height && damage.area.width < screenWidth)
            painted = now() - start;
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("%.4f %ld\n", painted, usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
