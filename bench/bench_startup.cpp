// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Start-up time: from the start of the process to the main window's first
// expose having been handled (its first frame drawn). Prints milliseconds.
//
// The start is the wall-clock time in nanoseconds given as the only argument,
// which a wrapper takes just before starting the process (bench/startup.sh);
// without it, the kernel's record of the process start is used, which is only
// as fine as the clock tick.
#include "legibility.h"
#include "mainwindow.h"
#include "translations.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace
{

double nowNs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

// Process start from /proc/self/stat, in CLOCK_BOOTTIME nanoseconds; -1 if unreadable.
double processStartBoottimeNs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name may hold blanks; the fields after it are plain.
    const int close = line.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // starttime is field 22 of the whole line, the 20th after the name.
    if (fields.size() < 20)
        return -1;
    const double ticks = fields.at(19).toDouble();
    return ticks / double(sysconf(_SC_CLK_TCK)) * 1e9;
}

// Notes the first expose of the window and measures once it has been handled.
class ExposeWatch : public QObject
{
public:
    ExposeWatch(QWidget *window, std::function<void()> done) : window(window), done(done) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen && event->type() == QEvent::Expose && watched == window->windowHandle()) {
            seen = true;
            // Queued, so it runs after the expose has been painted.
            QTimer::singleShot(0, this, done);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *window;
    std::function<void()> done;
    bool seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // Taken first, in case the fallback below is needed.
    const bool given = argc == 2;
    const double startRealNs = given ? QByteArray(argv[1]).toDouble() : 0.0;
    const double startBootNs = given ? 0.0 : processStartBoottimeNs();
    if (given)
        argc = 1; // the toolkit need not see it

    QApplication app(argc, argv);
    // As the program starts: its language, then the font that fits the form.
    install_translations();
    QApplication::setFont(fitting_font(QApplication::font()));
    MainWindow window(nullptr);
    ExposeWatch watch(&window, [&] {
        const double ms = given ? (nowNs(CLOCK_REALTIME) - startRealNs) / 1e6
                                : (nowNs(CLOCK_BOOTTIME) - startBootNs) / 1e6;
        std::printf("%.1f\n", ms);
        std::fflush(stdout);
        app.quit();
    });
    app.installEventFilter(&watch);
    window.show();
    // A platform that never exposes the window would otherwise hang the run.
    QTimer::singleShot(10000, &app, [&] {
        std::fprintf(stderr, "the window was not exposed within 10 s\n");
        app.exit(1);
    });
    return app.exec();
}
