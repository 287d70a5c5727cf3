// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The shapes that tell the growth chart's lines apart without their colour:
// one on each point of a line, and the same in its legend.
#pragma once

#include "formulas.h"

#include <QGraphicsItem>
#include <QList>

class QChart;
class QLineSeries;

namespace compare_detail
{

// The marker centred on centre, size wide, in colour with a white edge that
// keeps it apart from the line and the markers under it.
void paint_marker(QPainter *painter, ChartMarker marker, const QPointF &centre, qreal size,
                  const QColor &colour);

// The markers of every line, on its points, drawn over the lines.
class PointMarkers : public QGraphicsItem
{
public:
    PointMarkers(QChart *chart, const QList<QLineSeries *> &lines,
                 const QList<ChartMarker> &shapes);

    void set_size(qreal size);
    qreal size() const { return marker_size; }
    // Takes in a new size of the chart.
    void refit();
    // Where the line's markers lie, in the chart's coordinates.
    QList<QPointF> centres(int line) const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override;

private:
    QChart *chart;
    QList<QLineSeries *> lines;
    QList<ChartMarker> shapes;
    qreal marker_size = 9;
};

} // namespace compare_detail
