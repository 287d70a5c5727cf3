// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The main window: its start-up state, and the slots that define what is
// sorted (formula, input mode, size caption, Apply, the help item), including
// hostile input and closing the window while a box waits.
#include "formulas.h"
#include "legibility.h"
#include "sequence_input.h"
#include "window_fixture.h"

#include <cstdlib>
#include <ctime>

namespace
{

const QString warning = QStringLiteral("Information Input Warning: Some incorrect symbols (not "
                                       "digits or spaces) were found in your input. They will "
                                       "be interpreted as spaces.");
const QString no_sequence = QStringLiteral("Critical Error: You have not written a sequence!\n"
                                           "(A sequence consists of numbers divided by spaces)");
// Ten numbers: a size at which every formula gives other gaps than Shell's.
const QString ten = QStringLiteral("9 3 7 1 8 2 6 10 5 4");

QVector<qint32> random_draw(unsigned seed, int size)
{
    srand(seed);
    QVector<qint32> out;
    for (int i = 0; i < size; ++i)
        out.append(rand() % size + 1);
    return out;
}

// Random characters of many scripts, emoji among them (two UTF-16 units each).
QString random_text(QRandomGenerator &rng, int size)
{
    static const char32_t ranges[][2] = {{0xa1, 0xff},    {0x400, 0x45f},   {0x4e00, 0x9fff},
                                         {0x660, 0x669},  {0xff10, 0xff19}, {0x1f600, 0x1f64f},
                                         {0x2010, 0x2027}};
    QString text;
    while (text.size() < size) {
        const auto &r = ranges[rng.bounded(int(std::size(ranges)))];
        const char32_t c = r[0] + char32_t(rng.bounded(int(r[1] - r[0] + 1)));
        text += QString::fromUcs4(&c, 1);
    }
    return text;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> w;
    QList<QUrl> opened;

    // On display is a new trace of seq under the formula, from its first step.
    void check_fresh_trace(const QVector<qint32> &seq, int formula)
    {
        Visualizer model(nullptr, nullptr, nullptr, gap_generators[formula], seq);
        model.build_trace();
        const int n = int(model.steps.size());
        QCOMPARE(w->vis->seq, seq);
        QCOMPARE(w->vis->gaps, model.gaps);
        const auto *box = w->get<QSpinBox>("jumpStepNum");
        QCOMPARE(
            QList<int>({int(w->vis->steps.size()), w->vis->cur_step, box->maximum(), box->value()}),
            QList<int>({n, 0, n, 1}));
        QVERIFY(w->status().contains(QStringLiteral("Current step: 1/%1").arg(n)));
    }

    QList<bool> inputs_shown() const
    {
        QList<bool> visible;
        for (const char *name : {"randomSeqSize", "minLabel", "maxLabel", "userDefLine"})
            visible.append(w->get(name)->isVisible());
        return visible;
    }

public slots:
    // Stands in for the desktop, so that no real viewer is ever started.
    void open(const QUrl &url) { opened.append(url); }

private slots:
    void init()
    {
        opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
        w.emplace();
    }

    void cleanup()
    {
        w.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    // Large text on a small screen (800 by 600 offscreen): the window fits
    // the screen and its form scrolls, so that every control can be reached;
    // the keys still step.
    void large_text_on_a_small_screen()
    {
        w.reset();
        const QFont before = QApplication::font();
        set_window_scale(2);
        QApplication::setFont(fitting_font(QFont(QStringLiteral("DejaVu Sans"), 18), 2));
        w.emplace();
        const QSize room = available_room(w->window->screen());
        QVERIFY2(w->window->width() <= room.width() && w->window->height() <= room.height(),
                 qPrintable(
                     QStringLiteral("%1 by %2").arg(w->window->width()).arg(w->window->height())));
        auto *scroll = w->window->findChild<QScrollArea *>(QStringLiteral("formScroll"));
        QVERIFY(scroll);
        w->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w->window));
        for (const char *name : {"nextStep", "nextSubseq", "lastSlide", "jumpButton", "label_6",
                                 "applyButton", "Canvas"}) {
            QWidget *control = w->get(name);
            scroll->ensureWidgetVisible(control, 0, 0);
            QCoreApplication::processEvents();
            const QRect shown(control->mapTo(scroll->viewport(), QPoint()), control->size());
            QVERIFY2(scroll->viewport()->rect().contains(shown.topLeft()) &&
                         scroll->viewport()->rect().contains(shown.center()),
                     name);
        }
        w->get("Canvas")->setFocus();
        QTest::keyClick(w->get("Canvas"), Qt::Key_Right);
        QTRY_COMPARE(w->vis->cur_step, 1);
        w.reset();
        set_window_scale(1);
        QApplication::setFont(before);
        w.emplace();
    }

