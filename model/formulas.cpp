// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "formulas.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

const std::array<GapGenerator, formula_count> gap_generators = [] {
    std::array<GapGenerator, formula_count> table{};
    for (int f = 0; f < formula_count; ++f)
        table[f] = formulas[f].generate;
    return table;
}();

int formula_index(GapGenerator g)
{
    const auto it = std::find(gap_generators.begin(), gap_generators.end(), g);
    return it == gap_generators.end() ? -1 : int(it - gap_generators.begin());
}

int parse_formula(const QString &text)
{
    bool is_number = false;
    const int index = text.toInt(&is_number);
    if (is_number)
        return index >= 0 && index < formula_count ? index : -1;
    for (int i = 0; i < formula_count; ++i)
        if (text.compare(QLatin1String(formulas[i].key), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString formula_option_help()
{
    QStringList keys;
    for (const Formula &f : formulas)
        keys << QLatin1String(f.key);
    return QCoreApplication::translate("CommandLine", "Gap formula: %1 to %2, or %3 (default %4).")
        .arg(0)
        .arg(formula_count - 1)
        .arg(keys.join(QStringLiteral(", ")), keys.first());
}

QString formula_name(int formula)
{
    return QCoreApplication::translate("MainWindow", formulas[formula].name);
}

QString formula_bound(int formula)
{
    return QCoreApplication::translate("CompareWindow", formulas[formula].bound);
}
