// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// vellora-trace: prints the Shell-sort trace that Vellora shows, as text or
// JSON, by driving the same Visualizer the window uses.
#include "formulas.h"
#include "growth.h"
#include "growth_output.h"
#include "handout.h"
#include "output.h"
#include "sequence_input.h"
#include "shared_options.h"
#include "trace_output.h"
#include "translations.h"
#include "visualizer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <optional>

namespace
{

// The options both programs share, and vellora-trace's own after them.
struct TraceOptions {
    TraceOptions();

    QCommandLineParser parser;
    const SharedOptions shared = add_shared_options(&parser, Program::Trace);
    const QCommandLineOption json{
        QStringLiteral("json"),
        QCoreApplication::translate("vellora-trace", "Print one JSON document.")};
    const QCommandLineOption compare{
        QStringLiteral("compare"),
        QCoreApplication::translate("vellora-trace",
                                    "Compare the seven formulas on the sequence.")};
    const QCommandLineOption pictures{
        QStringLiteral("pictures"),
        QCoreApplication::translate("vellora-trace",
                                    "Write one SVG picture per step into DIR, with an index.html "
                                    "that pages through them."),
        QCoreApplication::translate("vellora-trace", "DIR")};
    const QCommandLineOption steps{
        QStringLiteral("steps"),
        QCoreApplication::translate(
            "vellora-trace",
            "With --pictures: only steps A to B, counted from 1 (or the one step A)."),
        QStringLiteral("A-B")};
    const QCommandLineOption growth{
        QStringLiteral("growth"),
        QCoreApplication::translate("vellora-trace",
                                    "Print how the average number of comparisons grows with n, "
                                    "for n from 10 to 1000, over random sequences; no numbers "
                                    "are read.")};
    const QCommandLineOption seed{
        QStringLiteral("seed"),
        QCoreApplication::translate(
            "vellora-trace", "With --growth: draw the random sequences from seed N (default %1).")
            .arg(growth_default_seed),
        QStringLiteral("N")};
    const QCommandLineOption force{
        QStringLiteral("force"),
        QCoreApplication::translate("vellora-trace",
                                    "With --pictures: replace DIR whole when it is not empty.")};

    bool is_set(const QCommandLineOption &option) const { return parser.isSet(option); }
};

TraceOptions::TraceOptions()
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "vellora-trace", "Prints the Shell-sort trace of a sequence, step by step, as Vellora "
                         "shows it.\nThe numbers come from the arguments or, if there are none, "
                         "from standard input."));
    parser.addOptions({json, compare, pictures, steps, growth, seed, force});
}

// The application the options ask for: pictures are drawn by the window's
// own code, which needs a GUI application; offscreen, it needs no display.
std::unique_ptr<QCoreApplication> start_application(int &argc, char **argv)
{
    // The usage line shows argv[0]: the program's name, not the path it was started by.
    static char name[] = "vellora-trace";
    if (argc > 0)
        argv[0] = name;
    // Qt's notes on the platform (no runtime folder, no display) are no
    // business of the tool's users; errors are still shown.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            QTextStream(stderr) << message << '\n';
    });
    bool pictures = false, json = false;
    for (int i = 1; i < argc && qstrcmp(argv[i], "--") != 0; ++i) {
        pictures = pictures || qstrncmp(argv[i], "--pictures", 10) == 0;
        json = json || qstrcmp(argv[i], "--json") == 0;
    }
    if (pictures && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(pictures ? new QApplication(argc, argv)
                                                   : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vellora-trace"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLORA_VERSION));
    // Scripts parse the JSON: it stays English whatever the locale.
    if (!json)
        install_translations();
    return app;
}

// Options that do not go together, or go only with another.
QString combination_error(const TraceOptions &o)
{
    for (const QCommandLineOption &option : {o.steps, o.force})
        if (o.is_set(option) && !o.is_set(o.pictures))
            return QCoreApplication::translate("vellora-trace",
                                               "The option --%1 goes with --pictures.")
                .arg(option.names().constFirst());
    if (o.is_set(o.pictures) && (o.is_set(o.json) || o.is_set(o.compare)))
        return QCoreApplication::translate(
            "vellora-trace",
            "The option --pictures writes files; it goes with neither --json nor --compare.");
    if (o.is_set(o.seed) && !o.is_set(o.growth))
        return QCoreApplication::translate("vellora-trace",
                                           "The option --seed goes with --growth.");
    if (o.is_set(o.growth) &&
        (!o.parser.positionalArguments().isEmpty() || o.is_set(o.shared.formula) ||
         o.is_set(o.compare) || o.is_set(o.pictures)))
        return QCoreApplication::translate("vellora-trace",
                                           "The option --growth takes no numbers and goes "
                                           "with neither --formula, --compare nor --pictures.");
    if (o.is_set(o.compare) && o.is_set(o.shared.formula))
        return QCoreApplication::translate(
            "vellora-trace",
            "The option --compare sorts with every formula; it does not go with --formula.");
    return QString();
}

// --growth: the averages over random sequences drawn from the seed given, or
// from the default one.
int print_growth(const TraceOptions &o)
{
    bool ok = true;
    const quint32 seed =
        o.is_set(o.seed) ? o.parser.value(o.seed).toUInt(&ok) : growth_default_seed;
    if (!ok)
        return fail(QCoreApplication::translate(
            "vellora-trace", "The option --seed takes a number from 0 to 4294967295."));
    const Growth growth = *compute_growth(seed);
    return print_to_stdout([&](QTextStream &out) {
        if (o.is_set(o.json))
            print_growth_json(out, growth);
        else
            print_growth_table(out, growth);
    });
}

// The numbers of the arguments or, without any, of standard input; nothing
// when they cannot be read, with the reason printed.
std::optional<QVector<qint32>> read_numbers(const QStringList &arguments)
{
    QString input;
    if (!arguments.isEmpty()) {
        input = arguments.join(u' ');
    } else {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            fail(QCoreApplication::translate("vellora-trace", "Cannot read standard input."));
            return std::nullopt;
        }
        input = QString::fromUtf8(in.readAll());
    }
    const SequenceScan scan = scan_sequence(input);
    if (scan.error != SequenceScan::None) {
        fail(numbers_error_message(scan));
        return std::nullopt;
    }
    if (scan.odd_separators)
        QTextStream(stderr) << "vellora-trace: " << odd_separators_warning() << '\n';
    return scan.numbers;
}

