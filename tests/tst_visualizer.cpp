// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The sorting model: the recorded trace of Shell sort and moving over it, and
// reading a typed sequence. Worked examples and edge cases as table rows; what
// must hold for any sequence as properties over random ones under every formula.
#include "formulas.h"
#include "num_to_str.h"
#include "separators.h"
#include "sequence_input.h"
#include "visualizer.h"

#include <QtTest>

#include <algorithm>

using Numbers = QVector<qint32>;

namespace
{

Numbers fixed_gaps;
void fixed(qint32, QVector<qint32> *gaps)
{
    *gaps = fixed_gaps;
}

// A trace written as one line per step: "gap_idx sub_start pos_a pos_b s|k text",
// s marking a swap step.
QString listing(const Visualizer &vis)
{
    QStringList lines;
    for (const TraceStep &s : vis.steps)
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(s.gap_idx)
                     .arg(s.sub_start)
                     .arg(s.pos_a)
                     .arg(s.pos_b)
                     .arg(QChar(s.is_swap ? u's' : u'k'))
                     .arg(s.text);
    return lines.join(u'\n');
}

const QString opening =
    QStringLiteral("This is where all begins. Now we're going to sort that array.");
const QString front = QStringLiteral("The current element is in the beginning of the "
                                     "subsequence, there is no need to continue working with it.");

} // namespace

class TestVisualizer : public QObject
{
    Q_OBJECT

    // Walks the trace step by step, checking each step against its kind, and
    // keeps the arrangement of each.
    static void walk(Visualizer &vis, const Numbers &initial, QVector<Numbers> *shown)
    {
        const int count = int(vis.steps.size());
        const int n = int(initial.size());
        int keeps = 0, swaps = 0, last_gap = -1, next_sub = 0, subs = 0;
        for (int i = 0; i < count; ++i) {
            vis.set_current_step(i);
            shown->append(vis.seq);
            const TraceStep &s = vis.steps[i];
            const bool outside = i == 0 || i == count - 1;
            QCOMPARE(s.gap_idx == -1, outside);
            const qint32 h = outside ? 0 : vis.gaps[s.gap_idx];
            if (s.sub_start == -1) { // every subsequence with two elements had its turn
                QCOMPARE(next_sub, subs);
                next_sub = 0;
                subs = qMax(0, qMin(h, n - h));
            }
            if (outside) {
                QCOMPARE(s.text, i == 0 ? opening : QStringLiteral("Sorting finished!"));
                QVERIFY(s.sub_start == -1 && s.pos_a == -1 && s.pos_b == -1 && !s.is_swap);
            } else if (s.sub_start == -1) { // gap step
                QCOMPARE(s.gap_idx, ++last_gap);
                QVERIFY(s.pos_a == -1 && s.pos_b == -1 && !s.is_swap);
                QCOMPARE(s.text, QStringLiteral("Setting gap length to %1.").arg(h));
            } else if (s.pos_a == -1) { // subsequence step
                QVERIFY(s.pos_b == -1 && !s.is_swap);
                QCOMPARE(s.sub_start, next_sub++);
            } else if (s.pos_b == -1) { // front step
                QVERIFY(s.pos_a == s.sub_start && vis.steps[i - 1].is_swap && !s.is_swap);
            } else { // comparison
                const qint32 l = vis.seq[s.pos_a], r = vis.seq[s.pos_b];
                QVERIFY(s.pos_b - s.pos_a == h && (s.pos_a - s.sub_start) % h == 0);
                QCOMPARE(s.is_swap, l > r);
                QCOMPARE(s.text,
                         s.is_swap ? num_to_str(l) + " is more than " + num_to_str(r) +
                                         ", we need to swap them."
                                   : num_to_str(r) + (r > l ? " is more than " : " is equal to ") +
                                         num_to_str(l) + ", we don't need to replace it anymore.");
                ++(s.is_swap ? swaps : keeps);
            }
            // An exchange goes on with the same element, one gap further left.
            if (i > 0 && vis.steps[i - 1].is_swap)
                QCOMPARE(s.pos_b == -1 ? s.pos_a : s.pos_b, vis.steps[i - 1].pos_a);
        }
        QCOMPARE(last_gap, int(vis.gaps.size()) - 1);
        QCOMPARE(vis.op_count, keeps + swaps);
        QCOMPARE(vis.swap_count, swaps);
        QVERIFY(std::is_sorted(vis.seq.begin(), vis.seq.end()));
        vis.set_current_step(0);
        QCOMPARE(vis.seq, initial);
    }

