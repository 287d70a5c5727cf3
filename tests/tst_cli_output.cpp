// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What vellora-trace prints: traces as text and JSON, the comparison and
// growth tables, the handout of pictures, German, and its help.
#include "trace_run.h"

namespace
{

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString ten = QStringLiteral("5 3 8 1 9 2 7 4 6 0");

} // namespace

class TestCliOutput : public QObject
{
    Q_OBJECT

private slots:
    void json_trace()
    {
        const Run run = run_trace({"--json", "3", "1", "2"});
        QCOMPARE(run.exit_code, 0);
        QVERIFY(run.err.isEmpty());
        QJsonObject doc = object(run.out);
        const QJsonArray steps = doc.take("steps").toArray();
        QCOMPARE(doc.take("formula").toString(), names[0]);
        QCOMPARE(doc,
                 object(R"({"sequence": [3, 1, 2], "gaps": [1], "operations": 3, "swaps": 2})"));
        QCOMPARE(steps.size(), 8);
        QCOMPARE(ints(steps[4]["seq"]), (QVector<int>{1, 3, 2})); // the swap was made
        QCOMPARE(steps[3].toObject(), object(R"({"gap_idx": 0, "sub_start": 0, "pos_a": 0,
            "pos_b": 1, "is_swap": true, "text": "3 is more than 1, we need to swap them.",
            "seq": [3, 1, 2]})"));
    }

    void text_trace()
    {
        const Run run = run_trace({"-f", "knuth", "3", "1", "2"});
        QCOMPARE(run.exit_code, 0);
        const QString out = QString::fromUtf8(run.out);
        QVERIFY(out.startsWith(QStringLiteral("Formula: Knuth formula\n")));
        for (const char *part : {"Gaps: 1\n", "Total number of operations: 3, incl. 2 swaps.",
                                 "Step 4/8: 3 is more than 1, we need to swap them.\n"
                                 "    [3] [1] .2\n",
                                 "Step 8/8: Sorting finished!\n    1 2 3\n"})
            QVERIFY2(out.contains(QLatin1String(part)), part);
        QVERIFY(run_trace({"--", "-2", "-7"})
                    .out.contains("Step 4/6: -2 is more than -7, we need "
                                  "to swap them.\n    [-2] [-7]\n"));
    }

    void compare()
    {
        const Run json = run_trace({"--compare", "--json", ten});
        QCOMPARE(json.exit_code, 0);
        const QJsonArray rows = QJsonDocument::fromJson(json.out).array();
        QCOMPARE(rows.size(), 7);
        const QJsonObject sedgewick =
            object("{\"formula\": \"Sedgewick's formula\", \"gaps\": [1], "
                   "\"operations\": 32, \"swaps\": 26, \"steps\": 39}");
        QCOMPARE(rows[2].toObject(), sedgewick);

        // The table to the letter: the README's example, and ten numbers.
        QCOMPARE(run_trace({"--compare", "12 3 15 8 1 10 6 14 0 5 9 13 2 7 11 4"}).out,
                 "Sequence: 12 3 15 8 1 10 6 14 0 5 9 13 2 7 11 4\n\n"
                 "Formula              Operations  Swaps  Steps  Gaps\n"
                 "Shell's formula              63     20     90  8, 4, 2, 1\n"
                 "Hibbard's formula            60     28     84  15, 7, 3, 1\n"
                 "Sedgewick's formula          57     40     76  5, 1\n"
                 "Pratt's formula              90     16    144  12, 9, 8, 6, 4, 3, 2, 1\n"
                 "Fibonacci sequence           78     20    114  13, 8, 5, 3, 2, 1\n"
                 "Knuth formula                55     32     68  4, 1\n"
                 "Ciura's sequence             57     30     79  10, 4, 1\n");
        QCOMPARE(run_trace({"--compare", ten}).out,
                 "Sequence: 5 3 8 1 9 2 7 4 6 0\n\n"
                 "Formula              Operations  Swaps  Steps  Gaps\n"
                 "Shell's formula              25      8     43  5, 2, 1\n"
                 "Hibbard's formula            27     12     43  7, 3, 1\n"
                 "Sedgewick's formula          32     26     39  1\n"
                 "Pratt's formula              44     12     75  9, 8, 6, 4, 3, 2, 1\n"
                 "Fibonacci sequence           35     10     61  8, 5, 3, 2, 1\n"
                 "Knuth formula                32     26     39  1\n"
                 "Ciura's sequence             33     22     46  4, 1\n");
        QVERIFY(run_trace({"--compare", "--", "-1", "-3"}).out.startsWith("Sequence: -1 -3\n"));
    }

