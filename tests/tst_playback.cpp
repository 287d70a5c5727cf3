// Moving through a trace in the real window: the navigation buttons, the step
// box, timed playback and the keyboard.
#include "mainwindow.h"
#include "sleeper.h"
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

    std::unique_ptr<MainWindow> window;
    Visualizer *vis = nullptr;

    template <class T = QWidget> T *get(const char *name) { return window->findChild<T *>(name); }
    void click(const char *name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    void set_speed(int value) { get<QSlider>("playSpeed")->setValue(value); }
    int last_step() const { return int(vis->steps.size()) - 1; }
    qint32 delay_ms() { return static_cast<Sleeper *>(window->findChild<QThread *>())->delay_ms; }
    // The names of the playback controls that are (or are not) enabled.
    QStringList controls(bool enabled)
    {
        QStringList names;
        for (const char *name : playback_controls)
            if (get(name)->isEnabled() == enabled)
                names << QString::fromLatin1(name);
        return names;
    }

private slots:
    void initTestCase() { qInstallMessageHandler(collect_warnings); }

    void init()
    {
        warnings.clear();
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        vis = window->findChild<Visualizer *>();
        QVERIFY(vis);
        // 5 4 3 2 1 under Shell's formula: 18 steps; subsequence steps at 2, 8 and 12.
        click("userDefineRadio");
        get<QLineEdit>("userDefLine")->setText(QStringLiteral("5 4 3 2 1"));
        click("applyButton");
        QCOMPARE(get<QSpinBox>("jumpStepNum")->maximum(), 18);
    }

    void cleanup()
    {
        window.reset();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    }

    // A button name is clicked ("jumpButton k" after k is set in the step box);
    // anything else is a key sequence for the window.
    void navigation_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("action");
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
        QTest::newRow("jump to 1 is the opening step") << 9 << "jumpButton 1" << 0;
        QTest::newRow("jump to k is step k - 1") << 0 << "jumpButton 7" << 6;
        QTest::newRow("jump to the maximum is the closing step") << 0 << "jumpButton 18" << 17;
        QTest::newRow("Page Down key") << 3 << "PgDown" << 4;
        QTest::newRow("Right key") << 3 << "Right" << 4;
        QTest::newRow("Page Up key") << 3 << "PgUp" << 2;
        QTest::newRow("Left key") << 3 << "Left" << 2;
        QTest::newRow("Left key at the opening") << 0 << "Left" << 0;
        QTest::newRow("Home key") << 9 << "Home" << 0;
        QTest::newRow("End key") << 0 << "End" << 17;
        QTest::newRow("Ctrl+Right keys") << 3 << "Ctrl+Right" << 8;
        QTest::newRow("Ctrl+Left keys") << 6 << "Ctrl+Left" << 2;
    }

    // Every action asks the model and redraws; the step box keeps its value and
    // every control stays enabled.
    void navigation()
    {
        QFETCH(int, from);
        QFETCH(QString, action);
        QFETCH(int, landing);

        vis->set_current_step(from);
        vis->status->clear();
        auto *box = get<QSpinBox>("jumpStepNum");
        if (action.startsWith(QStringLiteral("jumpButton ")))
            box->setValue(action.section(u' ', 1).toInt());
        const int box_value = box->value();
        if (QWidget *button = get(action.section(u' ', 0, 0).toLatin1().constData())) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            // A button with the focus would otherwise take the arrows for focus moves.
            get("nextStep")->setFocus();
            const QKeyCombination key = QKeySequence(action)[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        }
        QCOMPARE(vis->cur_step, landing);
        const QString status = vis->status->toPlainText();
        QCOMPARE(status.section(u'\n', 0, 0), vis->steps[landing].text);
        QVERIFY(status.contains(QStringLiteral("Current step: %1/18").arg(landing + 1)));
        if (landing == 0 || landing == 17)
            QCOMPARE(vis->seq, (landing ? Numbers{1, 2, 3, 4, 5} : Numbers{5, 4, 3, 2, 1}));
        QCOMPARE(box->value(), box_value);
        QCOMPARE(controls(false), QStringList());
    }

    void play_to_the_end()
    {
        const int fastest = get<QSlider>("playSpeed")->maximum();
        set_speed(fastest);
        click("playButton");
        QCOMPARE(vis->cur_step, last_step());
        QVERIFY(vis->status->toPlainText().startsWith(QStringLiteral("Sorting finished!")));
        QCOMPARE(vis->seq, (Numbers{1, 2, 3, 4, 5}));
        QCOMPARE(controls(false), QStringList());
        QCOMPARE(delay_ms(), 0);
        QVERIFY(get<QLineEdit>("userDefLine")->isVisible());

        // At the closing step Play returns at once, even at the slowest speed.
        set_speed(0);
        for (int press = 0; press < 2; ++press) {
            QElapsedTimer timer;
            timer.start();
            click("playButton");
            QVERIFY(timer.elapsed() < 1000);
            QCOMPARE(vis->cur_step, last_step());
            QCOMPARE(controls(false), QStringList());
        }

        // Idle again: after moving back, one press plays again.
        set_speed(fastest);
        click("firstSlide");
        click("playButton");
        QCOMPARE(vis->cur_step, last_step());
    }

    // Playback disables the controls but not Play; a second press stops it
    // where it is and a third one resumes from there.
    void second_press_stops_third_resumes()
    {
        click("randomGenRadio"); // hides the typed-sequence field
        set_speed(310);          // 155 ms per step
        const int jump_value = get<QSpinBox>("jumpStepNum")->value();
        QStringList enabled_while_playing;
        bool play_button_ok = false;
        int shown_at_press = -1;
        QTimer::singleShot(700, this, [&] {
            enabled_while_playing = controls(true);
            auto *play = get<QPushButton>("playButton");
            play_button_ok = play->isEnabled() && play->text() == QStringLiteral("Play");
            shown_at_press = vis->cur_step;
            click("playButton");
        });
        click("playButton");
        QCOMPARE(enabled_while_playing, QStringList());
        QVERIFY(play_button_ok);
        QVERIFY(shown_at_press > 0 && shown_at_press < last_step());
        QCOMPARE(vis->cur_step, shown_at_press);
        QCOMPARE(controls(false), QStringList());
        QVERIFY(get<QLineEdit>("userDefLine")->isHidden());

        set_speed(get<QSlider>("playSpeed")->maximum());
        click("playButton");
        QCOMPARE(vis->cur_step, last_step());
        QCOMPARE(get<QSpinBox>("jumpStepNum")->value(), jump_value);
    }

    // During playback the shortcuts rest. A stop and a new press handled together
    // start a fresh playback at once instead of waiting out the 5 s sleep of the
    // stopped one.
    void shortcuts_rest_and_replay_is_prompt()
    {
        set_speed(0); // no step within the first five seconds
        int during = -1;
        qint64 presses_ms = -1;
        QTimer::singleShot(100, this, [&] {
            QTest::keyClick(window.get(), Qt::Key_End);
            QTest::keyClick(window.get(), Qt::Key_PageDown);
            during = vis->cur_step;
            QTimer::singleShot(100, this, [&] { click("playButton"); }); // stops the new playback
            QElapsedTimer timer;
            timer.start();
            click("playButton");
            click("playButton");
            presses_ms = timer.elapsed();
        });
        click("playButton");
        QCOMPARE(during, 0);
        QCOMPARE(delay_ms(), 5000);
        QVERIFY2(presses_ms >= 0 && presses_ms < 1000, qPrintable(QString::number(presses_ms)));
        QCOMPARE(vis->cur_step, 0);
        QCOMPARE(controls(false), QStringList());
        QTest::keyClick(window.get(), Qt::Key_End);
        QCOMPARE(vis->cur_step, 17);
    }

    // Closing the window ends a playback whose step lasts five seconds, and the
    // event loop with it, without waiting for the sleep.
    void close_during_long_playback()
    {
        set_speed(0);
        QTimer::singleShot(0, this, [&] { click("playButton"); });
        QTimer::singleShot(300, this, [&] { window->close(); });
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(timer.elapsed() < 300 + 500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(vis->cur_step, 0);
        timer.restart();
        window.reset();
        QVERIFY(timer.elapsed() < 500);
    }

    // Keys a focused field edits with stay with it; only Page Down steps.
    void fields_keep_their_keys_data()
    {
        QTest::addColumn<QString>("field"); // widget.property
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("after");

        QTest::newRow("edit Right") << "userDefLine.cursorPosition" << 3 << +Qt::Key_Right << 4;
        QTest::newRow("edit Home") << "userDefLine.cursorPosition" << 3 << +Qt::Key_Home << 0;
        QTest::newRow("edit End") << "userDefLine.cursorPosition" << 3 << +Qt::Key_End << 9;
        QTest::newRow("edit PgDn") << "userDefLine.cursorPosition" << 3 << +Qt::Key_PageDown << 3;
        QTest::newRow("spin box Up") << "jumpStepNum.value" << 4 << +Qt::Key_Up << 5;
        QTest::newRow("spin box Left") << "jumpStepNum.value" << 4 << +Qt::Key_Left << 4;
        QTest::newRow("spin box End") << "jumpStepNum.value" << 4 << +Qt::Key_End << 4;
        QTest::newRow("slider Right") << "playSpeed.value" << 100 << +Qt::Key_Right << 101;
        QTest::newRow("slider Home") << "playSpeed.value" << 100 << +Qt::Key_Home << 0;
        QTest::newRow("combo box Home") << "chosenFormula.currentIndex" << 2 << +Qt::Key_Home << 0;
    }

    void fields_keep_their_keys()
    {
        QFETCH(QString, field);
        QFETCH(int, before);
        QFETCH(int, key);
        QFETCH(int, after);

        const QByteArray property = field.section(u'.', 1).toLatin1();
        vis->set_current_step(5);
        QWidget *widget = get(field.section(u'.', 0, 0).toLatin1().constData());
        widget->setFocus();
        widget->setProperty(property.constData(), before);
        QTest::keyClick(widget, Qt::Key(key));
        QCOMPARE(widget->property(property.constData()).toInt(), after);
        QCOMPARE(vis->cur_step, key == Qt::Key_PageDown ? 6 : 5);
    }
};

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
