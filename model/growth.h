// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// How the cost of Shell sort grows with the length of the sequence, measured
// as the literature does: for each formula, the average number of comparisons
// over random permutations of 1…n, drawn until the average is known to within
// half a percent, and the power of n that fits those averages best. A seed
// fixes the sample, so a chart and vellora-trace --growth show the same numbers.
#pragma once

#include "formulas.h"

#include <QVector>

#include <array>
#include <functional>
#include <optional>

class QRandomGenerator;

// The seed when none is given: the year Shell published his sort.
constexpr quint32 growth_default_seed = 1959;

// At each size, permutations are drawn until every formula's 95% confidence
// interval is within this share of its average: at least min of them, so that
// the spread is known, and at most max, which the shortest sequences reach.
constexpr double growth_precision = 0.005;
constexpr qint32 growth_min_samples = 10;
constexpr qint32 growth_max_samples = 2000;

// 10 to 1000, six sizes a decade: 10^(k/6) rounded.
QVector<qint32> growth_sizes();

// A random permutation of 1…n in *sample: the numbers in order, shuffled by
// Fisher and Yates from the last place down, each place swapped with one
// drawn from rng at or before it.
void random_permutation(QRandomGenerator &rng, qint32 n, QVector<qint32> *sample);

struct Growth {
    quint32 seed = 0;
    QVector<qint32> sizes;
    QVector<qint32> samples; // per size: the permutations averaged, the same for every formula
    // averages[f][i]: formula f's mean number of comparisons at sizes[i];
    // intervals[f][i]: half the width of its 95% confidence interval, 1.96·s/√k.
    std::array<QVector<double>, formula_count> averages;
    std::array<QVector<double>, formula_count> intervals;
    // Formula f's fitted_exponent over all sizes.
    std::array<double, formula_count> exponents{};
};

// Told an estimate of the share of the work done, rising from above 0 to
// below 1, after every millisecond or so of work; returning false cancels.
using GrowthProgress = std::function<bool(double done)>;

// For each size in order, draws permutations of 1…n by random_permutation
// from QRandomGenerator(seed), and has every formula sort each by the sort
// that records traces, until the intervals are narrow enough. Sizes must be
// at least 1. Nothing when cancelled. Shares no state: any thread may run it.
std::optional<Growth> compute_growth(quint32 seed, const GrowthProgress &progress = {},
                                     const QVector<qint32> &sizes = growth_sizes());

// The least-squares slope of log(value) against log(size), over the points
// whose value is positive: c·n^e gives e. NaN without two distinct sizes.
double fitted_exponent(const QVector<qint32> &sizes, const QVector<double> &values);
