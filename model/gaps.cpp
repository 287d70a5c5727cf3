// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "gaps.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <iterator>
#include <set>

// Intermediate terms are computed in 64 bits so that no n can overflow them;
// every term that reaches the list is below n and fits in 32 bits.

void shell_gaps(qint32 n, QVector<qint32> *gaps)
{
    gaps->clear();
    for (qint32 h = n / 2; h > 0; h /= 2)
        gaps->append(h);
}

void hibbard_gaps(qint32 n, QVector<qint32> *gaps)
{
    gaps->clear();
    if (n <= 1)
        return;
    qint64 k = 1;
    qint64 h = 1;
    do {
        gaps->append(qint32(h));
        ++k;
        h = (qint64(1) << k) - 1;
    } while (h < n);
    std::reverse(gaps->begin(), gaps->end());
}

void sedgewick_gaps(qint32 n, QVector<qint32> *gaps)
{
    gaps->clear();
    // Two elements still need one pass to end sorted.
    if (n == 2) {
        gaps->append(1);
        return;
    }
    for (int i = 0;; ++i) {
        qint64 h;
        if (i % 2 == 0)
            h = 9 * ((qint64(1) << i) - (qint64(1) << (i / 2))) + 1;
        else
            h = (qint64(1) << (i + 3)) - 6 * (qint64(1) << ((i + 1) / 2)) + 1;
        if (3 * h > n)
            break;
        gaps->append(qint32(h));
    }
    std::reverse(gaps->begin(), gaps->end());
}

void pratt_gaps(qint32 n, QVector<qint32> *gaps)
{
    gaps->clear();
    if (n <= 1)
        return;
    std::set<qint64> terms;
    for (qint64 p2 = 1; p2 < n; p2 *= 2)
        for (qint64 v = p2; v < n; v *= 3)
            terms.insert(v);
    for (auto it = terms.rbegin(); it != terms.rend(); ++it)
        gaps->append(qint32(*it));
}

void fibonacci_gaps(qint32 n, QVector<qint32> *gaps)
{
    gaps->clear();
    gaps->append(1);
    gaps->append(2);
    for (;;) {
        const qint64 next = qint64(gaps->at(gaps->size() - 1)) + gaps->at(gaps->size() - 2);
        if (next >= n)
            break;
        gaps->append(qint32(next));
    }
    std::reverse(gaps->begin(), gaps->end());
}

void knuth_gaps(qint32 n, QVector<qint32> *gaps)
{
    gaps->clear();
    // Two elements still need one pass to end sorted.
    if (n == 2) {
        gaps->append(1);
        return;
    }
    const qint32 m = n / 3;
    if (m < 1)
        return;
    qint64 h = 1;
    qint64 p = 3;
    do {
        gaps->append(qint32(h));
        p *= 3;
        h = (p - 1) / 2;
    } while (h <= m);
    std::reverse(gaps->begin(), gaps->end());
}

void ciura_gaps(qint32 n, QVector<qint32> *gaps)
{
    gaps->clear();
    // Ciura's terms, found by search for the sizes he studied; beyond 701 each
    // term is the one before times 2.25, rounded down, as is common practice.
    static constexpr qint32 found[] = {1, 4, 10, 23, 57, 132, 301, 701};
    qint64 h = 0;
    for (size_t i = 0;; ++i) {
        h = i < std::size(found) ? found[i] : 9 * h / 4;
        if (h >= n)
            break;
        gaps->append(qint32(h));
    }
    std::reverse(gaps->begin(), gaps->end());
}
