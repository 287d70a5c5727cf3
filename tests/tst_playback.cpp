// Moving through a trace in the real window: the navigation buttons, the step
// box, timed playback and the keyboard.
#include "mainwindow.h"
#include "visualizer.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <memory>

using Numbers = QVector<qint32>;

namespace
{

// Warnings such as a thread destroyed while running fail the test.
QStringList warnings;
void collect_warnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
}

const char *const playback_controls[] = {
    "chosenFormula", "randomSeqSize", "applyButton", "randomGenRadio", "userDefineRadio",
    "userDefLine",   "prevStep",      "nextStep",    "prevSubseq",     "nextSubseq",
    "firstSlide",    "lastSlide",     "jumpButton",  "playSpeed",      "jumpStepNum"};

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void buttons_data();
    void buttons();
    void jump_data();
    void jump();
    void play_to_the_end();
    void controls_disabled_while_playing();
    void second_press_stops_third_resumes();
    void play_at_the_closing_step();
    void stop_and_replay_in_one_pass();
    void close_during_long_playback();
    void shortcuts_data();
    void shortcuts();
    void fields_keep_their_keys();
    void shortcuts_rest_during_playback();

private:
    std::unique_ptr<MainWindow> window;
    Visualizer *vis = nullptr;

    template <typename T> T *get(const char *name) { return window->findChild<T *>(name); }
    void click(const char *name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    QString status() const { return vis->status->toPlainText(); }
    void apply_typed(const QString &text)
    {
        click("userDefineRadio");
        get<QLineEdit>("userDefLine")->setText(text);
        click("applyButton");
    }
    void set_speed(int value) { get<QSlider>("playSpeed")->setValue(value); }
    int last_step() const { return int(vis->steps.size()) - 1; }
};

void TestPlayback::initTestCase()
{
    qInstallMessageHandler(collect_warnings);
}

void TestPlayback::init()
{
    warnings.clear();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    vis = window->findChild<Visualizer *>();
    QVERIFY(vis);
    // 5 4 3 2 1 under Shell's formula: 18 steps; subsequence steps at 2, 8 and 12.
    apply_typed(QStringLiteral("5 4 3 2 1"));
    QCOMPARE(vis->steps.size(), qsizetype(18));
}

void TestPlayback::cleanup()
{
    window.reset();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
}

void TestPlayback::buttons_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("landing");

    QTest::newRow("prev step at the opening stays") << 0 << "prevStep" << 0;
    QTest::newRow("next step at the closing stays") << 17 << "nextStep" << 17;
    QTest::newRow("next step") << 3 << "nextStep" << 4;
    QTest::newRow("prev step") << 3 << "prevStep" << 2;
    QTest::newRow("first slide") << 9 << "firstSlide" << 0;
    QTest::newRow("last slide") << 0 << "lastSlide" << 17;
    QTest::newRow("next subsequence") << 3 << "nextSubseq" << 8;
    QTest::newRow("next subsequence after the last") << 13 << "nextSubseq" << 17;
    QTest::newRow("prev subsequence from inside one") << 6 << "prevSubseq" << 2;
    QTest::newRow("prev subsequence before the first") << 1 << "prevSubseq" << 0;
}

// Every button asks the model, redraws and leaves every control enabled.
void TestPlayback::buttons()
{
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, landing);

    vis->set_current_step(from);
    vis->status->clear();
    click(button.toLatin1().constData());
    QCOMPARE(vis->cur_step, landing);
    QVERIFY(status().contains(QStringLiteral("Current step: %1/18").arg(landing + 1)));
    QCOMPARE(status().section(u'\n', 0, 0), vis->steps[landing].text);
    if (landing == 0)
        QCOMPARE(vis->seq, (Numbers{5, 4, 3, 2, 1}));
    if (landing == 17)
        QCOMPARE(vis->seq, (Numbers{1, 2, 3, 4, 5}));
    for (const char *name : playback_controls)
        QVERIFY2(get<QWidget>(name)->isEnabled(), name);
}

void TestPlayback::jump_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("landing");
    QTest::newRow("one is the opening step") << 1 << 0;
    QTest::newRow("k is step k - 1") << 7 << 6;
    QTest::newRow("the maximum is the closing step") << 18 << 17;
}

