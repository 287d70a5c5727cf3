// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Everything a gap formula is, one row each, in the order of the window's
// formula list: a new formula is a new row, plus its translations and the
// help page's text about it.
#pragma once

#include "gaps.h"

#include <QString>
#include <Qt>

#include <array>

struct Formula {
    GapGenerator generate;
    // As the window's formula list shows it, in English; context "MainWindow".
    const char *name;
    // What the command lines call it, in lower case.
    const char *key;
    // The line of the growth chart: a colour told apart by most colour-blind
    // eyes too (Okabe and Ito), as 0xRRGGBB, and a pen that differs as well.
    quint32 rgb;
    Qt::PenStyle pen;
    // The worst case for large n, as the help page states it; context
    // "CompareWindow" where it is words.
    const char *bound;
    // Who proved it, or why there is none.
    const char *bound_source;
};

inline constexpr std::array<Formula, 7> formulas = {{
    {shell_gaps, QT_TRANSLATE_NOOP("MainWindow", "Shell's formula"), "shell", 0x000000,
     Qt::SolidLine, "Θ(n²)", "the help page's example; see also Knuth, 1973"},
    {hibbard_gaps, QT_TRANSLATE_NOOP("MainWindow", "Hibbard's formula"), "hibbard", 0xe69f00,
     Qt::DashLine, "Θ(n^(3/2))", "O: Papernov and Stasevich, 1965; Θ: Pratt, 1971"},
    {sedgewick_gaps, QT_TRANSLATE_NOOP("MainWindow", "Sedgewick's formula"), "sedgewick", 0x56b4e9,
     Qt::DotLine, "O(n^(4/3))", "Sedgewick, 1986"},
    {pratt_gaps, QT_TRANSLATE_NOOP("MainWindow", "Pratt's formula"), "pratt", 0x009e73,
     Qt::DashDotLine, "Θ(n log² n)", "Pratt, 1971"},
    {fibonacci_gaps, QT_TRANSLATE_NOOP("MainWindow", "Fibonacci sequence"), "fibonacci", 0x0072b2,
     Qt::DashDotDotLine, QT_TRANSLATE_NOOP("CompareWindow", "none known"), "no published bound"},
    {knuth_gaps, QT_TRANSLATE_NOOP("MainWindow", "Knuth formula"), "knuth", 0xd55e00, Qt::SolidLine,
     "O(n^(3/2))", "Pratt, 1971, as presented by Knuth, 1973"},
    {ciura_gaps, QT_TRANSLATE_NOOP("MainWindow", "Ciura's sequence"), "ciura", 0xcc79a7,
     Qt::DashLine, QT_TRANSLATE_NOOP("CompareWindow", "none proved"),
     "found by experiment, Ciura, 2001"},
}};

constexpr int formula_count = int(formulas.size());

// Indexed like the items of the formula list in the window.
extern const std::array<GapGenerator, formula_count> gap_generators;

// Index of the formula whose generator is g, or -1.
int formula_index(GapGenerator g);

// The formula a command line names: its index, or its key in any letter case; -1 for none.
int parse_formula(const QString &text);

// What the command lines' --formula option takes, for their help.
QString formula_option_help();

// The formula's name as the window shows it, in the window's language.
QString formula_name(int formula);
// Its worst-case bound, in the window's language.
QString formula_bound(int formula);
