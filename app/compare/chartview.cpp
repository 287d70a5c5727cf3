// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "chartview.h"

#include "focusmark.h"

#include <QAbstractAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QPainter>

namespace
{

// The text as the HTML a chart shows, broken between words into centred
// lines no wider than width, with room for the margins Qt gives the text.
QString wrapped(const QString &text, const QFont &font, qreal width)
{
    const QFontMetricsF metrics(font);
    width -= metrics.height();
    QStringList lines;
    QString line;
    for (const QString &word : text.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line.toHtmlEscaped();
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line.toHtmlEscaped();
    if (lines.size() == 1)
        return lines[0];
    return QStringLiteral("<div align=\"center\">%1</div>").arg(lines.join(QStringLiteral("<br>")));
}

} // namespace

namespace compare_detail
{

ChartView::ChartView(QWidget *parent) : QChartView(new QChart, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
    // White to the edges, as a picture of it is.
    chart()->setBackgroundRoundness(0);
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    connect(chart(), &QChart::plotAreaChanged, this, [this] {
        if (rewraps_left > 0) {
            --rewraps_left;
            wrap_axis_titles();
        }
        keep_least_size();
    });
}

void ChartView::set_title(const QString &title)
{
    title_text = title;
    reflow();
}

void ChartView::set_axis_title(QAbstractAxis *axis, const QString &title)
{
    axis_titles.insert(axis, title);
    reflow();
}

void ChartView::reflow()
{
    const QMargins margins = chart()->margins();
    const qreal width = chart()->size().width() - margins.left() - margins.right();
    const QString title = wrapped(title_text, chart()->titleFont(), width);
    if (chart()->title() != title)
        chart()->setTitle(title);
    rewraps_left = 3;
    wrap_axis_titles();
}

// Each to the length of its side of the plot, as last laid out.
void ChartView::wrap_axis_titles()
{
    const QRectF plot = chart()->plotArea();
    for (auto axis = axis_titles.cbegin(); axis != axis_titles.cend(); ++axis) {
        const qreal length =
            axis.key()->orientation() == Qt::Horizontal ? plot.width() : plot.height();
        const QString title = wrapped(axis.value(), axis.key()->titleFont(), length);
        if (axis.key()->titleText() != title)
            axis.key()->setTitleText(title);
    }
}

void ChartView::focusInEvent(QFocusEvent *event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void ChartView::focusOutEvent(QFocusEvent *event)
{
    QChartView::focusOutEvent(event);
    viewport()->update();
}

void ChartView::paintEvent(QPaintEvent *event)
{
    QChartView::paintEvent(event);
    if (!hasFocus())
        return;
    // Around what the page shows of the chart, where it scrolls.
    QPainter painter(viewport());
    paint_focus_mark(&painter, in_sight(viewport()), palette());
}

void ChartView::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    reflow();
    keep_least_size();
}

QSize ChartView::sizeHint() const
{
    return minimumSize();
}

qreal ChartView::height_around_plot() const
{
    const QRectF plot = chart()->plotArea();
    // Before its first layout, Qt's least height for them, which falls short.
    if (plot.isEmpty())
        return chart()->minimumSize().height();
    return chart()->size().height() - plot.height();
}

void ChartView::keep_least_size()
{
    // Qt's view only ever raises its least size to the chart's; a legend
    // that wraps to fewer lines in a wider chart lowers it again.
    setMinimumSize(chart()->minimumSize().toSize().expandedTo(least_size()));
}

} // namespace compare_detail