// --pictures: the handout of the steps asked for, or of all of them.
int write_pictures(const TraceOptions &o, Visualizer &vis, int formula)
{
    const int total = int(vis.steps.size());
    const QStringList range = o.parser.value(o.steps).split(u'-');
    bool first_ok = true, last_ok = true;
    const int first = o.is_set(o.steps) ? range.first().toInt(&first_ok) : 1;
    const int last = !o.is_set(o.steps)  ? total
                     : range.size() == 2 ? range.last().toInt(&last_ok)
                                         : first;
    if (range.size() > 2 || !first_ok || !last_ok || first < 1 || last < first || last > total)
        return fail(QCoreApplication::translate(
                        "vellora-trace", "The option --steps takes A-B with 1 <= A <= B <= %1.")
                        .arg(total));
    QString error;
    if (!write_handout(vis, formula_name(formula), o.parser.value(o.pictures), o.is_set(o.force),
                       first, last, &error))
        return fail(error);
    return 0;
}

// The sequence's trace under the formula, as the options ask: the comparison
// of all formulas, the pictures, JSON or text.
int trace(const TraceOptions &o, int formula, const QVector<qint32> &numbers)
{
    const bool json = o.is_set(o.json);
    if (o.is_set(o.compare))
        return print_to_stdout([&](QTextStream &out) { print_compare(out, numbers, json); });
    Visualizer vis(nullptr, nullptr, nullptr, gap_generators[formula], numbers);
    vis.build_trace();
    if (o.is_set(o.pictures))
        return write_pictures(o, vis, formula);
    return print_to_stdout([&](QTextStream &out) {
        if (json)
            print_trace_json(out, vis, formula);
        else
            print_trace_text(out, vis, formula);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app = start_application(argc, argv);
    TraceOptions options;
    QCommandLineParser &parser = options.parser;
    if (!parser.parse(QCoreApplication::arguments())) {
        const QString hint = negative_number_hint(QCoreApplication::arguments(), Program::Trace);
        return fail(hint.isEmpty() ? parser.errorText() : hint);
    }
    if (parser.isSet(options.shared.help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(options.shared.version))
        parser.showVersion();
    if (const QString wrong = combination_error(options); !wrong.isEmpty())
        return fail(wrong);
    if (parser.isSet(options.growth))
        return print_growth(options);
    const int formula = parse_formula(parser.value(options.shared.formula));
    if (formula < 0)
        return fail(unknown_formula_message(parser.value(options.shared.formula)));
    const std::optional<QVector<qint32>> numbers = read_numbers(parser.positionalArguments());
    if (!numbers)
        return exit_usage;
    return trace(options, formula, *numbers);
}
