// Hostile input in the sequence field: a hundred thousand random characters,
// pastes of a million digits, thousands of real key presses. Applying must
// answer within a second, and the trace on display afterwards is either the
// new one or the old one, intact.
#include "mainwindow.h"
#include "sequence_input.h"
#include "visualizer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <memory>

using Numbers = QVector<qint32>;

namespace
{

// The offscreen platform plugin of headless runs says this whenever a dialog
// is shown; it is about the plugin, not about the program.
bool from_headless_platform(const QString &message)
{
    return message == QLatin1String("This plugin does not support propagateSizeHints()");
}

QStringList unexpected_messages;

QtMessageHandler previous_handler = nullptr;

void collect_warnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !from_headless_platform(message))
        unexpected_messages << message;
    if (previous_handler != nullptr)
        previous_handler(type, context, message);
}

// Characters a user can type or paste: ASCII, accented letters, Cyrillic, CJK,
// digits of other scripts and emoji (two UTF-16 units each).
void append_random_char(QRandomGenerator &rng, QString *text, bool ascii_allowed)
{
    struct Range {
        char32_t first, last;
    };
    static const Range ranges[] = {
        {0x20, 0x7e},   {0xa1, 0xff},     {0x400, 0x45f},     {0x4e00, 0x9fff},
        {0x660, 0x669}, {0xff10, 0xff19}, {0x1f600, 0x1f64f}, {0x2000, 0x206f},
    };
    const int first_range = ascii_allowed ? 0 : 1;
    const Range &r = ranges[rng.bounded(first_range, int(std::size(ranges)))];
    const char32_t c = r.first + char32_t(rng.bounded(int(r.last - r.first + 1)));
    *text += QString::fromUcs4(&c, 1);
}

QString random_text(quint32 seed, int length, bool ascii_allowed)
{
    QRandomGenerator rng(seed);
    QString text;
    text.reserve(length + 1);
    while (text.size() < length)
        append_random_char(rng, &text, ascii_allowed);
    return text;
}

struct Shown {
    Numbers seq;
    Numbers gaps;
    qsizetype steps = 0;
    int cur_step = 0;
    int op_count = 0;
    int swap_count = 0;
    QString status;
};

Shown snapshot(const Visualizer *vis)
{
    return Shown{vis->seq,      vis->gaps,       vis->steps.size(),         vis->cur_step,
                 vis->op_count, vis->swap_count, vis->status->toPlainText()};
}

struct SeenBox {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// Closes every message box as soon as it shows up and remembers it.
class BoxCloser : public QObject
{
public:
    explicit BoxCloser(QObject *parent) : QObject(parent)
    {
        timer.setInterval(2);
        connect(&timer, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (box == nullptr || !box->isVisible())
                    continue;
                seen.append({box->icon(), box->windowTitle(), box->text()});
                box->done(QMessageBox::Ok);
            }
        });
        timer.start();
    }

    QTimer timer;
    QList<SeenBox> seen;
};

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hostile_text_data();
    void hostile_text();
    void typed_through_the_keyboard();

private:
    std::unique_ptr<MainWindow> window;
    Visualizer *vis = nullptr;
    QLineEdit *line = nullptr;

    template <typename T> T *get(const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    void show_known_trace_in_the_middle();
    qint64 apply_and_check(const Shown &before);
    void check_trace_intact();
};

void TestRobustness::initTestCase()
{
    previous_handler = qInstallMessageHandler(collect_warnings);
}

void TestRobustness::init()
{
    unexpected_messages.clear();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    vis = window->findChild<Visualizer *>();
    QVERIFY(vis != nullptr);
    line = get<QLineEdit>("userDefLine");
    QVERIFY(line != nullptr);
    QTest::mouseClick(get<QRadioButton>("userDefineRadio"), Qt::LeftButton);
    QVERIFY(line->isVisible());
    show_known_trace_in_the_middle();
}

void TestRobustness::cleanup()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(unexpected_messages.isEmpty(), qPrintable(unexpected_messages.join(u'\n')));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// A trace of ten numbers, shown at a step in its middle, so that a refused
// input visibly leaves it alone and an accepted one visibly replaces it.
void TestRobustness::show_known_trace_in_the_middle()
{
    line->setText(QStringLiteral("9 3 7 1 8 2 6 0 5 4"));
    QTest::mouseClick(get<QPushButton>("applyButton"), Qt::LeftButton);
    QCOMPARE(vis->seq, (Numbers{9, 3, 7, 1, 8, 2, 6, 0, 5, 4}));
    auto *step = get<QSpinBox>("jumpStepNum");
    step->setValue(int(vis->steps.size() / 2));
    QTest::mouseClick(get<QPushButton>("jumpButton"), Qt::LeftButton);
    QCOMPARE(vis->cur_step, int(vis->steps.size() / 2) - 1);
    QVERIFY(vis->cur_step > 0);
}

