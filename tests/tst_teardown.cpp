// Closing and destroying the window in awkward moments: many times in a row,
// during a playback and while a message box waits for the user. Any warning
// (a thread destroyed while running, a timer touched from the wrong place...)
// fails the test; the sanitizer build checks memory and leaks as well.
#include "mainwindow.h"
#include "visualizer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <memory>

namespace
{

// The offscreen platform plugin of headless runs says this whenever a dialog
// is shown; it is about the plugin, not about the program.
bool from_headless_platform(const QString &message)
{
    return message == QLatin1String("This plugin does not support propagateSizeHints()");
}

QMutex messages_mutex;
QStringList unexpected_messages;
QtMessageHandler previous_handler = nullptr;

void strict_handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !from_headless_platform(message)) {
        QMutexLocker lock(&messages_mutex);
        unexpected_messages << message;
    }
    if (previous_handler != nullptr)
        previous_handler(type, context, message);
}

QStringList take_messages()
{
    QMutexLocker lock(&messages_mutex);
    QStringList taken;
    taken.swap(unexpected_messages);
    return taken;
}

template <typename T> T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (found == nullptr)
        qFatal("no child named %s", name);
    return found;
}

QList<QMessageBox *> visible_boxes()
{
    QList<QMessageBox *> boxes;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (box != nullptr && box->isVisible())
            boxes << box;
    }
    return boxes;
}

// Deletes whatever deleteLater() left behind, so that the next test starts clean.
void flush_deferred_deletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestTeardown : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void open_and_close_many_times();
    void close_during_playback_data();
    void close_during_playback();
    void close_while_message_box_is_open();
};

void TestTeardown::initTestCase()
{
    previous_handler = qInstallMessageHandler(strict_handler);
}

void TestTeardown::init()
{
    take_messages();
}

void TestTeardown::cleanup()
{
    flush_deferred_deletes();
    const QStringList messages = take_messages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    // Nothing of a window may outlive it: no box, no stray top-level widget.
    const QWidgetList left = QApplication::topLevelWidgets();
    QVERIFY2(left.isEmpty(),
             qPrintable(QStringLiteral("%1 top-level widgets left").arg(left.size())));
}

void TestTeardown::open_and_close_many_times()
{
    for (int i = 0; i < 50; ++i) {
        auto *window = new MainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        QCoreApplication::processEvents();
        delete window;
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), qPrintable(QString::number(i)));
    }
}

void TestTeardown::close_during_playback_data()
{
    QTest::addColumn<bool>("slowest");
    QTest::addColumn<int>("close_after_ms");

    // Slowest: each step waits 5 s, so the close falls inside one long sleep.
    QTest::newRow("inside a five second sleep") << true << 200;
    // Fastest: no sleep at all, the close comes between two steps.
    QTest::newRow("between fast steps") << false << 50;
}

void TestTeardown::close_during_playback()
{
    QFETCH(bool, slowest);
    QFETCH(int, close_after_ms);

    QPointer<MainWindow> window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *vis = window->findChild<Visualizer *>();
    QVERIFY(vis != nullptr);

    // A long trace, so that the fast playback cannot end before the close.
    child<QRadioButton>(window, "userDefineRadio")->click();
    QString reversed;
    for (int v = 1000; v > 0; --v)
        reversed += QString::number(v) + u' ';
    child<QLineEdit>(window, "userDefLine")->setText(reversed);
    child<QPushButton>(window, "applyButton")->click();
    QCOMPARE(vis->seq.size(), qsizetype(1000));
    QVERIFY(vis->steps.size() > 10000);

    auto *speed = child<QSlider>(window, "playSpeed");
    speed->setValue(slowest ? 0 : speed->maximum());
    auto *play = child<QPushButton>(window, "playButton");

    auto *apply = child<QPushButton>(window, "applyButton");

    QElapsedTimer since_close;
    bool closed = false;
    bool was_playing = false;
    QTimer::singleShot(close_after_ms, window.data(), [&] {
        was_playing = !apply->isEnabled(); // the controls rest during playback
        since_close.start();
        closed = window->close();
    });
    // Should the close not stop the playback, this stops it the normal way
    // a little later, so that the test fails instead of hanging.
    QTimer::singleShot(close_after_ms + 1500, window.data(), [&] { play->click(); });
    QElapsedTimer playing;
    playing.start();
    play->click(); // returns when the playback loop has ended
    const qint64 loop_end = since_close.isValid() ? since_close.elapsed() : -1;

    QVERIFY(was_playing);
    QVERIFY(closed);
    QVERIFY(!window->isVisible());
    QVERIFY2(loop_end >= 0 && loop_end < 500,
             qPrintable(QStringLiteral("playback loop ended %1 ms after the close").arg(loop_end)));
    QVERIFY(playing.elapsed() < 4000);
    if (slowest)
        QCOMPARE(vis->cur_step, 0);
    QVERIFY(vis->cur_step < vis->steps.size() - 1);
    QVERIFY(apply->isEnabled());

    QElapsedTimer destruction;
    destruction.start();
    delete window;
    QVERIFY2(destruction.elapsed() < 500,
             qPrintable(QStringLiteral("destruction took %1 ms").arg(destruction.elapsed())));
    QVERIFY(window.isNull());
}

void TestTeardown::close_while_message_box_is_open()
{
    QPointer<MainWindow> window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QTest::mouseClick(child<QRadioButton>(window, "userDefineRadio"), Qt::LeftButton);
    auto *line = child<QLineEdit>(window, "userDefLine");
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("abc"));
    QCOMPARE(line->text(), QStringLiteral("abc"));

    // Once the error box is up: close the main window first, then the box.
    QString title;
    bool window_closed = false;
    bool window_visible_after_close = true;
    QPointer<QMessageBox> seen_box;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        const QList<QMessageBox *> boxes = visible_boxes();
        if (boxes.isEmpty())
            return;
        poll.stop();
        QMessageBox *box = boxes.first();
        seen_box = box;
        title = box->windowTitle();
        window_closed = window->close();
        window_visible_after_close = window->isVisible();
        QCoreApplication::processEvents();
        box->close();
    });
    poll.start();
    QElapsedTimer apply;
    apply.start();
    QTest::mouseClick(child<QPushButton>(window, "applyButton"), Qt::LeftButton);
    poll.stop();

    QVERIFY(apply.elapsed() < 5000);
    QCOMPARE(title, QStringLiteral("Error"));
    QVERIFY(window_closed);
    QVERIFY(!window_visible_after_close);
    QVERIFY(!window->isVisible());
    // The box is gone once Apply returns, and so is its memory.
    QVERIFY(seen_box.isNull());
    QVERIFY(visible_boxes().isEmpty());

    delete window;
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestTeardown)
#include "tst_teardown.moc"
