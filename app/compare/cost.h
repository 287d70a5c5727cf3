// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What each formula's trace of one sequence costs.
#pragma once

#include "formulas.h"

#include <QVector>

#include <array>

namespace compare_detail
{

struct Cost {
    QVector<qint32> gaps;
    qint32 comparisons = 0;
    qint32 swaps = 0;
    qint32 steps = 0;
};
using Costs = std::array<Cost, formula_count>;

// Traces the sequence under every formula. Shares no state: any thread may run it.
Costs costs_of(const QVector<qint32> &sequence);

} // namespace compare_detail
