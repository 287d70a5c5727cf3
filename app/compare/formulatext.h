// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// How the compare window writes a formula and its numbers, alike in its
// table, its charts and the numbers it copies.
#pragma once

#include <QString>

namespace compare_detail
{

// The formula's name, with a sign and words when it is the one in force.
QString marked_name(int formula, int in_force);

// A fitted exponent, in the window's locale.
QString exponent_text(double exponent);

// An average number of comparisons, in the window's locale.
QString average_text(double average);

// An average with half the width of its 95% confidence interval: "866.4 ± 2.8".
QString averaged_text(double average, double half_width);

// A share as a percentage, in the window's locale: "0.5%".
QString percent_text(double share, int decimals);

} // namespace compare_detail
