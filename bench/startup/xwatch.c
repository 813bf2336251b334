/* Times a program's start to its first painted window, from X events rather than polling.
 *
 *   xwatch [-C dir] [-t title] [-a percent] [-s settle_ms] [-w timeout_ms] [-o frame.ppm] [-v]
 *          -- cmd [arg...]
 *
 * Starts cmd in dir (in a process group of its own), waits for the first top-level window
 * whose title contains title, and prints one line:
 *
 *   status=ok map_ms=101.2 paint_ms=117.4 peak_kib=49152
 *
 * map_ms: from just before exec to the window's map (or to its title matching, if the title
 * comes later). paint_ms: to the moment the damage drawn into the window since its map first
 * covers percent of it (50 unless told). Qt, and KDE's programs on Qt, set no background on
 * their windows, so the server paints nothing at the map; the first frame is one image of the
 * whole window, flushed once everything in it is laid out and drawn. Half the window tells
 * that frame from the small repaints that can come before it (a caret, a status bar), which
 * never add up to half. peak_kib: the program's VmHWM after settle_ms (1500 unless told)
 * from the paint, so that it covers the first screen and whatever the program does at once
 * after it. The program's process group is then ended.
 *
 * Damage is watched on the root window, set up before the program starts: with no
 * compositor, drawing into any window is damage to the root, so no paint can slip in between
 * the map and the watcher's asking for the window's damage.
 *
 * Exits 0 with status=ok; 1 with status=timeout (no painted window in timeout_ms, 60000
 * unless told), status=exited (the program ended first) or status=stopped (xwatch was told to
 * stop by a signal, and ended the program), printing what was seen; 2 on a
 * usage or set-up error. -o writes the window as it is when that frame is seen (a binary PPM),
 * to check what was timed: a frame with no words in it would have been a dialog in front
 * or an empty window filled later. -v logs the window's map and all damage to stderr. */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xregion.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/signalfd.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static void usage(void) {
    fprintf(stderr, "usage: xwatch [-C dir] [-t title] [-a percent] [-s settle_ms] "
                    "[-w timeout_ms] [-o frame.ppm] [-v] -- cmd [arg...]\n");
    exit(2);
}

static long number(const char* s, long lo, long hi) {
    char* end;
    errno = 0;
    const long v = strtol(s, &end, 10);
    if (errno || *end || end == s || v < lo || v > hi)
        usage();
    return v;
}

/* The window's title, as _NET_WM_NAME (what Qt sets, in UTF-8) or else WM_NAME; caller frees. */
static char* title_of(Display* dpy, Window w) {
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(dpy, w, XInternAtom(dpy, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(dpy, "UTF8_STRING", False), &type, &format, &n, &after,
                           &data) == Success &&
        data && format == 8)
        return (char*)data;
    if (data)
        XFree(data);
    char* name = NULL;
    if (XFetchName(dpy, w, &name) && name)
        return name;
    return NULL;
}

static int title_matches(Display* dpy, Window w, const char* want) {
    char* t = title_of(dpy, w);
    const int yes = t && strstr(t, want);
    if (t)
        XFree(t);
    return yes;
}

/* A window that vanishes between its event and our request is no error worth stopping for. */
static int ignore_errors(Display* dpy, XErrorEvent* e) {
    (void)dpy;
    (void)e;
    return 0;
}

static long peak_kib(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    long kib = -1;
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    fclose(f);
    return kib;
}

/* Ends the program's process group: politely, then for good if it lingers. */
static void end_program(pid_t pid, int sigfd) {
    kill(-pid, SIGTERM);
    const double give_up = now_ms() + 3000;
    for (;;) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            break;
        const double left = give_up - now_ms();
        if (left <= 0) {
            kill(-pid, SIGKILL);
            waitpid(pid, NULL, 0);
            break;
        }
        struct pollfd p = {sigfd, POLLIN, 0};
        if (poll(&p, 1, (int)left + 1) > 0) {
            struct signalfd_siginfo si;
            if (read(sigfd, &si, sizeof si) < 0) { /* drained; the waitpid above decides */
            }
        }
    }
    kill(-pid, SIGKILL); /* anything the program left behind in its group */
}

