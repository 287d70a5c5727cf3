// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// vellora-trace: prints the Shell-sort trace that Vellora shows, as text or
// JSON, by driving the same Visualizer the window uses.
#include "formulas.h"
#include "growth.h"
#include "handout.h"
#include "num_to_str.h"
#include "sequence_input.h"
#include "translations.h"
#include "visualizer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace
{

constexpr int exit_usage = 2;

int fail(const QString &message)
{
    QTextStream(stderr) << "vellora-trace: " << message << '\n';
    return exit_usage;
}

QJsonArray to_json(const QVector<qint32> &values)
{
    QJsonArray array;
    for (qint32 v : values)
        array.append(v);
    return array;
}

// The arrangement at the current step, with the highlighted positions in
// brackets and the members of the current subsequence marked by a dot.
QString arrangement(const Visualizer &vis)
{
    const TraceStep &step = vis.steps.at(vis.cur_step);
    const qint32 h = step.gap_idx >= 0 ? vis.gaps.at(step.gap_idx) : 0;
    QStringList cells;
    for (qint32 i = 0; i < qint32(vis.seq.size()); ++i) {
        const QString value = num_to_str(vis.seq.at(i));
        const bool member =
            step.sub_start >= 0 && h > 0 && i >= step.sub_start && (i - step.sub_start) % h == 0;
        if (i == step.pos_a || i == step.pos_b)
            cells << u'[' + value + u']';
        else if (member)
            cells << u'.' + value;
        else
            cells << value;
    }
    return cells.join(u' ');
}

QString gap_list(const QVector<qint32> &gaps)
{
    return gaps.isEmpty() ? QCoreApplication::translate("vellora-trace", "none")
                          : joined(gaps, QStringLiteral(", "));
}

// The formula's name in the user's language, as the window's list shows it.

void print_text(QTextStream &out, Visualizer &vis, int formula)
{
    const qint32 total = qint32(vis.steps.size());
    out << QCoreApplication::translate("vellora-trace", "Formula: %1").arg(formula_name(formula))
        << '\n'
        << QCoreApplication::translate("vellora-trace", "Sequence: %1")
               .arg(joined(vis.seq, QStringLiteral(" ")))
        << '\n'
        << QCoreApplication::translate("vellora-trace", "Gaps: %1").arg(gap_list(vis.gaps)) << '\n'
        << QCoreApplication::translate("MainWindow",
                                       "Total number of operations: %1, incl. %2 swaps.")
               .arg(num_to_str(vis.op_count), num_to_str(vis.swap_count))
        << '\n'
        << QCoreApplication::translate("vellora-trace", "Steps: %1").arg(num_to_str(total)) << '\n';
    for (qint32 i = 0; i < total; ++i) {
        vis.set_current_step(i);
        out << '\n'
            << QCoreApplication::translate("vellora-trace", "Step %1/%2: %3")
                   .arg(num_to_str(i + 1), num_to_str(total), vis.steps.at(i).text)
            << '\n'
            << "    " << arrangement(vis) << '\n';
    }
}

QJsonObject trace_json(Visualizer &vis, int formula)
{
    QJsonArray steps;
    for (qint32 i = 0; i < qint32(vis.steps.size()); ++i) {
        vis.set_current_step(i);
        const TraceStep &s = vis.steps.at(i);
        steps.append(QJsonObject{{"gap_idx", s.gap_idx},
                                 {"sub_start", s.sub_start},
                                 {"pos_a", s.pos_a},
                                 {"pos_b", s.pos_b},
                                 {"is_swap", s.is_swap},
                                 {"text", s.text},
                                 {"seq", to_json(vis.seq)}});
    }
    vis.set_current_step(0);
    return QJsonObject{{"formula", formulas[formula].name}, {"sequence", to_json(vis.seq)},
                       {"gaps", to_json(vis.gaps)},         {"operations", vis.op_count},
                       {"swaps", vis.swap_count},           {"steps", steps}};
}

void print_compare(QTextStream &out, const QVector<qint32> &sequence, bool json)
{
    QStringList cells[5] = {{QCoreApplication::translate("vellora-trace", "Formula")},
                            {QCoreApplication::translate("vellora-trace", "Operations")},
                            {QCoreApplication::translate("vellora-trace", "Swaps")},
                            {QCoreApplication::translate("vellora-trace", "Steps")},
                            {QCoreApplication::translate("vellora-trace", "Gaps")}};
    QJsonArray rows;
    for (int f = 0; f < formula_count; ++f) {
        Visualizer vis(nullptr, nullptr, nullptr, gap_generators[f], sequence);
        vis.build_trace();
        const qint32 steps = qint32(vis.steps.size());
        rows.append(QJsonObject{{"formula", formulas[f].name},
                                {"gaps", to_json(vis.gaps)},
                                {"operations", vis.op_count},
                                {"swaps", vis.swap_count},
                                {"steps", steps}});
        cells[0] << formula_name(f);
        cells[1] << num_to_str(vis.op_count);
        cells[2] << num_to_str(vis.swap_count);
        cells[3] << num_to_str(steps);
        cells[4] << gap_list(vis.gaps);
    }
    if (json) {
        out << QJsonDocument(rows).toJson(QJsonDocument::Indented);
        return;
    }
    // Names to the left, numbers to the right, each column as wide as it needs.
    qsizetype widths[4] = {19, 10, 8, 8};
    for (int c = 0; c < 4; ++c)
        for (const QString &cell : cells[c])
            widths[c] = qMax(widths[c], cell.size());
    out << QCoreApplication::translate("vellora-trace", "Sequence: %1")
               .arg(joined(sequence, QStringLiteral(" ")))
        << "\n\n";
    for (int r = 0; r <= formula_count; ++r)
        out << cells[0][r].leftJustified(widths[0]) << "  " << cells[1][r].rightJustified(widths[1])
            << "  " << cells[2][r].rightJustified(widths[2]) << "  "
            << cells[3][r].rightJustified(widths[3]) << "  " << cells[4][r] << '\n';
}

// Whether everything written to out arrived: a full disk or a closed pipe is a failure.
int output_result(QTextStream &out, const QFile &file)
{
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFile::NoError
               ? 0
               : fail(QCoreApplication::translate("vellora-trace", "cannot write the output: %1")
                          .arg(file.errorString()));
}

// The growth's cells: a column each for n, the sequences and every formula,
// with its name over two lines, each average with its interval, and the
// fitted exponents last.
QVector<QStringList> growth_columns(const Growth &growth)
{
    const auto decimals = [](double value, int places) {
        return QString::number(value, 'f', places);
    };
    QVector<QStringList> columns(formula_count + 2);
    const QString exponent = QCoreApplication::translate("vellora-trace", "Exponent");
    columns[0] << QString() << QStringLiteral("n");
    columns[1] << QString() << QCoreApplication::translate("vellora-trace", "Sequences");
    // A name breaks after its first word: at a space, or after a hyphen.
    static const QRegularExpression first_word(QStringLiteral("^[^ -]+(-| )"));
    for (int f = 0; f < formula_count; ++f) {
        const QString name = formula_name(f);
        const QRegularExpressionMatch word = first_word.match(name);
        const qsizetype cut = word.hasMatch() ? word.capturedEnd() : 0;
        columns[f + 2] << name.left(cut).trimmed() << name.mid(cut);
    }
    for (qsizetype i = 0; i < growth.sizes.size(); ++i) {
        columns[0] << num_to_str(growth.sizes.at(i));
        columns[1] << num_to_str(growth.samples.at(i));
        for (int f = 0; f < formula_count; ++f)
            columns[f + 2] << decimals(growth.averages[f].at(i), 1) + QStringLiteral(" ± ") +
                                  decimals(growth.intervals[f].at(i), 1);
    }
    columns[0] << exponent;
    columns[1] << QString();
    for (int f = 0; f < formula_count; ++f)
        columns[f + 2] << decimals(growth.exponents[f], 2);
    return columns;
}

// The growth as a table: a row per size, a column per formula, and the
// fitted exponents last.
void print_growth_table(QTextStream &out, const Growth &growth)
{
    const QVector<QStringList> columns = growth_columns(growth);
    out << QCoreApplication::translate("vellora-trace",
                                       "Average number of comparisons over random permutations "
                                       "of 1 to n, seed %1")
               .arg(growth.seed)
        << "\n\n";
    QVector<qsizetype> widths;
    for (const QStringList &column : columns) {
        widths.append(0);
        for (const QString &cell : column)
            widths.last() = qMax(widths.last(), cell.size());
    }
    // The label of the last row to the left, everything else to the right.
    const qsizetype rows = columns[0].size();
    for (qsizetype r = 0; r < rows; ++r) {
        QString line = r == rows - 1 ? columns[0][r].leftJustified(widths[0])
                                     : columns[0][r].rightJustified(widths[0]);
        for (qsizetype c = 1; c < columns.size(); ++c)
            line += QStringLiteral("  ") + columns[c][r].rightJustified(widths[c]);
        if (!line.trimmed().isEmpty()) // names of one word leave the first line empty
            out << line << '\n';
    }
    out << '\n'
        << QCoreApplication::translate("vellora-trace",
                                       "Exponent: the slope of log(average) against log(n), fitted "
                                       "by least squares.")
        << '\n'
        << QCoreApplication::translate("vellora-trace",
                                       "±: half the width of the average's 95% confidence "
                                       "interval; permutations are drawn until it is within %1% "
                                       "of the average, but at most %2.")
               .arg(growth_precision * 100)
               .arg(growth_max_samples)
        << '\n';
}

// --growth: the averages over random permutations drawn from the seed given,
// or from the default one.
int print_growth(const QString &seed_text, bool json)
{
    bool ok = true;
    const quint32 seed = seed_text.isNull() ? growth_default_seed : seed_text.toUInt(&ok);
    if (!ok)
        return fail(QCoreApplication::translate("vellora-trace",
                                                "--seed takes a number from 0 to 4294967295"));
    const Growth growth = *compute_growth(seed);
    QFile file;
    file.open(stdout, QIODevice::WriteOnly);
    QTextStream out(&file);
    if (json) {
        QJsonArray rows;
        for (int f = 0; f < formula_count; ++f) {
            QJsonArray averages, intervals;
            for (qsizetype i = 0; i < growth.sizes.size(); ++i) {
                averages.append(growth.averages[f].at(i));
                intervals.append(growth.intervals[f].at(i));
            }
            rows.append(QJsonObject{{"formula", formulas[f].name},
                                    {"averages", averages},
                                    {"intervals", intervals},
                                    {"exponent", growth.exponents[f]}});
        }
        out << QJsonDocument(QJsonObject{{"seed", qint64(growth.seed)},
                                         {"sizes", to_json(growth.sizes)},
                                         {"samples", to_json(growth.samples)},
                                         {"formulas", rows}})
                   .toJson(QJsonDocument::Indented);
    } else {
        print_growth_table(out, growth);
    }
    return output_result(out, file);
}

} // namespace

