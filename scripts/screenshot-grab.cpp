// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// screenshot-grab: a helper of screenshot.sh, not part of Vellora. Gives an X
// window the keyboard focus, sends it key presses, and saves its picture.
//
// Usage: screenshot-grab [--root] WINDOW_ID OUTPUT.png [KEYSYM ...]
// KEYSYM is an X key name such as Next (Page Down) or Right. With --root the
// picture is of the whole screen, after the keys went to the window.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

void send_key(Display *display, Window window, KeySym keysym)
{
    XKeyEvent event{};
    event.display = display;
    event.window = window;
    event.root = DefaultRootWindow(display);
    event.subwindow = None;
    event.time = CurrentTime;
    event.same_screen = True;
    event.keycode = XKeysymToKeycode(display, keysym);
    event.type = KeyPress;
    XSendEvent(display, window, True, KeyPressMask, reinterpret_cast<XEvent *>(&event));
    event.type = KeyRelease;
    XSendEvent(display, window, True, KeyReleaseMask, reinterpret_cast<XEvent *>(&event));
    XFlush(display);
}

} // namespace

int main(int argc, char *argv[])
{
    const bool whole_screen = argc > 1 && std::strcmp(argv[1], "--root") == 0;
    if (whole_screen) {
        --argc;
        ++argv;
    }
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: screenshot-grab [--root] WINDOW_ID OUTPUT.png [KEYSYM ...]\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "screenshot-grab: no X display\n");
        return 1;
    }
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XFlush(display);
    QThread::msleep(300);
    for (int i = 3; i < argc; ++i) {
        const KeySym keysym = XStringToKeysym(argv[i]);
        if (keysym == NoSymbol) {
            std::fprintf(stderr, "screenshot-grab: unknown key %s\n", argv[i]);
            return 2;
        }
        send_key(display, window, keysym);
        QThread::msleep(150);
    }
    QThread::msleep(500);
    XCloseDisplay(display);

    QGuiApplication app(argc, argv);
    const QImage image = app.primaryScreen()->grabWindow(whole_screen ? 0 : WId(window)).toImage();
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]), "PNG", 9)) {
        std::fprintf(stderr, "screenshot-grab: could not grab window %s into %s\n", argv[1],
                     argv[2]);
        return 1;
    }
    return 0;
}