static void write_frame(Display* dpy, Window root, int x, int y, int w, int h, const char* path) {
    XImage* im = XGetImage(dpy, root, x, y, (unsigned)w, (unsigned)h, AllPlanes, ZPixmap);
    FILE* f = im ? fopen(path, "wb") : NULL;
    if (!f) {
        fprintf(stderr, "xwatch: cannot write %s\n", path);
    } else {
        fprintf(f, "P6 %d %d 255\n", w, h);
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col) {
                const unsigned long px = XGetPixel(im, col, row);
                const unsigned char rgb[3] = {(unsigned char)(px >> 16), (unsigned char)(px >> 8),
                                              (unsigned char)px};
                fwrite(rgb, 1, 3, f);
            }
        fclose(f);
    }
    if (im)
        XDestroyImage(im);
}

/* A region's rectangles never overlap, so their areas add up to its own. */
static long area_of(Region r) {
    long a = 0;
    for (long i = 0; i < r->numRects; ++i)
        a += (long)(r->rects[i].x2 - r->rects[i].x1) * (r->rects[i].y2 - r->rects[i].y1);
    return a;
}

struct geometry {
    int x, y, w, h;
};

int main(int argc, char** argv) {
    const char* dir = NULL;
    const char* want = "";
    const char* frame = NULL;
    long percent = 50, settle = 1500, timeout = 60000;
    int verbose = 0, opt;
    while ((opt = getopt(argc, argv, "+C:t:a:s:w:o:v")) != -1) {
        switch (opt) {
        case 'C': dir = optarg; break;
        case 't': want = optarg; break;
        case 'a': percent = number(optarg, 1, 100); break;
        case 's': settle = number(optarg, 0, 600000); break;
        case 'w': timeout = number(optarg, 1, 3600000); break;
        case 'o': frame = optarg; break;
        case 'v': verbose = 1; break;
        default: usage();
        }
    }
    if (optind >= argc)
        usage();
    char** cmd = argv + optind;

    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xwatch: cannot open the display\n");
        return 2;
    }
    int damage_event, damage_error;
    if (!XDamageQueryExtension(dpy, &damage_event, &damage_error)) {
        fprintf(stderr, "xwatch: the X server has no Damage extension\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XDamageCreate(dpy, root, XDamageReportRawRectangles);
    XSync(dpy, False);

    /* Signals come as events too: the program's end, and being told to stop, which must not
     * leave the program running in its own process group. */
    sigset_t sigs;
    sigemptyset(&sigs);
    sigaddset(&sigs, SIGCHLD);
    sigaddset(&sigs, SIGTERM);
    sigaddset(&sigs, SIGINT);
    sigaddset(&sigs, SIGHUP);
    sigprocmask(SIG_BLOCK, &sigs, NULL);
    const int sigfd = signalfd(-1, &sigs, SFD_CLOEXEC);
    int failed[2];
    if (sigfd < 0 || pipe2(failed, O_CLOEXEC) < 0) {
        perror("xwatch");
        return 2;
    }
    /* The child writes its clock reading here just before exec, so that the time origin
     * leaves out the fork. */
    double* start = mmap(NULL, sizeof *start, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS,
                         -1, 0);
    if (start == MAP_FAILED) {
        perror("xwatch");
        return 2;
    }
    *start = now_ms();

    const pid_t pid = fork();
    if (pid < 0) {
        perror("xwatch");
        return 2;
    }
    if (pid == 0) {
        setpgid(0, 0);
        sigprocmask(SIG_UNBLOCK, &sigs, NULL);
        close(ConnectionNumber(dpy));
        int err = 0;
        if (dir && chdir(dir) < 0)
            err = errno;
        if (!err) {
            *start = now_ms();
            execvp(cmd[0], cmd);
            err = errno;
        }
        if (write(failed[1], &err, sizeof err) < 0) { /* the parent sees a short read */
        }
        _exit(127);
    }
    setpgid(pid, pid); /* either side may get there first */
    close(failed[1]);
    int exec_errno = 0;
    if (read(failed[0], &exec_errno, sizeof exec_errno) == sizeof exec_errno) {
        fprintf(stderr, "xwatch: cannot start %s: %s\n", cmd[0], strerror(exec_errno));
        waitpid(pid, NULL, 0);
        return 2;
    }
    close(failed[0]);

    const Atom net_wm_name = XInternAtom(dpy, "_NET_WM_NAME", False);
    Window target = None;
    struct geometry g = {0, 0, 0, 0};
    Region painted = XCreateRegion();
    double map_at = -1, paint_at = -1;
    int exited = 0, stopped = 0;
    const double deadline = *start + timeout;
    double settle_until = -1;

    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            const double t = now_ms();
            if (ev.type == MapNotify && target == None && ev.xmap.event == root) {
                const Window w = ev.xmap.window;
                /* Hear of a title set after the map. */
                XSelectInput(dpy, w, PropertyChangeMask);
                if (title_matches(dpy, w, want))
                    target = w;
            } else if (ev.type == PropertyNotify && target == None &&
                       (ev.xproperty.atom == net_wm_name || ev.xproperty.atom == XA_WM_NAME) &&
                       title_matches(dpy, ev.xproperty.window, want)) {
                target = ev.xproperty.window;
            } else if (ev.type == ConfigureNotify && ev.xconfigure.window == target) {
                g = (struct geometry){ev.xconfigure.x + ev.xconfigure.border_width,
                                      ev.xconfigure.y + ev.xconfigure.border_width,
                                      ev.xconfigure.width, ev.xconfigure.height};
                if (verbose)
                    fprintf(stderr, "%8.1f configure %dx%d+%d+%d\n", t - *start, g.w, g.h, g.x,
                            g.y);
            } else if (ev.type == damage_event + XDamageNotify && target != None) {
                const XDamageNotifyEvent* d = (const XDamageNotifyEvent*)&ev;
                XRectangle r = {d->area.x, d->area.y, d->area.width, d->area.height};
                Region one = XCreateRegion(), win = XCreateRegion();
                XUnionRectWithRegion(&r, one, one);
                XRectangle wr = {(short)g.x, (short)g.y, (unsigned short)g.w,
                                 (unsigned short)g.h};
                XUnionRectWithRegion(&wr, win, win);
                XIntersectRegion(one, win, one);
                XUnionRegion(painted, one, painted);
                XDestroyRegion(one);
                XDestroyRegion(win);
                if (verbose)
                    fprintf(stderr, "%8.1f damage %dx%d+%d+%d%s\n", t - *start, r.width, r.height,
                            r.x, r.y, d->more ? " (more)" : "");
                if (paint_at < 0 && g.w > 0 && area_of(painted) * 100 >= percent * (long)g.w * g.h) {
                    paint_at = t;
                    settle_until = t + settle;
                    if (frame)
                        write_frame(dpy, root, g.x, g.y, g.w, g.h, frame);
                }
            }
            if (target != None && map_at < 0) {
                map_at = t;
                XWindowAttributes a;
                if (XGetWindowAttributes(dpy, target, &a))
                    g = (struct geometry){a.x + a.border_width, a.y + a.border_width, a.width,
                                          a.height};
                if (verbose) {
                    char* title = title_of(dpy, target);
                    fprintf(stderr, "%8.1f map %dx%d+%d+%d \"%s\"\n", t - *start, g.w, g.h, g.x,
                            g.y, title ? title : "");
                    if (title)
                        XFree(title);
                }
            }
        }
        const double now = now_ms();
        if (exited || stopped || (settle_until >= 0 && now >= settle_until) ||
            (settle_until < 0 && now >= deadline))
            break;
        struct pollfd p[2] = {{ConnectionNumber(dpy), POLLIN, 0}, {sigfd, POLLIN, 0}};
        const double until = settle_until >= 0 ? settle_until : deadline;
        if (poll(p, 2, (int)(until - now) + 1) < 0 && errno != EINTR) {
            perror("xwatch");
            break;
        }
        if (p[1].revents & POLLIN) {
            struct signalfd_siginfo si;
            if (read(sigfd, &si, sizeof si) == sizeof si) {
                if (si.ssi_signo != SIGCHLD)
                    stopped = 1;
                else if (waitpid(pid, NULL, WNOHANG) == pid)
                    exited = 1;
            }
        }
    }

    const long kib = exited ? -1 : peak_kib(pid);
    if (!exited)
        end_program(pid, sigfd);
    const char* status = exited    ? "exited"
                         : stopped ? "stopped"
                         : paint_at >= 0 ? "ok"
                                         : "timeout";
    printf("status=%s map_ms=%.1f paint_ms=%.1f peak_kib=%ld\n", status,
           map_at >= 0 ? map_at - *start : -1.0, paint_at >= 0 ? paint_at - *start : -1.0, kib);
    return strcmp(status, "ok") == 0 ? 0 : 1;
}