int main(int argc, char *argv[])
{
    // The usage line shows argv[0]: the program's name, not the path it was started by.
    char name[] = "vellora-trace";
    if (argc > 0)
        argv[0] = name;
    // Qt's notes on the platform (no runtime folder, no display) are no
    // business of the tool's users; errors are still shown.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            QTextStream(stderr) << message << '\n';
    });
    // Pictures are drawn by the window's own code, which needs a GUI
    // application; offscreen, it needs no display.
    bool pictures = false, json = false;
    for (int i = 1; i < argc && qstrcmp(argv[i], "--") != 0; ++i) {
        pictures = pictures || qstrncmp(argv[i], "--pictures", 10) == 0;
        json = json || qstrcmp(argv[i], "--json") == 0;
    }
    if (pictures && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(pictures ? new QApplication(argc, argv)
                                                         : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vellora-trace"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLORA_VERSION));
    // Scripts parse the JSON: it stays English whatever the locale.
    if (!json)
        install_translations();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "vellora-trace", "Prints the Shell-sort trace of a sequence, step by step, as Vellora "
                         "shows it.\nThe numbers come from the arguments or, if there are none, "
                         "from standard input."));
    const QCommandLineOption help_option(
        QStringList{"h", "help"},
        QCoreApplication::translate("vellora-trace", "Show this help and exit."));
    const QCommandLineOption version_option(
        QStringList{"v", "version"},
        QCoreApplication::translate("vellora-trace", "Show the version and exit."));
    const QCommandLineOption formula_option(QStringList{"f", "formula"}, formula_option_help(),
                                            QCoreApplication::translate("CommandLine", "FORMULA"),
                                            QLatin1String(formulas[0].key));
    const QCommandLineOption json_option(
        QStringLiteral("json"),
        QCoreApplication::translate("vellora-trace", "Print one JSON document."));
    const QCommandLineOption compare_option(
        QStringLiteral("compare"),
        QCoreApplication::translate("vellora-trace",
                                    "Compare the seven formulas on the sequence."));
    const QCommandLineOption pictures_option(
        QStringLiteral("pictures"),
        QCoreApplication::translate(
            "vellora-trace",
            "Write one SVG picture per step into DIR, with an index.html that pages "
            "through them."),
        QCoreApplication::translate("vellora-trace", "DIR"));
    const QCommandLineOption steps_option(
        QStringLiteral("steps"),
        QCoreApplication::translate(
            "vellora-trace",
            "With --pictures: only steps A to B, counted from 1 (or the one step A)."),
        QStringLiteral("A-B"));
    const QCommandLineOption growth_option(
        QStringLiteral("growth"),
        QCoreApplication::translate(
            "vellora-trace", "Print how the average number of comparisons grows with n, for n "
                             "from 10 to 1000, over random sequences; no numbers are read."));
    const QCommandLineOption seed_option(
        QStringLiteral("seed"),
        QCoreApplication::translate(
            "vellora-trace", "With --growth: draw the random sequences from seed N (default %1).")
            .arg(growth_default_seed),
        QStringLiteral("N"));
    const QCommandLineOption force_option(
        QStringLiteral("force"),
        QCoreApplication::translate("vellora-trace",
                                    "With --pictures: replace DIR whole when it is not empty."));
    parser.addOption(help_option);
    parser.addOption(version_option);
    parser.addOption(formula_option);
    parser.addOption(json_option);
    parser.addOption(compare_option);
    parser.addOption(pictures_option);
    parser.addOption(steps_option);
    parser.addOption(growth_option);
    parser.addOption(seed_option);
    parser.addOption(force_option);
    const QString number = QCoreApplication::translate("CommandLine", "NUMBER");
    parser.addPositionalArgument(number, numbers_argument_help(QStringLiteral("vellora-trace")),
                                 QStringLiteral("[%1 ...]").arg(number));

    if (!parser.parse(QCoreApplication::arguments())) {
        const QString hint =
            negative_number_hint(QCoreApplication::arguments(), QStringLiteral("vellora-trace"));
        return fail(hint.isEmpty() ? parser.errorText() : hint);
    }
    if (parser.isSet(help_option)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(version_option))
        parser.showVersion();
    for (const QCommandLineOption &option : {steps_option, force_option})
        if (parser.isSet(option) && !parser.isSet(pictures_option))
            return fail(QCoreApplication::translate("vellora-trace", "--%1 goes with --pictures")
                            .arg(option.names().constFirst()));
    if (parser.isSet(pictures_option) &&
        (parser.isSet(json_option) || parser.isSet(compare_option)))
        return fail(QCoreApplication::translate(
            "vellora-trace", "--pictures writes files; it goes with neither --json nor --compare"));
    if (parser.isSet(seed_option) && !parser.isSet(growth_option))
        return fail(QCoreApplication::translate("vellora-trace", "--seed goes with --growth"));
    if (parser.isSet(growth_option)) {
        if (!parser.positionalArguments().isEmpty() || parser.isSet(formula_option) ||
            parser.isSet(compare_option) || parser.isSet(pictures_option))
            return fail(QCoreApplication::translate("vellora-trace",
                                                    "--growth takes no numbers and goes with "
                                                    "neither --formula, --compare nor --pictures"));
        return print_growth(parser.isSet(seed_option) ? parser.value(seed_option) : QString(),
                            parser.isSet(json_option));
    }
    if (parser.isSet(compare_option) && parser.isSet(formula_option))
        return fail(QCoreApplication::translate(
            "vellora-trace", "--compare sorts with every formula; it does not go with --formula"));
    const int formula = parse_formula(parser.value(formula_option));
    if (formula < 0)
        return fail(QCoreApplication::translate("vellora-trace", "unknown formula '%1'")
                        .arg(parser.value(formula_option)));

    QString input;
    const QStringList numbers = parser.positionalArguments();
    if (!numbers.isEmpty()) {
        input = numbers.join(u' ');
    } else {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return fail(QCoreApplication::translate("vellora-trace", "cannot read standard input"));
        input = QString::fromUtf8(in.readAll());
    }

    const SequenceScan scan = scan_sequence(input, PlainSeparators::Whitespace);
    if (scan.error != SequenceScan::None)
        return fail(scan_error_message(scan).replace(u'\n', u' '));
    if (scan.odd_separators)
        QTextStream(stderr) << "vellora-trace: "
                            << QCoreApplication::translate(
                                   "vellora-trace",
                                   "warning: characters other than numbers and spaces were read "
                                   "as spaces")
                            << '\n';

    QFile standard_output;
    standard_output.open(stdout, QIODevice::WriteOnly);
    QTextStream out(&standard_output);
    const auto written = [&] { return output_result(out, standard_output); };
    if (parser.isSet(compare_option)) {
        print_compare(out, scan.numbers, parser.isSet(json_option));
        return written();
    }
    Visualizer vis(nullptr, nullptr, nullptr, gap_generators[formula], scan.numbers);
    vis.build_trace();
    if (parser.isSet(pictures_option)) {
        const int total = int(vis.steps.size());
        const QStringList range = parser.value(steps_option).split(u'-');
        bool first_ok = true, last_ok = true;
        const int first = parser.isSet(steps_option) ? range.first().toInt(&first_ok) : 1;
        const int last = !parser.isSet(steps_option) ? total
                         : range.size() == 2         ? range.last().toInt(&last_ok)
                                                     : first;
        if (range.size() > 2 || !first_ok || !last_ok || first < 1 || last < first || last > total)
            return fail(QCoreApplication::translate("vellora-trace",
                                                    "--steps takes A-B with 1 <= A <= B <= %1")
                            .arg(total));
        QString error;
        if (!write_handout(vis, formula_name(formula), parser.value(pictures_option),
                           parser.isSet(force_option), first, last, &error))
            return fail(error);
        return 0;
    }
    if (parser.isSet(json_option))
        out << QJsonDocument(trace_json(vis, formula)).toJson(QJsonDocument::Indented);
    else
        print_text(out, vis, formula);
    return written();
}
