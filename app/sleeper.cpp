// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "sleeper.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

Sleeper::Sleeper(QObject *parent) : QThread(parent) {}

Sleeper::~Sleeper()
{
    // A running QThread must never be destroyed.
    interrupt();
    wait();
}

void Sleeper::interrupt()
{
    QMutexLocker lock(&mutex);
    interrupted = true;
    woken.wakeAll();
}

void Sleeper::rearm()
{
    QMutexLocker lock(&mutex);
    interrupted = false;
}

void Sleeper::run()
{
    QMutexLocker lock(&mutex);
    const QDeadlineTimer deadline(qMax(delay_ms, 0));
    while (!interrupted && !deadline.hasExpired())
        woken.wait(&mutex, deadline);
}
