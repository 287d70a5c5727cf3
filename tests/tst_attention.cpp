// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Where screen readers' attention goes as the trace moves: to the step's item
// where the keyboard steps the trace, else it stays with the keyboard's control.
#include "access/accessibility.h"
#include "window_fixture.h"

namespace
{

// A Focus event sent to screen readers: the name of the item it is for, and
// the item's place among its parent's children.
struct Told {
    QString name;
    int index;
};

QList<Told> &told()
{
    static QList<Told> list;
    return list;
}

// What the step box said at each new value it told screen readers.
QStringList &box_told()
{
    static QStringList list;
    return list;
}

void record(QAccessibleEvent *event)
{
    QAccessibleInterface *item = event->accessibleInterface();
    if (event->type() == QAccessible::ValueChanged && item != nullptr &&
        item->role() == QAccessible::SpinBox)
        box_told() << item->text(QAccessible::Value);
    if (event->type() != QAccessible::Focus)
        return;
    QAccessibleInterface *parent = item != nullptr ? item->parent() : nullptr;
    told() << Told{item != nullptr ? item->text(QAccessible::Name) : QString(),
                   parent != nullptr ? parent->indexOfChild(item) : -1};
}

// A screen reader listening for as long as it lives: what it is told is
// recorded in told() and box_told().
struct Listening {
    Listening()
    {
        told().clear();
        box_told().clear();
        Accessibility::listen(record);
    }
    ~Listening()
    {
        Accessibility::listen(nullptr);
        told().clear();
        box_told().clear();
    }
};

} // namespace

class TestAttention : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> w;

    // What the status panel says of the step on display, above its counters.
    QString sentence() const { return w->status().section(QStringLiteral("\n\n"), 0, 0); }
    // What the step box says with the step on display in it.
    QString box_says() const
    {
        return QStringLiteral("%1: %2").arg(w->vis->cur_step + 1).arg(sentence());
    }
    QAccessibleInterface *step_box() const
    {
        return QAccessible::queryAccessibleInterface(w->get("jumpStepNum"));
    }

