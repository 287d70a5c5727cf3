// Runs the built vellora-trace as a user would and checks what it prints.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace
{

struct Run {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

Run run_trace(const QStringList &args, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(VELLORA_TRACE), args);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QVector<int> ints(const QJsonArray &array)
{
    QVector<int> values;
    for (const QJsonValue &v : array)
        values.append(v.toInt());
    return values;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void json_trace();
    void text_trace();
    void formula_names_data();
    void formula_names();
    void input_sources_data();
    void input_sources();
    void errors_data();
    void errors();
    void compare();
    void help();
};

void TestCli::json_trace()
{
    const Run run = run_trace({"--json", "3", "1", "2"});
    QCOMPARE(run.exit_code, 0);
    QVERIFY(run.err.isEmpty());
    QJsonParseError error;
    const QJsonObject doc = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(doc["formula"].toString(), QStringLiteral("Shell's formula"));
    QCOMPARE(ints(doc["sequence"].toArray()), (QVector<int>{3, 1, 2}));
    QCOMPARE(ints(doc["gaps"].toArray()), QVector<int>{1});
    QCOMPARE(doc["operations"].toInt(), 3);
    QCOMPARE(doc["swaps"].toInt(), 2);

    const QJsonArray steps = doc["steps"].toArray();
    QCOMPARE(steps.size(), 8);
    const QVector<QVector<int>> arrangements = {{3, 1, 2}, {3, 1, 2}, {3, 1, 2}, {3, 1, 2},
                                                {1, 3, 2}, {1, 3, 2}, {1, 2, 3}, {1, 2, 3}};
    for (int i = 0; i < steps.size(); ++i)
        QCOMPARE(ints(steps[i].toObject()["seq"].toArray()), arrangements[i]);
    const QJsonObject swap = steps[3].toObject();
    QCOMPARE(swap["gap_idx"].toInt(), 0);
    QCOMPARE(swap["sub_start"].toInt(), 0);
    QCOMPARE(swap["pos_a"].toInt(), 0);
    QCOMPARE(swap["pos_b"].toInt(), 1);
    QCOMPARE(swap["is_swap"].toBool(), true);
    QCOMPARE(swap["text"].toString(), QStringLiteral("3 is more than 1, we need to swap them."));
    QCOMPARE(steps[7].toObject()["text"].toString(), QStringLiteral("Sorting finished!"));
    QCOMPARE(steps[0].toObject()["pos_a"].toInt(), -1);
}

void TestCli::text_trace()
{
    const Run run = run_trace({"-f", "knuth", "3", "1", "2"});
    QCOMPARE(run.exit_code, 0);
    const QString out = QString::fromUtf8(run.out);
    QVERIFY(out.startsWith(QStringLiteral("Formula: Knuth formula\n")));
    QVERIFY(out.contains(QStringLiteral("Gaps: 1\n")));
    QVERIFY(out.contains(QStringLiteral("Total number of operations: 3, incl. 2 swaps.")));
    QVERIFY(out.contains(QStringLiteral("Step 4/8: 3 is more than 1, we need to swap them.\n"
                                        "    [3] [1] .2\n")));
    QVERIFY(out.contains(QStringLiteral("Step 8/8: Sorting finished!\n    1 2 3\n")));
}

void TestCli::formula_names_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("formula");
    QTest::newRow("index 0") << "0"
                             << "Shell's formula";
    QTest::newRow("index 5") << "5"
                             << "Knuth formula";
    QTest::newRow("lower case") << "pratt"
                                << "Pratt's formula";
    QTest::newRow("mixed case") << "SedgeWick"
                                << "Sedgewick's formula";
    QTest::newRow("upper case") << "FIBONACCI"
                                << "Fibonacci sequence";
    QTest::newRow("hibbard") << "hibbard"
                             << "Hibbard's formula";
}

void TestCli::formula_names()
{
    QFETCH(QString, argument);
    QFETCH(QString, formula);
    const Run run = run_trace({"--formula", argument, "--json", "4 3 2 1"});
    QCOMPARE(run.exit_code, 0);
    QCOMPARE(QJsonDocument::fromJson(run.out).object()["formula"].toString(), formula);
}

void TestCli::input_sources_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QVector<int>>("sequence");
    QTest::addColumn<bool>("warns");

    QTest::newRow("arguments") << QStringList{"9", "8"} << QByteArray() << QVector<int>{9, 8}
                               << false;
    QTest::newRow("one quoted argument")
        << QStringList{"9 8 7"} << QByteArray() << QVector<int>{9, 8, 7} << false;
    QTest::newRow("stdin lines and tabs")
        << QStringList{} << QByteArray("5\t6\n7\r\n") << QVector<int>{5, 6, 7} << false;
    QTest::newRow("stdin with commas warns once")
        << QStringList{} << QByteArray("5,6,7,8") << QVector<int>{5, 6, 7, 8} << true;
    QTest::newRow("arguments ignore stdin")
        << QStringList{"1"} << QByteArray("2 3") << QVector<int>{1} << false;
    QTest::newRow("leading zeros")
        << QStringList{"007", "0"} << QByteArray() << QVector<int>{7, 0} << false;
}

