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

// The shape that marks each point of a formula's line in the growth chart.
enum class ChartMarker { circle, square, triangle_up, diamond, triangle_down, plus, cross };

struct Formula {
    GapGenerator generate;
    // As the window's formula list shows it, in English; context "MainWindow".
    const char *name;
    // What the command lines call it, in lower case.
    const char *key;
    // The line of the growth chart, told apart from the others without its
    // colour too: a colour, as 0xRRGGBB, at 3:1 or more against the chart's
    // white and apart from the others for colour-blind eyes and in grey; a
    // pen; and a marker of its own on each point.
    quint32 rgb;
    Qt::PenStyle pen;
    ChartMarker marker;
    // The worst case for large n, as the help page states it; context
    // "CompareWindow" where it is words.
    const char *bound;
    // Who proved it, or why there is none.
    const char *bound_source;
};

inline constexpr std::array<Formula, 7> formulas = {{
    {shell_gaps, QT_TRANSLATE_NOOP("MainWindow", "Shell's formula"), "shell", 0x000000,
     Qt::SolidLine, ChartMarker::circle, "Θ(n²)", "the help page's example; see also Knuth, 1973"},
    {hibbard_gaps, QT_TRANSLATE_NOOP("MainWindow", "Hibbard's formula"), "hibbard", 0xb58317,
     Qt::DashLine, ChartMarker::square, "Θ(n^(3/2))",
     "O: Papernov and Stasevich, 1965; Θ: Pratt, 1971"},
    {sedgewick_gaps, QT_TRANSLATE_NOOP("MainWindow", "Sedgewick's formula"), "sedgewick", 0x7f6ea8,
     Qt::DotLine, ChartMarker::triangle_up, "O(n^(4/3))", "Sedgewick, 1986"},
    {pratt_gaps, QT_TRANSLATE_NOOP("MainWindow", "Pratt's formula"), "pratt", 0x257553,
     Qt::DashDotLine, ChartMarker::diamond, "Θ(n log² n)", "Pratt, 1971"},
    {fibonacci_gaps, QT_TRANSLATE_NOOP("MainWindow", "Fibonacci sequence"), "fibonacci", 0x3e2e9d,
     Qt::DashDotDotLine, ChartMarker::triangle_down,
     QT_TRANSLATE_NOOP("CompareWindow", "none known"), "no published bound"},
    {knuth_gaps, QT_TRANSLATE_NOOP("MainWindow", "Knuth formula"), "knuth", 0x89400e, Qt::SolidLine,
     ChartMarker::plus, "O(n^(3/2))", "Pratt, 1971, as presented by Knuth, 1973"},
    {ciura_gaps, QT_TRANSLATE_NOOP("MainWindow", "Ciura's sequence"), "ciura", 0x511950,
     Qt::DashLine, ChartMarker::cross, QT_TRANSLATE_NOOP("CompareWindow", "none proved"),
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
