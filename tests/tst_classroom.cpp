// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Teaching in a room: the canvas menu, the full-screen presentation, pictures
// of a step, the predict mode and F1.
#include "picture.h"
#include "presentation.h"
#include "window_fixture.h"

#include <QSvgRenderer>

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

// Several keys in a row, by name: "Right Right P".
void press(const char *keys)
{
    for (const QString &key : QString::fromLatin1(keys).split(u' '))
        press(QKeySequence(key)[0]);
}

} // namespace

class TestClassroom : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> w;

    PresentationView *presentation() const { return w->window->findChild<PresentationView *>(); }

    QString presented() const { return presentation()->findChild<QLabel *>("statusText")->text(); }

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
    void init()
    {
        w.emplace();
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        w->get("nextStep")->setFocus();
    }

    void cleanup() { w.reset(); }

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
                items << action->text() + u' ' + action->shortcut().toString();
        QCOMPARE(items, QStringList({"Present F5", "Copy picture Ctrl+C", "Save picture… Ctrl+S",
                                     "Predict the steps P", "Compare formulas… F6", "Help F1"}));
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
        QCOMPARE(w->window->picture_name(suffix), "shell-sort-step-029-of-049." + suffix);
        const TraceStep &step = w->vis->steps[w->vis->cur_step];
        QVERIFY(step.pos_b != -1);
        const QRectF scene = w->vis->scene->sceneRect();

        QTemporaryDir dir;
        const QString path = dir.filePath(w->window->picture_name(suffix));
        QVERIFY(w->window->save_picture(path));
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
        QVERIFY(!w->window->save_picture(unwritable));
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
        QVERIFY(w->window->save_picture(dir.filePath("step.png")));
        QVERIFY(w->window->save_picture(dir.filePath("step.svg")));
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

    void presentation_follows_long_sequences_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("formula");
        QTest::newRow("100 numbers, Hibbard's formula") << 100 << 1;
        QTest::newRow("1000 numbers, Shell's formula") << 1000 << 0;
    }

    // As the window's canvas, with boxes of 40 pixels or more.
    void presentation_follows_long_sequences()
    {
        QFETCH(int, n);
        QFETCH(int, formula);
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
        QVERIFY(QSet<int>(panes_of_pass.cbegin(), panes_of_pass.cend()).contains(2));
    }

    // A scripted session: questions, verdicts and the score; moving back, jumps
    // and playback never ask twice or count twice; leaving the mode restores
    // every text; a new Apply starts a new score.
    void predicting()
    {
        const auto counters = [this](int step) {
            return QStringLiteral("\n\nCurrent step: %1/49\nTotal number of operations: %2, "
                                  "incl. %3 swaps.")
                .arg(step)
                .arg(w->vis->op_count)
                .arg(w->vis->swap_count);
        };
        const QString usual = w->status();
        press(Qt::Key_P);
        const QList<QAction *> actions = w->window->actions();
        QVERIFY(std::any_of(actions.cbegin(), actions.cend(), // the menu shows the mode on
                            [](QAction *action) { return action->isChecked(); }));
        QCOMPARE(w->status(), usual); // not a comparison: as usual
        // What reaches the panel, and so a screen reader, never gives the answer away.
        QStringList shown;
        connect(w->vis->status, &QTextBrowser::textChanged, this,
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
        press("Left Right K"); // answered already: nothing changes
        QVERIFY(w->status().startsWith("Not quite: "));

        // In the presentation a class answers together.
        press("F5 Right Right K"); // 7 against 10: keep
        QVERIFY(w->status().startsWith("Right. 10 is more than 7, we don't need to replace it "
                                       "anymore. (1 of 2 right)"));
        QCOMPARE(presented(), w->status());
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
        press(Qt::Key_P);
        w->click("applyButton");
        w->get<QSpinBox>("jumpStepNum")->setValue(7);
        w->click("jumpButton");
        QVERIFY(w->status().startsWith("Compare 3 and 6 (gap 5)"));
        press(Qt::Key_K);
        QVERIFY(w->status().contains("(1 of 1 right)"));
    }
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
