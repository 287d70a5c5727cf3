// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The race on a screen and to a screen reader: lanes that show their boxes and
// fit a small or a dark screen, and the lines the race says.
#include "access/accessibility.h"
#include "access/screen_reader.h"
#include "classroom_test.h"
#include "contrast.h"
#include "formulas.h"
#include "paneview.h"
#include "translations.h"

namespace
{

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
        if (contrast_ratio(QColor(it.key()), QColor(ground)) > contrast_ratio(ink, QColor(ground)))
            ink = QColor(it.key());
    return {QColor(ground), ink};
}

} // namespace

class TestRaceScreen : public ClassroomTest
{
    Q_OBJECT

private slots:
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
        w->apply_under(formula, QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
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
        w->apply_under(formula, typed_numbers(rng, n));
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
                ground == white && contrast_ratio(ink, ground) >= 4.5,
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
        w->apply_under(formula, typed_numbers(rng, n));
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
};

QTEST_MAIN(TestRaceScreen)
#include "tst_race_screen.moc"
