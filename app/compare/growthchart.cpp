// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "growthchart.h"

#include "compare.h"
#include "formulatext.h"
#include "growthlegend.h"
#include "markers.h"
#include "num_to_str.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QToolTip>

namespace
{

QLogValueAxis *log_axis(qreal from, qreal to)
{
    auto *axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setRange(from, to);
    axis->setMinorTickCount(8);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

// The plot's least width and height, and the room its axes' labels and
// titles take beside it, in lines of the legend's text.
constexpr qreal plot_least_lines = 12;
constexpr qreal plot_least_height_lines = 10;
constexpr qreal axes_lines = 4;
// The legend beside the plot takes at most this share of the chart's width.
constexpr qreal legend_most_share = 0.45;

} // namespace

namespace compare_detail
{

GrowthChart::GrowthChart(QWidget *parent) : ChartView(parent)
{
    sizes_axis = log_axis(10, 1000);
    averages_axis = log_axis(20, 50000);
    chart()->addAxis(sizes_axis, Qt::AlignBottom);
    chart()->addAxis(averages_axis, Qt::AlignLeft);
    QList<ChartMarker> shapes;
    for (int f = 0; f < formula_count; ++f) {
        auto *line = new QLineSeries;
        line->setPen(QPen(QColor::fromRgb(formulas[f].rgb), 2, formulas[f].pen));
        chart()->addSeries(line);
        line->attachAxis(sizes_axis);
        line->attachAxis(averages_axis);
        lines[f] = line;
        shapes << formulas[f].marker;
    }
    marks = new PointMarkers(chart(), QList<QLineSeries *>(lines.begin(), lines.end()), shapes);
    connect(chart(), &QChart::plotAreaChanged, this, [this] { marks->update(); });
    // Qt's legend draws a line's sample too short to show its dashes.
    chart()->legend()->hide();
    key = new GrowthLegend(chart());
    least_margins = chart()->margins();
    set_axis_title(sizes_axis, CompareWindow::tr("n, the length of the sequence (log scale)"));
    set_axis_title(averages_axis, CompareWindow::tr("average comparisons (log scale)"));
    setAccessibleName(CompareWindow::tr("Line chart: average comparisons against n, log–log"));
}

void GrowthChart::show_growth(const std::optional<Growth> &growth, quint32 seed, int in_force)
{
    shown = growth;
    set_title(CompareWindow::tr(
                  "Average number of comparisons over random permutations of 1 to n, seed %1")
                  .arg(growth ? growth->seed : seed));
    QStringList said{title()};
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
    show_legend();
    marks->update();
    setAccessibleDescription(said.join(u' '));
}

QSize GrowthChart::least_size() const
{
    const qreal line = QFontMetricsF(chart()->legend()->font()).height();
    const QMargins &m = least_margins;
    const QMargins margins = chart()->margins();
    // The legend stands below the plot where the width is less than this.
    const qreal width = m.left() + m.right() + (axes_lines + plot_least_lines) * line;
    // The margins hold a legend below.
    qreal height = height_around_plot() + plot_least_height_lines * line;
    if (legend_beside)
        height = qMax(height, margins.top() + margins.bottom() + key->boundingRect().height());
    return QSize(int(std::ceil(width)), int(std::ceil(height)));
}

void GrowthChart::show_legend()
{
    const QFont font = chart()->legend()->font();
    // Markers grow with the text, as large print would have them.
    const qreal marker_size = qMax(7.0, std::round(0.55 * QFontMetricsF(font).height()));
    key->set_font(font, chart()->legend()->labelColor(), marker_size);
    marks->set_size(marker_size);
    QList<LegendEntry> entries;
    for (int f = 0; f < formula_count; ++f)
        entries << LegendEntry{lines[f]->pen(), formulas[f].marker, lines[f]->name()};
    key->set_entries(entries);
    reflow();
}

// Beside the plot where both fit, below it otherwise; the chart's margins
// keep the room the legend takes.
void GrowthChart::reflow()
{
    const QSizeF area = chart()->size();
    const QFontMetricsF metrics(chart()->legend()->font());
    const QMargins &m = least_margins;
    const qreal beside_width = qMin(key->natural_width(), area.width() * legend_most_share);
    QMargins margins = m;
    legend_beside = area.width() - m.left() - m.right() - beside_width - metrics.height() >=
                    (axes_lines + plot_least_lines) * metrics.height();
    if (legend_beside) {
        const qreal height = key->lay_out(beside_width);
        key->setPos(area.width() - m.right() - beside_width,
                    qMax(qreal(m.top()), (area.height() - height) / 2));
        margins.setRight(m.right() + int(std::ceil(beside_width + metrics.height())));
    } else {
        const qreal height = key->lay_out(area.width() - m.left() - m.right());
        key->setPos(m.left(), area.height() - m.bottom() - height);
        margins.setBottom(m.bottom() + int(std::ceil(height + metrics.height() / 2)));
    }
    if (chart()->margins() != margins)
        chart()->setMargins(margins);
    marks->refit();
    ChartView::reflow();
    keep_least_size();
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
