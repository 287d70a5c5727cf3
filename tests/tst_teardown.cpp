// Closing and destroying the window in awkward moments: many times in a row,
// during a playback and while a message box waits for the user. Any warning
// (a thread destroyed while running, a timer touched from the wrong place...)
// fails the test; the sanitizer build checks memory and leaks as well.
#include "mainwindow.h"
#include "visualizer.h"

#include <QtTest>
#include <QtWidgets>

class TestTeardown : public QObject
{
    Q_OBJECT

    QPointer<MainWindow> window;
    static inline QtMessageHandler qtest_handler = nullptr;

private slots:
    void initTestCase()
    {
        // Criticals count as warnings, so that failOnWarning() fails them too.
        qtest_handler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                qtest_handler(type == QtCriticalMsg ? QtWarningMsg : type, context, message);
            });
    }

    void init()
    {
        // Any warning fails the test, except the offscreen plugin's note on dialogs.
        QTest::failOnWarning(QRegularExpression(
            QStringLiteral("^(?!This plugin does not support propagateSizeHints\\(\\)$)")));
        window = new MainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->findChild<QRadioButton *>("userDefineRadio")->click();
    }

    void cleanup()
    {
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Nothing of a window may outlive it: no box, no stray top-level widget.
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void open_and_close_many_times()
    {
        for (int i = 0; i < 50; ++i) {
            QVERIFY(window->close());
            QCoreApplication::processEvents();
            delete window;
            QVERIFY2(QApplication::topLevelWidgets().isEmpty(), qPrintable(QString::number(i)));
            init(); // the next window; cleanup deletes the last one
        }
    }

    void close_during_playback_data()
    {
        QTest::addColumn<bool>("slowest");
        QTest::newRow("inside a five second sleep") << true;
        QTest::newRow("between fast steps") << false;
    }

    void close_during_playback()
    {
        QFETCH(bool, slowest);
        auto *vis = window->findChild<Visualizer *>();
        auto *apply = window->findChild<QPushButton *>("applyButton");
        auto *play = window->findChild<QPushButton *>("playButton");
        // A long trace, so that the fast playback cannot end before the close.
        window->findChild<QLineEdit *>("userDefLine")->setText(QString("2 1 ").repeated(500));
        apply->click();
        // The slowest speed waits 5 s per step, the fastest not at all.
        auto *speed = window->findChild<QSlider *>("playSpeed");
        speed->setValue(slowest ? 0 : speed->maximum());

        QElapsedTimer since_close;
        QTimer::singleShot(50, window, [&] {
            QVERIFY(!apply->isEnabled()); // playing: the controls rest
            since_close.start();
            window->close();
        });
        // Should the close not stop the playback, this stops it the normal way
        // a little later, so that the test fails instead of hanging.
        QTimer::singleShot(1550, window, [&] { play->click(); });
        play->click(); // returns when the playback loop has ended
        QVERIFY(!window->isVisible() && since_close.isValid() && since_close.elapsed() < 500);
        // Closing stops the playback where it was, and gives the controls back.
        QVERIFY(slowest ? vis->cur_step == 0 : vis->cur_step < vis->steps.size() - 1);
        QVERIFY(apply->isEnabled());
        // Destruction does not wait out the sleep.
        const QDeadlineTimer deadline(500);
        delete window;
        QVERIFY(!deadline.hasExpired());
    }

    void close_while_message_box_is_open()
    {
        window->findChild<QLineEdit *>("userDefLine")->setText(QStringLiteral("abc"));
        // Once the error box is up: close the main window first, then the box.
        QPointer<QMessageBox> box;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if ((box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))) {
                poll.stop();
                window->close();
                QCoreApplication::processEvents();
                box->close();
                QCOMPARE(box->windowTitle(), QStringLiteral("Error"));
            }
        });
        poll.start(5);
        window->findChild<QPushButton *>("applyButton")->click();
        // Apply returns once the box is closed, and has deleted it by then.
        QVERIFY(!window->isVisible() && box.isNull());
        delete window;
    }
};

QTEST_MAIN(TestTeardown)
#include "tst_teardown.moc"
