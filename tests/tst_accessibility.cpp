// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window without a mouse: the first key steps the trace, Tab goes in
// reading order, the focus shows, playback starts and stops from the keys;
// and what the canvas and the controls tell a screen reader.
#include "access/steps.h"
#include "contrast.h"
#include "paneview.h"
#include "window_fixture.h"

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> w;

    QStringList tab_order()
    {
        QStringList names;
        for (int i = 0; i < 30; ++i) {
            names << QApplication::focusWidget()->objectName();
            press(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == w->get("Canvas"))
                break;
        }
        return names;
    }

private slots:
    void init() { w.emplace(); }
    void cleanup() { w.reset(); }

    // Top to bottom and left to right; the typed sequence right after the
    // choice of it; the first Right steps the trace.
    void reading_order()
    {
        QCOMPARE(QApplication::focusWidget(), w->get("Canvas"));
        press(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(w->vis->cur_step, 1);
        const QStringList top = {"Canvas",       "sortStatus", "prevStep",    "nextStep",
                                 "prevSubseq",   "nextSubseq", "firstSlide",  "lastSlide",
                                 "playSpeed",    "playButton", "jumpStepNum", "jumpButton",
                                 "chosenFormula"};
        QCOMPARE(tab_order(),
                 top + QStringList({"randomGenRadio", "randomSeqSize", "applyButton"}));
        w->choose("userDefineRadio");
        w->get("Canvas")->setFocus();
        QCOMPARE(tab_order(), top + QStringList({"userDefineRadio", "userDefLine", "applyButton"}));
    }

    // The canvas and the status panel, which the style draws alike with and
    // without the focus, show a ring while they have it.
    void focus_shows()
    {
        for (const char *name : {"Canvas", "sortStatus"}) {
            QWidget *widget = w->get(name);
            w->get("applyButton")->setFocus();
            const QImage without = widget->grab().toImage();
            widget->setFocus();
            QCoreApplication::processEvents();
            QVERIFY2(widget->grab().toImage() != without, name);
        }
    }

    // Space plays and stops where it would type nothing and press no button;
    // Esc stops from anywhere; Play reads Stop meanwhile.
    void playback_from_the_keys()
    {
        w->get<QSlider>("playSpeed")->setValue(300); // 330 ms a step
        w->get("Canvas")->setFocus();
        QString caption;
        QTimer::singleShot(500, w->window, [&] {
            caption = w->get<QPushButton>("playButton")->text();
            press(w->get("sortStatus"), Qt::Key_Space);
        });
        press(w->get("Canvas"), Qt::Key_Space); // returns when the playback ends
        QCOMPARE(caption, QStringLiteral("Stop"));
        const int stopped = w->vis->cur_step;
        QVERIFY(stopped > 0 && stopped < 5);

        QTimer::singleShot(500, w->window, [&] { press(w->window, Qt::Key_Escape); });
        press(w->get("sortStatus"), Qt::Key_Space);
        QVERIFY(w->vis->cur_step > stopped && w->vis->cur_step < stopped + 5);
        QCOMPARE(w->get<QPushButton>("playButton")->text(), QStringLiteral("Play"));

        const int before = w->vis->cur_step;
        press(w->get("nextStep"), Qt::Key_Space); // the button's own Space
        QCOMPARE(w->vis->cur_step, before + 1);
        w->choose("userDefineRadio");
        QTest::keyClicks(w->get("userDefLine"), QStringLiteral("4 2"));
        QCOMPARE(w->get<QLineEdit>("userDefLine")->text(), QStringLiteral("4 2"));
    }

    void esc_stops_playback_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("the canvas") << "Canvas";
        QTest::newRow("the status panel") << "sortStatus";
        QTest::newRow("the Play button") << "playButton";
        // Disabled during playback, which hands their focus on.
        QTest::newRow("the Next step button") << "nextStep";
        QTest::newRow("the Apply button") << "applyButton";
        QTest::newRow("the speed slider") << "playSpeed";
        QTest::newRow("the step box") << "jumpStepNum";
        QTest::newRow("the formula list") << "chosenFormula";
    }

    // Esc stops a playback where it is, wherever the focus was when it began.
    void esc_stops_playback()
    {
        QFETCH(QString, focus);
        QRandomGenerator rng(7);
        w->apply(typed_numbers(rng, 40));
        w->get<QSlider>("playSpeed")->setValue(300); // 330 ms a step
        QWidget *start = w->get(focus.toLatin1().constData());
        start->setFocus();
        QCOMPARE(QApplication::focusWidget(), start);

        QString focus_at_esc;
        int step_at_esc = -1;
        bool playing_at_esc = false;
        bool stopped = false;
        QTimer::singleShot(500, w->window, [&] {
            QWidget *focused = QApplication::focusWidget();
            focus_at_esc = focused != nullptr ? focused->objectName() : QStringLiteral("nothing");
            step_at_esc = w->vis->cur_step;
            playing_at_esc = w->window->is_playing();
            QTest::keyClick(focused != nullptr ? focused : w->window.data(), Qt::Key_Escape);
            stopped = !w->window->is_playing();
        });
        // A playback Esc leaves running is stopped here, so that the test ends.
        QTimer rescue;
        rescue.setSingleShot(true);
        connect(&rescue, &QTimer::timeout, w->window, [this] {
            if (w->window->is_playing())
                w->window->play();
        });
        rescue.start(3000);
        w->window->play(); // returns when the playback ends
        QVERIFY(playing_at_esc);
        QVERIFY2(stopped,
                 qPrintable(QStringLiteral("Esc left the playback running, the focus on ") +
                            focus_at_esc));
        QCOMPARE(w->vis->cur_step, step_at_esc);
        QCOMPARE(w->get<QPushButton>("playButton")->text(), QStringLiteral("Play"));
    }

    // Each step is told by an item of the canvas's list named by what the
    // status panel says; an answer makes a new one, and the items a screen
    // reader knew stay valid when it asks about the step it left.
    void step_items()
    {
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w->get("Canvas"));
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), w->vis->steps.size());
        press(w->get("Canvas"), Qt::Key_P);
        for (int i = 0; i < 3; ++i)
            press(w->get("Canvas"), Qt::Key_Right);
        QAccessibleInterface *question = list->focusChild();
        QVERIFY(question->text(QAccessible::Name).startsWith("Compare 9 and 2"));
        press(w->get("Canvas"), Qt::Key_K);
        QAccessibleInterface *verdict = list->focusChild();
        QVERIFY(verdict != question && verdict->text(QAccessible::Name).startsWith("Not quite:"));
        const QAccessible::Id known = QAccessible::uniqueId(verdict);
        press(w->get("Canvas"), Qt::Key_Right);
        QCOMPARE(list->indexOfChild(list->focusChild()), 4);
        QCOMPARE(list->child(3)->text(QAccessible::Name), w->vis->steps[3].text);
        QCOMPARE(QAccessible::accessibleInterface(known), verdict);
        QVERIFY(verdict->isValid() && question->isValid());
    }

    // Every step's item can be selected; the step on display alone is
    // focused and selected, wherever the trace stands.
    void step_item_states()
    {
        QRandomGenerator rng(11);
        w->apply(typed_numbers(rng, 40));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w->get("Canvas"));
        const int steps = int(w->vis->steps.size());
        for (int round = 0; round < 20; ++round) {
            const int current = rng.bounded(steps);
            w->window->step_to(current - w->vis->cur_step);
            QCOMPARE(w->vis->cur_step, current);
            for (int step : {0, current - 1, current, current + 1, rng.bounded(steps), steps - 1}) {
                if (step < 0 || step >= steps)
                    continue;
                const QAccessible::State state = list->child(step)->state();
                const QByteArray where = "step " + QByteArray::number(step) + ", with step " +
                                         QByteArray::number(current) + " on display";
                QVERIFY2(state.selectable && state.focusable, where.constData());
                QCOMPARE(bool(state.focused), step == current);
                QCOMPARE(bool(state.selected), step == current);
            }
            QCOMPARE(list->indexOfChild(list->focusChild()), current);
        }
    }

    void unrelated_interfaces_data()
    {
        QTest::addColumn<QString>("stranger");
        QTest::newRow("a step of another view of the trace") << "other step";
        QTest::newRow("the step on display in another view") << "other current";
        QTest::newRow("a line of the step on display") << "row";
        QTest::newRow("the canvas's viewport") << "viewport";
        QTest::newRow("the panes over the canvas") << "panes";
        QTest::newRow("the canvas itself") << "canvas";
        QTest::newRow("a button") << "button";
        QTest::newRow("no interface") << "none";
    }

    // The canvas's list finds its own step items, each at its step, and
    // nothing else: not even the items of another view of the same trace.
    void unrelated_interfaces()
    {
        QFETCH(QString, stranger);
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        w->window->step_to(5);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w->get("Canvas"));
        QGraphicsView other(w->vis->scene);
        QAccessibleInterface *others = QAccessible::queryAccessibleInterface(&other);
        QCOMPARE(others->role(), QAccessible::List);
        QCOMPARE(others->childCount(), list->childCount());

        QAccessibleInterface *asked = nullptr;
        if (stranger == u"other step") {
            asked = others->child(3);
            QCOMPARE(others->indexOfChild(asked), 3);
        } else if (stranger == u"other current") {
            asked = others->focusChild();
            QCOMPARE(others->indexOfChild(asked), 5);
        } else if (stranger == u"row") {
            asked = list->focusChild()->child(0);
        } else if (stranger == u"viewport") {
            asked =
                QAccessible::queryAccessibleInterface(w->get<QGraphicsView>("Canvas")->viewport());
        } else if (stranger == u"panes") {
            asked = QAccessible::queryAccessibleInterface(w->window->findChild<PaneView *>());
        } else if (stranger == u"canvas") {
            asked = list;
        } else if (stranger == u"button") {
            asked = QAccessible::queryAccessibleInterface(w->get("nextStep"));
        }
        QCOMPARE(asked == nullptr, stranger == u"none");
        QCOMPARE(list->indexOfChild(asked), -1);
        for (int step : {0, 3, 5, list->childCount() - 1})
            QCOMPARE(list->indexOfChild(list->child(step)), step);
    }

    void control_names_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("the step box") << "jumpStepNum"
                                      << "Step number";
        QTest::newRow("the size slider") << "randomSeqSize"
                                         << "Size of the sequence";
        QTest::newRow("the speed slider") << "playSpeed"
                                          << "Speed: seconds per step";
        QTest::newRow("the status panel") << "sortStatus"
                                          << "Step explanation";
        QTest::newRow("the typed sequence") << "userDefLine"
                                            << "Please type in your sequence:";
    }

    // Controls whose caption does not say what they hold have names of their own.
    void control_names()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget *widget = w->get(control.toLatin1().constData());
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    }

    // The status panel is a read-only text, not a label, whose name Orca
    // would say instead of its text; its one line is the whole text, the
    // sentence with the counters, which Orca says after the name.
    void status_panel_read_whole()
    {
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(w->get("sortStatus"));
        QCOMPARE(panel->role(), QAccessible::EditableText);
        QVERIFY(panel->state().readOnly && panel->state().multiLine);
        for (int step : {0, 7, 22}) {
            w->window->step_to(step - w->vis->cur_step);
            QVERIFY(w->status().contains(QStringLiteral("Current step: %1/").arg(step + 1)));
            int start = -1;
            int end = -1;
            const int middle = int(w->status().size()) / 2;
            QCOMPARE(panel->textInterface()->textAtOffset(middle, QAccessible::LineBoundary, &start,
                                                          &end),
                     w->status());
            QCOMPARE(start, 0);
            QCOMPARE(end, w->status().size());
        }
    }

    void about_text_legible_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::newRow("Fusion's light palette") << QColor(0xefefef) << QColor(Qt::black);
        QTest::newRow("Breeze") << QColor(0xeff0f1) << QColor(0x232629);
        QTest::newRow("Breeze Dark") << QColor(0x31363b) << QColor(0xeff0f1);
        QTest::newRow("black on white") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("white on black") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("Solarized Dark") << QColor(0x002b36) << QColor(0x839496);
        QTest::newRow("Solarized Light, whose text is fainter than 4.5:1")
            << QColor(0xfdf6e3) << QColor(0x657b83);
        QTest::newRow("white on mid grey, fainter than 4.5:1")
            << QColor(0x777777) << QColor(Qt::white);
    }

    // The disabled about text keeps 4.5:1 on the window under any palette,
    // set while the window is open, in its colour and in the pixels drawn;
    // where the palette's own text has more, it stays dimmer than that.
    void about_text_legible()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QPalette colours = before;
        colours.setColor(QPalette::Window, window);
        colours.setColor(QPalette::WindowText, text);
        QApplication::setPalette(colours);
        QCoreApplication::processEvents();

        auto *about = w->get<QLabel>("label_6");
        QVERIFY(!about->isEnabled());
        QCOMPARE(about->palette().color(QPalette::Window), window);
        const QColor ink = about->palette().color(QPalette::Disabled, QPalette::WindowText);
        QVERIFY2(contrast_ratio(ink, window) >= 4.5, qPrintable(ink.name()));
        if (contrast_ratio(text, window) > 5)
            QVERIFY2(contrast_ratio(ink, window) < 4.75, qPrintable(ink.name()));

        const QImage drawn = about->grab().toImage();
        qreal strongest = 1;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                strongest = qMax(strongest, contrast_ratio(drawn.pixelColor(x, y), window));
        QVERIFY2(strongest >= 4.5, qPrintable(QString::number(strongest)));
    }

    void canvas_description_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("rows");
        // 9 3 7 1 8 2 6 10 5 4 under Shell's formula: gaps 5, 2, 1.
        QTest::newRow("opening") << 0
                                 << QStringList{"Gaps 5, 2, 1, none in force.",
                                                "Sequence: 9, 3, 7, 1, 8, 2, 6, 10, 5, 4.",
                                                "No subsequence."};
        QTest::newRow("a comparison under gap 2")
            << 22
            << QStringList{"Gaps 5, 2, 1: 2 in force; applied: 5; to come: 1.",
                           "Sequence: 2, 3, 4, 1, 6, 9, 5, 10, 7, 8.",
                           "Subsequence from element 1: 2, 4, 6, 5, 7. Compared: 6 (element 5) "
                           "and 5 (element 7)."};
        QTest::newRow("an element at the front")
            << 26
            << QStringList{"Gaps 5, 2, 1: 2 in force; applied: 5; to come: 1.",
                           "Sequence: 2, 1, 4, 3, 5, 9, 6, 10, 7, 8.",
                           "Subsequence from element 2: 1, 3, 9, 10, 8. At the beginning of the "
                           "subsequence: 1 (element 2)."};
    }

    void canvas_description()
    {
        QFETCH(int, step);
        QFETCH(QStringList, rows);
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        w->vis->set_current_step(step);
        QCOMPARE(describe_rows(*w->vis), rows);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
