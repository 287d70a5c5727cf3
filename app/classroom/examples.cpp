// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "examples.h"

#include "num_to_str.h"
#include "visualizer.h"

#include <QRandomGenerator>

#include <algorithm>
#include <utility>

namespace
{

// Brings count elements, drawn from all of them, to the front in random order.
void shuffle_front(QVector<qint32> *values, int count, QRandomGenerator &rng)
{
    const int n = int(values->size());
    for (int i = 0; i < qMin(count, n); ++i)
        std::swap((*values)[i], (*values)[i + int(rng.bounded(n - i))]);
}

} // namespace

QString Examples::name(Kind kind)
{
    switch (kind) {
    case Reversed:
        return tr("Reversed");
    case Sorted:
        return tr("Already sorted");
    case NearlySorted:
        return tr("Nearly sorted (two pairs swapped at random)");
    case ThreeValues:
        return tr("Only three different values, in random order");
    case BadForShell:
        return tr("Bad case for Shell's formula (16 numbers)");
    }
    return QString();
}

QVector<qint32> Examples::make(Kind kind, int n, QRandomGenerator &rng)
{
    if (kind == BadForShell)
        n = 16;
    QVector<qint32> numbers(qMax(n, 0));
    for (int i = 0; i < n; ++i)
        numbers[i] = i + 1;
    switch (kind) {
    case Reversed:
        std::reverse(numbers.begin(), numbers.end());
        break;
    case Sorted:
        break;
    case NearlySorted: {
        QVector<qint32> positions = numbers;
        shuffle_front(&positions, 4, rng);
        for (int pair = 0; 2 * pair + 1 < qMin(4, n); ++pair)
            std::swap(numbers[positions[2 * pair] - 1], numbers[positions[2 * pair + 1] - 1]);
        break;
    }
    case ThreeValues:
        for (int i = 0; i < n; ++i)
            numbers[i] = i % 3 + 1;
        shuffle_front(&numbers, n, rng);
        break;
    case BadForShell:
        // The larger half at the odd places, the smaller at the even ones.
        // Shell's gaps for 16 are all even but the last, so the halves meet
        // only in the last pass, whose insertion sort then moves nearly every
        // element far.
        for (int i = 0; i < n; ++i)
            numbers[i] = i % 2 == 0 ? n / 2 + i / 2 + 1 : i / 2 + 1;
        break;
    }
    return numbers;
}

QVector<qint32> Examples::random(int n, QRandomGenerator &rng)
{
    QVector<qint32> numbers(qMax(n, 0));
    for (qint32 &v : numbers)
        v = rng.bounded(n) + 1;
    return numbers;
}

QString Examples::as_text(const QVector<qint32> &numbers)
{
    return joined(numbers, QStringLiteral(" "));
}
