// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The race of two formulas as a contest: both lanes move by comparisons,
// fairly, and the lane with fewer in all is named the winner.
#include "access/accessibility.h"
#include "classroom_test.h"
#include "formulas.h"

namespace
{

// The formulas of the lanes whose title ends with the mark.
QStringList marked(const RaceView *race, const QString &mark)
{
    QStringList names;
    for (int lane = 0; lane < 2; ++lane) {
        const QString name = formula_name(race->formula(lane));
        for (const QLabel *label : race->findChildren<QLabel *>())
            if (label->text().startsWith(name) && label->text().endsWith(mark))
                names << name;
    }
    return names;
}

// The comparisons a lane has made up to the step on display.
int compared(const Visualizer &vis)
{
    return int(std::count_if(vis.steps.cbegin(), vis.steps.cbegin() + vis.cur_step + 1,
                             [](const TraceStep &step) { return step.pos_b != -1; }));
}

bool finished(const Visualizer &vis)
{
    return vis.cur_step + 1 == vis.steps.size();
}

// How far a race has gone, in comparisons: those of a lane still comparing,
// one more than all of a lane that has finished.
int reached(const RaceView &race)
{
    int most = 0;
    for (int lane = 0; lane < 2; ++lane)
        most = qMax(most, compared(race.racer(lane)) + int(finished(race.racer(lane))));
    return most;
}

// What is unfair in the race as it stands, or empty: lanes with different
// comparisons while neither has finished, a lane between two comparisons, a
// lane finished first without fewer comparisons in all than the other, or a
// winner or mark other than the lane with fewer comparisons.
QString unfair(const RaceView &race)
{
    const Visualizer *lanes[2] = {&race.racer(0), &race.racer(1)};
    const int made[2] = {compared(*lanes[0]), compared(*lanes[1])};
    const bool done[2] = {finished(*lanes[0]), finished(*lanes[1])};
    const int total[2] = {lanes[0]->op_count, lanes[1]->op_count};
    const QString state = QStringLiteral(" (comparisons %1 of %2 and %3 of %4, steps %5 and %6)")
                              .arg(made[0])
                              .arg(total[0])
                              .arg(made[1])
                              .arg(total[1])
                              .arg(lanes[0]->cur_step)
                              .arg(lanes[1]->cur_step);
    if (!done[0] && !done[1] && made[0] != made[1])
        return QStringLiteral("unequal while neither finished") + state;
    for (int lane = 0; lane < 2; ++lane)
        if (!done[lane] && made[lane] > 0 &&
            lanes[lane]->steps.at(lanes[lane]->cur_step).pos_b == -1)
            return QStringLiteral("lane %1 between two comparisons").arg(lane) + state;
    if (done[0] != done[1] && made[done[0] ? 1 : 0] <= total[done[0] ? 0 : 1])
        return QStringLiteral("finished first without fewer comparisons") + state;
    const int winner = !done[0] && !done[1]   ? -1
                       : total[0] == total[1] ? 2
                                              : (total[0] < total[1] ? 0 : 1);
    if (race.winner() != winner)
        return QStringLiteral("winner %1, not %2").arg(race.winner()).arg(winner) + state;
    const QStringList names = {formula_name(race.formula(0)), formula_name(race.formula(1))};
    if (marked(&race, QStringLiteral("✓ finished first")) !=
            (winner == 0 || winner == 1 ? QStringList{names[winner]} : QStringList()) ||
        marked(&race, QStringLiteral("✓ finished together")) !=
            (winner == 2 ? names : QStringList()))
        return QStringLiteral("marks other than the winner %1").arg(winner) + state;
    return QString();
}

// The race that playback is watched in, and each lane's comparisons and
// whether it had finished, as each line was said.
const RaceView *watched = nullptr;
struct LaneState {
    int made;
    bool done;
};
QList<std::array<LaneState, 2>> ticked;
QStringList ticked_unfair;

void watch_race(QAccessibleEvent *event)
{
    QAccessibleInterface *item = event->accessibleInterface();
    if (event->type() != QAccessible::Focus || item == nullptr || item->parent() == nullptr ||
        item->parent()->object() != watched)
        return;
    std::array<LaneState, 2> lanes;
    for (int lane = 0; lane < 2; ++lane)
        lanes[lane] = {compared(watched->racer(lane)), finished(watched->racer(lane))};
    ticked << lanes;
    if (const QString wrong = unfair(*watched); !wrong.isEmpty())
        ticked_unfair << wrong;
}

} // namespace

