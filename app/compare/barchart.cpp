// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "barchart.h"

#include "compare.h"
#include "formulatext.h"
#include "num_to_str.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QFontMetricsF>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QValueAxis>

namespace
{

// The share of a formula's band its two bars take; each bar is at least as
// thick as its number is high, and a little more, so that the numbers of
// two bars stand apart.
constexpr qreal bars_share = 0.8;
constexpr qreal number_room = 1.25;
// The least width of the plot, in widths of the longest number: the axis
// reaches past the longest bar by an eighth or more, where its number stands.
constexpr qreal plot_numbers = 8;

} // namespace

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
    series->setBarWidth(bars_share);
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
    keep_least_size();
}

QSize BarChart::least_size() const
{
    const QFontMetricsF numbers(comparisons->labelFont());
    const QFontMetricsF labels(names->labelsFont());
    const qreal number_height = numbers.tightBoundingRect(QStringLiteral("0123456789")).height();
    const qreal band = 2 * number_room * number_height / bars_share;
    qreal widest_name = 0;
    for (const QString &name : names->categories())
        widest_name = qMax(widest_name, labels.horizontalAdvance(name));
    const qreal widest_number = numbers.horizontalAdvance(num_to_str(qint32(counts->max())));
    // Qt's own least width has names cut short; what they lack is added.
    const qreal width = chart()->minimumSize().width() + widest_name + plot_numbers * widest_number;
    return QSize(int(std::ceil(width)),
                 int(std::ceil(height_around_plot() + formula_count * band)));
}

} // namespace compare_detail
