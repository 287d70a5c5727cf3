// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Teaching in a room: the canvas menu, the full-screen presentation, the race,
// pictures of a step, the predict mode and F1.
#include "access/accessibility.h"
#include "access/screen_reader.h"
#include "classroom.h"
#include "contrast.h"
#include "examples.h"
#include "formulas.h"
#include "growth.h"
#include "paneview.h"
#include "picture.h"
#include "presentation.h"
#include "race.h"
#include "translations.h"
#include "window_fixture.h"

#include <QSvgRenderer>

#include <numeric>

namespace
{

const QColor purple(160, 32, 240);

// The key goes where a user's key would: to the active window's focus.
void press(QKeyCombination key)
{
    QWidget *target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    QCoreApplication::processEvents();
}

// The numbers as typed, with a blank between two.
QString joined(const QVector<qint32> &numbers)
{
    QStringList texts;
    for (qint32 v : numbers)
        texts << QString::number(v);
    return texts.join(u' ');
}

// Several keys in a row, by name: "Right Right P".
void press(const char *keys)
{
    for (const QString &key : QString::fromLatin1(keys).split(u' '))
        press(QKeySequence(key)[0]);
}

// What a window says to screen readers: the names of its items that the
// accessible focus moves to, which a screen reader speaks.
QAccessibleInterface *speaker = nullptr;
QStringList said;

void hear(QAccessibleEvent *event)
{
    QAccessibleInterface *item = event->accessibleInterface();
    if (event->type() == QAccessible::Focus && item != nullptr && item->parent() == speaker)
        said << item->text(QAccessible::Name);
}

// The window's action of that text, or none.
QAction *action_named(const QWidget *window, const QString &text)
{
    const QList<QAction *> actions = window->actions();
    const auto action = std::find_if(actions.cbegin(), actions.cend(),
                                     [&](QAction *a) { return a->text() == text; });
    return action == actions.cend() ? nullptr : *action;
}

// Triggers the window's action of that text and hands answer the dialog it
// waits on, which is rejected after unless answer closed it; false where no
// dialog came up.
bool answer_dialog(const QWidget *window, const QString &action,
                   const std::function<void(QDialog *)> &answer)
{
    QAction *item = action_named(window, action);
    if (item == nullptr)
        return false;
    bool answered = false;
    QTimer poll; // the fixture answers message boxes; this the other dialogs
    poll.callOnTimeout([&] {
        QPointer<QDialog> dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (answered || dialog == nullptr || qobject_cast<QMessageBox *>(dialog))
            return;
        answered = true;
        answer(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
    poll.start(5);
    item->trigger();
    return answered;
}

// What the picture dialog offers: folder, kind and name.
struct Offer {
    QString folder, filter, name;
};

Offer offer(const QFileDialog *dialog)
{
    return {QDir::cleanPath(dialog->directory().absolutePath()), dialog->selectedNameFilter(),
            QFileInfo(dialog->selectedFiles().value(0)).fileName()};
}

// Starts the race of the formula in force against the next one, on the
// sequence on display, from the presentation.
RaceView *start_race(MainWindow *window)
{
    press("F5 R");
    auto *race = window->findChild<RaceView *>();
    return race != nullptr && race->isActiveWindow() ? race : nullptr;
}

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

// What the races said: any line of a race window, such as the one it
// opens with.
QStringList races_said;

void hear_races(QAccessibleEvent *event)
{
    QAccessibleInterface *item = event->accessibleInterface();
    if (event->type() == QAccessible::Focus && item != nullptr && item->parent() != nullptr &&
        qobject_cast<RaceView *>(item->parent()->object()) != nullptr)
        races_said << item->text(QAccessible::Name);
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

// The colour that covers most of the area of the image, and the one that
// stands out from it most.
std::pair<QColor, QColor> ground_and_ink(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> count;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++count[image.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > count.value(ground))
            ground = it.key();
    QColor ink(ground);
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (contrast(QColor(it.key()), QColor(ground)) > contrast(ink, QColor(ground)))
            ink = QColor(it.key());
    return {QColor(ground), ink};
}

} // namespace

class TestClassroom : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> w;

    PresentationView *presentation() const { return w->window->findChild<PresentationView *>(); }
    Classroom *classroom() const { return w->window->findChild<Classroom *>(); }

    QString presented() const { return presentation()->findChild<QLabel *>("statusText")->text(); }
    // The score line of the presentation, empty while it shows none.
    QString presented_score() const
    {
        const auto *score = presentation()->findChild<QLabel *>("score");
        return score->isHidden() ? QString() : score->text();
    }

    // The presentation shows the status text, and the boxes the step is about
    // at 40 pixels or more.
    void check_presentation_follows()
    {
        QCOMPARE(presented(), w->status());
        const QString missed = unseen(*w->vis, presentation()->findChild<QGraphicsView *>(),
                                      presentation()->pane_layout(), 40);
        QVERIFY2(missed.isEmpty(), qPrintable(missed));
    }

    // The status panel's counters at a step of the predicting session's trace.
    QString counters(int step) const
    {
        return QStringLiteral("\n\nCurrent step: %1/49\nTotal number of operations: %2, "
                              "incl. %3 swaps.")
            .arg(step)
            .arg(w->vis->op_count)
            .arg(w->vis->swap_count);
    }

    // The session goes on: in the presentation, through playback and a jump,
    // out of the mode and into a new trace.
    void predicting_presented_played_and_left(QAction *item)
    {
        // In the presentation a class answers together, and sees the score.
        press(Qt::Key_F5);
        QCOMPARE(presented_score(), "Predicting: 0 of 1 right");
        press("Right Right K"); // 7 against 10: keep
        QVERIFY(w->status().startsWith("Right. 10 is more than 7, we don't need to replace it "
                                       "anymore. (1 of 2 right)"));
        QCOMPARE(presented(), w->status());
        QCOMPARE(presented_score(), "Predicting: 1 of 2 right");
        QCOMPARE(w->window->windowTitle(), "Vellora – predicting (1 of 2 right)");
        press(Qt::Key_Escape);

        w->get<QSlider>("playSpeed")->setValue(w->get<QSlider>("playSpeed")->maximum());
        w->click("playButton");
        press(Qt::Key_Home);
        for (int i = 0; i < w->vis->steps.size(); ++i) {
            press(Qt::Key_Right);
            QVERIFY(!w->status().startsWith("Compare"));
        }
        QVERIFY(w->status().startsWith("Sorting finished!"));

        w->get<QSpinBox>("jumpStepNum")->setValue(9);
        w->click("jumpButton");
        QVERIFY(w->status().startsWith("Right. ") && w->status().contains("(1 of 2 right)"));
        press(Qt::Key_P);
        QCOMPARE(w->status(), w->vis->steps[8].text + counters(9));
        QVERIFY(!item->isChecked());
        QCOMPARE(w->window->windowTitle(), "Vellora");
        QCOMPARE(presented_score(), QString());
        press(Qt::Key_P);
        w->click("applyButton");
        QCOMPARE(w->window->windowTitle(), "Vellora – predicting");
        w->get<QSpinBox>("jumpStepNum")->setValue(7);
        w->click("jumpButton");
        QVERIFY(w->status().startsWith("Compare 3 and 6 (gap 5)"));
        press(Qt::Key_K);
        QVERIFY(w->status().contains("(1 of 1 right)"));
    }

private slots:
    // What the dialogs remember goes to the settings of tests, never the user's.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("vellora"));
        QVERIFY2(QSettings().fileName().contains(u"/.qttest/"), qPrintable(QSettings().fileName()));
    }

    void cleanupTestCase() { QSettings().clear(); }

    void init()
    {
        QSettings().clear();
        w.emplace();
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        w->get("nextStep")->setFocus();
    }

    void cleanup()
    {
        w.reset();
        for (auto *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::c());
    }

    // A right click on the canvas, or the Menu key, lists the actions and their keys.
    void menu_lists_the_actions_with_their_keys()
    {
        // The offscreen platform's notes on popups.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the keyboard");
        press(Qt::Key_Menu);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList items;
        for (QAction *action : menu->actions())
            if (action->isVisible())
                items << (action->text() + u' ' + action->shortcut().toString()).trimmed();
        QCOMPARE(items, QStringList({"Present F5", "Copy picture Ctrl+C", "Save picture… Ctrl+S",
                                     "Random sequence…", "Example",
                                     "Copy the sequence Ctrl+Shift+C", "Predict the steps P",
                                     "Race two formulas R", "Compare formulas… F6", "Help F1"}));
        menu->close();
        QCOMPARE(w->get("Canvas")->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    // F5 presents the step full screen; every kind of move shows there; B
    // blanks; Space plays on; Esc leaves with the step reached on display.
    void presentation_follows_every_move()
    {
        QVERIFY(PresentationView::scale_for(QSizeF(25 * 25, 125), QSize(1920, 1080)) * 25 >= 60);
        QVERIFY(PresentationView::scale_for(QSizeF(25 * 1000, 125), QSize(1920, 1080)) * 25 >= 40);

        press(Qt::Key_F5);
        QVERIFY(presentation() && presentation()->isFullScreen());
        QVERIFY(QTest::qWaitForWindowActive(presentation()));
        check_presentation_follows();
        for (const char *key : {"Right", "PgDown", "Ctrl+Right", "Ctrl+Right", "Left", "Ctrl+Left",
                                "End", "PgUp", "Home"}) {
            press(QKeySequence(QLatin1String(key))[0]);
            check_presentation_follows();
        }
        w->get<QSpinBox>("jumpStepNum")->setValue(20);
        w->window->jump();
        check_presentation_follows();

        QVERIFY(presentation()->findChild<QLabel *>("statusText")->font().pixelSize() >
                2 * QFontInfo(QApplication::font()).pixelSize());
        press(Qt::Key_B);
        QVERIFY(presentation()->blanked());
        QCOMPARE(presentation()->grab().toImage().pixelColor(10, 10), QColor(Qt::black));
        press(Qt::Key_Period);
        QVERIFY(!presentation()->blanked());

        w->get<QSlider>("playSpeed")->setValue(w->get<QSlider>("playSpeed")->maximum());
        press(Qt::Key_Space); // plays to the end, on the presentation
        QCOMPARE(w->vis->cur_step, w->vis->steps.size() - 1);
        check_presentation_follows();
        QVERIFY(presentation()->isVisible());

        press(Qt::Key_Escape);
        QVERIFY(!presentation()->isVisible());
        QCOMPARE(w->vis->cur_step, w->vis->steps.size() - 1);
        press(Qt::Key_F5);
        QVERIFY(presentation()->isVisible());
        press(Qt::Key_F5);
        QVERIFY(!presentation()->isVisible());
    }

    void blank_screen_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("presenting"); // after the key
        for (const char *key :
             {"Right", "Left", "PgUp", "PgDown", "Home", "End", "Ctrl+Right", "Ctrl+Left", "Space"})
            QTest::newRow(qPrintable(QStringLiteral("%1 shows the step again").arg(key)))
                << key << true;
        QTest::newRow("Esc leaves") << "Esc" << false;
        QTest::newRow("F5 leaves") << "F5" << false;
    }

    // While the screen is blank a step key brings the picture back without
    // moving, so that the class never misses a step.
    void blank_screen()
    {
        QFETCH(QString, key);
        QFETCH(bool, presenting);
        w->window->step_to(20);
        press("F5 B");
        QVERIFY(presentation()->blanked());
        press(QKeySequence(key)[0]);
        QCOMPARE(w->vis->cur_step, 20);
        QVERIFY(!presentation()->blanked());
        QCOMPARE(presentation()->isVisible(), presenting);
        QVERIFY(!w->window->is_playing());
    }

    void examples_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("formula");
        QTest::addColumn<QString>("numbers");   // empty where drawn at random
        QTest::addColumn<QString>("sorted");    // the same numbers in order
        QTest::addColumn<int>("pairs_swapped"); // of the numbers in order; -1 unchecked
        const auto up_to = [](int n) {
            QVector<qint32> numbers(n);
            std::iota(numbers.begin(), numbers.end(), 1);
            return joined(numbers);
        };
        QTest::newRow("reversed, 10 numbers, Knuth")
            << "Reversed" << 10 << 5 << "10 9 8 7 6 5 4 3 2 1" << up_to(10) << -1;
        QTest::newRow("already sorted, 25 numbers, Hibbard")
            << "Already sorted" << 25 << 1 << up_to(25) << up_to(25) << 0;
        QTest::newRow("nearly sorted, 20 numbers, Ciura")
            << "Nearly sorted (two pairs swapped at random)" << 20 << 6 << QString() << up_to(20)
            << 2;
        QTest::newRow("three values, 13 numbers, Pratt")
            << "Only three different values, in random order" << 13 << 3 << QString()
            << "1 1 1 1 1 2 2 2 2 3 3 3 3" << -1;
        const QString bad_case = QStringLiteral("9 1 10 2 11 3 12 4 13 5 14 6 15 7 16 8");
        QTest::newRow("Shell's bad case, 16 numbers, Shell")
            << "Bad case for Shell's formula (16 numbers)" << 16 << 0 << bad_case << up_to(16)
            << -1;
        QTest::newRow("Shell's bad case at 11 on the slider: 16 numbers, Fibonacci")
            << "Bad case for Shell's formula (16 numbers)" << 11 << 4 << bad_case << up_to(16)
            << -1;
        QTest::newRow("Shell's bad case at 20 on the slider: 16 numbers, Shell")
            << "Bad case for Shell's formula (16 numbers)" << 20 << 0 << bad_case << up_to(16)
            << -1;
    }

    // An example is applied at once as the typed sequence, at the slider's
    // size and under the formula chosen; Copy the sequence gives back the
    // numbers it started from, wherever the trace is.
    void examples()
    {
        QFETCH(QString, item);
        QFETCH(int, size);
        QFETCH(int, formula);
        QFETCH(QString, numbers);
        QFETCH(QString, sorted);
        QFETCH(int, pairs_swapped);
        w->choose("randomGenRadio");
        w->get<QSlider>("randomSeqSize")->setValue(size);
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        QAction *action = action_named(w->window, item);
        QVERIFY(action);
        action->trigger();

        QVERIFY(w->get<QRadioButton>("userDefineRadio")->isChecked());
        auto *field = w->get<QLineEdit>("userDefLine");
        QVERIFY(field->isVisible());
        QCOMPARE(field->text(), joined(w->vis->seq));
        if (!numbers.isEmpty())
            QCOMPARE(field->text(), numbers);
        Visualizer model(nullptr, nullptr, nullptr, gap_generators[formula], w->vis->seq);
        model.build_trace();
        QCOMPARE(w->vis->gaps, model.gaps);
        QCOMPARE(w->vis->steps.size(), model.steps.size());
        QCOMPARE(w->vis->cur_step, 0);
        QVector<qint32> in_order = w->vis->seq;
        std::sort(in_order.begin(), in_order.end());
        QCOMPARE(joined(in_order), sorted);
        if (pairs_swapped != -1) {
            int misplaced = 0;
            for (int i = 0; i < size; ++i)
                if (w->vis->seq[i] != in_order[i]) {
                    ++misplaced;
                    QCOMPARE(w->vis->seq[w->vis->seq[i] - 1], i + 1); // swapped with its place
                }
            QCOMPARE(misplaced, 2 * pairs_swapped);
        }

        press(Qt::Key_End);
        press(QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_C));
        QCOMPARE(QGuiApplication::clipboard()->text(), field->text());
    }

    void bad_case_is_bad_for_shell_data()
    {
        QTest::addColumn<int>("slider");
        for (int size : {10, 16, 17, 20, 25})
            QTest::newRow(qPrintable(QStringLiteral("slider at %1").arg(size))) << size;
    }

    // Wherever the slider is, the bad case makes Shell's formula compare more
    // than on 95% of random permutations of as many numbers (at 20 numbers
    // it would be an average case).
    void bad_case_is_bad_for_shell()
    {
        QFETCH(int, slider);
        w->get<QSlider>("randomSeqSize")->setValue(slider);
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(0);
        QAction *action = action_named(w->window, "Bad case for Shell's formula (16 numbers)");
        QVERIFY(action);
        action->trigger();
        const int n = int(w->vis->seq.size());
        QCOMPARE(n, 16);
        QRandomGenerator rng(1959);
        QVector<qint32> permutation;
        int as_costly = 0;
        const int samples = 400;
        for (int i = 0; i < samples; ++i) {
            random_permutation(rng, n, &permutation);
            Visualizer sorted(nullptr, nullptr, nullptr, formulas[0].generate, permutation);
            sorted.build_trace();
            as_costly += sorted.op_count >= w->vis->op_count;
        }
        QVERIFY2(as_costly <= samples / 20,
                 qPrintable(QStringLiteral("%1 comparisons; %2 of %3 random permutations as many")
                                .arg(w->vis->op_count)
                                .arg(as_costly)
                                .arg(samples)));
    }

    void random_numbers_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {2, 10, 25, 1000})
            QTest::newRow(qPrintable(QStringLiteral("%1 numbers").arg(n))) << n;
    }

    // Each number is drawn on its own from 1 to n, as in the window's random
    // sequences: over many draws every value turns up, no other, and some
    // draw repeats one.
    void random_numbers()
    {
        QFETCH(int, n);
        QRandomGenerator rng{quint32(n)};
        QSet<qint32> seen;
        bool repeated = false;
        for (int draw = 0; draw < 50; ++draw) {
            const QVector<qint32> numbers = Examples::random(n, rng);
            QCOMPARE(numbers.size(), n);
            const QSet<qint32> values(numbers.cbegin(), numbers.cend());
            repeated = repeated || values.size() < n;
            seen.unite(values);
        }
        QCOMPARE(seen.size(), n);
        QCOMPARE(*std::min_element(seen.cbegin(), seen.cend()), 1);
        QCOMPARE(*std::max_element(seen.cbegin(), seen.cend()), n);
        QVERIFY(repeated);
    }

    void random_sequence_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("formula");
        QTest::newRow("2 numbers, the fewest, Shell") << 2 << 0;
        QTest::newRow("9 numbers, below the slider, Hibbard") << 9 << 1;
        QTest::newRow("26 numbers, above the slider, Pratt") << 26 << 3;
        QTest::newRow("1000 numbers, the most, Ciura") << 1000 << 6;
    }

    // Random sequence… asks for a size and applies that many numbers from 1
    // to n as the typed sequence under the formula in force, and the window
    // shows what Apply shows for them; the slider keeps its range and place.
    void random_sequence()
    {
        QFETCH(int, size);
        QFETCH(int, formula);
        w->choose("randomGenRadio");
        auto *slider = w->get<QSlider>("randomSeqSize");
        slider->setValue(17);
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->window->step_to(5);
        QVERIFY(answer_dialog(w->window, "Random sequence…", [&](QDialog *dialog) {
            auto *spin = dialog->findChild<QSpinBox *>();
            QTest::keyClicks(spin, QString::number(size));
            QTest::keyClick(spin, Qt::Key_Return);
        }));

        QVERIFY(w->get<QRadioButton>("userDefineRadio")->isChecked());
        auto *field = w->get<QLineEdit>("userDefLine");
        QVERIFY(field->isVisible());
        QCOMPARE(field->text(), joined(w->vis->seq));
        QCOMPARE(w->vis->seq.size(), size);
        for (qint32 v : std::as_const(w->vis->seq))
            QVERIFY2(v >= 1 && v <= size, qPrintable(QString::number(v)));
        Visualizer model(nullptr, nullptr, nullptr, formulas[formula].generate, w->vis->seq);
        model.build_trace();
        QCOMPARE(w->vis->gaps, model.gaps);
        QCOMPARE(w->vis->steps.size(), model.steps.size());
        QCOMPARE(w->vis->cur_step, 0);
        const QString shown = w->shown();
        w->click("applyButton");
        QCOMPARE(w->shown(), shown);
        QCOMPARE(QList<int>({slider->minimum(), slider->maximum(), slider->value()}),
                 QList<int>({10, 25, 17}));
    }

    void random_size_is_remembered_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("offered_next"); // in a new window with the slider at 12
        QTest::newRow("37 and OK: 37 from then on") << "37" << true << 37;
        QTest::newRow("1000 and OK: 1000 from then on") << "1000" << true << 1000;
        QTest::newRow("500 and Cancel: the slider's size still") << "500" << false << 12;
    }

    // The size dialog offers the slider's size until one is answered, then
    // that one, kept on disk for later runs; a cancelled one changes nothing.
    // Screen readers name the size by its label, which gives the range.
    void random_size_is_remembered()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(int, offered_next);
        w->get<QSlider>("randomSeqSize")->setValue(17);
        const QString before = w->shown();
        int offered = 0;
        QVERIFY(answer_dialog(w->window, "Random sequence…", [&](QDialog *dialog) {
            auto *spin = dialog->findChild<QSpinBox *>();
            QVERIFY(spin);
            offered = spin->value();
            QCOMPARE(QList<int>({spin->minimum(), spin->maximum()}), QList<int>({2, 1000}));
            const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
            const auto label = std::find_if(labels.cbegin(), labels.cend(),
                                            [&](QLabel *l) { return l->buddy() == spin; });
            QVERIFY(label != labels.cend());
            QVERIFY2((*label)->text().contains(u"2 to 1000"), qPrintable((*label)->text()));
            QCOMPARE(QAccessible::queryAccessibleInterface(spin)->text(QAccessible::Name),
                     QString((*label)->text()).remove(u'&'));
            QTest::keyClicks(spin, typed);
            QTest::keyClick(spin, accepted ? Qt::Key_Return : Qt::Key_Escape);
        }));
        QCOMPARE(offered, 17);
        if (accepted)
            QCOMPARE(w->vis->seq.size(), typed.toInt());
        else
            QCOMPARE(w->shown(), before);
        QFile file(QSettings().fileName());
        const QString kept = file.open(QIODevice::ReadOnly) ? file.readAll() : QString();
        QCOMPARE(kept.contains(QStringLiteral("[random]\nsize=%1\n").arg(typed)), accepted);

        delete w->window;
        w->open();
        w->get<QSlider>("randomSeqSize")->setValue(12);
        QVERIFY(answer_dialog(w->window, "Random sequence…", [&](QDialog *dialog) {
            offered = dialog->findChild<QSpinBox *>()->value();
        }));
        QCOMPARE(offered, offered_next);
    }

    void picture_dialog_remembers_data()
    {
        QTest::addColumn<QString>("suffix"); // chosen in the first dialog
        QTest::addColumn<bool>("removed");   // the folder is gone before the second
        QTest::newRow("PNG into a folder") << "png" << false;
        QTest::newRow("SVG into a folder") << "svg" << false;
        QTest::newRow("SVG into a folder since removed") << "svg" << true;
    }

    // Save picture… offers the folder and the kind of the last picture saved,
    // in a new window too; where that folder is gone, the folder it first
    // offered.
    void picture_dialog_remembers()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, removed);
        const auto filter = [](const QString &kind) {
            return kind.toUpper() + QStringLiteral(" image (*.") + kind + u')';
        };
        QTemporaryDir dir;
        Offer first;
        QVERIFY(answer_dialog(w->window, "Save picture…", [&](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(files);
            first = offer(files);
            auto *kinds = files->findChild<QComboBox *>("fileTypeCombo");
            QVERIFY(kinds);
            if (suffix == u"svg")
                QTest::keyClick(kinds, Qt::Key_Down);
            files->selectFile(dir.filePath(offer(files).name));
            QTest::keyClick(files->findChild<QLineEdit *>("fileNameEdit"), Qt::Key_Return);
        }));
        QCOMPARE(first.filter, filter("png"));
        QCOMPARE(first.name, classroom()->picture_name("png"));
        QVERIFY(QFileInfo::exists(dir.filePath(classroom()->picture_name(suffix))));
        if (removed)
            QVERIFY(dir.remove());

        delete w->window;
        w->open();
        w->window->step_to(3);
        Offer next;
        QVERIFY(answer_dialog(w->window, "Save picture…", [&](QDialog *dialog) {
            next = offer(qobject_cast<QFileDialog *>(dialog));
        }));
        QCOMPARE(next.folder, removed ? first.folder : QDir::cleanPath(dir.path()));
        QCOMPARE(next.filter, filter(suffix));
        QCOMPARE(next.name, classroom()->picture_name(suffix));
    }

    void menu_keys_data()
    {
        QTest::addColumn<QString>("focus"); // the widget with the keyboard
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("canvas_menu"); // else the focused field's own
        QTest::newRow("Menu on the canvas") << "Canvas"
                                            << "Menu" << true;
        QTest::newRow("Shift+F10 on the canvas") << "Canvas"
                                                 << "Shift+F10" << true;
        QTest::newRow("Shift+F10 on the Apply button") << "applyButton"
                                                       << "Shift+F10" << true;
        QTest::newRow("Shift+F10 in the typed field: its own menu") << "userDefLine"
                                                                    << "Shift+F10" << false;
        QTest::newRow("Shift+F10 in the step box: its own menu") << "jumpStepNum"
                                                                 << "Shift+F10" << false;
    }

    // The Menu key and Shift+F10 open the canvas menu over the canvas; a field
    // being edited keeps Shift+F10 for its own menu, as it keeps the Menu key.
    void menu_keys()
    {
        QFETCH(QString, focus);
        QFETCH(QString, key);
        QFETCH(bool, canvas_menu);
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the keyboard");
        QWidget *focused = w->get(qPrintable(focus));
        focused->setFocus();
        QCOMPARE(QApplication::focusWidget(), focused);
        // Some fields' menus wait in exec(): the menu is seen and closed from a timer.
        bool of_canvas = false;
        QPoint at;
        QTimer poll;
        poll.callOnTimeout([&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            poll.stop();
            of_canvas = action_named(menu, "Present") != nullptr;
            at = menu->pos();
            menu->close();
        });
        poll.start(5);
        press(QKeySequence(key)[0]);
        QTRY_VERIFY(!poll.isActive());
        QCOMPARE(of_canvas, canvas_menu);
        const QWidget *under = canvas_menu ? w->get("Canvas") : focused;
        QVERIFY(QRect(under->mapToGlobal(QPoint()), under->size()).contains(at));
    }

    // Closing the window while presenting, during a playback of five-second
    // steps, ends the program at once; nothing is left and no warning given.
    void closing_while_presenting()
    {
        press(Qt::Key_F5);
        w->get<QSlider>("playSpeed")->setValue(0);
        QTimer::singleShot(0, w->window, [this] { press(Qt::Key_Space); });
        QTimer::singleShot(100, w->window, [this] { w->window->close(); });
        const QDeadlineTimer guard(4000); // well before the five-second sleep ends
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!presentation()->isVisible());
        delete w->window; // nor does its end wait for the sleep
        QVERIFY(!guard.hasExpired());
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("PNG") << "png";
        QTest::newRow("SVG") << "svg";
    }

    // The whole picture, at twice the scene's size (PNG and clipboard) or at
    // its size with the labels as text (SVG), purple where the compared boxes
    // are; an unwritable name gets a box naming it and leaves nothing.
    void pictures()
    {
        QFETCH(QString, suffix);
        w->window->step_to(29 - 1);
        QCOMPARE(classroom()->picture_name(suffix), "shell-sort-step-029-of-049." + suffix);
        const TraceStep &step = w->vis->steps[w->vis->cur_step];
        QVERIFY(step.pos_b != -1);
        const QRectF scene = w->vis->scene->sceneRect();

        QTemporaryDir dir;
        const QString path = dir.filePath(classroom()->picture_name(suffix));
        QVERIFY(classroom()->save_picture(path));
        QImage image;
        if (suffix == u"svg") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray svg = file.readAll();
            for (qint32 v : w->vis->seq)
                QVERIFY(svg.contains(">" + QByteArray::number(v) + "</text>"));
            QSvgRenderer renderer(svg);
            QCOMPARE(renderer.viewBoxF().size(), scene.size() + QSizeF(1, 1));
            image = QImage(scene.size().toSize() * 2, QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            renderer.render(&painter);
        } else {
            QVERIFY(image.load(path));
            press(QKeyCombination(Qt::CTRL, Qt::Key_C));
            QCOMPARE(QGuiApplication::clipboard()->image(),
                     image.convertToFormat(QImage::Format_RGB32));
        }
        QCOMPARE(image.size(), scene.size().toSize() * 2);
        const int unit = box_width(*w->vis);
        // Inside the frame that marks the compared boxes.
        for (int pos : {step.pos_a, step.pos_b})
            QCOMPARE(image.pixelColor(2 * unit * pos + 10, 2 * 100 + 10), purple);
        QCOMPARE(image.pixelColor(2 * unit * step.pos_a + 4, 2 * 50 + 4), QColor(160, 160, 164));

        const QString unwritable = dir.filePath("no/such/folder/step." + suffix);
        QVERIFY(!classroom()->save_picture(unwritable));
        QCOMPARE(w->boxes.size(), 1);
        QVERIFY(w->boxes[0].startsWith("Critical Error: The picture could not be saved as " +
                                       QDir::toNativeSeparators(unwritable)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{QFileInfo(path).fileName()});
    }

    // A thousand numbers: the picture shows what the canvas shows, both
    // compared boxes in two panes, small enough for a slide.
    void long_picture()
    {
        QRandomGenerator rng(1000);
        w->apply(typed_numbers(rng, 1000));
        w->window->step_to(3); // 500 apart, in the first pass
        const TraceStep &step = w->vis->steps[w->vis->cur_step];
        QVERIFY(step.pos_b - step.pos_a == 500);
        QTemporaryDir dir;
        QVERIFY(classroom()->save_picture(dir.filePath("step.png")));
        QVERIFY(classroom()->save_picture(dir.filePath("step.svg")));
        const QImage png(dir.filePath("step.png"));
        QVERIFY(png.width() > 1000 && png.width() <= 4096);
        press(QKeyCombination(Qt::CTRL, Qt::Key_C));
        QCOMPARE(QGuiApplication::clipboard()->image(), png.convertToFormat(QImage::Format_RGB32));
        QFile file(dir.filePath("step.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(QSvgRenderer(svg).defaultSize().width() <= 4096);
        for (int pos : {step.pos_a, step.pos_b}) // white on purple
            QVERIFY(svg.contains("fill=\"#ffffff\">" + QByteArray::number(w->vis->seq[pos]) +
                                 "</text>"));
    }

    void presentation_fills_the_screen_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("formula");
        QTest::addColumn<bool>("predicting");
        QTest::newRow("20 numbers") << 20 << 0 << false;
        QTest::newRow("60 numbers, predicting") << 60 << 5 << true;
        QTest::newRow("1000 numbers") << 1000 << 0 << false;
        QTest::newRow("1000 numbers, predicting") << 1000 << 3 << true;
    }

    // On a full HD screen the digits of every box, the legend and the score
    // are 20 pixels high or more, at any length, and nothing overlaps.
    void presentation_fills_the_screen()
    {
        QFETCH(int, n);
        QFETCH(int, formula);
        QFETCH(bool, predicting);
        QRandomGenerator rng{quint32(n)};
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->apply(typed_numbers(rng, n));
        if (predicting)
            press(Qt::Key_P);
        press(Qt::Key_F5);
        PresentationView *shown = presentation();
        shown->setGeometry(0, 0, 1920, 1080);
        for (int i = 0; i < 12; ++i)
            press(Qt::Key_Right);
        QCoreApplication::processEvents();
        auto *view = shown->findChild<QGraphicsView *>();
        const PaneLayout &layout = shown->pane_layout();
        const qreal scale = layout.whole ? view->transform().m11() : layout.scale;
        const qreal digits = QFontMetricsF(w->vis->scene->font()).capHeight() * scale;
        QVERIFY2(digits >= 20, qPrintable(QString::number(digits)));
        QList<QWidget *> parts = {view, shown->findChild<QLabel *>("legend"),
                                  shown->findChild<QLabel *>("statusText")};
        if (predicting)
            parts.insert(2, shown->findChild<QLabel *>("score"));
        for (int i = 0; i < parts.size(); ++i) {
            QWidget *part = parts[i];
            QVERIFY2(part->isVisible(), qPrintable(part->objectName()));
            QVERIFY(QRect(0, 0, 1920, 1080).contains(part->geometry()));
            if (i > 0)
                QVERIFY2(parts[i - 1]->geometry().bottom() < part->geometry().top(),
                         qPrintable(part->objectName() + " overlaps what is above it"));
            if (qobject_cast<QLabel *>(part)) {
                const qreal height = QFontMetricsF(part->font()).capHeight();
                QVERIFY2(height >= 20, qPrintable(part->objectName()));
            }
        }
        // The notes of panes fit in the view too.
        const QRectF room = view->viewport()->rect();
        for (const PaneNote &note : layout.notes)
            QVERIFY2(room.contains(note.place.center()) && note.place.top() >= room.top() &&
                         note.place.bottom() <= room.bottom(),
                     qPrintable(note.text));
    }

    void presentation_follows_long_sequences_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("formula");
        QTest::addColumn<bool>("split"); // some pass in two panes
        QTest::newRow("60 numbers, Knuth formula") << 60 << 5 << true;
        QTest::newRow("100 numbers, Hibbard's formula") << 100 << 1 << true;
        QTest::newRow("300 numbers, Ciura's sequence") << 300 << 6 << true;
        QTest::newRow("1000 numbers, Shell's formula") << 1000 << 0 << true;
        // Its gap strip alone is wider than the view.
        QTest::newRow("200 numbers, Pratt's formula") << 200 << 3 << true;
    }

    // As the window's canvas, with boxes of 40 pixels or more.
    void presentation_follows_long_sequences()
    {
        QFETCH(int, n);
        QFETCH(int, formula);
        QFETCH(bool, split);
        QRandomGenerator rng{quint32(n)};
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->apply(typed_numbers(rng, n));
        press(Qt::Key_F5);
        auto *view = presentation()->findChild<QGraphicsView *>();
        const PaneLayout &layout = presentation()->pane_layout();
        QHash<int, int> panes_of_pass;
        const QString complaint = walk_passes(w->window, w->vis, rng, [&](int pass) -> QString {
            if (const QString missed = unseen(*w->vis, view, layout, 40); !missed.isEmpty())
                return missed;
            if (panes_of_pass.value(pass, layout.panes()) != layout.panes())
                return QStringLiteral("pass %1 changes its panes").arg(pass);
            panes_of_pass.insert(pass, layout.panes());
            return QString();
        });
        QVERIFY2(complaint.isEmpty(), qPrintable(complaint));
        QCOMPARE(QSet<int>(panes_of_pass.cbegin(), panes_of_pass.cend()).contains(2), split);
    }

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

    void race_says_each_lane_data()
    {
        QTest::addColumn<int>("formula"); // in force
        QTest::addColumn<QString>("keys");
        QTest::newRow("Shell's against Hibbard's: their first gaps") << 0 << "Right";
        QTest::newRow("Hibbard's against Sedgewick's: into the first pass")
            << 1 << "Right Right Right";
        QTest::newRow("Pratt's against Fibonacci: a step back")
            << 3 << "Right Right Right Right Left";
        QTest::newRow("Fibonacci against another, chosen with Down")
            << 4 << "Down Right Right Right";
        QTest::newRow("Ciura's against another, chosen with Up") << 6 << "Up Up Right Right Right";
    }

    // Each key has the race tell screen readers one line that names each
    // lane's formula with what that lane's own step says, the formula in
    // force first.
    void race_says_each_lane()
    {
        QFETCH(int, formula);
        QFETCH(QString, keys);
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->click("applyButton");
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        speaker = QAccessible::queryAccessibleInterface(race);
        said.clear();
        Accessibility::listen(hear);
        const auto deaf = qScopeGuard([] { Accessibility::listen(nullptr); });
        QString sentences[2];
        for (const QString &key : keys.split(u' ')) {
            press(QKeySequence(key)[0]);
            QCOMPARE(said.size(), 1);
            const QString line = said.takeFirst();
            const QString names[2] = {formula_name(race->formula(0)),
                                      formula_name(race->formula(1))};
            const qsizetype second = line.indexOf(names[1], names[0].size());
            QVERIFY2(line.startsWith(names[0]) && second > 0, qPrintable(line));
            const QString lanes[2] = {line.left(second).trimmed(), line.mid(second)};
            for (int lane = 0; lane < 2; ++lane) {
                const Visualizer &racer = race->racer(lane);
                sentences[lane] = racer.steps.at(racer.cur_step).text;
                QVERIFY2(lanes[lane].endsWith(QStringLiteral(": ") + sentences[lane]),
                         qPrintable(QStringLiteral("lane %1: %2").arg(lane).arg(lanes[lane])));
            }
        }
        // Else the row could not tell one lane's sentence from the other's.
        QVERIFY2(sentences[0] != sentences[1], qPrintable(sentences[0]));
    }

    void race_lanes_keep_their_scale_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("formula"); // in force
        QTest::newRow("10 numbers, Shell's against Hibbard's: whole pictures") << 10 << 0;
        QTest::newRow("25 numbers, Sedgewick's against Pratt's: whole pictures") << 25 << 2;
        QTest::newRow("300 numbers, Knuth against Ciura's: in panes") << 300 << 5;
        QTest::newRow("1000 numbers, Hibbard's against Sedgewick's: in panes") << 1000 << 1;
    }

    // On a full HD screen both lanes lie on the screen, and each shows the
    // boxes its step is about at 40 pixels or more, as the presentation does:
    // at every step, at the end, and for another second formula.
    void race_lanes_keep_their_scale()
    {
        QFETCH(int, n);
        QFETCH(int, formula);
        QRandomGenerator rng{quint32(n * 10 + formula)};
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->apply(typed_numbers(rng, n));
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        const QRect screen(0, 0, 1920, 1080);
        race->setGeometry(screen);
        QCoreApplication::processEvents();
        const auto complaint = [&]() -> QString {
            if (race->geometry() != screen)
                return QStringLiteral("the race is %1 by %2 pixels")
                    .arg(race->width())
                    .arg(race->height());
            for (int lane = 0; lane < 2; ++lane) {
                const Visualizer &racer = race->racer(lane);
                const QList<QGraphicsView *> views = race->findChildren<QGraphicsView *>();
                const auto view = std::find_if(views.cbegin(), views.cend(), [&](auto *view) {
                    return view->scene() == racer.scene;
                });
                if (view == views.cend())
                    return QStringLiteral("lane %1 has no view").arg(lane);
                if (!screen.contains(QRect((*view)->mapTo(race, QPoint()), (*view)->size())))
                    return QStringLiteral("lane %1 leaves the screen").arg(lane);
                const PaneLayout &layout = (*view)->findChild<PaneView *>()->layout();
                if (const QString missed = unseen(racer, *view, layout, 40); !missed.isEmpty())
                    return QStringLiteral("lane %1: %2").arg(lane).arg(missed);
            }
            return QString();
        };
        QString wrong = complaint();
        for (int i = 0; i < 60 && wrong.isEmpty(); ++i) {
            press(Qt::Key_Right);
            wrong = complaint();
        }
        for (const char *key : {"End", "Down", "Right", "Right"}) {
            if (wrong.isEmpty())
                press(QKeySequence(QLatin1String(key))[0]);
            wrong = wrong.isEmpty() ? complaint() : wrong;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
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
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->apply(numbers);
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
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->apply(numbers);
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
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->apply(numbers);
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

    void race_says_its_formulas_as_it_opens_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("formula"); // in force
        QTest::addColumn<QString>("line");
        QTest::newRow("English, Shell's against Hibbard's")
            << "en" << 0 << "Race: Shell's formula against Hibbard's formula.";
        QTest::newRow("English, Ciura's against Shell's")
            << "en" << 6 << "Race: Ciura's sequence against Shell's formula.";
        QTest::newRow("German, Sedgewick's against Pratt's")
            << "de" << 2 << "Wettlauf: Sedgewick-Formel gegen Pratt-Formel.";
    }

    // As the race opens, screen readers hear one line that names both
    // formulas, once: the first key is heard as its step.
    void race_says_its_formulas_as_it_opens()
    {
        QFETCH(QString, language);
        QFETCH(int, formula);
        QFETCH(QString, line);
        QLocale::setDefault(QLocale(language));
        install_translations();
        delete w->window;
        w->open();
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        races_said.clear();
        Accessibility::listen(hear_races);
        const auto deaf = qScopeGuard([] { Accessibility::listen(nullptr); });
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        QCOMPARE(races_said, QStringList{line});
        press(Qt::Key_Right);
        QCOMPARE(races_said.size(), 2);
        QVERIFY2(races_said.last().startsWith(formula_name(formula)),
                 qPrintable(races_said.last()));
    }

    void race_playback_waits_for_its_line_data()
    {
        QTest::addColumn<int>("reader"); // 0 none, 1 from the start, 2 from a tick on
        QTest::addColumn<int>("pause");
        QTest::newRow("no screen reader: the pause") << 0 << 700;
        QTest::newRow("no screen reader, 1 ms: on to the end at once") << 0 << 1;
        QTest::newRow("a screen reader: as long as each line takes") << 1 << 1;
        QTest::newRow("a screen reader and a longer pause: the pause") << 1 << 60000;
        QTest::newRow("a screen reader from a tick of playback on: the line") << 2 << 1;
    }

    // While a screen reader runs, playback waits after each line at least as
    // long as it takes to say, whether a key or a tick said it; without one,
    // the pause alone.
    void race_playback_waits_for_its_line()
    {
        QFETCH(int, reader);
        QFETCH(int, pause);
        ScreenReader::instance()->set_running(reader == 1);
        const auto reset = qScopeGuard([] { ScreenReader::instance()->set_running(false); });
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        speaker = QAccessible::queryAccessibleInterface(race);
        said.clear();
        Accessibility::listen(hear);
        const auto deaf = qScopeGuard([] { Accessibility::listen(nullptr); });
        const auto *ticks = race->findChild<QTimer *>(QStringLiteral("playback"));
        QVERIFY(ticks);
        const auto waits = [&] {
            return ScreenReader::instance()->running()
                       ? std::max(pause, ScreenReader::speaking_ms(said.last()))
                       : pause;
        };
        race->set_pause(pause);
        press("Right Space");
        QCOMPARE(ticks->interval(), waits());
        if (reader == 2) {
            ScreenReader::instance()->set_running(true);
            QTRY_VERIFY(ticks->interval() > pause);
            QCOMPARE(ticks->interval(), waits());
        }
        const int heard = ticks->interval();
        press(Qt::Key_Right); // a line of another length, while playing
        QCOMPARE(ticks->interval(), waits());
        if (reader == 1 && pause == 1)
            QVERIFY(ticks->interval() != heard);
        if (pause == 1 && reader == 0) {
            QTRY_VERIFY(!race->playing());
        } else {
            QVERIFY(race->playing());
            press(Qt::Key_Space);
            QVERIFY(!race->playing());
        }
    }

    void race_on_a_dark_desktop_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("10 numbers: whole pictures") << 10;
        QTest::newRow("300 numbers: in panes") << 300;
    }

    // Under Breeze Dark's colours the race stays black on white, as the
    // presentation: its texts stand out by 4.5:1 on white, and the lanes'
    // ground is white.
    void race_on_a_dark_desktop()
    {
        QFETCH(int, n);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([before] { QApplication::setPalette(before); });
        QPalette dark = before;
        dark.setColor(QPalette::Window, QColor(0x31, 0x36, 0x3b));
        dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xfc, 0xfc, 0xfc));
        QApplication::setPalette(dark);
        QRandomGenerator rng{quint32(n)};
        w->apply(typed_numbers(rng, n));
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        race->setGeometry(0, 0, 1280, 800);
        press("Right Right Right");
        const QImage image = race->grab().toImage();
        const QColor white(Qt::white);
        QCOMPARE(image.pixelColor(2, 2), white);
        for (const QLabel *label : race->findChildren<QLabel *>()) {
            const QRect area(label->mapTo(race, QPoint()), label->size());
            const auto [ground, ink] = ground_and_ink(image, area);
            QVERIFY2(
                ground == white && contrast(ink, ground) >= 4.5,
                qPrintable(
                    QStringLiteral("%1 on %2: %3").arg(ink.name(), ground.name(), label->text())));
        }
        for (const QGraphicsView *view : race->findChildren<QGraphicsView *>()) {
            const QRect area(view->mapTo(race, QPoint()), view->size());
            QCOMPARE(ground_and_ink(image, area).first, white);
            for (const QPoint &corner :
                 {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
                QCOMPARE(image.pixelColor(corner), white);
        }
    }

    void race_fits_its_screen_data()
    {
        QTest::addColumn<QSize>("screen"); // logical pixels
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("formula"); // in force
        QTest::addColumn<QString>("language");
        QTest::newRow("1280×1024 at scale 2, 10 numbers") << QSize(640, 512) << 10 << 0 << "en";
        QTest::newRow("1280×1024 at scale 2, 1000 numbers in panes")
            << QSize(640, 512) << 1000 << 1 << "en";
        QTest::newRow("1280×1024 at scale 2, in German") << QSize(640, 512) << 40 << 4 << "de";
        QTest::newRow("1920×1080 at scale 3, 25 numbers") << QSize(640, 360) << 25 << 2 << "en";
        QTest::newRow("1920×1080 at scale 2, 300 numbers in German")
            << QSize(960, 540) << 300 << 5 << "de";
        QTest::newRow("1366×768, 10 numbers") << QSize(1366, 768) << 10 << 6 << "en";
    }

    // On a small screen, as a large scale makes one, both lanes with their
    // titles and counters and the key line lie within the race, apart from
    // each other, each text whole, and each lane shows the boxes its step is
    // about: at every step, at the end and for another second formula.
    void race_fits_its_screen()
    {
        QFETCH(QSize, screen);
        QFETCH(int, n);
        QFETCH(int, formula);
        QFETCH(QString, language);
        QLocale::setDefault(QLocale(language));
        install_translations();
        delete w->window;
        w->open();
        QRandomGenerator rng{quint32(n * 10 + formula)};
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        w->apply(typed_numbers(rng, n));
        RaceView *race = start_race(w->window);
        QVERIFY(race);
        race->setGeometry(QRect(QPoint(), screen));
        QCoreApplication::processEvents();
        const auto complaint = [&]() -> QString {
            if (race->size() != screen)
                return QStringLiteral("the race is %1 by %2")
                    .arg(race->width())
                    .arg(race->height());
            QList<const QWidget *> parts;
            for (const QLabel *label : race->findChildren<QLabel *>()) {
                parts << label;
                if (label->heightForWidth(label->width()) > label->height())
                    return QStringLiteral("cut off: ") + label->text();
            }
            for (const QGraphicsView *view : race->findChildren<QGraphicsView *>()) {
                parts << view;
                const Visualizer &racer =
                    race->racer(view->scene() == race->racer(0).scene ? 0 : 1);
                const PaneLayout &layout = view->findChild<PaneView *>()->layout();
                if (const QString missed = unseen(racer, view, layout, 12); !missed.isEmpty())
                    return missed;
            }
            for (const QWidget *part : parts) {
                const QRect area(part->mapTo(race, QPoint()), part->size());
                if (!race->rect().contains(area))
                    return QStringLiteral("%1 leaves the race")
                        .arg(part->metaObject()->className());
                for (const QWidget *other : parts)
                    if (other != part &&
                        area.intersects(QRect(other->mapTo(race, QPoint()), other->size())))
                        return QStringLiteral("%1 over %2")
                            .arg(part->metaObject()->className(), other->metaObject()->className());
            }
            return QString();
        };
        QString wrong = complaint();
        for (const char *key : {"Right", "Right", "Right", "Right", "Right", "Right", "End", "Down",
                                "Left", "Up", "Home"}) {
            if (wrong.isEmpty())
                press(QKeySequence(QLatin1String(key))[0]);
            wrong = wrong.isEmpty() ? complaint() : wrong;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // A scripted session: questions, verdicts and the score; moving back, jumps
    // and playback never ask twice or count twice; leaving the mode restores
    // every text; a new Apply starts a new score.
    void predicting()
    {
        const QString usual = w->status();
        const QList<QAction *> actions = w->window->actions();
        const auto item = std::find_if(actions.cbegin(), actions.cend(), [](QAction *action) {
            return action->text() == "Predict the steps";
        });
        QVERIFY(item != actions.cend() && (*item)->isCheckable() && !(*item)->isChecked());
        press(Qt::Key_P);
        QVERIFY((*item)->isChecked()); // the menu shows the mode on
        QCOMPARE(w->window->windowTitle(), "Vellora – predicting");
        QCOMPARE(w->status(), usual); // not a comparison: as usual
        // What reaches the panel, and so a screen reader, never gives the answer away.
        QStringList shown;
        connect(w->panel(), &QTextBrowser::textChanged, this,
                [&] { shown << w->status().section(u'\n', 0, 0); });
        press("Right Right Right"); // 9 3 7 1 8 | 2 6 10 5 4 under gap 5: 9 against 2
        QCOMPARE(w->status(), "Compare 9 and 2 (gap 5): swap them or keep them? S = swap, K = "
                              "keep." +
                                  counters(4));
        QVERIFY(!shown.contains(w->vis->steps[3].text));
        press(Qt::Key_Right); // reveals, does not move
        QCOMPARE(w->vis->cur_step, 3);
        QCOMPARE(w->status(), w->vis->steps[3].text + counters(4));
        press("Right Right Right"); // 3 against 6: keep
        press(Qt::Key_S);
        QCOMPARE(w->status().section(u'\n', 0, 0),
                 "Not quite: 6 is more than 3, we don't need to replace it anymore. (0 of 1 "
                 "right)");
        QCOMPARE(w->window->windowTitle(), "Vellora – predicting (0 of 1 right)");
        press("Left Right K"); // answered already: nothing changes
        QVERIFY(w->status().startsWith("Not quite: "));

        predicting_presented_played_and_left(*item);
    }

    void answer_keys_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<char>("key");
        QTest::addColumn<QString>("shown"); // how the status panel begins after the key
        QTest::newRow("English: S swaps") << "en" << 'S' << "Right. 9 is more than 2";
        QTest::newRow("English: K keeps") << "en" << 'K' << "Not quite: 9 is more than 2";
        QTest::newRow("English: T answers nothing") << "en" << 'T' << "Compare 9 and 2";
        QTest::newRow("German: T swaps") << "de" << 'T' << "Richtig. 9 ist größer als 2";
        QTest::newRow("German: L keeps") << "de" << 'L' << "Nicht ganz: 9 ist größer als 2";
        QTest::newRow("German: S still swaps") << "de" << 'S' << "Richtig. 9 ist größer als 2";
        QTest::newRow("German: K still keeps") << "de" << 'K' << "Nicht ganz: 9 ist größer als 2";
    }

    // Each language answers with the keys its question names, and with S and K;
    // no key of the window or the presentation does two things.
    void answer_keys()
    {
        QFETCH(QString, language);
        QFETCH(char, key);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(language));
        install_translations();
        delete w->window;
        w->open();
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        press(Qt::Key_F5);
        for (QWidget *keys_of :
             {static_cast<QWidget *>(w->window), static_cast<QWidget *>(presentation())}) {
            QStringList taken;
            for (const QAction *action : keys_of->actions())
                for (const QKeySequence &sequence : action->shortcuts())
                    taken << sequence.toString();
            QCOMPARE(QSet<QString>(taken.cbegin(), taken.cend()).size(), taken.size());
        }
        press("P Right Right Right");
        QCOMPARE(w->status().section(u'\n', 0, 0),
                 language == u"de" ? "Vergleich von 9 und 2 (Schrittweite 5): tauschen oder "
                                     "lassen? T = tauschen, L = lassen."
                                   : "Compare 9 and 2 (gap 5): swap them or keep them? S = swap, "
                                     "K = keep.");
        press(QKeySequence(QString(QLatin1Char(key)))[0]);
        QVERIFY2(w->status().startsWith(shown), qPrintable(w->status()));
    }
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
