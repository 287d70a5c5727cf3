// Hostile input in the sequence field: a hundred thousand random characters,
// pastes of a million digits, thousands of real key presses. Applying must
// answer within a second, and the trace on display afterwards is either the
// new one or the old one, intact.
#include "mainwindow.h"
#include "sequence_input.h"
#include "visualizer.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <tuple>

static QStringList unexpected_messages;

// ASCII, accented letters, Cyrillic, CJK, digits of other scripts, punctuation
// and emoji (two UTF-16 units each).
static void append_random_char(QRandomGenerator &rng, QString *text, bool ascii_allowed)
{
    static const char32_t ranges[][2] = {
        {0x20, 0x7e},   {0xa1, 0xff},     {0x400, 0x45f},     {0x4e00, 0x9fff},
        {0x660, 0x669}, {0xff10, 0xff19}, {0x1f600, 0x1f64f}, {0x2000, 0x206f},
    };
    const auto &r = ranges[rng.bounded(ascii_allowed ? 0 : 1, int(std::size(ranges)))];
    const char32_t c = r[0] + char32_t(rng.bounded(int(r[1] - r[0] + 1)));
    *text += QString::fromUcs4(&c, 1);
}

class TestRobustness : public QObject
{
    Q_OBJECT

    QScopedPointer<MainWindow> window;
    Visualizer *vis = nullptr;
    QLineEdit *line = nullptr;
    QPushButton *apply = nullptr;

private slots:
    void initTestCase()
    {
        // Any warning fails the test, except the offscreen plugin's note on dialogs.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &m) {
            if (type != QtDebugMsg && type != QtInfoMsg &&
                m != QLatin1String("This plugin does not support propagateSizeHints()"))
                unexpected_messages << m;
        });
    }

    void init()
    {
        unexpected_messages.clear();
        window.reset(new MainWindow);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        vis = window->findChild<Visualizer *>();
        line = window->findChild<QLineEdit *>("userDefLine");
        apply = window->findChild<QPushButton *>("applyButton");
        QTest::mouseClick(window->findChild<QRadioButton *>("userDefineRadio"), Qt::LeftButton);
        // A known trace shown at a middle step, so that a refused input visibly
        // leaves it alone and an accepted one visibly replaces it.
        line->setText(QStringLiteral("9 3 7 1 8 2 6 0 5 4"));
        QTest::mouseClick(apply, Qt::LeftButton);
        window->step_to(int(vis->steps.size() / 2));
    }

    void cleanup()
    {
        window.reset();
        QVERIFY2(unexpected_messages.isEmpty(), qPrintable(unexpected_messages.join(u'\n')));
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void hostile_text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("how"); // 0 setText, 1 paste, 2 key presses
        const QString singles = QStringLiteral("0 1 2 3 4 5 6 7 8 9 ").repeated(100000);
        QString mixed, no_ascii, most, typed;
        QRandomGenerator rng(20240601), keys(314159);
        for (QString *t : {&mixed, &no_ascii})
            while (t->size() < 100000)
                append_random_char(rng, t, t == &mixed);
        QString sparse = no_ascii;
        for (int i = 0; i < 300; ++i)
            sparse.replace(int(rng.bounded(30000)), 1,
                           u' ' + QString::number(rng.bounded(100000)) + u' ');
        for (int i = 0; i < max_sequence_length; ++i)
            most += QString::number(rng.bounded(max_sequence_value)) + u' ';
        for (int i = 0; i < 2000; ++i)
            typed += QChar(char16_t(keys.bounded(0x20, 0x7f)));
        for (int i = 0; i < 1000; ++i)
            append_random_char(keys, &typed, false);

        QTest::newRow("100000 random characters") << mixed << 0;
        QTest::newRow("100000 random characters pasted") << mixed << 1;
        QTest::newRow("100000 characters without an ASCII digit") << no_ascii << 0;
        QTest::newRow("digits among 100000 foreign characters") << sparse << 0;
        QTest::newRow("a number of a million digits") << QString(1000000, u'7') << 0;
        QTest::newRow("a number of a million digits pasted") << QString(1000000, u'7') << 1;
        QTest::newRow("a million one-digit numbers") << singles << 0;
        QTest::newRow("a million one-digit numbers pasted") << singles << 1;
        QTest::newRow("the most numbers allowed") << most << 0;
        QTest::newRow("one number too many") << QString(most + u'1') << 0;
        QTest::newRow("3000 characters typed on the keyboard") << typed << 2;
    }

    void hostile_text()
    {
        QFETCH(QString, text);
        QFETCH(int, how);
        line->clear();
        if (how == 0)
            line->setText(text);
        else if (how == 1)
            line->insert(text);
        // Key presses: ASCII with its key code, other characters with their text
        // only, the way an input method delivers them.
        for (qsizetype i = 0, units = 1; how == 2 && i < text.size(); i += units) {
            units = text.at(i).isHighSurrogate() ? 2 : 1;
            const char16_t c = text.at(i).toUpper().unicode();
            QTest::sendKeyEvent(QTest::Click, line, c < 0x7f ? Qt::Key(c) : Qt::Key_unknown,
                                text.mid(i, units), Qt::NoModifier);
        }
        // Laying out a long text of many scripts is the field's cost, not Apply's.
        QCoreApplication::processEvents();
        // The field may keep only the start of a very long text, but no less.
        QCOMPARE(line->text(), text.left(line->maxLength()));

        // Apply twice, by the button and by Return, closing any box at once.
        for (const bool by_return : {false, true}) {
            const auto expected = scan_sequence(line->text() + u' ', PlainSeparators::Blank);
            // A full field may hold only the start of what was pasted: refused as well.
            const bool cut_short = line->text().size() >= line->maxLength();
            const bool error = cut_short || expected.error != SequenceScan::None;
            const bool refused = cut_short || (error && expected.error != SequenceScan::NoNumber);
            const auto icon = error ? QMessageBox::Critical : QMessageBox::Information;
            const auto shown = [this] {
                return std::make_tuple(vis->seq, vis->steps.size(), vis->cur_step,
                                       vis->status->toPlainText());
            };
            const auto before = shown();
            int boxes = 0;
            QTimer closer;
            connect(&closer, &QTimer::timeout, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    box->done(QMessageBox::Ok);
                    ++boxes;
                    QVERIFY(box->icon() == icon && (!error || box->windowTitle() == u"Error"));
                    QVERIFY(!cut_short || box->text().contains(u"longer than the field"));
                }
            });
            closer.start(2);
            const QDeadlineTimer second(1000);
            by_return ? QTest::keyClick(line, Qt::Key_Return)
                      : QTest::mouseClick(apply, Qt::LeftButton);
            QVERIFY2(!second.hasExpired(), "Apply took a second or more");
            QCOMPARE(boxes, error || expected.odd_separators ? 1 : 0);

            // Refused: everything on display stays as it was. Otherwise the new
            // sequence, or with no number the arrangement on display, traced anew
            // from its first step.
            if (refused)
                QCOMPARE(shown(), before);
            else
                QCOMPARE(vis->seq, error ? std::get<0>(before) : expected.numbers);
            QCOMPARE(vis->cur_step, refused ? std::get<2>(before) : 0);
            // The trace replays to a sorted sequence and back; the status tells the step.
            const int n = int(vis->steps.size()), step = vis->cur_step;
            const QString status = vis->status->toPlainText();
            QVERIFY(step >= 0 && step < n && status.startsWith(vis->steps.at(step).text));
            QVERIFY(status.contains(QStringLiteral("Current step: %1/%2").arg(step + 1).arg(n)));
            QCOMPARE(window->findChild<QSpinBox *>("jumpStepNum")->maximum(), n);
            const QVector<qint32> arrangement = vis->seq;
            vis->set_current_step(n - 1);
            QVERIFY(std::is_sorted(vis->seq.begin(), vis->seq.end()));
            vis->set_current_step(step);
            QCOMPARE(vis->seq, arrangement);
        }
    }
};

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
