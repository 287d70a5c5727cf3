// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Processor use of timed playback in the real window. Plays for a while at
// the start speed and reports the share of one core the process used, then
// plays a whole trace at the fastest speed and reports steps per second.
// Run with QT_QPA_PLATFORM=offscreen when there is no display.
#include "mainwindow.h"
#include "visualizer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace
{

double cpu_seconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;

    MainWindow window;
    window.show();
    auto *vis = window.findChild<Visualizer *>();
    auto *play = window.findChild<QPushButton *>(QStringLiteral("playButton"));
    auto *speed = window.findChild<QSlider *>(QStringLiteral("playSpeed"));

    // A long trace, so that the playback outlasts the measurement.
    QString text;
    for (int i = 100; i > 0; --i)
        text += QString::number(i) + u' ';
    window.findChild<QRadioButton *>(QStringLiteral("userDefineRadio"))->click();
    window.findChild<QLineEdit *>(QStringLiteral("userDefLine"))->setText(text);
    window.findChild<QPushButton *>(QStringLiteral("applyButton"))->click();

    QElapsedTimer wall;
    double cpu_start = 0;
    QTimer::singleShot(seconds * 1000, play, &QPushButton::click); // the stop request
    QTimer::singleShot(0, play, [&] {
        wall.start();
        cpu_start = cpu_seconds();
        play->click();
        const double cpu = cpu_seconds() - cpu_start;
        const double elapsed = double(wall.elapsed()) / 1000.0;
        std::printf("start speed (%d of %d): %d steps in %.2f s, cpu %.3f s = %.2f%% of one core\n",
                    speed->value(), speed->maximum(), vis->cur_step, elapsed, cpu,
                    100.0 * cpu / elapsed);

        vis->set_current_step(0);
        speed->setValue(speed->maximum());
        wall.restart();
        const double fast_cpu_start = cpu_seconds();
        play->click();
        const double fast = double(wall.elapsed()) / 1000.0;
        std::printf("fastest speed: %d steps in %.3f s = %.0f steps/s, cpu %.0f%% of one core\n",
                    vis->cur_step, fast, vis->cur_step / fast,
                    100.0 * (cpu_seconds() - fast_cpu_start) / fast);
        window.close();
    });
    return app.exec();
}