class TestRace : public ClassroomTest
{
    Q_OBJECT

private slots:
    // R races the formula in force against another on the sequence on display:
    // every key moves both by a comparison, the one home first is marked, and
    // leaving returns to the presentation at the step it showed.
    void race()
    {
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(2); // Sedgewick's: gap 1 alone
        w->click("applyButton");
        w->window->step_to(7);
        const int shown = w->vis->cur_step;
        press("F5 R");
        auto *race = w->window->findChild<RaceView *>();
        QVERIFY(race && race->isActiveWindow());
        QCOMPARE(QList<int>({race->formula(0), race->formula(1)}), QList<int>({2, 3}));
        press("Right Right Right Left");
        for (int lane = 0; lane < 2; ++lane) {
            const Visualizer &racer = race->racer(lane);
            QVERIFY(racer.steps.at(racer.cur_step).pos_b != -1);
            QVERIFY(RaceView::progress(racer).startsWith(
                QStringLiteral("comparisons so far: 2 of %1 ").arg(racer.op_count)));
        }
        QCOMPARE(initial_sequence(race->racer(1)), initial_sequence(*w->vis));
        press("Down Down"); // Knuth's has the same gap 1 here: home together
        QCOMPARE(race->formula(1), 5);
        QCOMPARE(race->racer(1).cur_step, race->racer(0).cur_step); // the same comparisons
        press(Qt::Key_End);
        QCOMPARE(race->winner(), 2);
        press("Up Up Up"); // past the first to Hibbard's, with fewer comparisons here
        QCOMPARE(race->formula(1), 1);
        w->get<QSlider>("playSpeed")->setValue(w->get<QSlider>("playSpeed")->maximum());
        race->set_pause(1);
        press("Home Space");
        QTRY_VERIFY(!race->playing());
        QCOMPARE(race->winner(), 1);
        QCOMPARE(marked(race, QStringLiteral("✓ finished first")), QStringList({formula_name(1)}));
        press(Qt::Key_Escape);
        QTRY_VERIFY(presentation()->isActiveWindow());
        QCOMPARE(w->vis->cur_step, shown);
        QTRY_VERIFY(w->window->findChild<RaceView *>() == nullptr);
    }

    void race_is_fair_data()
    {
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("longest");
        QTest::addColumn<int>("largest"); // the numbers are from 1 to it
        QTest::newRow("one to nine numbers") << 1 << 9 << 999;
        QTest::newRow("10 to 40 numbers") << 10 << 40 << 999;
        QTest::newRow("5 to 30 numbers from 1 to 3, many of them equal") << 5 << 30 << 3;
        QTest::newRow("100 to 150 numbers") << 100 << 150 << 999;
    }

