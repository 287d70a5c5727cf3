// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The seven gap formulas: the worked lists and the thresholds where a term joins
// a list, and what every list must be for every size.
#include "formulas.h"

#include <QSet>
#include <QTest>

#include <cmath>

using Gaps = QVector<qint32>;

namespace
{

// WCAG's contrast of a colour, as 0xRRGGBB, against white.
double contrast_with_white(quint32 rgb)
{
    double luminance = 0;
    const double weights[] = {0.2126, 0.7152, 0.0722};
    for (int channel = 0; channel < 3; ++channel) {
        const double c = ((rgb >> (16 - 8 * channel)) & 0xff) / 255.0;
        luminance +=
            weights[channel] * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return 1.05 / (luminance + 0.05);
}

} // namespace

class TestGaps : public QObject
{
    Q_OBJECT

private slots:
    // A list per formula, in the order of the formula list: Shell, Hibbard,
    // Sedgewick, Pratt, Fibonacci, Knuth, Ciura; "-" where the row has no interest.
    void lists_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("lists");
        const auto row = [](const char *name, int n, const char *lists) {
            QTest::newRow(name) << n << QString::fromLatin1(lists).split(u'|');
        };
        row("n = 1: only Fibonacci has gaps", 1, "||||2 1||");
        row("n = 2: a gap of 2 is above n; Sedgewick and Knuth sort the pair", 2,
            "1|1|1|1|2 1|1|1");
        row("n = 3", 3, "1|1|1|2 1|2 1|1|1");
        row("n = 4: 4 is not below 4", 4, "-|-|-|-|-|-|1");
        row("n = 5", 5, "-|-|-|-|-|-|4 1");
        row("n = 7: 7 is not below 7", 7, "-|3 1|-|-|-|-|-");
        row("n = 8", 8, "-|7 3 1|-|-|5 3 2 1|-|-");
        row("n = 9", 9, "-|-|-|8 6 4 3 2 1|8 5 3 2 1|-|-");
        row("n = 10", 10, "5 2 1|7 3 1|1|9 8 6 4 3 2 1|8 5 3 2 1|1|4 1");
        row("n = 11", 11, "-|-|-|-|-|1|-");
        row("n = 12: a term equal to n/3 belongs", 12, "-|-|-|-|-|4 1|-");
        row("n = 14", 14, "-|-|1|-|-|-|-");
        row("n = 15: 3h equal to n belongs", 15, "-|-|5 1|-|-|-|-");
        row("n = 20", 20, "10 5 2 1|15 7 3 1|5 1|18 16 12 9 8 6 4 3 2 1|13 8 5 3 2 1|4 1|10 4 1");
        row("n = 25", 25,
            "12 6 3 1|15 7 3 1|5 1|24 18 16 12 9 8 6 4 3 2 1|21 13 8 5 3 2 1|4 1|23 10 4 1");
        row("n = 56", 56, "-|-|5 1|-|-|-|-");
        row("n = 57", 57, "-|-|19 5 1|-|-|-|-");
        row("n = 100", 100,
            "50 25 12 6 3 1|63 31 15 7 3 1|19 5 1|"
            "96 81 72 64 54 48 36 32 27 24 18 16 12 9 8 6 4 3 2 1|89 55 34 21 13 8 5 3 2 1|13 4 1|"
            "57 23 10 4 1");
        row("n = 701: Ciura's last term is not below 701", 701, "-|-|-|-|-|-|301 132 57 23 10 4 1");
        row("n = 702", 702, "-|-|-|-|-|-|701 301 132 57 23 10 4 1");
        row("n = 1000", 1000,
            "500 250 125 62 31 15 7 3 1|-|-|-|-|121 40 13 4 1|701 301 132 57 23 10 4 1");
        row("n = 1578: Ciura's terms go on by 2.25, rounded down", 1578,
            "-|-|-|-|-|-|1577 701 301 132 57 23 10 4 1");
        row("Ciura's continued terms", 8000, "-|-|-|-|-|-|7983 3548 1577 701 301 132 57 23 10 4 1");
        row("Sedgewick's odd terms", 3 * 3905, "-|-|3905 2161 929 505 209 109 41 19 5 1|-|-|-|-");
    }

