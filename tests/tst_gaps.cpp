#include "gaps.h"

#include <QTest>

using Gaps = QVector<qint32>;

class TestGaps : public QObject
{
    Q_OBJECT

private slots:
    void lists_data();
    void lists();
    void properties_data();
    void properties();
    void replaces_previous_contents();
    void table_order();
};

void TestGaps::lists_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<int>("n");
    QTest::addColumn<Gaps>("expected");

    enum { Shell, Hibbard, Sedgewick, Pratt, Fibonacci, Knuth };
    // The worked lists for the random sizes 10, 20, 25 and for 100.
    QTest::newRow("shell 10") << int(Shell) << 10 << Gaps{5, 2, 1};
    QTest::newRow("shell 20") << int(Shell) << 20 << Gaps{10, 5, 2, 1};
    QTest::newRow("shell 25") << int(Shell) << 25 << Gaps{12, 6, 3, 1};
    QTest::newRow("shell 100") << int(Shell) << 100 << Gaps{50, 25, 12, 6, 3, 1};
    QTest::newRow("hibbard 10") << int(Hibbard) << 10 << Gaps{7, 3, 1};
    QTest::newRow("hibbard 20") << int(Hibbard) << 20 << Gaps{15, 7, 3, 1};
    QTest::newRow("hibbard 25") << int(Hibbard) << 25 << Gaps{15, 7, 3, 1};
    QTest::newRow("hibbard 100") << int(Hibbard) << 100 << Gaps{63, 31, 15, 7, 3, 1};
    QTest::newRow("sedgewick 10") << int(Sedgewick) << 10 << Gaps{1};
    QTest::newRow("sedgewick 20") << int(Sedgewick) << 20 << Gaps{5, 1};
    QTest::newRow("sedgewick 25") << int(Sedgewick) << 25 << Gaps{5, 1};
    QTest::newRow("sedgewick 100") << int(Sedgewick) << 100 << Gaps{19, 5, 1};
    QTest::newRow("pratt 10") << int(Pratt) << 10 << Gaps{9, 8, 6, 4, 3, 2, 1};
    QTest::newRow("pratt 20") << int(Pratt) << 20 << Gaps{18, 16, 12, 9, 8, 6, 4, 3, 2, 1};
    QTest::newRow("pratt 25") << int(Pratt) << 25 << Gaps{24, 18, 16, 12, 9, 8, 6, 4, 3, 2, 1};
    QTest::newRow("pratt 100") << int(Pratt) << 100 << Gaps{96, 81, 72, 64, 54, 48, 36, 32, 27, 24,
                                                            18, 16, 12, 9,  8,  6,  4,  3,  2,  1};
    QTest::newRow("fibonacci 10") << int(Fibonacci) << 10 << Gaps{8, 5, 3, 2, 1};
    QTest::newRow("fibonacci 20") << int(Fibonacci) << 20 << Gaps{13, 8, 5, 3, 2, 1};
    QTest::newRow("fibonacci 25") << int(Fibonacci) << 25 << Gaps{21, 13, 8, 5, 3, 2, 1};
    QTest::newRow("fibonacci 100")
        << int(Fibonacci) << 100 << Gaps{89, 55, 34, 21, 13, 8, 5, 3, 2, 1};
    QTest::newRow("knuth 10") << int(Knuth) << 10 << Gaps{1};
    QTest::newRow("knuth 20") << int(Knuth) << 20 << Gaps{4, 1};
    QTest::newRow("knuth 25") << int(Knuth) << 25 << Gaps{4, 1};
    QTest::newRow("knuth 100") << int(Knuth) << 100 << Gaps{13, 4, 1};

    // Small sizes and the thresholds where a term joins the list.
    QTest::newRow("shell 1 empty") << int(Shell) << 1 << Gaps{};
    QTest::newRow("hibbard 1 empty") << int(Hibbard) << 1 << Gaps{};
    QTest::newRow("sedgewick 1 empty") << int(Sedgewick) << 1 << Gaps{};
    QTest::newRow("pratt 1 empty") << int(Pratt) << 1 << Gaps{};
    QTest::newRow("fibonacci 1 still 2 1") << int(Fibonacci) << 1 << Gaps{2, 1};
    QTest::newRow("knuth 1 empty") << int(Knuth) << 1 << Gaps{};
    QTest::newRow("shell 2") << int(Shell) << 2 << Gaps{1};
    QTest::newRow("hibbard 2") << int(Hibbard) << 2 << Gaps{1};
    QTest::newRow("sedgewick 2 sorts the pair") << int(Sedgewick) << 2 << Gaps{1};
    QTest::newRow("pratt 2") << int(Pratt) << 2 << Gaps{1};
    QTest::newRow("fibonacci 2") << int(Fibonacci) << 2 << Gaps{2, 1};
    QTest::newRow("knuth 2 sorts the pair") << int(Knuth) << 2 << Gaps{1};
    QTest::newRow("shell 3") << int(Shell) << 3 << Gaps{1};
    QTest::newRow("hibbard 3") << int(Hibbard) << 3 << Gaps{1};
    QTest::newRow("sedgewick 3") << int(Sedgewick) << 3 << Gaps{1};
    QTest::newRow("pratt 3") << int(Pratt) << 3 << Gaps{2, 1};
    QTest::newRow("fibonacci 3, 3 not below 3") << int(Fibonacci) << 3 << Gaps{2, 1};
    QTest::newRow("knuth 3") << int(Knuth) << 3 << Gaps{1};
    QTest::newRow("hibbard 7, 7 not below 7") << int(Hibbard) << 7 << Gaps{3, 1};
    QTest::newRow("hibbard 8") << int(Hibbard) << 8 << Gaps{7, 3, 1};
    QTest::newRow("pratt 9") << int(Pratt) << 9 << Gaps{8, 6, 4, 3, 2, 1};
    QTest::newRow("fibonacci 8") << int(Fibonacci) << 8 << Gaps{5, 3, 2, 1};
    QTest::newRow("fibonacci 9") << int(Fibonacci) << 9 << Gaps{8, 5, 3, 2, 1};
    QTest::newRow("knuth 11") << int(Knuth) << 11 << Gaps{1};
    QTest::newRow("knuth 12, term equal to n/3") << int(Knuth) << 12 << Gaps{4, 1};
    QTest::newRow("sedgewick 14") << int(Sedgewick) << 14 << Gaps{1};
    QTest::newRow("sedgewick 15, 3h equal to n") << int(Sedgewick) << 15 << Gaps{5, 1};
    QTest::newRow("sedgewick 56") << int(Sedgewick) << 56 << Gaps{5, 1};
    QTest::newRow("sedgewick 57") << int(Sedgewick) << 57 << Gaps{19, 5, 1};
    QTest::newRow("sedgewick odd terms")
        << int(Sedgewick) << 3 * 3905 << Gaps{3905, 2161, 929, 505, 209, 109, 41, 19, 5, 1};
    QTest::newRow("shell 1000") << int(Shell) << 1000 << Gaps{500, 250, 125, 62, 31, 15, 7, 3, 1};
}