    // Any move, asked for directly or through the property, lands on the
    // arrangement of the walk; jump_sub stops at subsequence steps.
    static void moves(Visualizer &vis, QRandomGenerator &rng, const QVector<Numbers> &shown,
                      const Numbers &initial)
    {
        const int count = int(vis.steps.size());
        for (int move = 0; move < 20; ++move) {
            // Any target is clamped, through the property as well.
            const int target = move == 0   ? INT_MIN
                               : move == 1 ? INT_MAX
                                           : int(rng.bounded(-2, count + 2));
            if (move % 2)
                vis.setProperty("current_step", target);
            else
                vis.set_current_step(target);
            QCOMPARE(vis.property("current_step").toInt(), std::clamp(target, 0, count - 1));
            QCOMPARE(vis.seq, shown[vis.cur_step]);
            QCOMPARE(initial_sequence(vis), initial);
            const bool forward = rng.bounded(2);
            const int from = vis.cur_step;
            vis.jump_sub(forward);
            int expected = from;
            do
                expected += forward ? 1 : -1;
            while (expected > 0 && expected < count - 1 &&
                   !(vis.steps[expected].sub_start != -1 && vis.steps[expected].pos_a == -1));
            QCOMPARE(vis.cur_step, std::clamp(expected, 0, count - 1));
            QCOMPARE(vis.seq, shown[vis.cur_step]);
        }
    }

private slots:
    // The worked example: 3 1 2 with the single gap 1, step by step.
    void three_one_two()
    {
        fixed_gaps = {1};
        Visualizer vis(nullptr, nullptr, nullptr, fixed, {3, 1, 2});
        vis.set_current_step(3); // nothing to move over yet
        vis.jump_sub(true);
        QCOMPARE(QList<int>({vis.cur_step, vis.op_count, vis.swap_count}), QList<int>({0, 0, 0}));
        vis.build_trace();
        QCOMPARE(listing(vis),
                 "-1 -1 -1 -1 k " + opening +
                     "\n0 -1 -1 -1 k Setting gap length to 1."
                     "\n0 0 -1 -1 k Now we are going to work with a subsequence starting from "
                     "element 1."
                     "\n0 0 0 1 s 3 is more than 1, we need to swap them."
                     "\n0 0 0 -1 k " +
                     front +
                     "\n0 0 1 2 s 3 is more than 2, we need to swap them."
                     "\n0 0 0 1 k 2 is more than 1, we don't need to replace it anymore."
                     "\n-1 -1 -1 -1 k Sorting finished!");
        QCOMPARE(QList<int>({vis.op_count, vis.swap_count, vis.cur_step}), QList<int>({3, 2, 0}));
        QCOMPARE(vis.seq, Numbers({3, 1, 2}));
    }

    void properties_data()
    {
        QTest::addColumn<int>("formula");
        for (int f = 0; f < formula_count; ++f)
            QTest::newRow(formulas[f].name) << f;
    }

    // For random sequences: every step's fields fit its kind and its sentence
    // names the values on display; the counters count the comparison steps;
    // replaying the swaps sorts; walking back restores; any move lands on the
    // arrangement of the step-by-step walk; jump_sub stops at subsequence steps.
    void properties()
    {
        QFETCH(int, formula);
        QRandomGenerator rng(quint32(formula) + 7);
        for (int round = 0; round < 150; ++round) {
            const int n = round < 4 ? round : int(rng.bounded(1, 60));
            Numbers initial;
            const int top = round % 3 ? 4 : 2147483647; // many equal values, or any size
            for (int i = 0; i < n; ++i)
                initial.append(int(rng.bounded(top)) + (round % 2 ? 0 : 2147483647 - top));
            Visualizer vis(nullptr, nullptr, nullptr, gap_generators[formula], initial);
            vis.build_trace();
            QCOMPARE(vis.seq, initial);
            Numbers gaps;
            gap_generators[formula](n, &gaps);
            QCOMPARE(vis.gaps, gaps);

            QVector<Numbers> shown;
            walk(vis, initial, &shown);
            if (QTest::currentTestFailed())
                return;
            moves(vis, rng, shown, initial);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Whitespace of every kind separates numbers without a warning; anything
    // else separates them with one. The window scans its field with a blank
    // added, and names the kind of separators it once took alone.
    void scan_separators_data()
    {
        add_separator_rows();
    }

    void scan_separators()
    {
        QFETCH(QString, separator);
        QFETCH(bool, odd);
        const QString text = separated_by(separator);
        for (const SequenceScan &scan :
             {scan_sequence(text), scan_sequence(text + u' ', PlainSeparators::Blank)}) {
            QCOMPARE(scan.error, SequenceScan::None);
            QCOMPARE(scan.numbers, Numbers({5, -3, 8}));
            QCOMPARE(scan.number_count, 3);
            QCOMPARE(scan.odd_separators, odd);
        }
    }

    // Random numbers of either sign between random runs of whitespace of every
    // kind read as they were written, never with a warning.
    void scan_whitespace_runs()
    {
        QRandomGenerator rng(20260107);
        const auto run = [&] {
            QString spaces;
            for (quint32 n = rng.bounded(1, 4); n > 0; --n)
                spaces += whitespace_separators[rng.bounded(whitespace_separators.size())].second;
            return spaces;
        };
        for (int round = 0; round < 500; ++round) {
            Numbers numbers;
            QString text = rng.bounded(2) ? run() : QString();
            for (quint32 n = rng.bounded(1, 40); n > 0; --n) {
                numbers.append(
                    qint32(rng.bounded(2 * qint64(max_sequence_value) + 1) - max_sequence_value));
                text += num_to_str(numbers.last()) + run();
            }
            const SequenceScan scan = scan_sequence(text);
            QVERIFY2(!scan.odd_separators, qPrintable(text.toUtf8().toPercentEncoding()));
            QCOMPARE(scan.error, SequenceScan::None);
            QCOMPARE(scan.numbers, numbers);
        }
    }

    void num_to_str_formats()
    {
        const QStringList texts = {num_to_str(0),       num_to_str(120), num_to_str(1234567),
                                   num_to_str(INT_MAX), num_to_str(-4),  num_to_str(-INT_MAX)};
        QCOMPARE(texts, QStringList({"0", "120", "1234567", "2147483647", "-4", "-2147483647"}));
    }
};

QTEST_GUILESS_MAIN(TestVisualizer)
#include "tst_visualizer.moc"
