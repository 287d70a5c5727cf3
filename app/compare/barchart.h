// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include "chartview.h"
#include "cost.h"

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

namespace compare_detail
{

// Comparisons and swaps per formula, the first formula on top.
class BarChart : public ChartView
{
public:
    explicit BarChart(QWidget *parent);

    // The costs, with the bars and name of the formula in force, or of none
    // for -1, marked.
    void show_costs(const Costs &costs, int in_force);

protected:
    // Room for each name whole, and for each bar's number beside it, apart
    // from the numbers of the bars next to it, at the chart's fonts.
    QSize least_size() const override;

private:
    QBarSet *comparisons;
    QBarSet *swaps;
    QBarCategoryAxis *names;
    QValueAxis *counts;
};

} // namespace compare_detail