void TestGaps::lists()
{
    QFETCH(int, formula);
    QFETCH(int, n);
    QFETCH(Gaps, expected);
    Gaps gaps;
    gap_generators[formula](n, &gaps);
    QCOMPARE(gaps, expected);
}

void TestGaps::properties_data()
{
    QTest::addColumn<int>("formula");
    for (int f = 0; f < formula_count; ++f)
        QTest::newRow(formula_names[f]) << f;
}

// Every list, for every size a sequence can have and then some: strictly
// decreasing, positive, ending in 1, and below n but for Fibonacci's 2 and 1.
void TestGaps::properties()
{
    QFETCH(int, formula);
    Gaps gaps;
    for (int n = 0; n <= 5000; ++n) {
        gap_generators[formula](n, &gaps);
        if (gaps.isEmpty()) {
            QVERIFY2(n <= 1, qPrintable(QStringLiteral("empty list for n = %1").arg(n)));
            continue;
        }
        QCOMPARE(gaps.last(), 1);
        for (int i = 0; i < gaps.size(); ++i) {
            QVERIFY(gaps[i] >= 1);
            if (i > 0)
                QVERIFY(gaps[i] < gaps[i - 1]);
            const bool fibonacci_tail = formula == 4 && gaps[i] <= 2;
            QVERIFY2(gaps[i] < n || fibonacci_tail,
                     qPrintable(QStringLiteral("gap %1 for n = %2").arg(gaps[i]).arg(n)));
        }
    }
    // The largest sizes the arithmetic is meant for must not overflow.
    gap_generators[formula]((1 << 29), &gaps);
    QCOMPARE(gaps.last(), 1);
    QVERIFY(gaps.first() < (1 << 29));
}

void TestGaps::replaces_previous_contents()
{
    for (int f = 0; f < formula_count; ++f) {
        Gaps fresh;
        gap_generators[f](20, &fresh);
        Gaps reused{99, 42, 7, 1};
        gap_generators[f](20, &reused);
        QCOMPARE(reused, fresh);
    }
}

void TestGaps::table_order()
{
    QVERIFY(gap_generators[0] == &shell_gaps);
    QVERIFY(gap_generators[1] == &hibbard_gaps);
    QVERIFY(gap_generators[2] == &sedgewick_gaps);
    QVERIFY(gap_generators[3] == &pratt_gaps);
    QVERIFY(gap_generators[4] == &fibonacci_gaps);
    QVERIFY(gap_generators[5] == &knuth_gaps);
    QCOMPARE(formula_index(&knuth_gaps), 5);
    QCOMPARE(formula_index(nullptr), -1);
}

QTEST_GUILESS_MAIN(TestGaps)
#include "tst_gaps.moc"
