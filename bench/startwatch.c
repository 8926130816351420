/* Times a program's start on an X display, event-driven: from exec to its first top-level window
 * being mapped (MapNotify on the root) and to the first drawing into it (a DAMAGE report), then
 * reads its peak resident memory and ends it.
 * usage: startwatch SETTLE_MS PROGRAM [ARGS...]   prints: map_ms paint_ms peak_rss_kb
 *
 * The server reports a whole window as damaged when a DAMAGE object is created on a window that is
 * already shown, so watching a window only once it maps would count that report as the first paint.
 * Every top-level window is watched from its creation instead, while it is still unmapped; a window
 * that was mapped before the watch reached the server has its creation report skipped. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static long peak_rss_kb(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    long kb = -1;
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "VmHWM:", 6) == 0) kb = strtol(line + 6, NULL, 10);
    fclose(f);
    return kb;
}

/* A window may be gone before it is looked at; that is not an error here. */
static int ignore_errors(Display* dpy, XErrorEvent* e) {
    (void)dpy;
    (void)e;
    return 0;
}

#define MAX_WATCHED 256
static struct {
    Window window;
    int skip; /* damage reports still to ignore: the creation report of a window already shown */
} watched[MAX_WATCHED];
static int watched_count;

static void watch(Display* dpy, Window w) {
    if (watched_count == MAX_WATCHED) return;
    XDamageCreate(dpy, w, XDamageReportRawRectangles);
    XWindowAttributes a;
    const int shown = XGetWindowAttributes(dpy, w, &a) && a.map_state == IsViewable;
    watched[watched_count].window = w;
    watched[watched_count].skip = shown ? 1 : 0;
    ++watched_count;
}

/* Whether a damage report on w is a drawing, not the creation report. */
static int is_drawing(Window w) {
    for (int i = 0; i < watched_count; ++i) {
        if (watched[i].window != w) continue;
        if (watched[i].skip > 0) {
            --watched[i].skip;
            return 0;
        }
        return 1;
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: startwatch SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int settle = atoi(argv[1]);
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "startwatch: no display\n");
        return 2;
    }
    int damage_event, damage_error;
    if (!XDamageQueryExtension(dpy, &damage_event, &damage_error)) {
        fprintf(stderr, "startwatch: no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        /* its own process group, so helpers it starts end with it */
        setpgid(0, 0);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    setpgid(pid, pid);
    double mapped = -1, painted = -1;
    Window shown = None;
    const int fd = ConnectionNumber(dpy);
    int status;
    while (painted < 0 && now_ms() - start < 20000) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "startwatch: %s ended before it painted (status %d)\n", argv[2], status);
            return 1;
        }
        if (!XPending(dpy)) {
            struct pollfd p = {fd, POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type == CreateNotify && e.xcreatewindow.parent == root) {
            watch(dpy, e.xcreatewindow.window);
        } else if (e.type == MapNotify && e.xmap.event == root && mapped < 0) {
            XWindowAttributes a;
            if (XGetWindowAttributes(dpy, e.xmap.window, &a) && a.width > 50 && !a.override_redirect) {
                mapped = now_ms() - start;
                shown = e.xmap.window;
            }
        } else if (e.type == damage_event + XDamageNotify) {
            const XDamageNotifyEvent* d = (const XDamageNotifyEvent*)&e;
            if (is_drawing(d->drawable) && d->drawable == shown) painted = now_ms() - start;
        }
    }
    usleep((useconds_t)settle * 1000);
    const long rss = peak_rss_kb(pid);
    kill(-pid, SIGTERM);
    /* a program that ignores the request is ended after two seconds */
    for (int i = 0; i < 200 && waitpid(pid, NULL, WNOHANG) != pid; ++i) usleep(10000);
    if (kill(pid, 0) == 0) {
        kill(-pid, SIGKILL);
        waitpid(pid, NULL, 0);
    }
    printf("%.1f %.1f %ld\n", mapped, painted, rss);
    return painted < 0 ? 1 : 0;
}
