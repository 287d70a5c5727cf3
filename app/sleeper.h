// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The playback timer: a thread whose only work is one sleep of delay_ms.
// The sleep can be cut short, so that stopping a playback or closing the
// window never waits out a long delay.
#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// The pause per step, in milliseconds, that the speed slider sets: five
// seconds at the slow end, none at the fast end.
constexpr qint32 playback_delay_ms(int value, int maximum)
{
    return maximum > 0 ? qint32(5000 * (1 - double(value) / maximum)) : 0;
}

class Sleeper : public QThread
{
public:
    explicit Sleeper(QObject *parent);
    ~Sleeper() override;

    // Ends a sleep in progress, and the next one too unless rearm() comes first.
    void interrupt();
    // Allows full sleeps again; call only while the thread is not running.
    void rearm();

    qint32 delay_ms = 0;

protected:
    void run() override;

private:
    QMutex mutex;
    QWaitCondition woken;
    bool interrupted = false;
};
