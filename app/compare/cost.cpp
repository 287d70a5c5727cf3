// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "cost.h"

#include "visualizer.h"

namespace compare_detail
{

Costs costs_of(const QVector<qint32> &sequence)
{
    Costs costs;
    for (int f = 0; f < formula_count; ++f) {
        Visualizer trace(nullptr, nullptr, nullptr, gap_generators[f], sequence);
        trace.build_trace();
        costs[f] = {trace.gaps, trace.op_count, trace.swap_count, qint32(trace.steps.size())};
    }
    return costs;
}

} // namespace compare_detail
