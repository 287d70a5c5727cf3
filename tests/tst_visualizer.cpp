#include "gaps.h"
#include "num_to_str.h"
#include "visualizer.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using Numbers = QVector<qint32>;

namespace
{

void no_gaps(qint32, QVector<qint32> *gaps)
{
    gaps->clear();
}
void gap_one(qint32, QVector<qint32> *gaps)
{
    *gaps = {1};
}
void gap_four(qint32, QVector<qint32> *gaps)
{
    *gaps = {4};
}
void gaps_nine_one(qint32, QVector<qint32> *gaps)
{
    *gaps = {9, 1};
}

struct Expected {
    int gap_idx, sub_start, pos_a, pos_b;
    bool is_swap;
    const char *text;
};

Numbers random_sequence(QRandomGenerator &rng, int n, int max)
{
    Numbers seq;
    for (int i = 0; i < n; ++i)
        seq.append(int(rng.bounded(max + 1)));
    return seq;
}

} // namespace

class TestVisualizer : public QObject
{
    Q_OBJECT

private slots:
    void three_one_two_trace();
    void equal_elements_kept();
    void trace_shapes_data();
    void trace_shapes();
    void clamping_data();
    void clamping();
    void replay_and_undo_data();
    void replay_and_undo();
    void jump_sub_data();
    void jump_sub();
    void movement_on_empty_trace();
    void rebuild_starts_over();
    void num_to_str_formats_data();
    void num_to_str_formats();
};

void TestVisualizer::three_one_two_trace()
{
    Visualizer vis(nullptr, nullptr, nullptr, shell_gaps, {3, 1, 2});
    vis.build_trace();

    const Expected expected[] = {
        {-1, -1, -1, -1, false, "This is where all begins. Now we're going to sort that array."},
        {0, -1, -1, -1, false, "Setting gap length to 1."},
        {0, 0, -1, -1, false,
         "Now we are going to work with a subsequence starting from element 1."},
        {0, 0, 0, 1, true, "3 is more than 1, we need to swap them."},
        {0, 0, 0, -1, false,
         "The current element is in the beginning of the subsequence, there is no need to "
         "continue working with it."},
        {0, 0, 1, 2, true, "3 is more than 2, we need to swap them."},
        {0, 0, 0, 1, false, "2 is more than 1, we don't need to replace it anymore."},
        {-1, -1, -1, -1, false, "Sorting finished!"},
    };
    QCOMPARE(vis.steps.size(), qsizetype(std::size(expected)));
    for (int i = 0; i < vis.steps.size(); ++i) {
        const TraceStep &s = vis.steps[i];
        const Expected &e = expected[i];
        QCOMPARE(s.gap_idx, e.gap_idx);
        QCOMPARE(s.sub_start, e.sub_start);
        QCOMPARE(s.pos_a, e.pos_a);
        QCOMPARE(s.pos_b, e.pos_b);
        QCOMPARE(s.is_swap, e.is_swap);
        QCOMPARE(s.text, QString::fromUtf8(e.text));
    }
    QCOMPARE(vis.gaps, Numbers{1});
    QCOMPARE(vis.op_count, 3);
    QCOMPARE(vis.swap_count, 2);
    QCOMPARE(vis.seq, (Numbers{3, 1, 2}));
    QCOMPARE(vis.cur_step, 0);
}

void TestVisualizer::equal_elements_kept()
{
    Visualizer vis(nullptr, nullptr, nullptr, gap_one, {2, 2});
    vis.build_trace();
    QCOMPARE(vis.steps.size(), qsizetype(5));
    QCOMPARE(vis.steps[3].text,
             QStringLiteral("2 is equal to 2, we don't need to replace it anymore."));
    QVERIFY(!vis.steps[3].is_swap);
    QCOMPARE(vis.op_count, 1);
    QCOMPARE(vis.swap_count, 0);
}

