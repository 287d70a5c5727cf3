// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "growthlegend.h"

#include "markers.h"

#include <QFontMetricsF>
#include <QPainter>

namespace
{

constexpr int text_flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// How long one round of the pen's dashes and gaps is, in pixels.
qreal pattern_length(const QPen &pen)
{
    qreal length = 0;
    for (qreal part : pen.dashPattern())
        length += part;
    return length * pen.widthF();
}

} // namespace

namespace compare_detail
{

GrowthLegend::GrowthLegend(QGraphicsItem *parent) : QGraphicsItem(parent)
{
    setZValue(100);
}

void GrowthLegend::set_entries(const QList<LegendEntry> &entries)
{
    shown = entries;
    lay_out(width);
}

void GrowthLegend::set_font(const QFont &new_font, const QColor &new_colour, qreal size)
{
    font = new_font;
    colour = new_colour;
    marker_size = size;
    lay_out(width);
}

qreal GrowthLegend::sample_length() const
{
    // Each sample shows its pattern whole on either side of its marker,
    // with a pen's width to spare for where the pattern begins.
    qreal longest = 0;
    qreal widest = 0;
    for (const LegendEntry &entry : shown) {
        longest = qMax(longest, pattern_length(entry.pen));
        widest = qMax(widest, entry.pen.widthF());
    }
    return qMax(2 * (longest + widest) + marker_size, 3 * QFontMetricsF(font).height());
}

qreal GrowthLegend::gap() const
{
    return QFontMetricsF(font).averageCharWidth();
}

qreal GrowthLegend::natural_width() const
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const LegendEntry &entry : shown)
        widest = qMax(widest, metrics.horizontalAdvance(entry.text));
    return sample_length() + gap() + std::ceil(widest) + 1;
}

qreal GrowthLegend::lay_out(qreal new_width)
{
    prepareGeometryChange();
    width = new_width;
    texts.clear();
    const QFontMetricsF metrics(font);
    const qreal left = sample_length() + gap();
    const qreal room = qMax(width - left, metrics.averageCharWidth() * 8);
    qreal y = 0;
    for (const LegendEntry &entry : std::as_const(shown)) {
        const QRectF text =
            metrics.boundingRect(QRectF(left, y, room, 1e6), text_flags, entry.text);
        texts << QRectF(left, y, room, text.height());
        y += text.height() + metrics.height() / 3;
    }
    height = shown.isEmpty() ? 0 : y - metrics.height() / 3;
    return height;
}

QRectF GrowthLegend::sample_rect(int entry) const
{
    const qreal line = QFontMetricsF(font).height();
    const qreal reach = qMax(line, marker_size * 1.5);
    return QRectF(0, texts[entry].top() + line / 2 - reach / 2, sample_length(), reach);
}

QRectF GrowthLegend::text_rect(int entry) const
{
    return texts[entry];
}

QRectF GrowthLegend::boundingRect() const
{
    return QRectF(0, 0, width, height).adjusted(-marker_size, -marker_size, 0, marker_size);
}

void GrowthLegend::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setFont(font);
    for (int i = 0; i < shown.size() && i < texts.size(); ++i) {
        const QRectF sample = sample_rect(i);
        const qreal y = sample.center().y();
        QPen pen = shown[i].pen;
        pen.setCapStyle(Qt::FlatCap);
        painter->setPen(pen);
        painter->drawLine(QPointF(sample.left(), y), QPointF(sample.right(), y));
        paint_marker(painter, shown[i].marker, sample.center(), marker_size, pen.color());
        painter->setPen(colour);
        painter->drawText(texts[i], text_flags, shown[i].text);
    }
}

} // namespace compare_detail
