// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What vellora-trace reads: numbers and separators, formulas and options,
// and the one sentence on standard error for what it refuses.
#include "separators.h"
#include "trace_run.h"

namespace
{

// Whether standard error holds one sentence: a capital letter first and a full
// stop last, in English or German.
bool is_sentence(const QByteArray &err)
{
    static const QRegularExpression sentence(QStringLiteral("^vellora-trace: [A-ZÄÖÜ].*\\.\n$"));
    return sentence.match(QString::fromUtf8(err)).hasMatch();
}

} // namespace

class TestCliInput : public QObject
{
    Q_OBJECT

private slots:
    // Numbers and formulas, read or refused.
    void single_runs_data()
    {
        add_run_columns();
        using L = QStringList;
        using B = QByteArray;
        using V = QVector<int>;

        QTest::newRow("arguments") << L{"9", "8"} << B() << 0 << V{9, 8} << "";
        QTest::newRow("stdin lines and tabs") << L{} << B("5\t6\n7\r\n") << 0 << V{5, 6, 7} << "";
        QTest::newRow("commas warn once") << L{} << B("5,6,7,8") << 0 << V{5, 6, 7, 8} << "Warning";
        QTest::newRow("formula index 5") << L{"-f", "5", "4 3"} << B() << 5 << V{4, 3} << "";
        QTest::newRow("formula lower case") << L{"-f", "pratt", "4"} << B() << 3 << V{4} << "";
        QTest::newRow("formula index 6") << L{"-f", "6", "4 3"} << B() << 6 << V{4, 3} << "";
        QTest::newRow("formula ciura") << L{"-f", "Ciura", "4"} << B() << 6 << V{4} << "";
        QTest::newRow("formula upper case") << L{"-f", "PRATT", "4"} << B() << 3 << V{4} << "";
        QTest::newRow("formula capitalised") << L{"-f", "Knuth", "4"} << B() << 5 << V{4} << "";
        QTest::newRow("long option") << L{"--formula", "hibbard", "4"} << B() << 1 << V{4} << "";
        QTest::newRow("stdin, negative")
            << L{} << B("-5 3 -2147483647") << 0 << V{-5, 3, -2147483647} << "";
        QTest::newRow("negative after --") << L{"--", "-5", "3"} << B() << 0 << V{-5, 3} << "";
        QTest::newRow("minus after a digit or alone")
            << L{} << B("5-3 - -2") << 0 << V{5, 3, -2} << "Warning";
        QTest::newRow("empty stdin") << L{} << B() << 0 << V{} << "No numbers were given";
        QTest::newRow("only whitespace")
            << L{} << B(" \t\n") << 0 << V{} << "No numbers were given";
        QTest::newRow("too large") << L{"1", "2147483648"} << B() << 0 << V{} << "2147483648";
        QTest::newRow("24 digits, whole") << L{"00123456789012345678901234"} << B() << 0 << V{}
                                          << "number 123456789012345678901234 is";
        QTest::newRow("too small")
            << L{"--", "1", "-2147483648"} << B() << 0 << V{} << "number -2147483648 is too small";
        QTest::newRow("negative without --") << L{"-5", "3"} << B() << 0 << V{} << "-- -5 3 8";
        QTest::newRow("would wrap") << L{"4294967296"} << B() << 0 << V{} << "2147483647";
        QTest::newRow("too many") << L{} << B("1 ").repeated(1001) << 0 << V{} << "1001";
        QTest::newRow("unknown formula") << L{"-f", "bubble", "1"} << B() << 0 << V{} << "bubble";
        QTest::newRow("index out of range") << L{"--formula", "7", "1"} << B() << 0 << V{} << "7";
        QTest::newRow("unknown option") << L{"--fast", "1"} << B() << 0 << V{} << "fast";
    }

    void single_runs() { check_run(); }

    // Options that do not go together, or go only with another, or lack a value.
    void options_apart_data()
    {
        add_run_columns();
        using L = QStringList;
        using B = QByteArray;
        using V = QVector<int>;
        QTest::newRow("steps without pictures")
            << L{"--steps", "1-2", "1"} << B() << 0 << V{} << "--steps";
        QTest::newRow("steps A-B-C")
            << L{"--pictures", "x", "--steps", "1-2-3", "1"} << B() << 0 << V{} << "--steps";
        QTest::newRow("compare and formula")
            << L{"--compare", "-f", "knuth", "1"} << B() << 0 << V{} << "--formula";
        QTest::newRow("force without pictures")
            << L{"--force", "1"} << B() << 0 << V{} << "--force goes with --pictures";
        QTest::newRow("pictures and JSON")
            << L{"--pictures", "x", "--json", "1"} << B() << 0 << V{} << "--json";
        QTest::newRow("seed without growth")
            << L{"--seed", "5", "1"} << B() << 0 << V{} << "--seed";
        QTest::newRow("growth with numbers") << L{"--growth", "1"} << B() << 0 << V{} << "--growth";
        QTest::newRow("growth with a formula")
            << L{"--growth", "-f", "ciura"} << B() << 0 << V{} << "--growth";
        QTest::newRow("seed beyond 32 bits")
            << L{"--growth", "--seed", "4294967296"} << B() << 0 << V{} << "--seed";
        QTest::newRow("seed not a number")
            << L{"--growth", "--seed", "x"} << B() << 0 << V{} << "--seed";
        QTest::newRow("growth and compare")
            << L{"--growth", "--compare"} << B() << 0 << V{} << "--growth";
        QTest::newRow("pictures and compare")
            << L{"--pictures", "x", "--compare", "1"} << B() << 0 << V{} << "--compare";
        QTest::newRow("formula without its value") << L{"1", "-f"} << B() << 0 << V{} << "'-f'";
    }

