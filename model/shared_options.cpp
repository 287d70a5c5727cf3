// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "shared_options.h"

#include "formulas.h"
#include "sequence_input.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace
{

struct Wording {
    const char *program;
    const char *help;
    const char *version;
};

// Indexed by Program; the context is the program's name.
constexpr Wording wordings[] = {
    {"vellora", QT_TRANSLATE_NOOP("vellora", "Show this help and exit."),
     QT_TRANSLATE_NOOP("vellora", "Show the version and exit.")},
    {"vellora-trace", QT_TRANSLATE_NOOP("vellora-trace", "Show this help and exit."),
     QT_TRANSLATE_NOOP("vellora-trace", "Show the version and exit.")},
};

const Wording &wording(Program program)
{
    return wordings[program == Program::Window ? 0 : 1];
}

QString numbers_argument_help(Program program)
{
    return QCoreApplication::translate("CommandLine",
                                       "Numbers of the sequence, from %1 to %2; when one is "
                                       "negative, put -- before them, as in %3 -- -5 3 8.")
        .arg(min_sequence_value)
        .arg(max_sequence_value)
        .arg(program_name(program));
}

} // namespace

QString program_name(Program program)
{
    return QLatin1String(wording(program).program);
}

SharedOptions add_shared_options(QCommandLineParser *parser, Program program)
{
    const Wording &words = wording(program);
    const SharedOptions options{
        QCommandLineOption(QStringList{"h", "help"},
                           QCoreApplication::translate(words.program, words.help)),
        QCommandLineOption(QStringList{"v", "version"},
                           QCoreApplication::translate(words.program, words.version)),
        QCommandLineOption(QStringList{"f", "formula"}, formula_option_help(),
                           QCoreApplication::translate("CommandLine", "FORMULA"),
                           QLatin1String(formulas[0].key)),
    };
    parser->addOptions({options.help, options.version, options.formula});
    const QString number = QCoreApplication::translate("CommandLine", "NUMBER");
    parser->addPositionalArgument(number, numbers_argument_help(program),
                                  QStringLiteral("[%1 ...]").arg(number));
    return options;
}

QString negative_number_hint(const QStringList &arguments, Program program)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--")
            break;
        if (argument.size() > 1 && argument[0] == u'-' && argument[1] >= u'0' &&
            argument[1] <= u'9')
            return QCoreApplication::translate("CommandLine",
                                               "The argument %1 is taken for an option; when a "
                                               "number is negative, put -- before the numbers, "
                                               "as in %2 -- -5 3 8.")
                .arg(argument, program_name(program));
    }
    return QString();
}

QString unknown_formula_message(const QString &formula)
{
    QStringList known;
    for (int f = 0; f < formula_count; ++f)
        known << QStringLiteral("%1 %2").arg(f).arg(QLatin1String(formulas[f].key));
    return QCoreApplication::translate("CommandLine", "Unknown formula '%1'; the formulas are %2.")
        .arg(formula, known.join(QStringLiteral(", ")));
}

QString numbers_error_message(const SequenceScan &scan)
{
    // The window's words for no numbers at all speak of typing, over two lines.
    if (scan.error == SequenceScan::NoNumber)
        return QCoreApplication::translate(
            "CommandLine", "No numbers were given; a sequence is numbers separated by spaces.");
    return scan_error_message(scan);
}

QString odd_separators_warning()
{
    return QCoreApplication::translate(
        "CommandLine", "Warning: characters other than numbers and spaces were read as spaces.");
}