// The trace is well formed, replays to a sorted sequence and back, and the
// status panel tells the step on display.
void TestRobustness::check_trace_intact()
{
    QVERIFY(!vis->steps.isEmpty());
    QVERIFY(vis->cur_step >= 0 && vis->cur_step < vis->steps.size());
    const int n = int(vis->seq.size());
    int ops = 0;
    int swaps = 0;
    for (const TraceStep &s : vis->steps) {
        QVERIFY(s.gap_idx >= -1 && s.gap_idx < vis->gaps.size());
        QVERIFY(s.sub_start >= -1 && s.sub_start < n);
        QVERIFY(s.pos_a >= -1 && s.pos_a < n);
        QVERIFY(s.pos_b >= -1 && s.pos_b < n);
        ops += s.pos_b != -1 ? 1 : 0;
        swaps += s.is_swap ? 1 : 0;
    }
    QCOMPARE(vis->op_count, ops);
    QCOMPARE(vis->swap_count, swaps);

    const QString status = vis->status->toPlainText();
    QVERIFY(status.startsWith(vis->steps.at(vis->cur_step).text));
    QVERIFY2(
        status.contains(
            QStringLiteral("Current step: %1/%2").arg(vis->cur_step + 1).arg(vis->steps.size())),
        qPrintable(status));
    QCOMPARE(get<QSpinBox>("jumpStepNum")->maximum(), int(vis->steps.size()));

    const int shown = vis->cur_step;
    const Numbers arrangement = vis->seq;
    vis->set_current_step(int(vis->steps.size()) - 1);
    if (!vis->gaps.isEmpty() && vis->gaps.last() == 1)
        QVERIFY(std::is_sorted(vis->seq.begin(), vis->seq.end()));
    vis->set_current_step(shown);
    QCOMPARE(vis->seq, arrangement);
}

// Presses Apply with the field as it is, closing any box at once, and checks
// that the outcome is the one the field's text calls for. Returns the time
// Apply took in milliseconds.
qint64 TestRobustness::apply_and_check(const Shown &before)
{
    SequenceScan expected = scan_sequence(line->text() + u' ', PlainSeparators::Blank);
    // A full field may hold only the start of what was pasted: refused as well.
    const bool cut_short = line->text().size() >= line->maxLength();
    if (cut_short)
        expected.error = SequenceScan::TooMany;
    auto *closer = new BoxCloser(this);
    QElapsedTimer apply;
    apply.start();
    QTest::mouseClick(get<QPushButton>("applyButton"), Qt::LeftButton);
    const qint64 took = apply.elapsed();
    closer->timer.stop();
    qInfo("Apply of %lld characters: %lld ms", qint64(line->text().size()), took);
    const std::unique_ptr<BoxCloser> owned(closer);

    [&] {
        check_trace_intact();
        switch (expected.error) {
        case SequenceScan::None:
            // The new sequence, traced from its first step.
            QCOMPARE(vis->seq, expected.numbers);
            QCOMPARE(vis->cur_step, 0);
            QCOMPARE(closer->seen.size(), expected.odd_separators ? 1 : 0);
            if (expected.odd_separators)
                QCOMPARE(closer->seen.first().icon, QMessageBox::Information);
            break;
        case SequenceScan::NoNumber:
            // The arrangement on display, traced anew.
            QCOMPARE(vis->seq, before.seq);
            QCOMPARE(vis->cur_step, 0);
            QCOMPARE(closer->seen.size(), 1);
            QCOMPARE(closer->seen.first().icon, QMessageBox::Critical);
            break;
        case SequenceScan::TooLarge:
        case SequenceScan::TooMany: {
            // Refused: everything on display stays as it was.
            const Shown after = snapshot(vis);
            QCOMPARE(after.seq, before.seq);
            QCOMPARE(after.gaps, before.gaps);
            QCOMPARE(after.steps, before.steps);
            QCOMPARE(after.cur_step, before.cur_step);
            QCOMPARE(after.op_count, before.op_count);
            QCOMPARE(after.swap_count, before.swap_count);
            QCOMPARE(after.status, before.status);
            QCOMPARE(closer->seen.size(), 1);
            QCOMPARE(closer->seen.first().icon, QMessageBox::Critical);
            QCOMPARE(closer->seen.first().title, QStringLiteral("Error"));
            if (cut_short)
                QVERIFY(
                    closer->seen.first().text.contains(QStringLiteral("longer than the field")));
            break;
        }
        }
    }();
    return took;
}

