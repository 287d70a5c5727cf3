// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The growth of the cost: averages over random permutations against a count
// of their own, each drawn until its confidence interval is narrow, the fit of
// the exponent, and progress reports that can cancel.
#include "formulas.h"
#include "growth.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <numeric>

using Numbers = QVector<qint32>;

namespace
{

// Shell sort as textbooks write it, all subsequences of a gap interleaved;
// they are independent, so it compares exactly as often as Vellora does.
qint64 comparisons(Numbers a, const Numbers &gaps)
{
    qint64 count = 0;
    for (qint32 h : gaps)
        for (qint32 i = h; i < a.size(); ++i)
            for (qint32 j = i; j >= h; j -= h) {
                ++count;
                if (a[j - h] <= a[j])
                    break;
                std::swap(a[j - h], a[j]);
            }
    return count;
}

// The mean of the first k counts and half the width of its 95% confidence
// interval, from the sample standard deviation.
std::pair<double, double> interval(const QVector<qint64> &counts, int k)
{
    const double mean = double(std::accumulate(counts.begin(), counts.begin() + k, qint64(0))) / k;
    double squares = 0;
    for (int j = 0; j < k; ++j)
        squares += (counts[j] - mean) * (counts[j] - mean);
    return {mean, 1.96 * std::sqrt(squares / (k - 1)) / std::sqrt(k)};
}

// The widest interval of the formulas after k permutations, as a share of its average.
double widest(const std::array<QVector<qint64>, formula_count> &counts, int k)
{
    double share = 0;
    for (const QVector<qint64> &each : counts) {
        const auto [mean, half] = interval(each, k);
        if (mean > 0)
            share = std::max(share, half / mean);
    }
    return share;
}

} // namespace

