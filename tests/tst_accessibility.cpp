// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window without a mouse: the first key steps the trace, Tab goes through
// the window in reading order, the focus shows everywhere, and playback starts
// and stops from the keys; and what the canvas tells a screen reader.
#include "access/accessibility.h"
#include "access/steps.h"
#include "window_fixture.h"

namespace
{

void press(QWidget *target, Qt::Key key)
{
    QTest::keyClick(target, key);
    QCoreApplication::processEvents();
}

} // namespace

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
