// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What the command lines of vellora and vellora-trace have in common: -h, -v,
// -f FORMULA and the numbers, and what they say about them, each message a
// sentence with a capital letter and a full stop.
#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

class QCommandLineParser;
struct SequenceScan;

// Each program words its help in a translation context of its own, named as
// the program.
enum class Program { Window, Trace };

QString program_name(Program program);

struct SharedOptions {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption formula;
};

// Adds -h, -v and -f FORMULA to parser, before any option of the program's
// own, and the numbers as its positional argument.
SharedOptions add_shared_options(QCommandLineParser *parser, Program program);

// When a command line failed on an argument such as -5, taken for an option:
// where negative numbers go. Empty when no argument before "--" looks so.
QString negative_number_hint(const QStringList &arguments, Program program);

// For a --formula that names none: which formulas there are.
QString unknown_formula_message(const QString &formula);

// Why the numbers given make no sequence to sort (see scan_sequence).
QString numbers_error_message(const SequenceScan &scan);

// That characters other than whitespace separated the numbers given.
QString odd_separators_warning();
