// The main window offscreen: its start-up state and the slots that define what
// is sorted (formula, input mode, size caption, Apply, the help item).
#include "gaps.h"
#include "mainwindow.h"
#include "visualizer.h"

#include <QtTest>
#include <QtWidgets>

#include <cstdlib>
#include <ctime>
#include <memory>

namespace
{

// Boxes are recorded as "<icon> <title>: <text>".
const QString warning = QStringLiteral("Information Input Warning: Some incorrect symbols (not "
                                       "digits or spaces) were found in your input. They will "
                                       "be interpreted as spaces.");
const QString noSequence = QStringLiteral("Critical Error: You have not written a sequence!\n"
                                          "(A sequence consists of numbers divided by spaces)");
// Ten numbers: a size at which every formula gives other gaps than Shell's.
const QString ten = QStringLiteral("9 3 7 1 8 2 6 10 5 4");

QVector<qint32> parseList(const QString &text)
{
    QVector<qint32> out;
    for (const QString &part : text.split(u' ', Qt::SkipEmptyParts))
        out.append(part.toInt());
    return out;
}

QVector<qint32> randomDraw(unsigned seed, int size)
{
    srand(seed);
    QVector<qint32> out;
    for (int i = 0; i < size; ++i)
        out.append(rand() % size + 1);
    return out;
}

QVector<qint32> gapsFor(int formula, qint32 n)
{
    QVector<qint32> gaps;
    gap_generators[formula](n, &gaps);
    return gaps;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    time_t startTime = 0;
    QTimer boxPoll;
    struct {
        QStringList boxes;
        QString shownAtBox; // what the window showed while the last box was up
        QList<QUrl> urls;
    } seen;
    const QString helpFile = QCoreApplication::applicationDirPath() + "/sequences.mht";

    template <typename T> T *child(const char *name) { return window->findChild<T *>(name); }
    Visualizer *vis() const { return window->findChild<Visualizer *>(); }
    QString status() { return child<QTextBrowser>("sortStatus")->toPlainText(); }
    QSpinBox *jump() { return child<QSpinBox>("jumpStepNum"); }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    // Sequence, gaps, step, step count, jump range and value, status and formula item.
    QString shown()
    {
        QString s;
        QDebug(&s) << vis()->seq << vis()->gaps << vis()->cur_step << vis()->steps.size()
                   << jump()->maximum() << jump()->value() << status()
                   << child<QComboBox>("chosenFormula")->currentIndex();
        return s;
    }

    // Which of the size slider, its two labels and the typed line are visible.
    QList<bool> inputsShown()
    {
        QList<bool> visible;
        for (const char *name : {"randomSeqSize", "minLabel", "maxLabel", "userDefLine"})
            visible.append(child<QWidget>(name)->isVisible());
        return visible;
    }

    void clickRadio(const char *name)
    {
        // The centre may lie beside the label text, which is no hit area; the indicator is.
        auto *radio = child<QRadioButton>(name);
        QTest::mouseClick(radio, Qt::LeftButton, {},
                          QPoint(radio->height() / 2, radio->height() / 2));
        QVERIFY(radio->isChecked());
    }

    void typeSequence(const QString &text, bool withReturn)
    {
        clickRadio("userDefineRadio");
        auto *line = child<QLineEdit>("userDefLine");
        line->clear();
        QTest::keyClicks(line, text);
        withReturn ? QTest::keyClick(line, Qt::Key_Return) : click("applyButton");
    }

    // On display is a new trace of seq under the formula, from its first step.
    void checkFreshTrace(const QVector<qint32> &seq, int formula)
    {
        Visualizer model(nullptr, nullptr, nullptr, gap_generators[formula], seq);
        model.build_trace();
        const int n = int(vis()->steps.size());
        QCOMPARE(vis()->seq, seq);
        QCOMPARE(vis()->gaps, gapsFor(formula, qint32(seq.size())));
        QCOMPARE(n, int(model.steps.size()));
        QCOMPARE(vis()->cur_step, 0);
        QCOMPARE(jump()->maximum(), n);
        QVERIFY(status().contains(QStringLiteral("Current step: 1/%1").arg(n)));
    }

public slots:
    // Stands in for the desktop, so that no real viewer is ever started.
    void open(const QUrl &url) { seen.urls.append(url); }

private slots:
    void initTestCase()
    {
        // The window's modal boxes wait in a nested event loop; a timer answers them.
        connect(&boxPoll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            const QString icon = QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon());
            seen.boxes.append(icon + u' ' + box->windowTitle() + QStringLiteral(": ") +
                              box->text());
            seen.shownAtBox = shown();
            box->done(QMessageBox::Ok);
        });
        boxPoll.start(5);
    }

    void init()
    {
        seen = {};
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
        // The constructor seeds rand() with the time and draws once; build anew
        // until the clock's second stays put, so that the seed is known.
        do {
            window.reset();
            startTime = time(nullptr);
            window = std::make_unique<MainWindow>(nullptr);
        } while (time(nullptr) != startTime);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QFile::remove(helpFile);
    }

    void startState()
    {
        checkFreshTrace(randomDraw(unsigned(startTime), 20), 0); // one draw, no second
        QCOMPARE(QList<QSize>({window->size(), window->minimumSize(), window->maximumSize()}),
                 QList<QSize>(3, QSize(678, 412)));
        const Qt::WindowFlags buttons = Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        QCOMPARE(window->windowFlags() & (buttons | Qt::Window | Qt::WindowMaximizeButtonHint),
                 buttons | Qt::Window);
        QCOMPARE(child<QComboBox>("chosenFormula")->count(), 7);
        QCOMPARE(child<QComboBox>("chosenFormula")->currentIndex(), 0);
        QVERIFY(child<QRadioButton>("randomGenRadio")->isChecked() &&
                !child<QRadioButton>("userDefineRadio")->isChecked());
        QCOMPARE(inputsShown(), QList<bool>({true, true, true, false}));
        QCOMPARE(child<QLabel>("seqPropsTitle")->text(),
                 QStringLiteral("Size of the sequence: 20"));
        const auto *speed = child<QSlider>("playSpeed");
        QCOMPARE(QList<int>({speed->minimum(), speed->maximum(), speed->value()}),
                 QList<int>({0, 321, 288}));
        auto *canvas = child<QGraphicsView>("Canvas");
        QVERIFY(canvas->isVisible() && vis()->scene != nullptr && canvas->scene() == vis()->scene);
        QVERIFY(!vis()->scene->items().isEmpty());
        QVERIFY(seen.boxes.isEmpty());

        const QMetaObject *mo = window->metaObject();
        QCOMPARE(mo->propertyCount(), mo->propertyOffset());
        QString found;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            QCOMPARE(mo->method(i).methodType(), QMetaMethod::Slot);
            QCOMPARE(mo->method(i).access(), QMetaMethod::Public);
            found += QString::fromLatin1(mo->method(i).methodSignature()) + u' ';
        }
        QCOMPARE(found, QStringLiteral("set_stepgen(int) display_size(int) new_seq() "
                                       "switch_to_manual() switch_to_random() step_to(int) "
                                       "step_back() step_front() prev_sub() next_sub() first() "
                                       "last() jump() play() "));
    }

    void sizeModesAndRandomApply()
    {
        auto *slider = child<QSlider>("randomSeqSize");
        auto *title = child<QLabel>("seqPropsTitle");
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(title->text(), QStringLiteral("Size of the sequence: 10"));
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(title->text(), QStringLiteral("Size of the sequence: 25"));
        for (const int size : {10, 25, 20}) {
            slider->setValue(size);
            srand(unsigned(size)); // the window draws with rand(); seeded, the draw is known
            click("applyButton");
            checkFreshTrace(randomDraw(unsigned(size), size), 0);
        }

        const QString old = shown();
        slider->setValue(13);
        clickRadio("userDefineRadio");
        QCOMPARE(title->text(), QStringLiteral("Please type in your sequence:"));
        QCOMPARE(inputsShown(), QList<bool>({false, false, false, true}));
        QTest::keyClicks(child<QLineEdit>("userDefLine"), QStringLiteral("4 8 15"));
        clickRadio("randomGenRadio");
        QCOMPARE(title->text(), QStringLiteral("Size of the sequence: 13"));
        QCOMPARE(inputsShown(), QList<bool>({true, true, true, false}));
        QCOMPARE(shown(), old); // neither the size nor the mode builds a trace

        clickRadio("userDefineRadio");
        click("applyButton");
        QCOMPARE(vis()->seq, QVector<qint32>({4, 8, 15}));
    }

    void typedInput_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withReturn");
        QTest::addColumn<int>("formula");     // chosen before, in force from this Apply on
        QTest::addColumn<QString>("numbers"); // those traced; none if refused or blank
        QTest::addColumn<QString>("box");
        const QString none;
        const QString tooLarge = QStringLiteral("Critical Error: The number %1 is too large: "
                                                "numbers can be at most 2147483647.");

        QTest::newRow("3 numbers, Return") << "3 1 2" << true << 1 << "3 1 2" << none;
        QTest::newRow("3 numbers, Apply") << "3 1 2" << false << 2 << "3 1 2" << none;
        QTest::newRow("extra blanks") << "   12     7   " << true << 3 << "12 7" << none;
        QTest::newRow("leading zeros, a zero") << "007 0" << false << 4 << "7 0" << none;
        QTest::newRow("largest value") << "2147483647 1" << true << 5 << "2147483647 1" << none;
        QTest::newRow("same 10, Sedgewick, Return") << ten << true << 2 << ten << none;
        QTest::newRow("same 10, Pratt, Apply") << ten << false << 3 << ten << none;
        QTest::newRow("comma, semicolon: one warning")
            << "5,4;3" << true << 1 << "5 4 3" << warning;
        QTest::newRow("letter between digits") << "1a2" << true << 2 << "1 2" << warning;
        QTest::newRow("minus is a separator") << "-5" << false << 3 << "5" << warning;
        // Without numbers, the arrangement on display is traced anew.
        QTest::newRow("letters only, Apply") << "abc" << false << 4 << none << noSequence;
        QTest::newRow("blanks only, Return") << "    " << true << 5 << none << noSequence;
        QTest::newRow("separators only, Return") << "x;y" << true << 1 << none << noSequence;
        QTest::newRow("above the largest")
            << "1 2147483648" << true << 1 << none << tooLarge.arg("2147483648");
        QTest::newRow("huge, with a warning character")
            << "4,99999999999" << true << 2 << none << tooLarge.arg("99999999999");
        QTest::newRow("1001 numbers")
            << QStringLiteral("1 ").repeated(1001) << false << 3 << none
            << "Critical Error: You have typed 1001 numbers, but at most 1000 can be sorted here.";
    }

    void typedInput()
    {
        QFETCH(QString, typed);
        QFETCH(bool, withReturn);
        QFETCH(int, formula);
        QFETCH(QString, numbers);
        QFETCH(QString, box);

        typeSequence(ten, true);
        jump()->setValue(0);
        QCOMPARE(jump()->value(), 1);
        // The jump value starts at the maximum in the rows typed with Return, else at 3.
        const int value = withReturn ? jump()->maximum() : 3;
        jump()->setValue(withReturn ? 100000 : 3);
        QCOMPARE(jump()->value(), value);
        // Far enough into the trace that some exchange has happened.
        for (int i = 0; i < 12; ++i)
            click("nextStep");
        const QVector<qint32> arranged = vis()->seq;
        child<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        // The new formula waits for Apply.
        QCOMPARE(vis()->cur_step, 12);
        QCOMPARE(vis()->gaps, gapsFor(0, 10));
        const QString old = shown();

        typeSequence(typed, withReturn);

        QCOMPARE(seen.boxes, box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(seen.shownAtBox, box.isEmpty() ? QString() : old);
        QCOMPARE(child<QLineEdit>("userDefLine")->text(), typed);  // left for the next Apply
        QCOMPARE(jump()->value(), qMin(value, jump()->maximum())); // a value above comes down
        if (box == noSequence)
            checkFreshTrace(arranged, formula);
        else if (numbers.isEmpty())
            QCOMPARE(shown(), old);
        else
            checkFreshTrace(parseList(numbers), formula);
    }

    void moreInformation()
    {
        QVERIFY2(!QFile::exists(helpFile), "a help document is left over next to the test");
        const QString box = QStringLiteral("Information More information: The help document could "
                                           "not be opened:\n") +
                            QDir::toNativeSeparators(helpFile);
        // The help item puts the formula item in force back before any box.
        const auto chooseHelp = [&](int inForce, bool opened) {
            seen = {};
            const QString old = shown();
            child<QComboBox>("chosenFormula")->setCurrentIndex(6);
            QCOMPARE(shown(), old);
            QCOMPARE(formula_index(vis()->stepgen), inForce);
            QCOMPARE(seen.urls,
                     opened ? QList<QUrl>{QUrl::fromLocalFile(helpFile)} : QList<QUrl>());
            QCOMPARE(seen.boxes, opened ? QStringList() : QStringList{box});
            QCOMPARE(seen.shownAtBox, opened ? QString() : old);
        };
        chooseHelp(0, false); // a fresh window, no document

        QFile file(helpFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("MIME-Version: 1.0\r\n") > 0);
        child<QComboBox>("chosenFormula")->setCurrentIndex(5);
        chooseHelp(5, true);
        // A handler slot that cannot be called is how a desktop failure reaches openUrl.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "noSuchSlot");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such method"));
        chooseHelp(5, false);
        click("applyButton");
        QCOMPARE(vis()->gaps, gapsFor(5, 20));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