void TestPlayback::jump()
{
    QFETCH(int, value);
    QFETCH(int, landing);
    auto *box = get<QSpinBox>("jumpStepNum");
    QCOMPARE(box->maximum(), 18);
    box->setValue(value);
    click("jumpButton");
    QCOMPARE(vis->cur_step, landing);
    QVERIFY(status().contains(QStringLiteral("Current step: %1/18").arg(landing + 1)));
    click("nextStep");
    click("lastSlide");
    QCOMPARE(box->value(), value);
}

void TestPlayback::play_to_the_end()
{
    set_speed(get<QSlider>("playSpeed")->maximum());
    click("playButton");
    QCOMPARE(vis->cur_step, last_step());
    QVERIFY(status().startsWith(QStringLiteral("Sorting finished!")));
    QCOMPARE(vis->seq, (Numbers{1, 2, 3, 4, 5}));
    for (const char *name : playback_controls)
        QVERIFY2(get<QWidget>(name)->isEnabled(), name);
    QCOMPARE(get<QPushButton>("playButton")->text(), QStringLiteral("Play"));
    // The typed-sequence field was visible before and is visible again.
    QVERIFY(get<QLineEdit>("userDefLine")->isVisible());

    // Idle again: after moving back, one press plays again.
    click("firstSlide");
    click("playButton");
    QCOMPARE(vis->cur_step, last_step());
}

void TestPlayback::controls_disabled_while_playing()
{
    click("randomGenRadio"); // the typed field is hidden in random mode
    apply_typed(QStringLiteral("5 4 3 2 1"));
    click("randomGenRadio");
    set_speed(300); // 327 ms per step
    QStringList enabled_while_playing;
    bool checked = false;
    QTimer::singleShot(100, this, [&] {
        for (const char *name : playback_controls)
            if (get<QWidget>(name)->isEnabled())
                enabled_while_playing << QString::fromLatin1(name);
        checked = get<QPushButton>("playButton")->isEnabled() &&
                  get<QPushButton>("playButton")->text() == QStringLiteral("Play");
        click("playButton");
    });
    click("playButton");
    QVERIFY(checked);
    QVERIFY2(enabled_while_playing.isEmpty(), qPrintable(enabled_while_playing.join(u' ')));
    for (const char *name : playback_controls)
        QVERIFY2(get<QWidget>(name)->isEnabled(), name);
    QVERIFY(get<QLineEdit>("userDefLine")->isHidden());
}

void TestPlayback::second_press_stops_third_resumes()
{
    set_speed(310); // 155 ms per step
    const int jump_value = get<QSpinBox>("jumpStepNum")->value();
    int shown_at_press = -1;
    QTimer::singleShot(700, this, [&] {
        shown_at_press = vis->cur_step;
        click("playButton");
    });
    click("playButton");
    QVERIFY(shown_at_press > 0);
    QCOMPARE(vis->cur_step, shown_at_press);
    QVERIFY(vis->cur_step < last_step());
    for (const char *name : playback_controls)
        QVERIFY2(get<QWidget>(name)->isEnabled(), name);

    set_speed(get<QSlider>("playSpeed")->maximum());
    click("playButton");
    QCOMPARE(vis->cur_step, last_step());
    QCOMPARE(get<QSpinBox>("jumpStepNum")->value(), jump_value);
}

void TestPlayback::play_at_the_closing_step()
{
    click("lastSlide");
    set_speed(0);
    for (int press = 0; press < 2; ++press) {
        QElapsedTimer timer;
        timer.start();
        click("playButton");
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(vis->cur_step, last_step());
        for (const char *name : playback_controls)
            QVERIFY2(get<QWidget>(name)->isEnabled(), name);
    }
}

// A stop and a new press handled together start a fresh playback at once
// instead of waiting out the sleep of the stopped one.
void TestPlayback::stop_and_replay_in_one_pass()
{
    set_speed(0);
    qint64 presses_ms = -1;
    QTimer::singleShot(100, this, [&] {
        QTimer::singleShot(100, this, [&] { click("playButton"); }); // stops the new playback
        QElapsedTimer timer;
        timer.start();
        click("playButton");
        click("playButton");
        presses_ms = timer.elapsed();
    });
    click("playButton");
    QVERIFY(presses_ms >= 0);
    QVERIFY2(presses_ms < 1000, qPrintable(QString::number(presses_ms)));
    QCOMPARE(vis->cur_step, 0);
    for (const char *name : playback_controls)
        QVERIFY2(get<QWidget>(name)->isEnabled(), name);
}