    void lists()
    {
        QFETCH(int, n);
        QFETCH(QStringList, lists);
        QCOMPARE(lists.size(), formula_count);
        for (int f = 0; f < formula_count; ++f) {
            if (lists[f] == u"-")
                continue;
            Gaps gaps{99, 42, 7, 1}; // replaced, not extended
            gap_generators[f](n, &gaps);
            QStringList terms;
            for (qint32 g : gaps)
                terms << QString::number(g);
            QCOMPARE(terms.join(u' '), lists[f]);
        }
    }

    // For every size a sequence can have and then some: strictly decreasing,
    // positive, ending in 1, below n but for Fibonacci's 2 and 1; and no
    // overflow at the largest sizes the arithmetic is meant for.
    void properties()
    {
        for (int f = 0; f < formula_count; ++f) {
            Gaps gaps;
            for (int n = 0; n <= 3000; ++n) {
                gap_generators[f](n, &gaps);
                QCOMPARE(gaps.isEmpty(), n <= 1 && f != 4);
                for (int i = 0; i < gaps.size(); ++i)
                    QVERIFY2(gaps[i] >= 1 && (i == 0 || gaps[i] < gaps[i - 1]) &&
                                 (gaps[i] < n || (f == 4 && gaps[i] <= 2)),
                             qPrintable(QStringLiteral("formula %1, n = %2").arg(f).arg(n)));
                QVERIFY(gaps.isEmpty() || gaps.last() == 1);
            }
            gap_generators[f](1 << 29, &gaps);
            QVERIFY(gaps.last() == 1 && gaps.first() < (1 << 29));
        }
        QCOMPARE(formula_index(nullptr), -1);
    }

    // Every row of the table is whole: a row left half filled would give the
    // charts an invisible, faint or borrowed line, or the command line a
    // formula it cannot name.
    void table_rows_are_whole()
    {
        QSet<quint32> colours;
        QSet<ChartMarker> markers;
        QSet<QString> names, keys;
        for (int f = 0; f < formula_count; ++f) {
            const Formula &row = formulas[f];
            const QByteArray where = QByteArray("row ") + QByteArray::number(f);
            QVERIFY2(row.generate != nullptr, where);
            QVERIFY(gap_generators[f] == row.generate);
            QCOMPARE(formula_index(row.generate), f);
            QVERIFY2(row.name && *row.name && !names.contains(row.name), where);
            names.insert(row.name);
            QVERIFY2(row.key && *row.key && !keys.contains(row.key), where);
            keys.insert(row.key);
            QCOMPARE(QString::fromLatin1(row.key), QString::fromLatin1(row.key).toLower());
            QCOMPARE(parse_formula(QString::fromLatin1(row.key).toUpper()), f);
            QCOMPARE(parse_formula(QString::number(f)), f);
            QVERIFY2(row.rgb <= 0xffffff && !colours.contains(row.rgb), where);
            colours.insert(row.rgb);
            // A line stands out from the chart's white, as WCAG asks of graphics.
            QVERIFY2(contrast_with_white(row.rgb) >= 3, where);
            QVERIFY2(!markers.contains(row.marker), where);
            markers.insert(row.marker);
            QVERIFY2(row.pen >= Qt::SolidLine && row.pen <= Qt::DashDotDotLine, where);
            QVERIFY2(row.bound && *row.bound && !formula_bound(f).isEmpty(), where);
            QVERIFY2(row.bound_source && *row.bound_source, where);
            QVERIFY(formula_option_help().contains(QLatin1String(row.key)));
        }
        QCOMPARE(parse_formula(QString::number(formula_count)), -1);
    }
};

QTEST_GUILESS_MAIN(TestGaps)
#include "tst_gaps.moc"