void TestCli::input_sources()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QVector<int>, sequence);
    QFETCH(bool, warns);

    const Run run = run_trace(QStringList{"--json"} + args, input);
    QCOMPARE(run.exit_code, 0);
    QCOMPARE(ints(QJsonDocument::fromJson(run.out).object()["sequence"].toArray()), sequence);
    QCOMPARE(run.err.count('\n'), warns ? 1 : 0);
    if (warns)
        QVERIFY(run.err.startsWith("vellora-trace: "));
}

void TestCli::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("mentions");

    QTest::newRow("empty stdin") << QStringList{} << QByteArray() << "no number";
    QTest::newRow("letters only") << QStringList{"abc"} << QByteArray() << "no number";
    QTest::newRow("too large") << QStringList{"1", "2147483648"} << QByteArray() << "2147483648";
    QTest::newRow("would wrap") << QStringList{"4294967296"} << QByteArray() << "2147483647";
    QTest::newRow("too many") << QStringList{} << QByteArray("1 ").repeated(1001) << "1001";
    QTest::newRow("unknown formula name")
        << QStringList{"-f", "bubble", "1"} << QByteArray() << "bubble";
    QTest::newRow("formula index out of range")
        << QStringList{"--formula", "6", "1"} << QByteArray() << "6";
    QTest::newRow("unknown option") << QStringList{"--fast", "1"} << QByteArray() << "fast";
    QTest::newRow("missing formula value") << QStringList{"-f"} << QByteArray() << "f";
}

void TestCli::errors()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, mentions);

    const Run run = run_trace(args, input);
    QCOMPARE(run.exit_code, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith("vellora-trace: "), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(mentions.toUtf8()), run.err.constData());
}

void TestCli::compare()
{
    const Run json = run_trace({"--compare", "--json", "5 3 8 1 9 2 7 4 6 0"});
    QCOMPARE(json.exit_code, 0);
    const QJsonArray rows = QJsonDocument::fromJson(json.out).array();
    QCOMPARE(rows.size(), 6);
    const char *names[] = {"Shell's formula", "Hibbard's formula",  "Sedgewick's formula",
                           "Pratt's formula", "Fibonacci sequence", "Knuth formula"};
    for (int i = 0; i < 6; ++i) {
        const QJsonObject row = rows[i].toObject();
        QCOMPARE(row["formula"].toString(), QString::fromUtf8(names[i]));
        // Each row must agree with the full trace under the same formula.
        const Run single = run_trace({"--json", "-f", QString::number(i), "5 3 8 1 9 2 7 4 6 0"});
        const QJsonObject trace = QJsonDocument::fromJson(single.out).object();
        QCOMPARE(row["gaps"].toArray(), trace["gaps"].toArray());
        QCOMPARE(row["operations"].toInt(), trace["operations"].toInt());
        QCOMPARE(row["swaps"].toInt(), trace["swaps"].toInt());
        QCOMPARE(row["steps"].toInt(), int(trace["steps"].toArray().size()));
    }
    QCOMPARE(ints(rows[0].toObject()["gaps"].toArray()), (QVector<int>{5, 2, 1}));

    const Run text = run_trace({"--compare", "5 3 8 1 9 2 7 4 6 0"});
    QCOMPARE(text.exit_code, 0);
    const QStringList lines = QString::fromUtf8(text.out).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines[2].startsWith(QStringLiteral("Shell's formula ")));
    QVERIFY(lines[2].endsWith(QStringLiteral("5, 2, 1")));
}

void TestCli::help()
{
    const Run run = run_trace({"--help"});
    QCOMPARE(run.exit_code, 0);
    QVERIFY(run.out.contains("--formula"));
    QVERIFY(run.out.contains("--compare"));
    QVERIFY(run.out.contains("--json"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
