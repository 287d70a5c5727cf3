// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The full-screen presentation: it follows every move of the window, blanks
// and shows again, fills the screen at any length and ends with the window.
#include "classroom_test.h"

class TestPresentation : public ClassroomTest
{
    Q_OBJECT

    // The presentation shows the status text, and the boxes the step is about
    // at 40 pixels or more.
    void check_presentation_follows()
    {
        QCOMPARE(presented(), w->status());
        const QString missed = unseen(*w->vis, presentation()->findChild<QGraphicsView *>(),
                                      presentation()->pane_layout(), 40);
        QVERIFY2(missed.isEmpty(), qPrintable(missed));
    }

private slots:
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
        w->apply_under(formula, typed_numbers(rng, n));
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
        w->apply_under(formula, typed_numbers(rng, n));
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
};

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