private slots:
    void init() { w.emplace(); }
    void cleanup() { w.reset(); }

    void focus_on_the_step_shown_data()
    {
        QTest::addColumn<QString>("move");
        QTest::newRow("Right key") << "Right";
        QTest::newRow("Left key") << "Left";
        QTest::newRow("Page Down key") << "PgDown";
        QTest::newRow("Ctrl+Right keys") << "Ctrl+Right";
        QTest::newRow("Ctrl+Left keys") << "Ctrl+Left";
        QTest::newRow("End key") << "End";
        QTest::newRow("Home key") << "Home";
        QTest::newRow("Next step button") << "nextStep";
        QTest::newRow("Previous step button") << "prevStep";
        QTest::newRow("Next subsequence button") << "nextSubseq";
        QTest::newRow("Jump with a number in the step box") << "jumpButton";
        QTest::newRow("an answer in the predict mode") << "answer";
    }

    // Each move tells screen readers the step it lands on: the last Focus
    // event is for that step's item, named as the status panel says.
    void focus_on_the_step_shown()
    {
        QFETCH(QString, move);
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        if (move == u"answer") {
            press(w->get("Canvas"), Qt::Key_P);
            for (int i = 0; i < 3; ++i)
                press(w->get("Canvas"), Qt::Key_Right);
        } else {
            w->window->step_to(9);
        }
        w->get<QSpinBox>("jumpStepNum")->setValue(14);
        w->get("Canvas")->setFocus();
        const int from = w->vis->cur_step;
        const QString sentence_before = w->status().section(QStringLiteral("\n\n"), 0, 0);

        Listening listening;
        if (move == u"answer") {
            press(w->get("Canvas"), Qt::Key_K);
        } else if (QWidget *button = w->get(move.toLatin1().constData())) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            const QKeyCombination key = QKeySequence(move)[0];
            press(w->get("Canvas"), key.key(), key.keyboardModifiers());
        }
        QCoreApplication::processEvents();

        const QString sentence = w->status().section(QStringLiteral("\n\n"), 0, 0);
        QVERIFY(w->vis->cur_step != from || sentence != sentence_before);
        QVERIFY(!told().isEmpty());
        const Told last = told().constLast();
        QCOMPARE(last.index, w->vis->cur_step);
        QCOMPARE(last.name, sentence);
    }

    void attention_data()
    {
        QTest::addColumn<QString>("keyboard"); // the control with the keyboard
        QTest::addColumn<QString>("move");     // a key, or a click on that control
        QTest::addColumn<bool>("canvas_told"); // the step's item takes the focus
        QTest::newRow("the canvas, Right") << "Canvas"
                                           << "Right" << true;
        QTest::newRow("the canvas, Ctrl+Left") << "Canvas"
                                               << "Ctrl+Left" << true;
        for (const char *button : {"prevStep", "nextStep", "prevSubseq", "nextSubseq", "firstSlide",
                                   "lastSlide", "jumpButton"})
            QTest::addRow("%s clicked", button) << button << "click" << true;
        QTest::newRow("the Next step button, Page Down") << "nextStep"
                                                         << "PgDown" << true;
        QTest::newRow("the random radio button, Page Down") << "randomGenRadio"
                                                            << "PgDown" << false;
        QTest::newRow("the Play button, Page Down") << "playButton"
                                                    << "PgDown" << false;
        QTest::newRow("the status panel, Page Up") << "sortStatus"
                                                   << "PgUp" << true;
        QTest::newRow("the formula list, Page Down") << "chosenFormula"
                                                     << "PgDown" << false;
        QTest::newRow("the Apply button, End") << "applyButton"
                                               << "End" << false;
        QTest::newRow("the step box, Page Down") << "jumpStepNum"
                                                 << "PgDown" << false;
        QTest::newRow("the step box, a number entered") << "jumpStepNum"
                                                        << "14 Return" << false;
    }

    // A step moves screen readers' attention to the canvas's item for it only
    // while the keyboard is on the canvas, on the status panel or on a button
    // that steps the trace; elsewhere the keyboard's control keeps it. The
    // step box tells every step, with its number.
    void attention()
    {
        QFETCH(QString, keyboard);
        QFETCH(QString, move);
        QFETCH(bool, canvas_told);
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        w->window->step_to(9);
        w->get<QSpinBox>("jumpStepNum")->setValue(14);
        QWidget *control = w->get(keyboard.toLatin1().constData());
        control->setFocus();
        QCoreApplication::processEvents();
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus == control || control->isAncestorOf(focus));

        Listening listening;
        if (move == u"click") {
            QTest::mouseClick(control, Qt::LeftButton);
        } else if (move.endsWith(u" Return")) {
            w->get<QSpinBox>("jumpStepNum")->selectAll();
            QTest::keyClicks(focus, move.section(u' ', 0, 0));
            press(focus, Qt::Key_Return);
        } else {
            const QKeyCombination key = QKeySequence(move)[0];
            press(focus, key.key(), key.keyboardModifiers());
        }
        QCoreApplication::processEvents();

        QVERIFY(w->vis->cur_step != 9);
        QCOMPARE(QApplication::focusWidget(), focus);
        if (canvas_told) {
            QVERIFY(!told().isEmpty());
            QCOMPARE(told().constLast().index, w->vis->cur_step);
            QCOMPARE(told().constLast().name, sentence());
        } else {
            QCOMPARE(told().size(), 0);
        }
        QVERIFY(!box_told().isEmpty());
        QCOMPARE(box_told().constLast(), box_says());
    }

    // In the step box, a number entered jumps to its step and the box says
    // the number with the step's sentence; Up and Down say the number they
    // reach with that step's sentence; a number being typed says itself
    // alone, and nothing is told until it is entered. The box keeps the
    // keyboard and the attention throughout.
    void step_box_says_each_step()
    {
        QRandomGenerator rng(23);
        w->apply(typed_numbers(rng, 40));
        auto *box = w->get<QSpinBox>("jumpStepNum");
        box->setFocus();
        QCoreApplication::processEvents();
        QWidget *keyboard = QApplication::focusWidget();
        const int steps = int(w->vis->steps.size());
        const auto says = [this](int number) {
            return QStringLiteral("%1: %2").arg(number).arg(w->vis->steps.at(number - 1).text);
        };

        Listening listening;
        for (int round = 0; round < 12; ++round) {
            const int number = rng.bounded(2, steps);
            box->selectAll();
            const qsizetype heard = box_told().size();
            const int before = box->value();
            QTest::keyClicks(keyboard, QString::number(number));
            QCOMPARE(box_told().size(), heard);
            QCOMPARE(box->value(), before);
            if (number != before)
                QCOMPARE(step_box()->text(QAccessible::Value), QString::number(number));
            press(keyboard, Qt::Key_Return);
            QCOMPARE(w->vis->cur_step, number - 1);
            QCOMPARE(box_told().constLast(), box_says());

            press(keyboard, Qt::Key_Up);
            QCOMPARE(step_box()->valueInterface()->currentValue().toInt(), number + 1);
            QCOMPARE(step_box()->text(QAccessible::Value), says(number + 1));
            for (int down : {number, number - 1}) {
                press(keyboard, Qt::Key_Down);
                QCOMPARE(step_box()->text(QAccessible::Value), says(down));
            }
            QCOMPARE(w->vis->cur_step, number - 1);
        }
        QCOMPARE(QApplication::focusWidget(), keyboard);
        QCOMPARE(told().size(), 0);
    }

    void canvas_back_with_the_keyboard_data()
    {
        QTest::addColumn<QString>("from"); // where the steps are taken
        QTest::addColumn<int>("key");
        QTest::newRow("Tab from the Apply button") << "applyButton" << int(Qt::Key_Tab);
        QTest::newRow("Shift+Tab from the Play button") << "playButton" << int(Qt::Key_Backtab);
        // Whose steps the canvas's items told already.
        QTest::newRow("Shift+Tab from the status panel") << "sortStatus" << int(Qt::Key_Backtab);
    }

    // The canvas, back with the keyboard after steps taken elsewhere, tells
    // the step on display with its place in the trace: by an item named
    // unlike those told before, which a screen reader still on the step's
    // item would take for the same one.
    void canvas_back_with_the_keyboard()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        w->get(from.toLatin1().constData())->setFocus();
        QCoreApplication::processEvents();

        Listening listening;
        for (int i = 0; i < 5; ++i)
            press(QApplication::focusWidget(), Qt::Key_PageDown);
        qsizetype before = 0;
        for (int i = 0; i < 20 && QApplication::focusWidget() != w->get("Canvas"); ++i) {
            before = told().size();
            press(QApplication::focusWidget(), Qt::Key(key));
        }
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), w->get("Canvas"));
        QCOMPARE(w->vis->cur_step, 5);
        QVERIFY(told().size() > before);
        const Told back = told().constLast();
        QCOMPARE(back.index, 5);
        QCOMPARE(back.name,
                 QStringLiteral("Step 6 of %1: ").arg(w->vis->steps.size()) + sentence());
        for (qsizetype i = 0; i < before; ++i)
            QVERIFY(told().at(i).name != back.name);
    }

    void predicting_is_said_data()
    {
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<bool>("said");
        QTest::newRow("on the canvas") << "Canvas" << true;
        QTest::newRow("on the Next step button") << "nextStep" << true;
        QTest::newRow("on the status panel") << "sortStatus" << true;
        QTest::newRow("on the Play button") << "playButton" << false;
        QTest::newRow("on the Apply button") << "applyButton" << false;
    }

    // P says that predicting went on or off, with the step, where the
    // canvas has the attention; once, not at the steps that follow. Elsewhere
    // the keyboard's control keeps the attention.
    void predicting_is_said()
    {
        QFETCH(QString, keyboard);
        QFETCH(bool, said);
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        w->window->step_to(1);
        QWidget *control = w->get(keyboard.toLatin1().constData());
        control->setFocus();
        QCoreApplication::processEvents();

        Listening listening;
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w->get("Canvas"));
        for (const bool on : {true, false}) {
            press(control, Qt::Key_P);
            QCOMPARE(w->window->windowTitle() != QStringLiteral("Vellora"), on);
            if (!said)
                continue;
            QVERIFY(!told().isEmpty());
            QCOMPARE(told().constLast().index, 1);
            QCOMPARE(told().constLast().name,
                     QStringLiteral("Predict the steps: %1. ").arg(on ? "on" : "off") + sentence());
            QCOMPARE(list->focusChild()->text(QAccessible::Name), sentence());
        }
        press(control, Qt::Key_PageDown);
        QCOMPARE(w->vis->cur_step, 2);
        QCOMPARE(QApplication::focusWidget(), control);
        if (said)
            QCOMPARE(told().constLast().name, sentence());
        else
            QCOMPARE(told().size(), 0);
        QCOMPARE(box_told().constLast(), box_says());
    }
};

QTEST_MAIN(TestAttention)
#include "tst_attention.moc"
