// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Moving through a trace in the real window: the navigation buttons, the step
// box, the keys, the canvas following the step, and timed playback.
#include "access/screen_reader.h"
#include "formulas.h"
#include "paneview.h"
#include "sleeper.h"
#include "window_fixture.h"

using Numbers = QVector<qint32>;

namespace
{

const char *const playback_controls[] = {
    "chosenFormula", "randomSeqSize", "applyButton", "randomGenRadio", "userDefineRadio",
    "userDefLine",   "prevStep",      "nextStep",    "prevSubseq",     "nextSubseq",
    "firstSlide",    "lastSlide",     "jumpButton",  "playSpeed",      "jumpStepNum"};

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> w;

    int last_step() const { return int(w->vis->steps.size()) - 1; }
    void set_speed(int value) { w->get<QSlider>("playSpeed")->setValue(value); }
    qint32 delay_ms() const { return w->window->findChild<Sleeper *>()->delay_ms; }
    // The playback controls that are (or are not) enabled.
    QStringList controls(bool enabled) const
    {
        QStringList names;
        for (const char *name : playback_controls)
            if (w->get(name)->isEnabled() == enabled)
                names << QString::fromLatin1(name);
        return names;
    }

private slots:
    void init()
    {
        w.emplace();
        // 5 4 3 2 1 under Shell's formula: 18 steps; subsequence steps at 2, 8 and 12.
        w->apply(QStringLiteral("5 4 3 2 1"));
        QCOMPARE(w->get<QSpinBox>("jumpStepNum")->maximum(), 18);
    }

    void cleanup() { w.reset(); }

    // A button name is clicked ("jumpButton k" after k is set in the step box);
    // "Return k" types k in the step box and presses Return; anything else is
    // a key sequence for the window.
    void navigation_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("landing");

