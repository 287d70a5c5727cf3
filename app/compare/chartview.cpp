// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "chartview.h"

#include "access/focus_ring.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QPainter>

namespace compare_detail
{

ChartView::ChartView(QWidget *parent) : QChartView(new QChart, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
    // White to the edges, as a picture of it is.
    chart()->setBackgroundRoundness(0);
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
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
    QPainter painter(viewport());
    paint_focus_ring(&painter, viewport()->rect(), palette());
}

} // namespace compare_detail
