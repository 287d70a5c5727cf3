// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The keyboard focus shown on widgets whose style draws it nowhere, such as
// the canvas, the status panel and the compare window's charts.
#pragma once

#include <QWidget>

class QPainter;
class QPalette;
class QRectF;

// Draws the ring just inside rect, in the palette's highlight colour.
void paint_focus_ring(QPainter *painter, const QRectF &rect, const QPalette &palette);

// A ring drawn over its target while the target has the focus; subclasses
// paint other marks in the same place.
class FocusRing : public QWidget
{
public:
    explicit FocusRing(QWidget *target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
