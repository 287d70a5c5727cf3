// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "growth.h"

#include "visualizer.h"

#include <QRandomGenerator>

#include <cmath>
#include <limits>

namespace
{

// Work between two progress reports, in comparisons and copied numbers: about
// a millisecond in a release build.
constexpr qint64 report_every = 1 << 18;

} // namespace

QVector<qint32> growth_sizes()
{
    return {10, 15, 22, 32, 46, 68, 100, 147, 215, 316, 464, 681, 1000};
}

qint32 growth_samples(qint32 n)
{
    return qMax(40, 40000 / qMax(n, 1));
}

std::optional<Growth> compute_growth(quint32 seed, const GrowthProgress &progress,
                                     const QVector<qint32> &sizes)
{
    Growth growth;
    growth.seed = seed;
    growth.sizes = sizes;
    qint64 total = 0;
    for (qint32 n : sizes) {
        growth.samples.append(growth_samples(n));
        total += qint64(growth.samples.last()) * n;
    }

    QRandomGenerator rng(seed);
    std::array<QVector<qint32>, formula_count> gaps;
    QVector<qint32> sample, work;
    qint64 done = 0, unreported = 0;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const qint32 n = sizes.at(i);
        for (int f = 0; f < formula_count; ++f)
            gap_generators[f](n, &gaps[f]);
        std::array<qint64, formula_count> sums{};
        sample.resize(n);
        for (qint32 k = 0; k < growth.samples.at(i); ++k) {
            if (progress && unreported >= report_every) {
                unreported = 0;
                if (!progress(double(done) / double(total)))
                    return std::nullopt;
            }
            for (qint32 &v : sample)
                v = qint32(rng.bounded(quint32(n))) + 1;
            for (int f = 0; f < formula_count; ++f) {
                work = sample;
                const qint32 comparisons = count_shell_sort(&work, gaps[f]).comparisons;
                sums[f] += comparisons;
                unreported += comparisons + n;
            }
            done += n;
        }
        for (int f = 0; f < formula_count; ++f)
            growth.averages[f].append(double(sums[f]) / growth.samples.at(i));
    }
    for (int f = 0; f < formula_count; ++f)
        growth.exponents[f] = fitted_exponent(sizes, growth.averages[f]);
    return growth;
}

double fitted_exponent(const QVector<qint32> &sizes, const QVector<double> &values)
{
    QVector<double> xs, ys;
    for (qsizetype i = 0; i < qMin(sizes.size(), values.size()); ++i) {
        if (sizes.at(i) > 0 && values.at(i) > 0) {
            xs.append(std::log(double(sizes.at(i))));
            ys.append(std::log(values.at(i)));
        }
    }
    double mean_x = 0, mean_y = 0;
    for (qsizetype i = 0; i < xs.size(); ++i) {
        mean_x += xs.at(i);
        mean_y += ys.at(i);
    }
    mean_x /= double(qMax(xs.size(), qsizetype(1)));
    mean_y /= double(qMax(xs.size(), qsizetype(1)));
    double sxy = 0, sxx = 0;
    for (qsizetype i = 0; i < xs.size(); ++i) {
        sxy += (xs.at(i) - mean_x) * (ys.at(i) - mean_y);
        sxx += (xs.at(i) - mean_x) * (xs.at(i) - mean_x);
    }
    return sxx > 0 ? sxy / sxx : std::numeric_limits<double>::quiet_NaN();
}