    void start_state()
    {
        // The constructor seeds rand() with the time and draws once; build anew
        // until the clock's second stays put, so that the seed is known.
        time_t started;
        do {
            delete w->window;
            started = time(nullptr);
            w->open();
        } while (time(nullptr) != started);
        check_fresh_trace(random_draw(unsigned(started), 20), 0);

        QCOMPARE(
            QList<QSize>({w->window->size(), w->window->minimumSize(), w->window->maximumSize()}),
            QList<QSize>(3, QSize(678, 412)));
        const Qt::WindowFlags buttons = Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        QCOMPARE(w->window->windowFlags() & (buttons | Qt::Window | Qt::WindowMaximizeButtonHint),
                 buttons | Qt::Window);
        QCOMPARE(inputs_shown(), QList<bool>({true, true, true, false}));
        QCOMPARE(w->get<QSlider>("playSpeed")->value(), 288); // of 0 to 321
    }

    void size_modes_and_random_apply()
    {
        auto *slider = w->get<QSlider>("randomSeqSize");
        auto *title = w->get<QLabel>("seqPropsTitle");
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(title->text(), QStringLiteral("Size of the sequence: 10"));
        for (const int size : {10, 25}) {
            slider->setValue(size);
            srand(unsigned(size)); // seeded, the window's draw is known
            w->click("applyButton");
            check_fresh_trace(random_draw(unsigned(size), size), 0);
        }
        QCOMPARE(title->text(), QStringLiteral("Size of the sequence: 25"));

        const QString old = w->shown();
        slider->setValue(13);
        w->choose("userDefineRadio");
        QCOMPARE(title->text(), QStringLiteral("Please type in your sequence:"));
        QCOMPARE(inputs_shown(), QList<bool>({false, false, false, true}));
        QTest::keyClicks(w->get("userDefLine"), QStringLiteral("4 8 15"));
        w->choose("randomGenRadio");
        QCOMPARE(title->text(), QStringLiteral("Size of the sequence: 13"));
        QCOMPARE(inputs_shown(), QList<bool>({true, true, true, false}));
        QCOMPARE(w->shown(), old); // neither the size nor the mode builds a trace

        w->choose("userDefineRadio");
        w->click("applyButton");
        QCOMPARE(w->vis->seq, QVector<qint32>({4, 8, 15}));
    }

