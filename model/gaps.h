// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The seven gap formulas Vellora offers. Each generator empties the list and
// fills it with the gaps in the order they are applied, largest first.
#pragma once

#include <QString>
#include <QVector>
#include <array>

using GapGenerator = void (*)(qint32 n, QVector<qint32> *gaps);

void shell_gaps(qint32 n, QVector<qint32> *gaps);
void hibbard_gaps(qint32 n, QVector<qint32> *gaps);
void sedgewick_gaps(qint32 n, QVector<qint32> *gaps);
void pratt_gaps(qint32 n, QVector<qint32> *gaps);
void fibonacci_gaps(qint32 n, QVector<qint32> *gaps);
void knuth_gaps(qint32 n, QVector<qint32> *gaps);
void ciura_gaps(qint32 n, QVector<qint32> *gaps);

constexpr int formula_count = 7;

// Indexed like the items of the formula list in the window.
extern const std::array<GapGenerator, formula_count> gap_generators;

// The item text of each formula, as the window's formula list shows it, in
// English; the translation context is "MainWindow".
extern const std::array<const char *, formula_count> formula_names;

// The name each formula goes by on the command lines, in lower case.
extern const std::array<const char *, formula_count> formula_keys;

// Index of the formula whose generator is g, or -1.
int formula_index(GapGenerator g);

// The formula a command line names: its index, or its key in any letter case; -1 for none.
int parse_formula(const QString &text);

// What the command lines' --formula option takes, for their help.
QString formula_option_help();
