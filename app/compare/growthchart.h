// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include "chartview.h"
#include "growth.h"

#include <array>
#include <optional>

class QLineSeries;
class QLogValueAxis;

namespace compare_detail
{

class GrowthLegend;
class PointMarkers;

// The average comparisons of each formula against n, on log–log axes.
class GrowthChart : public ChartView
{
public:
    explicit GrowthChart(QWidget *parent);

    // The averages, or empty lines with the bounds alone before there are
    // any; the seed names the sample then. The line of the formula in force,
    // if any, is drawn wider.
    void show_growth(const std::optional<Growth> &growth, quint32 seed, int in_force);

    // The tooltip at pos in the viewport: the formula, n and average, with
    // its interval, of the point nearest to it, if one is within a few pixels.
    QString point_text(const QPoint &pos) const;

    // The legend, and the markers on the points, as drawn.
    const GrowthLegend *legend() const { return key; }
    const PointMarkers *markers() const { return marks; }

protected:
    bool viewportEvent(QEvent *event) override;
    void reflow() override;
    // Room for the plot, and beside it for the legend where it stands there.
    QSize least_size() const override;

private:
    void show_legend();

    std::optional<Growth> shown;
    QLogValueAxis *sizes_axis;
    QLogValueAxis *averages_axis;
    std::array<QLineSeries *, formula_count> lines{};
    GrowthLegend *key = nullptr;
    PointMarkers *marks = nullptr;
    QMargins least_margins; // the chart's own, around the plot and legend
    bool legend_beside = false;
};

} // namespace compare_detail
