// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "barchart.h"

#include "compare.h"
#include "formulatext.h"
#include "num_to_str.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QValueAxis>

namespace compare_detail
{

BarChart::BarChart(QWidget *parent) : ChartView(parent)
{
    set_title(CompareWindow::tr("Comparisons and swaps on this sequence"));
    comparisons = new QBarSet(CompareWindow::tr("Comparisons (operations)"));
    comparisons->setColor(QColor(0, 114, 178));
    comparisons->setSelectedColor(QColor(0, 57, 89));
    swaps = new QBarSet(CompareWindow::tr("Swaps"));
    swaps->setColor(QColor(230, 159, 0));
    swaps->setSelectedColor(QColor(140, 90, 0));
    for (QBarSet *set : {comparisons, swaps})
        set->setLabelColor(Qt::black);
    // Within a formula, too, the first set is drawn at the bottom.
    auto *series = new QHorizontalBarSeries;
    series->append(swaps);
    series->append(comparisons);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart()->addSeries(series);
    names = new QBarCategoryAxis;
    chart()->addAxis(names, Qt::AlignLeft);
    series->attachAxis(names);
    counts = new QValueAxis;
    counts->setLabelFormat(QStringLiteral("%d"));
    chart()->addAxis(counts, Qt::AlignBottom);
    series->attachAxis(counts);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->legend()->setReverseMarkers(true);
    setAccessibleName(CompareWindow::tr("Bar chart: comparisons and swaps per formula"));
}

void BarChart::show_costs(const Costs &costs, int in_force)
{
    // A horizontal bar series draws its first category at the bottom.
    QStringList labels;
    QList<qreal> compared, swapped;
    qint32 most = 1;
    QStringList said;
    for (int f = formula_count - 1; f >= 0; --f) {
        labels << marked_name(f, in_force);
        compared << costs[f].comparisons;
        swapped << costs[f].swaps;
        most = qMax(most, costs[f].comparisons);
    }
    for (int f = 0; f < formula_count; ++f)
        said << CompareWindow::tr("%1: %2 comparisons, %3 swaps.")
                    .arg(formula_name(f), num_to_str(costs[f].comparisons),
                         num_to_str(costs[f].swaps));
    if (in_force != -1)
        said << CompareWindow::tr("In force: %1.").arg(formula_name(in_force));
    names->setCategories(labels);
    comparisons->remove(0, comparisons->count());
    comparisons->append(compared);
    swaps->remove(0, swaps->count());
    swaps->append(swapped);
    // Room at the end of the longest bar for its label.
    counts->setRange(0, most * 1.15);
    counts->applyNiceNumbers();
    for (QBarSet *set : {comparisons, swaps}) {
        set->deselectAllBars();
        if (in_force != -1)
            set->selectBar(formula_count - 1 - in_force);
    }
    setAccessibleDescription(said.join(u' '));
}

} // namespace compare_detail