class TestGrowth : public QObject
{
    Q_OBJECT

private slots:
    void averages_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<Numbers>("sizes");
        QTest::newRow("seed 1, ten numbers") << 1u << Numbers{10};
        QTest::newRow("seed 2, the draw goes on from 4 to 25 numbers") << 2u << Numbers{4, 25};
        QTest::newRow("seed 3, one and two numbers, whose costs never vary") << 3u << Numbers{1, 2};
        QTest::newRow("seed 4, 147 numbers, done before the most") << 4u << Numbers{147};
    }

    // Permutations drawn in order from the seed, every formula sorting the
    // same ones; at each size as many as it takes for every interval to be
    // within half a percent of its average, at least the fewest, at most the most.
    void averages()
    {
        QFETCH(quint32, seed);
        QFETCH(Numbers, sizes);
        const std::optional<Growth> growth = compute_growth(seed, {}, sizes);
        QVERIFY(growth);
        QCOMPARE(growth->sizes, sizes);
        QRandomGenerator rng(seed);
        for (int i = 0; i < sizes.size(); ++i) {
            const int k = growth->samples[i];
            QVERIFY(k >= growth_min_samples && k <= growth_max_samples);
            std::array<QVector<qint64>, formula_count> counts;
            Numbers sample, gaps;
            for (int j = 0; j < k; ++j) {
                random_permutation(rng, sizes[i], &sample);
                for (int f = 0; f < formula_count; ++f) {
                    formulas[f].generate(sizes[i], &gaps);
                    counts[f].append(comparisons(sample, gaps));
                }
            }
            for (int f = 0; f < formula_count; ++f) {
                const auto [mean, half] = interval(counts[f], k);
                QCOMPARE(growth->averages[f][i], mean);
                QVERIFY(std::abs(growth->intervals[f][i] - half) <= 1e-9 * (1 + half));
            }
            const double slack = 1e-9;
            QVERIFY(k == growth_max_samples || widest(counts, k) <= growth_precision + slack);
            QVERIFY(k == growth_min_samples || widest(counts, k - 1) > growth_precision - slack);
        }
    }

    // Whatever n and the seed, a permutation of 1…n; over many draws each
    // order of four numbers comes about as often as any other.
    void permutations()
    {
        QRandomGenerator draw(11);
        Numbers sample;
        for (int trial = 0; trial < 300; ++trial) {
            const qint32 n = qint32(draw.bounded(1, 400));
            QRandomGenerator rng(draw.generate());
            random_permutation(rng, n, &sample);
            Numbers sorted = sample;
            std::sort(sorted.begin(), sorted.end());
            Numbers expected(n);
            std::iota(expected.begin(), expected.end(), 1);
            QCOMPARE(sorted, expected);
        }
        QHash<Numbers, int> seen;
        QRandomGenerator rng(12);
        for (int k = 0; k < 24000; ++k) {
            random_permutation(rng, 4, &sample);
            ++seen[sample];
        }
        QCOMPARE(seen.size(), 24);
        for (int times : std::as_const(seen)) // 1000 expected, give or take 31
            QVERIFY2(std::abs(times - 1000) < 150, qPrintable(QString::number(times)));
    }

    void seeds_data()
    {
        QTest::addColumn<quint32>("first");
        QTest::addColumn<quint32>("second");
        QTest::newRow("the same seed twice") << 5u << 5u;
        QTest::newRow("two seeds next to each other") << 5u << 6u;
        QTest::newRow("the smallest seed and the largest") << 0u << 4294967295u;
    }

    // The same seed gives the same numbers, another seed other averages.
    void seeds()
    {
        QFETCH(quint32, first);
        QFETCH(quint32, second);
        const Numbers sizes{10, 100};
        const std::optional<Growth> one = compute_growth(first, {}, sizes);
        const std::optional<Growth> other = compute_growth(second, {}, sizes);
        QVERIFY(one && other);
        QCOMPARE(one->seed, first);
        if (first == second) {
            QCOMPARE(one->samples, other->samples);
            QCOMPARE(one->averages, other->averages);
            QCOMPARE(one->intervals, other->intervals);
        } else {
            for (int f = 0; f < formula_count; ++f)
                QVERIFY(one->averages[f] != other->averages[f]);
        }
    }

    // At every default size each average is known to within half a percent,
    // unless the most permutations were drawn.
    void intervals()
    {
        const std::optional<Growth> growth = compute_growth(growth_default_seed);
        QVERIFY(growth);
        QCOMPARE(growth->sizes, growth_sizes());
        for (int i = 0; i < growth->sizes.size(); ++i)
            for (int f = 0; f < formula_count; ++f) {
                const double share = growth->intervals[f][i] / growth->averages[f][i];
                QVERIFY2(share > 0 && (share <= growth_precision ||
                                       growth->samples[i] == growth_max_samples),
                         qPrintable(QStringLiteral("%1 at %2").arg(share).arg(growth->sizes[i])));
            }
    }

    void exponent_data()
    {
        QTest::addColumn<Numbers>("sizes");
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<double>("exponent");
        const Numbers sizes = growth_sizes();
        QVector<double> square, root, flat, gappy;
        for (qint32 n : sizes) {
            square.append(3.0 * n * n);
            root.append(std::pow(n, 1.5) / 7);
            flat.append(42);
            gappy.append(n == 100 ? 0 : std::pow(n, 1.25));
        }
        QTest::newRow("3 n^2") << sizes << square << 2.0;
        QTest::newRow("n^1.5 / 7") << sizes << root << 1.5;
        QTest::newRow("constant") << sizes << flat << 0.0;
        QTest::newRow("n^1.25, a zero left out") << sizes << gappy << 1.25;
        QTest::newRow("one size twice: none")
            << Numbers{10, 10} << QVector<double>{5, 8} << qQNaN();
    }

    void exponent()
    {
        QFETCH(Numbers, sizes);
        QFETCH(QVector<double>, values);
        QFETCH(double, exponent);
        const double fitted = fitted_exponent(sizes, values);
        if (std::isnan(exponent))
            QVERIFY(std::isnan(fitted));
        else
            QVERIFY2(std::abs(fitted - exponent) < 1e-9, qPrintable(QString::number(fitted)));
    }

    // Reports climb below 1 and leave the numbers as they are; false stops
    // at once, with nothing.
    void progress()
    {
        QVector<double> reports;
        const auto growth = compute_growth(growth_default_seed, [&](double done) {
            reports.append(done);
            return true;
        });
        QVERIFY(growth && reports.size() > 10);
        QVERIFY(std::is_sorted(reports.begin(), reports.end()) && reports.first() > 0 &&
                reports.last() < 1);
        const auto plain = compute_growth(growth_default_seed);
        QCOMPARE(growth->averages, plain->averages);
        QCOMPARE(growth->intervals, plain->intervals);
        QCOMPARE(growth->exponents, plain->exponents);

        int calls = 0;
        QVERIFY(!compute_growth(growth_default_seed, [&](double) { return ++calls < 3; }));
        QCOMPARE(calls, 3);
    }
};

QTEST_GUILESS_MAIN(TestGrowth)
#include "tst_growth.moc"