// The list of (gap_idx, sub_start) pairs of the gap and subsequence steps.
void TestVisualizer::trace_shapes_data()
{
    QTest::addColumn<Numbers>("seq");
    QTest::addColumn<void *>("generator");
    QTest::addColumn<QString>("outline");

    QTest::newRow("empty gap list: opening and closing only")
        << Numbers{5, 4, 3} << reinterpret_cast<void *>(&no_gaps) << "O C";
    QTest::newRow("gap of n or more is announced, then nothing")
        << Numbers{2, 1} << reinterpret_cast<void *>(&fibonacci_gaps) << "O G0 G1 S1.0 C";
    QTest::newRow("n = 7, gap 4: subsequences from 0, 1, 2 only")
        << Numbers{1, 2, 3, 4, 5, 6, 7} << reinterpret_cast<void *>(&gap_four)
        << "O G0 S0.0 S0.1 S0.2 C";
    QTest::newRow("gap above n followed directly by the next gap")
        << Numbers{1, 2, 3} << reinterpret_cast<void *>(&gaps_nine_one) << "O G0 G1 S1.0 C";
    QTest::newRow("one element under every formula but fibonacci")
        << Numbers{42} << reinterpret_cast<void *>(&shell_gaps) << "O C";
}

void TestVisualizer::trace_shapes()
{
    QFETCH(Numbers, seq);
    QFETCH(void *, generator);
    QFETCH(QString, outline);

    Visualizer vis(nullptr, nullptr, nullptr, reinterpret_cast<GapGenerator>(generator), seq);
    vis.build_trace();
    QStringList kinds;
    for (int i = 0; i < vis.steps.size(); ++i) {
        const TraceStep &s = vis.steps[i];
        if (s.gap_idx == -1)
            kinds << (i == 0 ? QStringLiteral("O") : QStringLiteral("C"));
        else if (s.sub_start == -1)
            kinds << QStringLiteral("G%1").arg(s.gap_idx);
        else if (s.pos_a == -1)
            kinds << QStringLiteral("S%1.%2").arg(s.gap_idx).arg(s.sub_start);
    }
    QCOMPARE(kinds.join(u' '), outline);
    QCOMPARE(vis.steps.first().text,
             QStringLiteral("This is where all begins. Now we're going to sort that array."));
    QCOMPARE(vis.steps.last().text, QStringLiteral("Sorting finished!"));
}

void TestVisualizer::clamping_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("landing");
    QTest::addColumn<bool>("via_property");

    // The 3 1 2 trace has eight steps, 0 to 7.
    QTest::newRow("below zero") << 4 << -5 << 0 << false;
    QTest::newRow("far beyond the end") << 2 << 8 + 10 << 7 << false;
    QTest::newRow("exactly the last") << 0 << 7 << 7 << false;
    QTest::newRow("one beyond the last") << 0 << 8 << 7 << false;
    QTest::newRow("same step") << 5 << 5 << 5 << false;
    QTest::newRow("smallest int") << 3 << INT_MIN << 0 << false;
    QTest::newRow("largest int") << 3 << INT_MAX << 7 << false;
    QTest::newRow("property, inside") << 0 << 4 << 4 << true;
    QTest::newRow("property, beyond the end") << 4 << 100 << 7 << true;
    QTest::newRow("property, below zero") << 7 << -3 << 0 << true;
}

void TestVisualizer::clamping()
{
    QFETCH(int, from);
    QFETCH(int, target);
    QFETCH(int, landing);
    QFETCH(bool, via_property);

    Visualizer vis(nullptr, nullptr, nullptr, shell_gaps, {3, 1, 2});
    vis.build_trace();
    vis.set_current_step(from);
    QCOMPARE(vis.cur_step, from);
    if (via_property) {
        QVERIFY(vis.setProperty("current_step", target));
        QCOMPARE(vis.property("current_step").toInt(), landing);
    } else {
        vis.set_current_step(target);
    }
    QCOMPARE(vis.cur_step, landing);

    Visualizer reference(nullptr, nullptr, nullptr, shell_gaps, {3, 1, 2});
    reference.build_trace();
    reference.set_current_step(landing);
    QCOMPARE(vis.seq, reference.seq);
}

