// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "growthchart.h"

#include "compare.h"
#include "formulatext.h"
#include "num_to_str.h"

#include <QHelpEvent>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QToolTip>

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
    shown = growth;
    chart()->setTitle(
        CompareWindow::tr(
            "Average number of comparisons over random permutations of 1 to n, seed %1")
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
            averages << averaged_text(growth->averages[f][i], growth->intervals[f][i]);
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

QString GrowthChart::point_text(const QPoint &pos) const
{
    if (!shown)
        return {};
    double nearest = 8; // pixels, about as far as a pointer misses a line by
    QString text;
    for (int f = 0; f < formula_count; ++f)
        for (qsizetype i = 0; i < shown->sizes.size(); ++i) {
            const QPointF point(shown->sizes[i], shown->averages[f][i]);
            const QPointF at =
                mapFromScene(chart()->mapToScene(chart()->mapToPosition(point, lines[f])));
            const double distance = QLineF(at, pos).length();
            if (distance > nearest)
                continue;
            nearest = distance;
            text = CompareWindow::tr("%1, n = %2: %3 comparisons on average (95% confidence), "
                                     "over %4 random permutations")
                       .arg(formula_name(f), num_to_str(shown->sizes[i]),
                            averaged_text(point.y(), shown->intervals[f][i]),
                            num_to_str(shown->samples[i]));
        }
    return text;
}

bool GrowthChart::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return ChartView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString text = point_text(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport());
    return true;
}

} // namespace compare_detail
