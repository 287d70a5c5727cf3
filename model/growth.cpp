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

// How much wider a 95% confidence interval is than the standard error, for
// the normal distribution that the mean of many samples follows.
constexpr double z_95 = 1.96;

// The comparisons of every formula on the permutations drawn so far at one
// size: their sums, and the squared deviations from the running mean, kept as
// Welford does so that no large sum of squares loses the small spread.
struct Tally {
    qint32 k = 0;
    std::array<qint64, formula_count> sums{};
    std::array<double, formula_count> means{};
    std::array<double, formula_count> deviations{};

    void add(const std::array<qint32, formula_count> &comparisons)
    {
        ++k;
        for (int f = 0; f < formula_count; ++f) {
            sums[f] += comparisons[f];
            const double off = comparisons[f] - means[f];
            means[f] += off / k;
            deviations[f] += off * (comparisons[f] - means[f]);
        }
    }
    double average(int f) const { return double(sums[f]) / k; }
    double half_width(int f) const
    {
        return k > 1 ? z_95 * std::sqrt(deviations[f] / (k - 1) / k)
                     : std::numeric_limits<double>::infinity();
    }
    // The widest interval as a share of its average; none for averages of
    // nothing, as of a single number, which never vary.
    double widest_share() const
    {
        double widest = 0;
        for (int f = 0; f < formula_count; ++f)
            if (sums[f] > 0)
                widest = qMax(widest, half_width(f) / average(f));
        return k > 1 ? widest : std::numeric_limits<double>::infinity();
    }
    bool enough() const
    {
        return k >= growth_max_samples ||
               (k >= growth_min_samples && widest_share() <= growth_precision);
    }
};

// The share of the work done, guessed from the work so far, in comparisons
// and copied numbers, and the work left: the permutations that the size being
// measured seems to need, and at each size to come a cost per permutation
// about n^1.25 times higher, as the averages grow, with about 1/√n as many
// permutations, as longer sequences spread their costs less.
class Progress
{
public:
    Progress(const GrowthProgress &report, const QVector<qint32> &sizes)
        : report(report), sizes(sizes)
    {
    }

    // Before each permutation; false when the report cancels.
    bool go_on(qsizetype size, const Tally &tally)
    {
        if (!report || unreported < report_every)
            return true;
        unreported = 0;
        told = qMax(told, qMin(share_done(size, tally), below_one));
        return report(told);
    }
    void add(qint64 work)
    {
        done += work;
        unreported += work;
        size_work += work;
    }
    void size_measured(const Tally &tally)
    {
        last_cost = double(size_work) / tally.k;
        last_needed = tally.k;
        size_work = 0;
    }

private:
    // An interval narrows as 1/√k.
    double needed(const Tally &tally) const
    {
        if (tally.k < 2)
            return last_needed;
        const double share = tally.widest_share() / growth_precision;
        return qBound(double(qMax(tally.k + 1, growth_min_samples)),
                      std::ceil(tally.k * share * share), double(growth_max_samples));
    }
    double share_done(qsizetype size, const Tally &tally) const
    {
        const double n = sizes.at(size);
        double cost = last_cost;
        if (tally.k > 0)
            cost = double(size_work) / tally.k;
        else if (size > 0)
            cost *= std::pow(n / sizes.at(size - 1), 1.25);
        const double here = needed(tally);
        double left = (here - tally.k) * cost;
        for (qsizetype later = size + 1; later < sizes.size(); ++later) {
            const double longer = sizes.at(later) / n;
            left += qMax(here / std::sqrt(longer), double(growth_min_samples)) * cost *
                    std::pow(longer, 1.25);
        }
        return double(done) / (double(done) + qMax(left, cost));
    }

    static constexpr double below_one = 1 - std::numeric_limits<double>::epsilon();
    const GrowthProgress &report;
    const QVector<qint32> &sizes;
    qint64 done = 0, unreported = 0, size_work = 0;
    double last_cost = 0;
    double last_needed = growth_max_samples;
    double told = 0;
};

// Permutations of n numbers, each sorted by every formula, until the
// intervals are narrow enough; nothing when cancelled.
std::optional<Tally> measure(qsizetype size, qint32 n, QRandomGenerator &rng, Progress &progress)
{
    std::array<QVector<qint32>, formula_count> gaps;
    for (int f = 0; f < formula_count; ++f)
        gap_generators[f](n, &gaps[f]);
    Tally tally;
    QVector<qint32> sample, work;
    std::array<qint32, formula_count> comparisons{};
    do {
        if (!progress.go_on(size, tally))
            return std::nullopt;
        random_permutation(rng, n, &sample);
        qint64 cost = 0;
        for (int f = 0; f < formula_count; ++f) {
            work = sample;
            comparisons[f] = count_shell_sort(&work, gaps[f]).comparisons;
            cost += comparisons[f] + n;
        }
        tally.add(comparisons);
        progress.add(cost);
    } while (!tally.enough());
    progress.size_measured(tally);
    return tally;
}

} // namespace

QVector<qint32> growth_sizes()
{
    return {10, 15, 22, 32, 46, 68, 100, 147, 215, 316, 464, 681, 1000};
}

void random_permutation(QRandomGenerator &rng, qint32 n, QVector<qint32> *sample)
{
    sample->resize(n);
    for (qint32 i = 0; i < n; ++i)
        (*sample)[i] = i + 1;
    qint32 *a = sample->data();
    for (qint32 i = n - 1; i > 0; --i)
        std::swap(a[i], a[rng.bounded(quint32(i) + 1)]);
}

std::optional<Growth> compute_growth(quint32 seed, const GrowthProgress &progress,
                                     const QVector<qint32> &sizes)
{
    Growth growth;
    growth.seed = seed;
    growth.sizes = sizes;
    QRandomGenerator rng(seed);
    Progress told(progress, sizes);
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const std::optional<Tally> tally = measure(i, sizes.at(i), rng, told);
        if (!tally)
            return std::nullopt;
        growth.samples.append(tally->k);
        for (int f = 0; f < formula_count; ++f) {
            growth.averages[f].append(tally->average(f));
            growth.intervals[f].append(tally->half_width(f));
        }
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
