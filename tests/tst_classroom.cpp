// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Teaching in a room: the canvas menu and its keys, the examples, random
// sequences and the predict mode.
#include "classroom_test.h"
#include "examples.h"
#include "formulas.h"
#include "growth.h"
#include "translations.h"

#include <numeric>

class TestClassroom : public ClassroomTest
{
    Q_OBJECT

    // The score line of the presentation, empty while it shows none.
    QString presented_score() const
    {
        const auto *score = presentation()->findChild<QLabel *>("score");
        return score->isHidden() ? QString() : score->text();
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
