// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The growth of the cost: averages against a count of their own, the fit of
// the exponent, and progress reports that can cancel.
#include "gaps.h"
#include "growth.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

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
    }

    // Samples drawn in order from the seed, n numbers from 1 to n each;
    // Shell's and Ciura's formulas sort the same ones.
    void averages()
    {
        QFETCH(quint32, seed);
        QFETCH(Numbers, sizes);
        const std::optional<Growth> growth = compute_growth(seed, {}, sizes);
        QVERIFY(growth);
        QCOMPARE(growth->sizes, sizes);
        QRandomGenerator rng(seed);
        for (int i = 0; i < sizes.size(); ++i) {
            const qint32 n = sizes[i];
            QCOMPARE(growth->samples[i], growth_samples(n));
            qint64 shell = 0, ciura = 0;
            for (int k = 0; k < growth->samples[i]; ++k) {
                Numbers sample;
                for (int v = 0; v < n; ++v)
                    sample.append(int(rng.bounded(n)) + 1);
                Numbers gaps;
                shell_gaps(n, &gaps);
                shell += comparisons(sample, gaps);
                ciura_gaps(n, &gaps);
                ciura += comparisons(sample, gaps);
            }
            QCOMPARE(growth->averages[0][i], double(shell) / growth->samples[i]);
            QCOMPARE(growth->averages[6][i], double(ciura) / growth->samples[i]);
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
        QCOMPARE(growth->exponents, plain->exponents);

        int calls = 0;
        QVERIFY(!compute_growth(growth_default_seed, [&](double) { return ++calls < 3; }));
        QCOMPARE(calls, 3);
    }
};

QTEST_GUILESS_MAIN(TestGrowth)
#include "tst_growth.moc"
