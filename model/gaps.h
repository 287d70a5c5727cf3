// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The seven gap formulas Vellora offers. Each generator empties the list and
// fills it with the gaps in the order they are applied, largest first.
#pragma once

#include <QString>
#include <QVector>

using GapGenerator = void (*)(qint32 n, QVector<qint32> *gaps);

void shell_gaps(qint32 n, QVector<qint32> *gaps);
void hibbard_gaps(qint32 n, QVector<qint32> *gaps);
void sedgewick_gaps(qint32 n, QVector<qint32> *gaps);
void pratt_gaps(qint32 n, QVector<qint32> *gaps);
void fibonacci_gaps(qint32 n, QVector<qint32> *gaps);
void knuth_gaps(qint32 n, QVector<qint32> *gaps);
void ciura_gaps(qint32 n, QVector<qint32> *gaps);
