// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What the command lines of vellora and vellora-trace have in common: -h, -v,
// -f FORMULA and the numbers, and the hint for a negative number taken for an
// option.
#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

class QCommandLineParser;

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