void TestVisualizer::replay_and_undo_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<int>("n");
    for (int f = 0; f < formula_count; ++f)
        for (int n : {1, 2, 3, 10, 20, 25, 100}) {
            const QByteArray name = QByteArray(formula_names[f]) + " n=" + QByteArray::number(n);
            QTest::newRow(name.constData()) << f << n;
        }
}

// Walking the whole trace forward sorts the sequence, walking back restores
// it, and any jump lands on the same arrangement as the step-by-step walk.
void TestVisualizer::replay_and_undo()
{
    QFETCH(int, formula);
    QFETCH(int, n);

    QRandomGenerator rng(quint32(formula * 1000 + n));
    for (int round = 0; round < 10; ++round) {
        const Numbers initial = random_sequence(rng, n, round % 2 ? n : 3);
        Visualizer vis(nullptr, nullptr, nullptr, gap_generators[formula], initial);
        vis.build_trace();
        QCOMPARE(vis.seq, initial);

        // Every comparison names the values it sees; a front step only follows
        // a swap step; the counters count the comparison steps.
        QVector<Numbers> arrangements;
        int swaps = 0, keeps = 0;
        for (int i = 0; i < vis.steps.size(); ++i) {
            vis.set_current_step(i);
            arrangements.append(vis.seq);
            const TraceStep &s = vis.steps[i];
            if (s.pos_b != -1) {
                const qint32 l = vis.seq[s.pos_a], r = vis.seq[s.pos_b];
                QCOMPARE(s.pos_b - s.pos_a, vis.gaps[s.gap_idx]);
                QCOMPARE(s.is_swap, l > r);
                (s.is_swap ? swaps : keeps)++;
                const QString expected =
                    s.is_swap ? num_to_str(l) + " is more than " + num_to_str(r) +
                                    ", we need to swap them."
                              : num_to_str(r) + (r > l ? " is more than " : " is equal to ") +
                                    num_to_str(l) + ", we don't need to replace it anymore.";
                QCOMPARE(s.text, expected);
            } else if (s.pos_a != -1) {
                QCOMPARE(s.pos_a, s.sub_start);
                QVERIFY(vis.steps[i - 1].is_swap);
            }
        }
        QCOMPARE(vis.swap_count, swaps);
        QCOMPARE(vis.op_count, swaps + keeps);
        Numbers sorted = initial;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(vis.seq, sorted);

        vis.set_current_step(0);
        QCOMPARE(vis.seq, initial);

        for (int jump = 0; jump < 20; ++jump) {
            const int target = int(rng.bounded(int(vis.steps.size())));
            vis.set_current_step(target);
            QCOMPARE(vis.seq, arrangements[target]);
        }
    }
}