    // Races of random sequences between random formulas, under random keys:
    // after every key, while neither lane has finished both have made as
    // many comparisons and show one; the lane that finishes first has fewer
    // comparisons in all and is the one marked; as many finish together.
    void race_is_fair()
    {
        QFETCH(int, shortest);
        QFETCH(int, longest);
        QFETCH(int, largest);
        QRandomGenerator rng{quint32(shortest * 100000 + longest * 1000 + largest)};
        const QStringList keys = QStringLiteral("Right Right Right Right Right Right PgDown Left "
                                                "PgUp Up Down End Home")
                                     .split(u' ');
        for (int round = 0; round < 6; ++round) {
            QVector<qint32> numbers(rng.bounded(shortest, longest + 1));
            for (qint32 &number : numbers)
                number = rng.bounded(1, largest + 1);
            RaceView race(numbers, int(rng.bounded(formula_count)), w->window);
            // Active, as the keys of the active window's shortcuts go elsewhere.
            race.present_on(w->window->screen());
            QTRY_VERIFY(race.isActiveWindow());
            QStringList pressed;
            for (int i = 0; i < 150; ++i) {
                pressed << keys.at(rng.bounded(keys.size()));
                QTest::keyClick(&race, QKeySequence(pressed.last())[0].key());
                if (const QString wrong = unfair(race); !wrong.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("%1, %2 against %3 on %4 after %5")
                                         .arg(wrong, formula_name(race.formula(0)),
                                              formula_name(race.formula(1)), joined(numbers),
                                              pressed.join(u' '))));
            }
        }
    }

    void race_names_the_winner_data()
    {
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<int>("formula");            // in force
        QTest::addColumn<int>("downs");              // Down presses that choose the second
        QTest::addColumn<QList<int>>("comparisons"); // each lane's in all
        QTest::addColumn<int>("winner");
        QTest::newRow("Shell's, 25 comparisons, against Sedgewick's, 32: the first")
            << "5 3 8 1 9 2 7 4 6 0" << 0 << 1 << QList<int>{25, 32} << 0;
        QTest::newRow("Shell's, 32, against Hibbard's, 30: the second")
            << "9 3 7 1 8 2 6 10 5 4" << 0 << 0 << QList<int>{32, 30} << 1;
        QTest::newRow("Ciura's, 33, against Shell's, 25: the second")
            << "5 3 8 1 9 2 7 4 6 0" << 6 << 0 << QList<int>{33, 25} << 1;
        QTest::newRow("Sedgewick's against Knuth's, 31 each: together")
            << "9 3 7 1 8 2 6 10 5 4" << 2 << 2 << QList<int>{31, 31} << 2;
    }

    // Right moves both lanes a comparison on, with counters that agree, until
    // the lane with fewer comparisons finishes while the other still
    // compares: that lane is marked, and stays marked as the class presses
    // on, 39 times in all.
    void race_names_the_winner()
    {
        QFETCH(QString, numbers);
        QFETCH(int, formula);
        QFETCH(int, downs);
        QFETCH(QList<int>, comparisons);
        QFETCH(int, winner);
        w->apply_under(formula, numbers);
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        for (int i = 0; i < downs; ++i)
            press(Qt::Key_Down);
        QCOMPARE(QList<int>({race->racer(0).op_count, race->racer(1).op_count}), comparisons);
        const auto counted = [&](int lane, int made) {
            const QString counters = RaceView::progress(race->racer(lane));
            return counters.startsWith(QStringLiteral("comparisons so far: %1 of %2 ")
                                           .arg(made)
                                           .arg(comparisons[lane]))
                       ? QString()
                       : QStringLiteral("lane %1 at %2 comparisons: %3")
                             .arg(lane)
                             .arg(made)
                             .arg(counters);
        };
        const int fewer = std::min(comparisons[0], comparisons[1]);
        for (int made = 1; made <= fewer; ++made) {
            press(Qt::Key_Right);
            for (int lane = 0; lane < 2; ++lane)
                QVERIFY2(counted(lane, made).isEmpty(), qPrintable(counted(lane, made)));
            QCOMPARE(race->winner(), -1);
        }
        const QStringList names = {formula_name(race->formula(0)), formula_name(race->formula(1))};
        for (int presses = fewer + 1; presses <= 39; ++presses) {
            press(Qt::Key_Right);
            QCOMPARE(race->winner(), winner);
            QCOMPARE(marked(race, QStringLiteral("✓ finished first")),
                     winner == 2 ? QStringList() : QStringList{names[winner]});
            QCOMPARE(marked(race, QStringLiteral("✓ finished together")),
                     winner == 2 ? names : QStringList());
            for (int lane = 0; lane < 2; ++lane) {
                const Visualizer &racer = race->racer(lane);
                if (finished(racer))
                    QCOMPARE(racer.steps.at(racer.cur_step).text, "Sorting finished!");
                const int made = std::min(presses, comparisons[lane]);
                QVERIFY2(counted(lane, made).isEmpty(), qPrintable(counted(lane, made)));
            }
            // The winner is home at once, the other when it has no comparison left.
            QCOMPARE(finished(race->racer(winner % 2)), true);
            QCOMPARE(finished(race->racer(1 - winner % 2)), presses > comparisons[1 - winner % 2]);
        }
    }

    void race_second_keeps_the_comparisons_data()
    {
        const QString rights = QStringLiteral("Right ");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<int>("formula");  // in force
        QTest::addColumn<QString>("keys"); // before the change
        QTest::addColumn<QString>("change");
        QTest::newRow("three comparisons in, Down")
            << "5 3 8 1 9 2 7 4 6 0" << 0 << rights.repeated(3).trimmed() << "Down";
        QTest::newRow("four in and one back, Up")
            << "5 3 8 1 9 2 7 4 6 0" << 0 << "Right Right Right Right Left"
            << "Up";
        QTest::newRow("after the first finished, Up: one with more comparisons")
            << "5 3 8 1 9 2 7 4 6 0" << 0 << rights.repeated(26).trimmed() << "Up";
        QTest::newRow("past all the new second's comparisons, Up: at its end")
            << "9 3 7 1 8 2 6 10 5 4" << 3 << rights.repeated(40).trimmed() << "Up";
        QTest::newRow("at the end, Down") << "9 3 7 1 8 2 6 10 5 4" << 0 << "End"
                                          << "Down";
        QTest::newRow("at the start, Down") << "9 3 7 1 8 2 6 10 5 4" << 4 << "Home"
                                            << "Down";
    }

    // Up and Down put another formula in the second lane at the comparisons
    // the race has reached, or at its end if it has fewer; the first lane
    // stays where it is.
    void race_second_keeps_the_comparisons()
    {
        QFETCH(QString, numbers);
        QFETCH(int, formula);
        QFETCH(QString, keys);
        QFETCH(QString, change);
        w->apply_under(formula, numbers);
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        press(keys.toLatin1().constData());
        const int before = reached(*race);
        const int first_step = race->racer(0).cur_step;
        const int second = race->formula(1);
        press(change.toLatin1().constData());
        QVERIFY(race->formula(1) != second && race->formula(1) != formula);
        QCOMPARE(race->racer(0).cur_step, first_step);
        const Visualizer &racer = race->racer(1);
        const int made = std::min(before, racer.op_count);
        QCOMPARE(compared(racer), made);
        QCOMPARE(finished(racer), before > racer.op_count);
        QVERIFY(before == 0 || finished(racer) || racer.steps.at(racer.cur_step).pos_b != -1);
        QVERIFY(RaceView::progress(racer).startsWith(
            QStringLiteral("comparisons so far: %1 of %2 ").arg(made).arg(racer.op_count)));
        const QString wrong = unfair(*race);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    void race_plays_by_comparisons_data()
    {
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<int>("formula"); // in force, against the next
        QTest::newRow("5 3 8 1 9 2 7 4 6 0, Shell's against Hibbard's")
            << "5 3 8 1 9 2 7 4 6 0" << 0;
        QTest::newRow("9 3 7 1 8 2 6 10 5 4, Sedgewick's against Pratt's")
            << "9 3 7 1 8 2 6 10 5 4" << 2;
        QRandomGenerator rng{7};
        QTest::newRow("40 random numbers, Fibonacci against Knuth's")
            << typed_numbers(rng, 40) << 4;
        QTest::newRow("one number, Ciura's against Shell's") << "5" << 6;
    }

    // Space plays the race as Right moves it: each tick, heard as one line,
    // takes every lane still comparing to its next comparison, fairly, and a
    // lane with none left to its end, where playback stops.
    void race_plays_by_comparisons()
    {
        QFETCH(QString, numbers);
        QFETCH(int, formula);
        w->apply_under(formula, numbers);
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        watched = race;
        ticked.clear();
        ticked_unfair.clear();
        Accessibility::listen(watch_race);
        const auto deaf = qScopeGuard([] { Accessibility::listen(nullptr); });
        race->set_pause(1);
        press(Qt::Key_Space);
        QTRY_VERIFY(!race->playing());
        QCOMPARE(ticked_unfair, QStringList());
        const int most = std::max(race->racer(0).op_count, race->racer(1).op_count);
        QCOMPARE(ticked.size(), most + 1);
        std::array<LaneState, 2> before = {{{0, false}, {0, false}}};
        for (const auto &lanes : std::as_const(ticked)) {
            for (int lane = 0; lane < 2; ++lane) {
                const LaneState now = lanes.at(lane);
                const LaneState was = before.at(lane);
                // On by one comparison, or home from the last.
                const bool onward = was.done ? now.done && now.made == was.made
                                             : (!now.done && now.made == was.made + 1) ||
                                                   (now.done && now.made == was.made &&
                                                    now.made == race->racer(lane).op_count);
                QVERIFY2(onward, qPrintable(QStringLiteral("lane %1 from %2 to %3 comparisons")
                                                .arg(lane)
                                                .arg(was.made)
                                                .arg(now.made)));
            }
            before = lanes;
        }
        QVERIFY(before.at(0).done && before.at(1).done);
    }
};

QTEST_MAIN(TestRace)
#include "tst_race.moc"
