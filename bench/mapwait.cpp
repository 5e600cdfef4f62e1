// SPDX-License-Identifier: MIT
// mapwait.cpp: starts a program and prints the milliseconds until the X server maps its window
// titled NAME, timed from the server's own MapNotify event, then the program's pid. The
// program is left running. Usage: mapwait NAME PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

static double nowMs()
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static bool titled(Display *display, Window window, const char *name)
{
    char *title = nullptr;
    const bool match
            = XFetchName(display, window, &title) && title && std::strcmp(title, name) == 0;
    if (title)
        XFree(title);
    return match;
}

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwait NAME PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwait: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && titled(display, event.xmap.window, argv[1])) {
            std::printf("%.1f %d\n", nowMs() - start, int(pid));
            return 0;
        }
    }
}
