// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window's command line: what it asks reaches the window as if chosen and
// typed there; --help, --version, bad arguments and a missing display answer
// on the terminal before any window opens.
#include "commandline.h"
#include "formulas.h"
#include "separators.h"
#include "window_fixture.h"

namespace
{

const QByteArray no_display = "vellora: The window needs a display (a desktop session, or "
                              "ssh -X); vellora-trace prints the same traces as text.\n";

// Whether standard error holds one sentence: a capital letter first and a full
// stop last, in English or German.
bool is_sentence(const QByteArray &err)
{
    static const QRegularExpression sentence(QStringLiteral("^vellora: [A-ZÄÖÜ].*\\.\n$"));
    return sentence.match(QString::fromUtf8(err)).hasMatch();
}

QString unknown_formula(const QString &name)
{
    return QStringLiteral("Unknown formula '%1'; the formulas are 0 shell, 1 hibbard, "
                          "2 sedgewick, 3 pratt, 4 fibonacci, 5 knuth, 6 ciura.")
        .arg(name);
}

struct Run {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

// display: "offscreen", "none", or "unreachable" (an X display nobody serves).
Run run_window(const QStringList &args, const QString &display,
               const QString &language = QStringLiteral("C"))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.insert(QLatin1String(name), language);
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        environment.remove(QLatin1String(name));
    if (display == u"offscreen")
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), display);
    else if (display == u"unreachable")
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":65535"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELLORA_BINARY), args);
    // A window would keep it running: then it is stopped, and the run fails.
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // An empty sequence leaves the random one; with an error, message is its text.
    void reaches_the_window_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("formula");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("message");
        const QString odd = QStringLiteral(
            "Warning: characters other than numbers and spaces were read as spaces.");
        const auto row = [](const char *name, const QStringList &args, int formula,
                            const char *numbers, bool refused, const QString &message) {
            QTest::newRow(name) << args << formula << QString(numbers) << refused << message;
        };
        row("numbers", {"3", "1", "2"}, -1, "3 1 2", false, {});
        row("formula name in any case", {"-f", "Knuth", "9", "3", "7", "1", "8", "2", "6", "10"}, 5,
            "9 3 7 1 8 2 6 10", false, {});
        row("the example of the manual and the README",
            {"-f", "knuth", "9", "4", "7", "1", "12", "8", "2", "11", "6", "3", "10", "5"}, 5,
            "9 4 7 1 12 8 2 11 6 3 10 5", false, {});
        row("formula index alone", {"--formula", "3"}, 3, "", false, {});
        row("negative numbers after --", {"-f", "PRATT", "--", "-5", "3", "-8"}, 3, "-5 3 -8",
            false, {});
        row("commas warn, the field shows the numbers", {"5,4", "007"}, -1, "5 4 7", false, odd);
        row("unknown formula", {"-f", "bubble", "1"}, -1, "", true, unknown_formula("bubble"));
        row("negative number without --", {"-5", "3"}, -1, "", true,
            "The argument -5 is taken for an option; when a number is negative, put -- before "
            "the numbers, as in vellora -- -5 3 8.");
        row("no number among the arguments", {"--", "-", "x"}, -1, "", true,
            "No numbers were given; a sequence is numbers separated by spaces.");
        row("number too large", {"1", "2147483648"}, -1, "", true,
            "The number 2147483648 is too large: numbers can be at most 2147483647.");
    }

    void reaches_the_window()
    {
        QFETCH(QStringList, args);
        QFETCH(int, formula);
        QFETCH(QString, numbers);
        QFETCH(bool, refused);
        QFETCH(QString, message);

        const WindowCommandLine command = read_command_line(QStringList{"vellora"} + args);
        QCOMPARE(command.request, refused ? WindowCommandLine::Error : WindowCommandLine::Window);
        QCOMPARE(refused ? command.text : command.warning, message);
        if (refused)
            return;

        WindowFixture w;
        const int in_force = qMax(formula, 0);
        Visualizer *vis = w.vis;
        const QVector<qint32> random = vis->seq;
        prepare_window(w.window, command);
        QCOMPARE(w.get<QComboBox>("chosenFormula")->currentIndex(), in_force);
        QCOMPARE(formula_index(vis->stepgen), in_force);
        QCOMPARE(w.get<QRadioButton>("userDefineRadio")->isChecked(), !numbers.isEmpty());
        QCOMPARE(w.get("userDefLine")->isVisibleTo(w.window), !numbers.isEmpty());
        QCOMPARE(w.get<QLineEdit>("userDefLine")->text(), numbers);
        QVector<qint32> expected;
        for (const QString &part : numbers.split(u' ', Qt::SkipEmptyParts))
            expected.append(part.toInt());
        if (expected.isEmpty()) { // a new random draw under the chosen formula
            QCOMPARE(vis->seq.size(), random.size());
            expected = vis->seq;
        }
        QCOMPARE(vis->seq, expected);
        Visualizer model(nullptr, nullptr, nullptr, gap_generators[in_force], expected);
        model.build_trace();
        QCOMPARE(vis->gaps, model.gaps);
        QCOMPARE(QList<int>({int(vis->steps.size()), vis->cur_step}),
                 QList<int>({int(model.steps.size()), 0}));
        QVERIFY(w.boxes.isEmpty());
    }

    // Whitespace of every kind separates numbers, in the arguments and in the
    // window's field, set or pasted, without a warning; anything else warns
    // once.
    void separators_data()
    {
        add_separator_rows();
    }

    void separators()
    {
        QFETCH(QString, separator);
        QFETCH(bool, odd);
        const QString text = separated_by(separator);
        const QVector<qint32> numbers = {5, -3, 8};
        const WindowCommandLine command = read_command_line({"vellora", "--", text});
        QCOMPARE(command.request, WindowCommandLine::Window);
        QCOMPARE(command.numbers, numbers);
        QCOMPARE(command.warning.isEmpty(), !odd);

        WindowFixture w;
        auto *line = w.get<QLineEdit>("userDefLine");
        w.choose("userDefineRadio");
        for (const bool pasted : {false, true}) {
            line->clear();
            if (pasted)
                line->insert(text);
            else
                line->setText(text);
            w.boxes.clear();
            w.click("applyButton");
            QCOMPARE(w.boxes.size(), odd ? 1 : 0);
            QCOMPARE(w.vis->seq, numbers);
        }
    }

    // The built program, as a launcher or a terminal starts it.
    void program_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("exit_code");
        QTest::addColumn<QByteArray>("out"); // its beginning
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("help without a display")
            << QStringList{"--help"} << "none" << 0
            << QByteArray("Usage: vellora [options] [NUMBER ...]\n") << QByteArray();
        QTest::newRow("version without a display")
            << QStringList{"-v"} << "none" << 0 << QByteArray("vellora " VELLORA_VERSION "\n")
            << QByteArray();
        const QByteArray bubble = "vellora: " + unknown_formula("bubble").toUtf8() + '\n';
        const QByteArray nine = "vellora: " + unknown_formula("9").toUtf8() + '\n';
        QTest::newRow("bad argument, no window")
            << QStringList{"-f", "bubble"} << "offscreen" << 2 << QByteArray() << bubble;
        QTest::newRow("bad argument without a display")
            << QStringList{"-f", "bubble", "1", "2"} << "none" << 2 << QByteArray() << bubble;
        QTest::newRow("bad argument, a display that cannot be reached")
            << QStringList{"-f", "bubble", "1", "2"} << "unreachable" << 2 << QByteArray()
            << bubble;
        QTest::newRow("unknown option without a display")
            << QStringList{"--fast"} << "none" << 2 << QByteArray()
            << QByteArray("vellora: Unknown option 'fast'.\n");
        QTest::newRow("number too large without a display")
            << QStringList{"1", "2147483648"} << "none" << 2 << QByteArray()
            << QByteArray("vellora: The number 2147483648 is too large: numbers can be at most "
                          "2147483647.\n");
        QTest::newRow("Qt's own option taken out first")
            << QStringList{"-platform", "offscreen", "-f", "9"} << "none" << 2 << QByteArray()
            << nine;
        QTest::newRow("a comma warns, then no display")
            << QStringList{"5,3"} << "none" << 1 << QByteArray() << no_display;
        QTest::newRow("no display") << QStringList() << "none" << 1 << QByteArray() << no_display;
        QTest::newRow("a display that cannot be reached")
            << QStringList{"7", "3"} << "unreachable" << 1 << QByteArray() << no_display;
    }

    void program()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, display);
        QFETCH(int, exit_code);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Run run = run_window(args, display);
        QCOMPARE(run.exit_code, exit_code);
        QVERIFY2(run.out.startsWith(out), run.out.constData());
        QCOMPARE(run.out.isEmpty(), out.isEmpty());
        QCOMPARE(run.err, err);
        if (exit_code != 0)
            QVERIFY2(is_sentence(run.err), run.err.constData());
    }

    // Qt's own options, in each of their forms, are taken out before the
    // arguments are checked, without a display as with one.
    void qt_options_data()
    {
        QTest::addColumn<QStringList>("options");
        for (const char *name :
             {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
              "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
              "geometry", "title", "icon", "name", "visual"}) {
            const QString option = QStringLiteral("-") + QLatin1String(name);
            QTest::newRow(name) << QStringList{option, "value"};
            QTest::newRow(qPrintable(u'-' + option)) << QStringList{u'-' + option, "value"};
        }
        for (const char *flag :
             {"-reverse", "--reverse", "-widgetcount", "-testability", "-nograb", "-dograb",
              "-style=fusion", "--stylesheet=a.qss", "-qmljsdebugger=port:1234"})
            QTest::newRow(flag) << QStringList{flag};
        QTest::newRow("several") << QStringList{"-style", "fusion",        "-reverse", "--session",
                                                "s",      "-qwindowtitle", "a title"};
    }

    void qt_options()
    {
        QFETCH(QStringList, options);
        const QStringList args = options + QStringList{"-f", "9", "1", "2"};
        const QStringList kept = without_qt_options(QStringList{"vellora"} + args);
        QCOMPARE(kept, (QStringList{"vellora", "-f", "9", "1", "2"}));
        const Run run = run_window(args, QStringLiteral("none"));
        QCOMPARE(run.exit_code, 2);
        QCOMPARE(run.err, "vellora: " + unknown_formula("9").toUtf8() + '\n');
    }

    // Ours and the numbers stay, wherever Qt's are among them.
    void qt_options_keep_ours()
    {
        const QStringList arguments = {"vellora", "-f",     "knuth", "-reverse", "-h",
                                       "--",      "-style", "x",     "-5",       "-"};
        QCOMPARE(without_qt_options(arguments),
                 (QStringList{"vellora", "-f", "knuth", "-h", "--", "-5", "-"}));
    }

    // In a German locale the messages are German sentences.
    void german_messages_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit_code");
        QTest::newRow("unknown formula") << QStringList{"-f", "bubble"} << 2;
        QTest::newRow("unknown option") << QStringList{"--fast"} << 2;
        QTest::newRow("no display") << QStringList{"3", "1"} << 1;
    }

    void german_messages()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit_code);
        const Run german = run_window(args, "none", QStringLiteral("de_DE.UTF-8"));
        const Run english = run_window(args, "none");
        QCOMPARE(german.exit_code, exit_code);
        QVERIFY2(is_sentence(german.err), german.err.constData());
        QVERIFY2(german.err != english.err, german.err.constData());
    }

    // Every word of the help is German in a German locale, Qt's own included.
    void german_help()
    {
        const Run run = run_window({"--help"}, "none", QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(run.exit_code, 0);
        QVERIFY2(run.out.startsWith("Aufruf: vellora [Optionen] [ZAHL ...]\n"), run.out);
        for (const char *value : {"<FORMEL>", "\n  ZAHL "})
            QVERIFY2(run.out.contains(value), value);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
