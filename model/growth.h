// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// How the cost of Shell sort grows with the length of the sequence: for each
// formula, the average number of comparisons over random sequences of each
// size, and the power of n that fits those averages best. A seed fixes the
// sample, so a chart and vellora-trace --growth show the same numbers.
#pragma once

#include "formulas.h"

#include <QVector>

#include <array>
#include <functional>
#include <optional>

// The seed when none is given: the year Shell published his sort.
constexpr quint32 growth_default_seed = 1959;

// 10 to 1000, six sizes a decade: 10^(k/6) rounded.
QVector<qint32> growth_sizes();

// How many random sequences of n numbers an average takes: more for short
// ones, whose costs scatter most, so that every size costs about the same.
qint32 growth_samples(qint32 n);

struct Growth {
    quint32 seed = 0;
    QVector<qint32> sizes;
    QVector<qint32> samples; // per size
    // averages[f][i]: formula f's mean number of comparisons at sizes[i].
    std::array<QVector<double>, formula_count> averages;
    // Formula f's fitted_exponent over all sizes.
    std::array<double, formula_count> exponents{};
};

// Told the share of the work done, from 0 up to below 1, after every
// millisecond or so of work; returning false cancels.
using GrowthProgress = std::function<bool(double done)>;

// For each size in order, draws its samples from QRandomGenerator(seed), n
// numbers from 1 to n each, as the window draws a random sequence, and has
// every formula sort each sample by the sort that records traces. Sizes must
// be at least 1. Nothing when cancelled. Shares no state: any thread may run it.
std::optional<Growth> compute_growth(quint32 seed, const GrowthProgress &progress = {},
                                     const QVector<qint32> &sizes = growth_sizes());

// The least-squares slope of log(value) against log(size), over the points
// whose value is positive: c·n^e gives e. NaN without two distinct sizes.
double fitted_exponent(const QVector<qint32> &sizes, const QVector<double> &values);