    // The comparison's columns are each as wide as their widest cell, heading
    // included, two spaces apart: names to the left, numbers to the right and
    // the gaps last, all saying what the JSON says.
    void compare_table_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("input");
        QByteArray reversed, large;
        QRandomGenerator rng(1959);
        for (int i = 1000; i > 0; --i) {
            reversed += QByteArray::number(i) + ' ';
            large += QByteArray::number(rng.bounded(2147483647) - (i % 3 ? 0 : 2147483647)) + ' ';
        }
        QTest::newRow("ten numbers") << "C" << ten.toUtf8();
        QTest::newRow("one number, no gaps") << "C" << QByteArray("5");
        QTest::newRow("German headings and names") << "de_DE.UTF-8" << ten.toUtf8();
        QTest::newRow("a thousand, reversed") << "C" << reversed;
        QTest::newRow("a thousand of either sign, in German") << "de_DE.UTF-8" << large;
    }

    void compare_table()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, input);
        const QJsonArray rows =
            QJsonDocument::fromJson(run_trace({"--compare", "--json"}, input).out).array();
        const Run run = run_trace({"--compare"}, input, language);
        QCOMPARE(run.exit_code, 0);
        // The sequence, a blank line, the headings, the rows and the final newline.
        const QStringList lines = QString::fromUtf8(run.out).split(u'\n');
        QCOMPARE(lines.size(), rows.size() + 4);
        static const QRegularExpression heading(
            QStringLiteral("^(\\S.*?\\S) +(\\S+) +(\\S+) +(\\S+)  (\\S.*)$"));
        static const QRegularExpression row(
            QStringLiteral("^(\\S.*?\\S) +(\\d+) +(\\d+) +(\\d+)  (\\S.*)$"));
        QList<QRegularExpressionMatch> cells{heading.match(lines[2])};
        QVERIFY2(cells.first().hasMatch(), qPrintable(lines[2]));
        for (qsizetype r = 0; r < rows.size(); ++r) {
            cells << row.match(lines[r + 3]);
            QVERIFY2(cells.last().hasMatch(), qPrintable(lines[r + 3]));
            const QJsonObject json = rows[r].toObject();
            QCOMPARE(cells.last().captured(2).toInt(), json["operations"].toInt());
            QCOMPARE(cells.last().captured(3).toInt(), json["swaps"].toInt());
            QCOMPARE(cells.last().captured(4).toInt(), json["steps"].toInt());
            QStringList gaps;
            for (int gap : ints(json["gaps"]))
                gaps << QString::number(gap);
            if (!gaps.isEmpty()) // else the word for none
                QCOMPARE(cells.last().captured(5), gaps.join(", "));
        }
        // Every row ends its numbers where the headings end theirs, and starts
        // the gaps where they do; the widest cell of a column starts two
        // spaces after the column before it.
        qsizetype starts[5] = {}, name_width = 0;
        std::fill(std::begin(starts), std::end(starts), lines[2].size());
        for (const QRegularExpressionMatch &m : std::as_const(cells)) {
            for (int c = 2; c <= 4; ++c)
                QCOMPARE(m.capturedEnd(c), cells.first().capturedEnd(c));
            QCOMPARE(m.capturedStart(5), cells.first().capturedStart(5));
            name_width = qMax(name_width, m.capturedEnd(1));
            for (int c = 1; c <= 5; ++c)
                starts[c - 1] = qMin(starts[c - 1], m.capturedStart(c));
        }
        QCOMPARE(starts[0], 0);
        QCOMPARE(starts[1], name_width + 2);
        for (int c = 2; c < 5; ++c)
            QCOMPARE(starts[c], cells.first().capturedEnd(c) + 2);
    }

    // The same seed draws the same sample, another seed another; without one
    // the default seed is used, and the table shows what the JSON holds, each
    // average with the half-width of its interval.
    void growth()
    {
        const Run first = run_trace({"--growth", "--json", "--seed", "7"});
        QCOMPARE(first.exit_code, 0);
        QCOMPARE(run_trace({"--growth", "--json", "--seed", "7"}).out, first.out);
        QVERIFY(run_trace({"--growth", "--json", "--seed", "8"}).out != first.out);
        QCOMPARE(object(first.out)["seed"].toInt(), 7);
        QCOMPARE(object(run_trace({"--growth", "--json"}).out)["seed"].toInt(), 1959);

        const QJsonArray formulas = object(first.out)["formulas"].toArray();
        QCOMPARE(formulas.size(), 7);
        QStringList exponents, first_row;
        for (int f = 0; f < formulas.size(); ++f) {
            QCOMPARE(formulas[f]["formula"].toString(), names[f]);
            exponents << QString::number(formulas[f]["exponent"].toDouble(), 'f', 2);
            const QJsonArray averages = formulas[f]["averages"].toArray();
            const QJsonArray intervals = formulas[f]["intervals"].toArray();
            QCOMPARE(intervals.size(), averages.size());
            first_row << QString::number(averages[0].toDouble(), 'f', 1) + " ± " +
                             QString::number(intervals[0].toDouble(), 'f', 1);
        }
        const QString table = QString::fromUtf8(run_trace({"--growth", "--seed", "7"}).out);
        QVERIFY2(table.startsWith("Average number of comparisons over random permutations of 1 "
                                  "to n, seed 7\n"),
                 qPrintable(table));
        const QStringList lines = table.split(u'\n');
        const auto n_10 = std::find_if(lines.begin(), lines.end(), [](const QString &line) {
            return line.simplified().startsWith("10 ");
        });
        QVERIFY2(n_10 != lines.end(), qPrintable(table));
        QCOMPARE(n_10->simplified(), "10 " +
                                         QString::number(object(first.out)["samples"][0].toInt()) +
                                         ' ' + first_row.join(' '));
        QVERIFY2(table.contains(QRegularExpression("\nExponent +" + exponents.join(" +") + "\n")),
                 qPrintable(table));
    }

    // One SVG per step with its labels as text, and a page of the sentences
    // that links each step to the one before and after it.
    void pictures()
    {
        QTemporaryDir dir;
        const Run run = run_trace({"--pictures", dir.filePath("out"), "--steps", "1-4", "3 1 2"});
        QCOMPARE(run.exit_code, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files),
                 QStringList({"index.html", "shell-sort-step-001-of-008.svg",
                              "shell-sort-step-002-of-008.svg", "shell-sort-step-003-of-008.svg",
                              "shell-sort-step-004-of-008.svg"}));
        // Step 3 starts a subsequence, light blue; step 4 compares, in purple.
        QVERIFY(!contents(dir.filePath("out/shell-sort-step-003-of-008.svg")).contains("#a020f0"));
        const QByteArray picture = contents(dir.filePath("out/shell-sort-step-004-of-008.svg"));
        for (const char *label : {">3</text>", ">1</text>", ">2</text>", "fill=\"#a020f0\""})
            QVERIFY2(picture.contains(label), label);
        const QString page = QString::fromUtf8(contents(dir.filePath("out/index.html")));
        QVERIFY(page.contains("<img src=\"shell-sort-step-003-of-008.svg\""));
        QVERIFY(page.contains("<p>3 is more than 1, we need to swap them.</p>"));
        static const QRegularExpression section(
            QStringLiteral("<section id=\"step-(\\d+)\">.*?<nav>(.*?)</nav>"),
            QRegularExpression::DotMatchesEverythingOption);
        QStringList links;
        for (const QRegularExpressionMatch &m : section.globalMatch(page))
            links << m.captured(1) + u' ' + m.captured(2);
        const QString previous = QStringLiteral("<a href=\"#step-%1\">Previous step</a>");
        const QString next = QStringLiteral("<a href=\"#step-%1\">Next step</a>");
        QCOMPARE(links,
                 QStringList({"1 " + next.arg(2), "2 " + previous.arg(1) + next.arg(3),
                              "3 " + previous.arg(2) + next.arg(4), "4 " + previous.arg(3)}));
    }

    // %1 stands for the folder as given, %2 for the place of the test's files.
    void pictures_refused_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString cannot = QStringLiteral("Cannot write the handout to %1: ");
        QTest::newRow("a folder on the way is a file")
            << "blocker/out" << QStringList() << cannot + "%2/blocker is a file, not a folder.";
        QTest::newRow("the folder is a file")
            << "blocker" << QStringList() << cannot + "%1 is a file, not a folder.";
        QTest::newRow("the folder is a file, even with --force")
            << "blocker" << QStringList{"--force"} << cannot + "%1 is a file, not a folder.";
        QTest::newRow("the folder holds something")
            << "taken" << QStringList()
            << cannot + "the folder is not empty (--force replaces it whole).";
        QTest::newRow("a bad step range, even with --force")
            << "taken" << QStringList{"--force", "--steps", "3-9"}
            << "The option --steps takes A-B with 1 <= A <= B <= 8.";
    }

    // A refused handout names the folder as given, says why, and leaves
    // everything as it was.
    void pictures_refused()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile blocker(dir.filePath("blocker"));
        QFile notes(dir.filePath("taken/notes.txt"));
        const QByteArray kept = "a file the handout must not replace\n";
        QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write(kept) == kept.size() &&
                QDir(dir.path()).mkdir("taken") && notes.open(QIODevice::WriteOnly));
        blocker.close();
        const QString given = dir.filePath(folder);
        const Run run = run_trace(QStringList{"--pictures", given, "3 1 2"} + args);
        QCOMPARE(run.exit_code, 2);
        QCOMPARE(QString::fromUtf8(run.err),
                 "vellora-trace: " + message.arg(given, dir.path()) + u'\n');
        const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        QCOMPARE(QDir(dir.path()).entryList(all), QStringList({"blocker", "taken"}));
        QCOMPARE(QDir(dir.filePath("taken")).entryList(all), QStringList{"notes.txt"});
        QCOMPARE(contents(dir.filePath("blocker")), kept);
    }

    // --force replaces a folder whole: what it held goes, the new handout comes.
    void pictures_force()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        QFile notes(dir.filePath("out/notes.txt"));
        QVERIFY(QDir(dir.path()).mkpath("out/old/deeper") && notes.open(QIODevice::WriteOnly));
        const Run run = run_trace({"--pictures", out, "--force", "--steps", "2", "5 4"});
        QCOMPARE(run.exit_code, 0);
        QCOMPARE(run.err, QByteArray());
        const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        QCOMPARE(QDir(out).entryList(all),
                 QStringList({"index.html", "shell-sort-step-002-of-006.svg"}));
        QCOMPARE(QDir(dir.path()).entryList(all), QStringList{"out"});
    }

    // In a German locale the text is German, Qt's own words included; JSON,
    // which scripts parse, stays as it is.
    void german()
    {
        const QString german = QStringLiteral("de_DE.UTF-8");
        const QString text = QString::fromUtf8(run_trace({"3", "1", "2"}, {}, german).out);
        QVERIFY(text.startsWith(QStringLiteral("Formel: Shell-Formel\n")));
        QVERIFY(text.contains(QStringLiteral(
            "Schritt 4/8: 3 ist größer als 1, wir müssen die beiden vertauschen.\n")));
        QCOMPARE(run_trace({"--json", "3", "1", "2"}, {}, german).out,
                 run_trace({"--json", "3", "1", "2"}).out);
        const QByteArray help = run_trace({"--help"}, {}, german).out;
        QVERIFY2(help.startsWith("Aufruf: vellora-trace [Optionen] [ZAHL ...]\n"), help);
        for (const char *value : {"<FORMEL>", "<ORDNER>", "\n  ZAHL "})
            QVERIFY2(help.contains(value), value);
        QVERIFY2(!help.contains("DIR") && !help.contains("NUMBER"), help);
    }

    void help()
    {
        const Run run = run_trace({"--help"});
        QCOMPARE(run.exit_code, 0);
        for (const char *option :
             {"--formula", "--compare", "--json", "--version", "--growth", "--seed"})
            QVERIFY2(run.out.contains(option), option);
        QVERIFY2(run.out.startsWith("Usage: vellora-trace [options]"), run.out.constData());
        QCOMPARE(run_trace({"--version"}).out, QByteArray("vellora-trace " VELLORA_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliOutput)
#include "tst_cli_output.moc"
