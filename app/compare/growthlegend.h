// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The growth chart's legend: for each line a sample long enough to show its
// dashes, with its marker, and its name wrapped to the room there is.
#pragma once

#include "formulas.h"

#include <QFont>
#include <QGraphicsItem>
#include <QPen>

namespace compare_detail
{

struct LegendEntry {
    QPen pen;
    ChartMarker marker;
    QString text;
};

class GrowthLegend : public QGraphicsItem
{
public:
    explicit GrowthLegend(QGraphicsItem *parent);

    void set_entries(const QList<LegendEntry> &entries);
    void set_font(const QFont &font, const QColor &colour, qreal marker_size);
    // The width of the widest entry on one line.
    qreal natural_width() const;
    // Wraps the names to the width; the height it then takes.
    qreal lay_out(qreal width);

    // Where an entry's sample and name lie, in the legend's coordinates.
    QRectF sample_rect(int entry) const;
    QRectF text_rect(int entry) const;
    const QList<LegendEntry> &entries() const { return shown; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override;

private:
    qreal sample_length() const;
    qreal gap() const;

    QList<LegendEntry> shown;
    QList<QRectF> texts; // laid out
    QFont font;
    QColor colour = Qt::black;
    qreal marker_size = 9;
    qreal width = 0;
    qreal height = 0;
};

} // namespace compare_detail
