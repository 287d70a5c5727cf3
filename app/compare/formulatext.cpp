// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "formulatext.h"

#include "compare.h"
#include "formulas.h"

#include <QLocale>

namespace compare_detail
{

QString marked_name(int formula, int in_force)
{
    return formula == in_force ? CompareWindow::tr("▶ %1 (in force)").arg(formula_name(formula))
                               : formula_name(formula);
}

QString exponent_text(double exponent)
{
    return QLocale().toString(exponent, 'f', 2);
}

QString average_text(double average)
{
    return QLocale().toString(average, 'f', 1);
}

QString averaged_text(double average, double half_width)
{
    return QStringLiteral("%1 ± %2").arg(average_text(average), average_text(half_width));
}

QString percent_text(double share, int decimals)
{
    return CompareWindow::tr("%1%").arg(QLocale().toString(share * 100, 'f', decimals));
}

} // namespace compare_detail