        QTest::newRow("prev step at the opening stays") << 0 << "prevStep" << 0;
        QTest::newRow("next step") << 3 << "nextStep" << 4;
        QTest::newRow("first slide") << 9 << "firstSlide" << 0;
        QTest::newRow("last slide") << 0 << "lastSlide" << 17;
        QTest::newRow("next subsequence") << 3 << "nextSubseq" << 8;
        QTest::newRow("prev subsequence from inside one") << 6 << "prevSubseq" << 2;
        QTest::newRow("jump to the maximum is the closing step") << 0 << "jumpButton 18" << 17;
        QTest::newRow("Return in the step box jumps to the number typed") << 3 << "Return 12" << 11;
        QTest::newRow("Page Down key") << 3 << "PgDown" << 4;
        QTest::newRow("Right key") << 3 << "Right" << 4;
        QTest::newRow("End key") << 0 << "End" << 17;
        QTest::newRow("Ctrl+Right keys") << 3 << "Ctrl+Right" << 8;
        QTest::newRow("Ctrl+Left keys") << 9 << "Ctrl+Left" << 8;
    }

    // Every action asks the model and redraws; the step box shows the step
    // landed on and every control stays enabled.
    void navigation()
    {
        QFETCH(int, from);
        QFETCH(QString, action);
        QFETCH(int, landing);

        w->vis->set_current_step(from);
        w->panel()->clear();
        auto *box = w->get<QSpinBox>("jumpStepNum");
        if (action.startsWith(QStringLiteral("jumpButton ")))
            box->setValue(action.section(u' ', 1).toInt());
        if (action.startsWith(QStringLiteral("Return "))) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, action.section(u' ', 1));
            QTest::keyClick(box, Qt::Key_Return);
        } else if (w->get(action.section(u' ', 0, 0).toLatin1().constData())) {
            w->click(action.section(u' ', 0, 0).toLatin1().constData());
        } else {
            // A button with the focus would otherwise take the arrows for focus moves.
            w->get("nextStep")->setFocus();
            const QKeyCombination key = QKeySequence(action)[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        }
        QCOMPARE(w->vis->cur_step, landing);
        QTRY_COMPARE(w->status().section(u'\n', 0, 0), w->vis->steps[landing].text);
        QVERIFY(w->status().contains(QStringLiteral("Current step: %1/18").arg(landing + 1)));
        if (landing == 0 || landing == 17)
            QCOMPARE(w->vis->seq, (landing ? Numbers{1, 2, 3, 4, 5} : Numbers{5, 4, 3, 2, 1}));
        QCOMPARE(box->value(), landing + 1);
        QCOMPARE(controls(false), QStringList());
    }

    void canvas_follows_the_step_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("formula");
        for (int n : {60, 100, 300, 1000})
            for (int formula = 0; formula < formula_count; ++formula)
                QTest::newRow(qPrintable(QStringLiteral("%1 numbers, %2")
                                             .arg(n)
                                             .arg(QString::fromLatin1(formulas[formula].name))))
                    << n << formula;
    }

    // At every step of a walk from the start of passes chosen at random, the
    // boxes the step is about are in view with boxes of 25 pixels or more; a
    // pass keeps its number of panes, and one pane stays put while what the
    // step is about was already in it.
    void canvas_follows_the_step()
    {
        QFETCH(int, n);
        QFETCH(int, formula);
        QRandomGenerator rng(quint32(n * 10 + formula));
        w->apply_under(formula, typed_numbers(rng, n));
        auto *view = w->get<QGraphicsView>("Canvas");
        const PaneLayout &layout = w->window->findChild<PaneView *>()->layout();
        QVERIFY(!layout.whole && layout.panes() == 1);
        // A new trace, its first and its last step show the sequence from element 1.
        QCOMPARE(layout.pieces.last().source.left(), 0.0);

        QHash<int, int> panes_of_pass;
        QRectF before;
        const QString complaint = walk_passes(w->window, w->vis, rng, [&](int pass) -> QString {
            if (const QString missed = unseen(*w->vis, view, layout, 25); !missed.isEmpty())
                return missed;
            if (panes_of_pass.value(pass, layout.panes()) != layout.panes())
                return QStringLiteral("pass %1 changes its panes").arg(pass);
            panes_of_pass.insert(pass, layout.panes());
            const TraceStep &step = w->vis->steps[w->vis->cur_step];
            const int u = box_width(*w->vis);
            const QRectF shown = layout.pieces.last().source;
            if (layout.panes() == 1 && step.pos_b != -1 && w->vis->cur_step != pass + 1 &&
                before.contains(QRectF(u * step.pos_a, rows::subsequence_y, u, rows::box_size)) &&
                before.contains(QRectF(u * step.pos_b, rows::subsequence_y, u, rows::box_size)) &&
                shown != before)
                return QStringLiteral("the pane moved at step %1").arg(w->vis->cur_step);
            before = shown;
            return QString();
        });
        QVERIFY2(complaint.isEmpty(), qPrintable(complaint));
        for (int key : {Qt::Key_End, Qt::Key_Home}) {
            QTest::keyClick(view, Qt::Key(key));
            QTRY_COMPARE(layout.pieces.last().source.left(), 0.0);
            QCOMPARE(layout.notes.first().text, QStringLiteral("1"));
        }
    }

    // Held down, Right repeats faster than a slow redraw: the moves are made
    // at once and drawn together, so nothing is left queued at the release.
    void holding_a_key_queues_nothing()
    {
        w->apply(QStringLiteral("9 8 7 6 5 4 3 2 1 0 ").repeated(30));
        QSignalSpy redraws(w->get<QTextBrowser>("sortStatus"), &QTextBrowser::textChanged);
        for (int i = 0; i < 50; ++i)
            QTest::sendKeyEvent(QTest::Press, w->window, Qt::Key_Right, QString(), {}, 0);
        QTest::sendKeyEvent(QTest::Release, w->window, Qt::Key_Right, QString(), {}, 0);
        QCOMPARE(w->vis->cur_step, 50);
        QCoreApplication::processEvents();
        QCOMPARE(redraws.size(), 1);
        QCOMPARE(w->vis->cur_step, 50);
        QVERIFY(w->status().contains(QStringLiteral("Current step: 51/")));
        QCOMPARE(w->get<QSpinBox>("jumpStepNum")->value(), 51);
    }

    // Playback disables the controls but not Play; a second press stops it
    // where it is and a third one plays on to the end.
    void second_press_stops_third_resumes()
    {
        w->choose("randomGenRadio"); // hides the typed-sequence field
        set_speed(310);              // 155 ms per step
        auto *box = w->get<QSpinBox>("jumpStepNum");
        QStringList enabled_while_playing;
        bool play_button_ok = false;
        int shown_at_press = -1;
        QTimer::singleShot(700, w->window, [&] {
            enabled_while_playing = controls(true);
            for (QAction *action : w->window->actions()) // the keys rest, but for F5 and Esc
                if (action->isEnabled() && action->shortcut() != QKeySequence(Qt::Key_F5) &&
                    action->shortcut() != QKeySequence(Qt::Key_Escape))
                    enabled_while_playing << action->shortcut().toString();
            auto *play = w->get<QPushButton>("playButton");
            play_button_ok = play->isEnabled() && play->text() == QStringLiteral("Stop");
            shown_at_press = w->vis->cur_step;
            w->click("playButton");
        });
        w->click("playButton");
        QCOMPARE(enabled_while_playing, QStringList());
        QVERIFY(play_button_ok);
        QVERIFY(shown_at_press > 0 && shown_at_press < last_step());
        QCOMPARE(w->vis->cur_step, shown_at_press);
        QCOMPARE(box->value(), shown_at_press + 1);
        QCOMPARE(controls(false), QStringList());
        QCOMPARE(w->get<QPushButton>("playButton")->text(), QStringLiteral("Play"));
        QVERIFY(w->get("userDefLine")->isHidden());

        set_speed(w->get<QSlider>("playSpeed")->maximum());
        w->click("playButton");
        QCOMPARE(w->vis->cur_step, last_step());
        QCOMPARE(w->vis->seq, (Numbers{1, 2, 3, 4, 5}));
        QCOMPARE(box->value(), last_step() + 1);
        QCOMPARE(delay_ms(), 0);
        // At the closing step a press takes no step and leaves the program idle.
        set_speed(160);
        for (int press = 0; press < 2; ++press) {
            w->click("playButton");
            QCOMPARE(w->vis->cur_step, last_step());
            QCOMPARE(controls(false), QStringList());
        }
        QCOMPARE(delay_ms(), 2507);
    }

    void a_screen_reader_hears_each_step_data()
    {
        QTest::addColumn<bool>("reader");
        QTest::addColumn<double>("speed"); // the slider's share of its maximum
        QTest::newRow("no screen reader, 155 ms") << false << 0.969;
        QTest::newRow("no screen reader, 1 s") << false << 0.8;
        QTest::newRow("a screen reader, fastest") << true << 1.0;
        QTest::newRow("a screen reader, 155 ms") << true << 0.969;
    }

    // While a screen reader runs, playback waits at each step as long as its
    // sentence takes to say; sighted users play at the slider's speed.
    void a_screen_reader_hears_each_step()
    {
        QFETCH(bool, reader);
        QFETCH(double, speed);
        auto *slider = w->get<QSlider>("playSpeed");
        set_speed(qRound(slider->maximum() * speed));
        const qint32 slider_ms = playback_delay_ms(slider->value(), slider->maximum());
        ScreenReader::instance()->set_running(reader);
        qint32 waited = -1;
        QString sentence;
        QTimer::singleShot(100, w->window, [&] {
            waited = delay_ms();
            sentence = w->vis->steps.at(w->vis->cur_step).text;
            w->click("playButton");
        });
        w->click("playButton");
        ScreenReader::instance()->set_running(false);
        QVERIFY(!sentence.isEmpty());
        QCOMPARE(waited, reader ? qMax(slider_ms, ScreenReader::speaking_ms(sentence)) : slider_ms);
        QVERIFY(!reader || waited >= 1000);
    }

    // Keys a focused field edits with stay with it; only Page Down steps,
    // except on a slider, which it moves.
    void fields_keep_their_keys_data()
    {
        QTest::addColumn<QString>("field"); // widget.property
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("steps");

        QTest::newRow("edit Right")
            << "userDefLine.cursorPosition" << 3 << +Qt::Key_Right << 4 << false;
        QTest::newRow("edit PgDn")
            << "userDefLine.cursorPosition" << 3 << +Qt::Key_PageDown << 3 << true;
        QTest::newRow("spin box Up") << "jumpStepNum.value" << 4 << +Qt::Key_Up << 5 << false;
        QTest::newRow("combo box Home")
            << "chosenFormula.currentIndex" << 2 << +Qt::Key_Home << 0 << false;
        QTest::newRow("combo box P finds Pratt")
            << "chosenFormula.currentIndex" << 0 << +Qt::Key_P << 3 << false;
        QTest::newRow("speed slider PgDn")
            << "playSpeed.value" << 200 << +Qt::Key_PageDown << 190 << false;
        QTest::newRow("speed slider PgUp")
            << "playSpeed.value" << 200 << +Qt::Key_PageUp << 210 << false;
        QTest::newRow("size slider PgUp")
            << "randomSeqSize.value" << 12 << +Qt::Key_PageUp << 22 << false;
    }

    void fields_keep_their_keys()
    {
        QFETCH(QString, field);
        QFETCH(int, before);
        QFETCH(int, key);
        QFETCH(int, after);
        QFETCH(bool, steps);

        const QByteArray property = field.section(u'.', 1).toLatin1();
        w->vis->set_current_step(5);
        QWidget *widget = w->get(field.section(u'.', 0, 0).toLatin1().constData());
        widget->setFocus();
        widget->setProperty(property.constData(), before);
        QTest::keyClick(widget, Qt::Key(key));
        QCOMPARE(widget->property(property.constData()).toInt(), after);
        QCOMPARE(w->vis->cur_step, steps ? 6 : 5);
    }
};

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