void TestRobustness::hostile_text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("as_paste");
    QTest::addColumn<int>("outcome"); // SequenceScan::Error, or -1 when the seed decides

    const QString mixed = random_text(20240601, 100000, true);
    const QString no_ascii = random_text(7, 100000, false);
    QTest::newRow("100000 random characters") << mixed << false << -1;
    QTest::newRow("100000 random characters pasted") << mixed << true << -1;
    QTest::newRow("100000 characters without an ASCII digit")
        << no_ascii << false << int(SequenceScan::NoNumber);

    QString sparse = no_ascii;
    QRandomGenerator rng(99);
    for (int i = 0; i < 300; ++i)
        sparse.replace(int(rng.bounded(30000)), 1,
                       u' ' + QString::number(rng.bounded(100000)) + u' ');
    QTest::newRow("digits among 100000 foreign characters")
        << sparse << false << int(SequenceScan::None);

    const QString digits(1000000, u'7');
    QTest::newRow("a number of a million digits") << digits << false << int(SequenceScan::TooLarge);
    QTest::newRow("a number of a million digits pasted")
        << digits << true << int(SequenceScan::TooLarge);

    QString singles;
    singles.reserve(2000000);
    for (int i = 0; i < 1000000; ++i) {
        singles += QChar(u'0' + i % 10);
        singles += u' ';
    }
    QTest::newRow("a million one-digit numbers") << singles << false << int(SequenceScan::TooMany);
    QTest::newRow("a million one-digit numbers pasted")
        << singles << true << int(SequenceScan::TooMany);

    QString most;
    QString one_more;
    QRandomGenerator values(5);
    for (int i = 0; i < max_sequence_length; ++i)
        most += QString::number(values.bounded(2147483647)) + u' ';
    one_more = most + QStringLiteral("1");
    QTest::newRow("the most numbers allowed") << most << false << int(SequenceScan::None);
    QTest::newRow("one number too many") << one_more << false << int(SequenceScan::TooMany);
}

void TestRobustness::hostile_text()
{
    QFETCH(QString, text);
    QFETCH(bool, as_paste);
    QFETCH(int, outcome);

    if (as_paste) {
        line->clear();
        line->insert(text);
    } else {
        line->setText(text);
    }
    // The field shows the text before Apply is pressed, as it would for a user;
    // laying out a long text of many scripts is the field's cost, not Apply's.
    line->repaint();
    QCoreApplication::processEvents();
    // The field may keep only the start of a very long text.
    QVERIFY(!line->text().isEmpty());
    QVERIFY(text.startsWith(line->text()));
    if (outcome != -1) {
        const SequenceScan scan = scan_sequence(line->text() + u' ', PlainSeparators::Blank);
        QCOMPARE(int(scan.error), outcome);
    }

    const Shown before = snapshot(vis);
    const qint64 took = apply_and_check(before);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(took < 1000, qPrintable(QStringLiteral("Apply took %1 ms").arg(took)));

    // A second Apply of the same text behaves the same way and stays quick.
    const Shown again = snapshot(vis);
    const qint64 took_again = apply_and_check(again);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(took_again < 1000, qPrintable(QStringLiteral("Apply took %1 ms").arg(took_again)));
}

// Thousands of key presses through the real key path, ASCII and beyond.
void TestRobustness::typed_through_the_keyboard()
{
    QRandomGenerator rng(314159);
    QString ascii;
    for (int i = 0; i < 2000; ++i)
        ascii += QChar(char16_t(rng.bounded(0x20, 0x7f)));
    QString foreign;
    for (int i = 0; i < 1000; ++i)
        append_random_char(rng, &foreign, false);

    line->clear();
    line->setFocus();
    QTest::keyClicks(line, ascii);
    // QTest::keyClicks sends Latin-1 only; other characters go as key events
    // that carry their text, the way an input method delivers them.
    for (int i = 0; i < foreign.size();) {
        const int units = foreign.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, foreign.mid(i, units),
                            Qt::NoModifier);
        i += units;
    }
    QCOMPARE(line->text(), ascii + foreign);
    line->repaint();
    QCoreApplication::processEvents();

    const Shown before = snapshot(vis);
    const qint64 took = apply_and_check(before);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(took < 1000, qPrintable(QStringLiteral("Apply took %1 ms").arg(took)));

    // Return in the field applies as well.
    const Shown again = snapshot(vis);
    const SequenceScan expected = scan_sequence(line->text() + u' ', PlainSeparators::Blank);
    auto *closer = new BoxCloser(this);
    QTest::keyClick(line, Qt::Key_Return);
    closer->timer.stop();
    check_trace_intact();
    if (expected.error == SequenceScan::None)
        QCOMPARE(vis->seq, expected.numbers);
    else
        QCOMPARE(vis->seq, again.seq);
    delete closer;
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