void TestVisualizer::jump_sub_data()
{
    QTest::addColumn<Numbers>("seq");
    QTest::addColumn<void *>("generator");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("landing");

    const Numbers shell54321{5, 4, 3, 2, 1};
    void *const shell = reinterpret_cast<void *>(&shell_gaps);
    // 5 4 3 2 1 under Shell's formula (gaps 2, 1):
    //  0 opening, 1 gap 2, 2 sub 0, 3 swap, 4 front, 5 swap, 6 swap, 7 front,
    //  8 sub 1, 9 swap, 10 front, 11 gap 1, 12 sub 0, 13..16 keep steps, 17 closing.
    QTest::newRow("forward from opening to first subsequence")
        << shell54321 << shell << 0 << true << 2;
    QTest::newRow("forward passes front and swap steps") << shell54321 << shell << 3 << true << 8;
    QTest::newRow("forward from a subsequence step") << shell54321 << shell << 2 << true << 8;
    QTest::newRow("forward passes a gap step") << shell54321 << shell << 9 << true << 12;
    QTest::newRow("forward after the last subsequence closes")
        << shell54321 << shell << 14 << true << 17;
    QTest::newRow("forward at the closing step stays") << shell54321 << shell << 17 << true << 17;
    QTest::newRow("back from a comparison to its own subsequence")
        << shell54321 << shell << 6 << false << 2;
    QTest::newRow("back from a front step") << shell54321 << shell << 4 << false << 2;
    QTest::newRow("back from a subsequence step to the previous")
        << shell54321 << shell << 8 << false << 2;
    QTest::newRow("back from the first subsequence to opening")
        << shell54321 << shell << 2 << false << 0;
    QTest::newRow("back from a gap step before any subsequence")
        << shell54321 << shell << 1 << false << 0;
    QTest::newRow("back at the opening step stays") << shell54321 << shell << 0 << false << 0;
    QTest::newRow("back from the closing step") << shell54321 << shell << 17 << false << 12;
    // No gaps: the opening and the closing step only.
    void *const none = reinterpret_cast<void *>(&no_gaps);
    QTest::newRow("no gaps, back stays") << Numbers{2, 1} << none << 0 << false << 0;
    QTest::newRow("no gaps, forward to closing") << Numbers{2, 1} << none << 0 << true << 1;
    QTest::newRow("no gaps, forward at closing") << Numbers{2, 1} << none << 1 << true << 1;
}

void TestVisualizer::jump_sub()
{
    QFETCH(Numbers, seq);
    QFETCH(void *, generator);
    QFETCH(int, from);
    QFETCH(bool, forward);
    QFETCH(int, landing);

    const auto gen = reinterpret_cast<GapGenerator>(generator);
    Visualizer vis(nullptr, nullptr, nullptr, gen, seq);
    vis.build_trace();
    vis.set_current_step(from);
    vis.jump_sub(forward);
    QCOMPARE(vis.cur_step, landing);

    Visualizer reference(nullptr, nullptr, nullptr, gen, seq);
    reference.build_trace();
    reference.set_current_step(landing);
    QCOMPARE(vis.seq, reference.seq);
}

void TestVisualizer::movement_on_empty_trace()
{
    Visualizer vis(nullptr, nullptr, nullptr, shell_gaps, {});
    vis.set_current_step(3);
    vis.jump_sub(true);
    vis.jump_sub(false);
    QCOMPARE(vis.cur_step, 0);
    QVERIFY(vis.steps.isEmpty());
    QCOMPARE(vis.op_count, 0);
    QCOMPARE(vis.swap_count, 0);
}

// A rebuild takes the arrangement on display as its start and returns to step 0.
void TestVisualizer::rebuild_starts_over()
{
    Visualizer vis(nullptr, nullptr, nullptr, shell_gaps, {3, 1, 2});
    vis.build_trace();
    vis.set_current_step(7);
    vis.stepgen = knuth_gaps;
    vis.build_trace();
    QCOMPARE(vis.cur_step, 0);
    QCOMPARE(vis.seq, (Numbers{1, 2, 3}));
    QCOMPARE(vis.op_count, 2);
    QCOMPARE(vis.swap_count, 0);
    QCOMPARE(vis.steps.size(), qsizetype(6));
}

void TestVisualizer::num_to_str_formats_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("one") << 1 << "1";
    QTest::newRow("120") << 120 << "120";
    QTest::newRow("no grouping") << 1234567 << "1234567";
    QTest::newRow("largest") << INT_MAX << "2147483647";
    QTest::newRow("negative is empty") << -4 << "";
}

void TestVisualizer::num_to_str_formats()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(num_to_str(value), text);
}

QTEST_GUILESS_MAIN(TestVisualizer)
#include "tst_visualizer.moc"