    void typed_input_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");     // Return, Apply, paste or keys
        QTest::addColumn<int>("formula");     // chosen before, in force from this Apply on
        QTest::addColumn<QString>("numbers"); // those traced; empty when refused
        QTest::addColumn<QString>("box");
        const QString too_large = QStringLiteral("Critical Error: The number %1 is too large: "
                                                 "numbers can be at most 2147483647.");
        const auto row = [](const char *name, const QString &typed, const char *how, int formula,
                            const QString &numbers, const QString &box) {
            QTest::newRow(name) << typed << QString(how) << formula << numbers << box;
        };
        row("3 numbers, Return", "3 1 2", "Return", 1, "3 1 2", {});
        row("comma, semicolon: one warning", "5,4;3", "Apply", 2, "5 4 3", warning);
        row("letter between digits, typed", "1a2", "keys", 3, "1 2", warning);
        row("negative numbers", "-5 3 -8 1", "Return", 1, "-5 3 -8 1", {});
        row("minus after a digit or alone warns", "5-3 - -2", "Apply", 0, "5 3 -2", warning);
        row("letters only", "abc", "Apply", 4, {}, no_sequence);
        row("above the largest", "1 2147483648", "Return", 5, {}, too_large.arg("2147483648"));
        row("huge, with a warning character", "4,99999999999", "Return", 2, {},
            too_large.arg("99999999999"));
        row("below the smallest", "-2147483648 1", "Return", 3, {},
            "Critical Error: The number -2147483648 is too small: numbers must be at least "
            "-2147483647.");
        row("a million digits pasted", QString(1000000, u'7'), "paste", 2, {},
            "Critical Error: Your sequence is longer than the field can hold (32767 characters), "
            "so only its beginning arrived. At most 1000 numbers can be sorted here.");
        row("1001 numbers", QStringLiteral("1 ").repeated(1001), "Apply", 3, {},
            "Critical Error: You have typed 1001 numbers, but at most 1000 can be sorted here.");
        QString most;
        QRandomGenerator rng(20240601);
        for (int i = 0; i < max_sequence_length; ++i)
            most += QString::number(rng.bounded(max_sequence_value) * (i % 2 ? 1 : -1)) + u' ';
        row("the most numbers, largest values of either sign", most, "Apply", 0, most, {});
        // Hostile text: what the scan makes of it is traced, or it is refused.
        row("30000 characters without an ASCII digit", random_text(rng, 30000), "Apply", 1, "scan",
            "scan");
        QString keys;
        while (keys.size() < 2000)
            keys += QChar(char16_t(rng.bounded(0x20, 0x7f)));
        row("2000 random key presses", keys, "keys", 1, "scan", "scan");
    }

    // A refused text leaves everything on display as it was, also while the box is up.
    void typed_input()
    {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(int, formula);
        QFETCH(QString, numbers);
        QFETCH(QString, box);

        w->apply(ten);
        w->get<QSpinBox>("jumpStepNum")->setValue(13); // far enough for some exchange
        w->click("jumpButton");
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        QCOMPARE(w->vis->gaps, QVector<qint32>({5, 2, 1})); // the new formula waits for Apply
        const QString old = w->shown();
        w->boxes.clear();

        auto *line = w->get<QLineEdit>("userDefLine");
        line->clear();
        if (how == u"paste") {
            line->insert(typed);
        } else if (how == u"keys") {
            QTest::keyClicks(line, typed);
        } else {
            line->setText(typed);
        }
        QCOMPARE(line->text(), typed.left(line->maxLength()));
        const SequenceScan scan = scan_sequence(line->text(), PlainSeparators::Blank);
        if (numbers == u"scan") {
            const bool ok = scan.error == SequenceScan::None;
            numbers.clear();
            for (qint32 v : scan.numbers)
                numbers += QString::number(v) + u' ';
            box = !ok ? no_sequence : scan.odd_separators ? warning : QString();
        }
        how == u"Return" ? QTest::keyClick(line, Qt::Key_Return) : w->click("applyButton");

        QCOMPARE(w->boxes, box.isEmpty() ? QStringList() : QStringList{box});
        if (!box.isEmpty())
            QCOMPARE(w->shown_at_box, old);
        if (numbers.isEmpty()) {
            QCOMPARE(w->shown(), old);
            return;
        }
        QVector<qint32> expected;
        for (const QString &part : numbers.split(u' ', Qt::SkipEmptyParts))
            expected.append(part.toInt());
        check_fresh_trace(expected, formula);
        QCOMPARE(line->text(), typed.left(line->maxLength())); // left for the next Apply
    }

    // Closing the window while the error box waits: Apply returns once the box
    // is closed, and has deleted it by then.
    void close_while_a_box_waits()
    {
        w->get<QLineEdit>("userDefLine")->setText(QStringLiteral("abc"));
        w->choose("userDefineRadio");
        QPointer<QMessageBox> box;
        w->on_box = [&](QMessageBox *shown) {
            box = shown;
            w->window->close();
            QCoreApplication::processEvents();
            box->close();
        };
        w->click("applyButton");
        QVERIFY(!w->window->isVisible() && box.isNull());
    }

    // Started where ../icon2.png is missing, the window takes the built-in icon.
    void icon_without_its_file()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir("run"));
        const auto back = qScopeGuard([saved = QDir::currentPath()] { QDir::setCurrent(saved); });
        QVERIFY(QDir::setCurrent(root.filePath("run")));
        delete w->window;
        w->open();
        QVERIFY(w->window->windowIcon().pixmap(32, 32).isNull());
        ensure_window_icon(w->window);
        QVERIFY(!w->window->windowIcon().pixmap(32, 32).isNull());
        QVERIFY(!QApplication::windowIcon().pixmap(32, 32).isNull());
    }

    void more_information_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("page");
        QTest::newRow("English") << "en_GB"
                                 << "sequences.html";
        QTest::newRow("German") << "de_DE"
                                << "sequences.de.html";
    }

    void more_information()
    {
        QFETCH(QString, locale);
        QFETCH(QString, page);
        QLocale::setDefault(QLocale(locale));
        const auto system = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
        const QString help_file = QCoreApplication::applicationDirPath() + u'/' + page;
        QVERIFY2(!QFile::exists(help_file), "a help document is left over next to the test");
        const auto remove = qScopeGuard([&] { QFile::remove(help_file); });
        const QString box = QStringLiteral("Information More information: The help document "
                                           "could not be opened:\n") +
                            QDir::toNativeSeparators(help_file);
        // The help item puts the formula in force back before any box.
        const auto choose_help = [&](int in_force, bool found) {
            w->boxes.clear();
            w->shown_at_box.clear();
            opened.clear();
            const QString old = w->shown();
            w->get<QComboBox>("chosenFormula")->setCurrentIndex(7);
            QCOMPARE(w->shown(), old);
            QCOMPARE(formula_index(w->vis->stepgen), in_force);
            QCOMPARE(opened, found ? QList<QUrl>{QUrl::fromLocalFile(help_file)} : QList<QUrl>());
            QCOMPARE(w->boxes, found ? QStringList() : QStringList{box});
            QCOMPARE(w->shown_at_box, found ? QString() : old);
        };
        choose_help(0, false);
        QTest::keyClick(w->window, Qt::Key_F1); // F1 does the same
        QCOMPARE(w->boxes, QStringList{box});

        QFile file(help_file);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("MIME-Version: 1.0\r\n") > 0);
        file.close();
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(6);
        choose_help(6, true);
        // A handler slot that cannot be called is how a desktop failure reaches openUrl.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "noSuchSlot");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such method"));
        choose_help(6, false);
        w->click("applyButton");
        QCOMPARE(w->vis->gaps, QVector<qint32>({10, 4, 1})); // Ciura's, for 20 numbers
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