// Closing the window ends a playback whose step lasts five seconds, and the
// event loop with it, without waiting for the sleep.
void TestPlayback::close_during_long_playback()
{
    set_speed(0);
    QTimer::singleShot(0, this, [&] { click("playButton"); });
    QTimer::singleShot(300, this, [&] { window->close(); });
    QElapsedTimer timer;
    timer.start();
    const int code = QApplication::exec();
    QCOMPARE(code, 0);
    QVERIFY2(timer.elapsed() < 300 + 500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(vis->cur_step, 0);
    timer.restart();
    window.reset();
    QVERIFY(timer.elapsed() < 500);
}

void TestPlayback::shortcuts_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("landing");

    const int none = Qt::NoModifier;
    QTest::newRow("Page Down") << 3 << int(Qt::Key_PageDown) << none << 4;
    QTest::newRow("Right") << 3 << int(Qt::Key_Right) << none << 4;
    QTest::newRow("Page Up") << 3 << int(Qt::Key_PageUp) << none << 2;
    QTest::newRow("Left") << 3 << int(Qt::Key_Left) << none << 2;
    QTest::newRow("Left at the opening") << 0 << int(Qt::Key_Left) << none << 0;
    QTest::newRow("Home") << 9 << int(Qt::Key_Home) << none << 0;
    QTest::newRow("End") << 0 << int(Qt::Key_End) << none << 17;
    QTest::newRow("Ctrl+Right") << 3 << int(Qt::Key_Right) << int(Qt::ControlModifier) << 8;
    QTest::newRow("Ctrl+Left") << 6 << int(Qt::Key_Left) << int(Qt::ControlModifier) << 2;
}

void TestPlayback::shortcuts()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, landing);

    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    vis->set_current_step(from);
    // A button with the focus would otherwise take the arrows for focus moves.
    get<QWidget>("nextStep")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(vis->cur_step, landing);
    QVERIFY(status().contains(QStringLiteral("Current step: %1/18").arg(landing + 1)));
}

void TestPlayback::fields_keep_their_keys()
{
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    vis->set_current_step(5);

    auto *line = get<QLineEdit>("userDefLine");
    line->setFocus();
    line->setCursorPosition(3);
    QTest::keyClick(line, Qt::Key_Right);
    QCOMPARE(line->cursorPosition(), 4);
    QTest::keyClick(line, Qt::Key_Home);
    QCOMPARE(line->cursorPosition(), 0);
    QTest::keyClick(line, Qt::Key_End);
    QCOMPARE(line->cursorPosition(), line->text().size());
    QCOMPARE(vis->cur_step, 5);
    // Page Down is no editing key: a remote still steps.
    QTest::keyClick(line, Qt::Key_PageDown);
    QCOMPARE(vis->cur_step, 6);

    auto *box = get<QSpinBox>("jumpStepNum");
    box->setFocus();
    box->setValue(4);
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(box->value(), 5);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_End);
    QCOMPARE(vis->cur_step, 6);

    auto *speed = get<QSlider>("playSpeed");
    speed->setFocus();
    const int before = speed->value();
    QTest::keyClick(speed, Qt::Key_Right);
    QCOMPARE(speed->value(), before + 1);
    QTest::keyClick(speed, Qt::Key_Home);
    QCOMPARE(speed->value(), 0);
    QCOMPARE(vis->cur_step, 6);

    auto *formula = get<QComboBox>("chosenFormula");
    formula->setCurrentIndex(2);
    formula->setFocus();
    QTest::keyClick(formula, Qt::Key_Home);
    QCOMPARE(formula->currentIndex(), 0);
    QCOMPARE(vis->cur_step, 6);
}

void TestPlayback::shortcuts_rest_during_playback()
{
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    set_speed(0); // no step within the first five seconds
    int during = -1;
    QTimer::singleShot(100, this, [&] {
        QTest::keyClick(window.get(), Qt::Key_End);
        QTest::keyClick(window.get(), Qt::Key_PageDown);
        during = vis->cur_step;
        click("playButton");
    });
    click("playButton");
    QCOMPARE(during, 0);
    QCOMPARE(vis->cur_step, 0);
    QTest::keyClick(window.get(), Qt::Key_End);
    QCOMPARE(vis->cur_step, 17);
}

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
