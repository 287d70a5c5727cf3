// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "growthchart.h"

#include "compare.h"
#include "formulatext.h"
#include "num_to_str.h"

#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>

namespace
{

QLogValueAxis *log_axis(qreal from, qreal to, const QString &title)
{
    auto *axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setRange(from, to);
    axis->setMinorTickCount(8);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setTitleText(title);
    return axis;
}

// A line whose pen an earlier formula's line has already shows its points too,
// so that the two can be told apart.
bool shows_points(int formula)
{
    for (int f = 0; f < formula; ++f)
        if (formulas[f].pen == formulas[formula].pen)
            return true;
    return false;
}

} // namespace

namespace compare_detail
{

GrowthChart::GrowthChart(QWidget *parent) : ChartView(parent)
{
    sizes_axis = log_axis(10, 1000, CompareWindow::tr("n, the length of the sequence (log scale)"));
    averages_axis = log_axis(20, 50000, CompareWindow::tr("average comparisons (log scale)"));
    chart()->addAxis(sizes_axis, Qt::AlignBottom);
    chart()->addAxis(averages_axis, Qt::AlignLeft);
    for (int f = 0; f < formula_count; ++f) {
        auto *line = new QLineSeries;
        line->setPen(QPen(QColor::fromRgb(formulas[f].rgb), 2, formulas[f].pen));
        line->setPointsVisible(shows_points(f));
        line->setMarkerSize(5);
        chart()->addSeries(line);
        line->attachAxis(sizes_axis);
        line->attachAxis(averages_axis);
        lines[f] = line;
    }
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    setAccessibleName(CompareWindow::tr("Line chart: average comparisons against n, log–log"));
}

void GrowthChart::show_growth(const std::optional<Growth> &growth, quint32 seed, int in_force)
{
    chart()->setTitle(CompareWindow::tr("Average number of comparisons over random sequences "
                                        "of n numbers from 1 to n, seed %1")
                          .arg(growth ? growth->seed : seed));
    QStringList said{chart()->title()};
    if (growth)
        said << CompareWindow::tr("Sizes n: %1.").arg(joined(growth->sizes, QStringLiteral(", ")));
    for (int f = 0; f < formula_count; ++f) {
        const QString name = marked_name(f, in_force);
        if (!growth) {
            lines[f]->setName(CompareWindow::tr("%1 (worst case: %2)").arg(name, formula_bound(f)));
            lines[f]->clear();
            continue;
        }
        const QString exponent = exponent_text(growth->exponents[f]);
        lines[f]->setName(
            CompareWindow::tr("%1: n^%2 (worst case: %3)").arg(name, exponent, formula_bound(f)));
        QList<QPointF> points;
        QStringList averages;
        for (qsizetype i = 0; i < growth->sizes.size(); ++i) {
            points << QPointF(growth->sizes[i], growth->averages[f][i]);
            averages << average_text(growth->averages[f][i]);
        }
        lines[f]->replace(points);
        said << CompareWindow::tr("%1: averages %2; n^%3; worst case: %4.")
                    .arg(name, averages.join(QStringLiteral(", ")), exponent, formula_bound(f));
    }
    for (int f = 0; f < formula_count; ++f) {
        QPen pen = lines[f]->pen();
        pen.setWidthF(f == in_force ? 3.5 : 2);
        lines[f]->setPen(pen);
    }
    setAccessibleDescription(said.join(u' '));
}

} // namespace compare_detail
