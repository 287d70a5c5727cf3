// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "markers.h"

#include <QChart>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace
{

// A plus of arms a third as thick as it is wide, centred on 0, 0.
QPolygonF plus(qreal size)
{
    const qreal a = size / 2, t = size / 6;
    return QPolygonF({{-t, -a},
                      {t, -a},
                      {t, -t},
                      {a, -t},
                      {a, t},
                      {t, t},
                      {t, a},
                      {-t, a},
                      {-t, t},
                      {-a, t},
                      {-a, -t},
                      {-t, -t}});
}

// The shape centred on 0, 0, of about the same area whatever the shape.
QPainterPath shape_path(ChartMarker marker, qreal size)
{
    const qreal a = size / 2;
    QPainterPath path;
    switch (marker) {
    case ChartMarker::circle:
        path.addEllipse(QPointF(), a, a);
        break;
    case ChartMarker::square:
        path.addRect(QRectF(-0.85 * a, -0.85 * a, 1.7 * a, 1.7 * a));
        break;
    case ChartMarker::triangle_up:
        path.addPolygon(QPolygonF({{0, -1.15 * a}, {1.15 * a, a}, {-1.15 * a, a}}));
        break;
    case ChartMarker::triangle_down:
        path.addPolygon(QPolygonF({{0, 1.15 * a}, {1.15 * a, -a}, {-1.15 * a, -a}}));
        break;
    case ChartMarker::diamond:
        path.addPolygon(QPolygonF({{0, -1.2 * a}, {1.2 * a, 0}, {0, 1.2 * a}, {-1.2 * a, 0}}));
        break;
    case ChartMarker::plus:
        path.addPolygon(plus(2.4 * a));
        break;
    case ChartMarker::cross:
        path.addPolygon(QTransform().rotate(45).map(plus(2.4 * a)));
        break;
    }
    path.closeSubpath();
    return path;
}

} // namespace

namespace compare_detail
{

void paint_marker(QPainter *painter, ChartMarker marker, const QPointF &centre, qreal size,
                  const QColor &colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::white, 1));
    painter->setBrush(colour);
    painter->drawPath(shape_path(marker, size).translated(centre));
    painter->restore();
}

PointMarkers::PointMarkers(QChart *chart, const QList<QLineSeries *> &lines,
                           const QList<ChartMarker> &shapes)
    : QGraphicsItem(chart), chart(chart), lines(lines), shapes(shapes)
{
    // Above the lines, which the chart puts at its own z values.
    setZValue(100);
}

void PointMarkers::set_size(qreal size)
{
    prepareGeometryChange();
    marker_size = size;
}

void PointMarkers::refit()
{
    prepareGeometryChange();
}

QList<QPointF> PointMarkers::centres(int line) const
{
    QList<QPointF> points;
    const QList<QPointF> values = lines[line]->points();
    for (const QPointF &value : values)
        points << chart->mapToPosition(value, lines[line]);
    return points;
}

QRectF PointMarkers::boundingRect() const
{
    // The whole chart, as the plot moves within it with every new legend.
    return chart->rect();
}

void PointMarkers::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    for (int line = 0; line < lines.size(); ++line)
        if (lines[line]->isVisible())
            for (const QPointF &centre : centres(line))
                paint_marker(painter, shapes[line], centre, marker_size,
                             lines[line]->pen().color());
}

} // namespace compare_detail
