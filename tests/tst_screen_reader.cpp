// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Playback waits for a screen reader to say each step, and only while one runs.
#include "access/screen_reader.h"
#include "formulas.h"
#include "visualizer.h"

#include <QSignalSpy>
#include <QTest>

class TestScreenReader : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ScreenReader::instance()->set_running(false); }

    // Orca says a step's sentence in one to five seconds at its default rate.
    void every_sentence_has_time_data()
    {
        QTest::addColumn<int>("formula");
        QTest::addColumn<QVector<qint32>>("sequence");
        QTest::newRow("Shell's formula, ten numbers")
            << 0 << QVector<qint32>{5, 3, 8, 1, 9, 2, 7, 4, 6, 0};
        QTest::newRow("Pratt's formula, the largest numbers")
            << 3 << QVector<qint32>{2147483647, -2147483647, 7, 0, 2147483646};
    }

    void every_sentence_has_time()
    {
        QFETCH(int, formula);
        QFETCH(QVector<qint32>, sequence);
        Visualizer vis(nullptr, nullptr, nullptr, gap_generators[formula], sequence);
        vis.build_trace();
        for (const TraceStep &step : vis.steps) {
            const int ms = ScreenReader::speaking_ms(step.text);
            QVERIFY2(ms >= 1000 && ms <= 12000, qPrintable(step.text));
            // Longer sentences take longer.
            QVERIFY(ScreenReader::speaking_ms(step.text + QStringLiteral(" And more words.")) > ms);
        }
        QCOMPARE(ScreenReader::speaking_ms(QString()), 0);
    }

    void pause_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("slider");
        QTest::addColumn<bool>("longer");
        QTest::newRow("no screen reader, fast") << false << 0 << false;
        QTest::newRow("no screen reader, default") << false << 500 << false;
        QTest::newRow("no screen reader, slow") << false << 5000 << false;
        QTest::newRow("screen reader, fast") << true << 0 << true;
        QTest::newRow("screen reader, default") << true << 500 << true;
        QTest::newRow("screen reader, slower than speech") << true << 5000 << false;
    }

    // Sighted users find playback as fast as the slider says; a screen reader
    // user hears every sentence to its end.
    void pause()
    {
        QFETCH(bool, running);
        QFETCH(int, slider);
        QFETCH(bool, longer);
        const QString sentence = QStringLiteral("15 is more than 7, we need to swap them.");
        ScreenReader *reader = ScreenReader::instance();
        reader->set_running(running);
        const int pause = reader->pause_ms(slider, sentence);
        QCOMPARE(pause > slider, longer);
        QVERIFY(pause >= slider);
        if (running)
            QVERIFY(pause >= ScreenReader::speaking_ms(sentence));
    }

    // What the accessibility bus says when Orca starts or stops.
    void follows_the_bus()
    {
        ScreenReader *reader = ScreenReader::instance();
        QSignalSpy spy(reader, &ScreenReader::changed);
        const auto said = [reader](const char *interface, const QVariantMap &changed) {
            QVERIFY(QMetaObject::invokeMethod(
                reader, "properties_changed", Q_ARG(QString, QString::fromLatin1(interface)),
                Q_ARG(QVariantMap, changed), Q_ARG(QStringList, QStringList())));
        };
        said("org.a11y.Status", {{"ScreenReaderEnabled", true}});
        QVERIFY(reader->running());
        said("org.a11y.Status", {{"IsEnabled", false}}); // another tool
        QVERIFY(reader->running());
        said("org.other.Status", {{"ScreenReaderEnabled", false}});
        QVERIFY(reader->running());
        said("org.a11y.Status", {{"ScreenReaderEnabled", false}});
        QVERIFY(!reader->running());
        QCOMPARE(spy.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestScreenReader)
#include "tst_screen_reader.moc"