    void options_apart() { check_run(); }

    // The message for an unknown formula lists every formula by number and
    // key, and each is taken as listed.
    void unknown_formula_lists_the_formulas()
    {
        const Run run = run_trace({"-f", "bubble", "1"});
        QCOMPARE(run.exit_code, 2);
        static const QRegularExpression listed(QStringLiteral(
            "^vellora-trace: Unknown formula 'bubble'; the formulas are (.*)\\.\n$"));
        const QRegularExpressionMatch m = listed.match(QString::fromUtf8(run.err));
        QVERIFY2(m.hasMatch(), run.err.constData());
        const QStringList entries = m.captured(1).split(QStringLiteral(", "));
        QCOMPARE(
            entries.size(),
            QJsonDocument::fromJson(run_trace({"--compare", "--json", "1"}).out).array().size());
        for (int f = 0; f < entries.size(); ++f) {
            const QStringList parts = entries[f].split(u' ');
            QCOMPARE(parts.size(), 2);
            QCOMPARE(parts[0], QString::number(f));
            for (const QString &given : parts)
                QCOMPARE(object(run_trace({"--json", "-f", given, "1"}).out)["formula"].toString(),
                         names[f]);
        }
    }

    // In German the messages are German sentences as well.
    void german_messages_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("unknown formula") << QStringList{"-f", "bubble", "1"} << QByteArray();
        QTest::newRow("unknown option") << QStringList{"--fast", "1"} << QByteArray();
        QTest::newRow("negative without --") << QStringList{"-5", "3"} << QByteArray();
        QTest::newRow("no numbers") << QStringList() << QByteArray(" \n");
        QTest::newRow("too large") << QStringList{"2147483648"} << QByteArray();
        QTest::newRow("a warning") << QStringList() << QByteArray("5,3");
        QTest::newRow("options apart") << QStringList{"--seed", "5", "1"} << QByteArray();
        QTest::newRow("a bad step range")
            << QStringList{"--pictures", "x", "--steps", "9", "1"} << QByteArray();
    }

    void german_messages()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        const Run german = run_trace(args, input, QStringLiteral("de_DE.UTF-8"));
        const Run english = run_trace(args, input);
        QVERIFY2(is_sentence(german.err), german.err.constData());
        QVERIFY2(is_sentence(english.err), english.err.constData());
        QVERIFY2(german.err != english.err, german.err.constData());
        QCOMPARE(german.exit_code, english.exit_code);
    }

    // Whitespace of every kind separates numbers on standard input and in the
    // arguments after --, without a warning; anything else warns once.
    void separators_data() { add_separator_rows(); }

    void separators()
    {
        QFETCH(QString, separator);
        QFETCH(bool, odd);
        const QString text = separated_by(separator);
        const Run runs[] = {run_trace({"--json"}, text.toUtf8()),
                            run_trace({"--json", "--", text, separator + "1"})};
        const QVector<int> numbers[] = {{5, -3, 8}, {5, -3, 8, 1}};
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(runs[i].exit_code, 0);
            QCOMPARE(ints(object(runs[i].out)["sequence"]), numbers[i]);
            QCOMPARE(runs[i].err, odd ? "vellora-trace: Warning: characters other than numbers "
                                        "and spaces were read as spaces.\n"
                                      : QByteArray());
        }
    }

private:
    // A run's arguments and standard input, then the formula and sequence
    // traced, and what standard error mentions. An empty sequence means the run
    // must fail; an empty mention means standard error stays empty.
    static void add_run_columns()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("formula");
        QTest::addColumn<QVector<int>>("sequence");
        QTest::addColumn<QString>("mentions");
    }

    static void check_run()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, formula);
        QFETCH(QVector<int>, sequence);
        QFETCH(QString, mentions);

        const bool fails = sequence.isEmpty();
        const Run run = run_trace(fails ? args : QStringList{"--json"} + args, input);
        QCOMPARE(run.exit_code, fails ? 2 : 0);
        if (fails) {
            QVERIFY(run.out.isEmpty());
        } else {
            QCOMPARE(ints(object(run.out)["sequence"]), sequence);
            QCOMPARE(object(run.out)["formula"].toString(), names[formula]);
        }
        QCOMPARE(run.err.count('\n'), mentions.isEmpty() ? 0 : 1);
        if (!mentions.isEmpty()) {
            QVERIFY2(is_sentence(run.err), run.err.constData());
            QVERIFY2(run.err.startsWith("vellora-trace: "), run.err.constData());
            QVERIFY2(run.err.contains(mentions.toUtf8()), run.err.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliInput)
#include "tst_cli_input.moc"
