// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "commandline.h"

#include "formulas.h"
#include "mainwindow.h"
#include "num_to_str.h"
#include "sequence_input.h"
#include "shared_options.h"
#include "translations.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QLocale>
#include <QMutex>
#include <QRadioButton>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{

const QString program = program_name(Program::Window);

void print_error(const QString &line)
{
    QTextStream(stderr) << program << ": " << line << '\n';
}

// Qt's messages while the application is being made: kept back, so that a
// missing display gives one line of ours rather than Qt's several and an abort.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
QMutex held_lock;
QList<HeldMessage> held;
QtMessageHandler held_handler = nullptr; // where they go once the window may open

void hold_message(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // No application, so no installed translation yet: looked up directly.
        const char *source = QT_TRANSLATE_NOOP("vellora", "The window needs a display (a desktop "
                                                          "session, or ssh -X); vellora-trace "
                                                          "prints the same traces as text.");
        QTranslator translator;
        QString line;
        if (translator.load(QLocale(), program, QStringLiteral("_"), QStringLiteral(":/i18n")))
            line = translator.translate("vellora", source);
        if (line.isEmpty())
            line = QString::fromUtf8(source);
        std::fputs(qPrintable(program + QStringLiteral(": ") + line + u'\n'), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const QMutexLocker lock(&held_lock);
    held.append({type, context.file, context.function, context.category, context.line, text});
}

// Qt's own options, which QApplication takes out of the arguments, with one
// dash or two: those followed by a value, those that stand alone, and those
// with the value after "=". The X11 plugin's (-display, -geometry, ...) go
// whatever the platform; what Qt leaves is checked again once it has run.
const QStringList qt_options_with_value = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "icon",   "name",
    "visual"};
const QStringList qt_flags = {"reverse", "widgetcount", "testability", "nograb", "dograb"};
const QStringList qt_options_with_equals = {"style=", "stylesheet=", "qmljsdebugger="};

} // namespace

QStringList without_qt_options(const QStringList &arguments)
{
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const QStringView name =
            QStringView(argument).mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const auto starts_name = [&](const QString &prefix) { return name.startsWith(prefix); };
        if (!argument.startsWith(u'-') || name.isEmpty())
            kept << argument;
        else if (qt_options_with_value.contains(name))
            ++i; // and its value
        else if (!qt_flags.contains(name) &&
                 std::none_of(qt_options_with_equals.begin(), qt_options_with_equals.end(),
                              starts_name))
            kept << argument;
    }
    return kept;
}

WindowCommandLine read_command_line(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "vellora", "Shows Shell sort at work, one step at a time.\nWith numbers, the window opens "
                   "on their trace, as if they were typed in and applied.\nQt's own options, "
                   "such as -platform and -style, work as well."));
    const SharedOptions options = add_shared_options(&parser, Program::Window);

    WindowCommandLine command;
    const auto failed = [&](const QString &why) {
        command.request = WindowCommandLine::Error;
        command.text = why;
        return command;
    };
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(options.help)) {
        command.request = WindowCommandLine::Help;
        command.text = parser.helpText();
        return command;
    }
    if (parser.isSet(options.version)) {
        command.request = WindowCommandLine::Version;
        command.text = program + QStringLiteral(" " VELLORA_VERSION "\n");
        return command;
    }
    if (!parsed) {
        const QString hint = negative_number_hint(arguments, Program::Window);
        return failed(hint.isEmpty() ? parser.errorText() : hint);
    }
    if (parser.isSet(options.formula)) {
        command.formula = parse_formula(parser.value(options.formula));
        if (command.formula < 0)
            return failed(unknown_formula_message(parser.value(options.formula)));
    }
    const QStringList numbers = parser.positionalArguments();
    if (numbers.isEmpty())
        return command;
    const SequenceScan scan = scan_sequence(numbers.join(u' '));
    if (scan.error != SequenceScan::None)
        return failed(numbers_error_message(scan));
    if (scan.odd_separators)
        command.warning = odd_separators_warning();
    command.numbers = scan.numbers;
    return command;
}

std::optional<int> answer_without_display(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    arguments = without_qt_options(arguments);
    if (read_command_line(arguments).request == WindowCommandLine::Window)
        return std::nullopt;
    // A core application is enough for the translations; its one argument
    // names the program in the usage line, whatever path started it.
    char name[] = "vellora";
    char *core_argv[] = {name, nullptr};
    int core_argc = 1;
    QCoreApplication core(core_argc, core_argv);
    install_translations();
    const WindowCommandLine command = read_command_line(arguments);
    if (command.request == WindowCommandLine::Error) {
        print_error(command.text);
        return exit_usage;
    }
    QTextStream(stdout) << command.text;
    return 0;
}

std::unique_ptr<QApplication> open_application(int &argc, char **argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(hold_message);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    held_handler = previous;
    return application;
}

bool check_command_line(const WindowCommandLine &command)
{
    const QMutexLocker lock(&held_lock);
    if (command.request == WindowCommandLine::Error) {
        held.clear();
        print_error(command.text);
        return false;
    }
    for (const HeldMessage &m : std::as_const(held))
        held_handler(m.type,
                     QMessageLogContext(m.file.constData(), m.line, m.function.constData(),
                                        m.category.constData()),
                     m.text);
    held.clear();
    if (!command.warning.isEmpty())
        print_error(command.warning);
    return true;
}

void prepare_window(MainWindow *window, const WindowCommandLine &command)
{
    if (command.formula >= 0)
        window->findChild<QComboBox *>(QStringLiteral("chosenFormula"))
            ->setCurrentIndex(command.formula);
    if (!command.numbers.isEmpty()) {
        window->findChild<QRadioButton *>(QStringLiteral("userDefineRadio"))->click();
        QStringList typed;
        for (qint32 v : command.numbers)
            typed << num_to_str(v);
        window->findChild<QLineEdit *>(QStringLiteral("userDefLine"))->setText(typed.join(u' '));
    }
    if (command.formula >= 0 || !command.numbers.isEmpty())
        window->new_seq();
}
