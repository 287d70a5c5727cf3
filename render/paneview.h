// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// A view of a trace as it follows the step: the view itself shows the picture
// while it fits; else this widget lies over the view's viewport and paints the
// step in panes (render/panes.h), at a scale that never drops below legible.
#pragma once

#include "panes.h"

#include <QImage>
#include <QWidget>

class QGraphicsView;
class Visualizer;

class PaneView : public QWidget
{
    Q_OBJECT

public:
    // scale: the view's pixels per scene unit.
    PaneView(Visualizer *vis, QGraphicsView *view, qreal scale);

    void set_scale(qreal scale);
    qreal scale() const { return unit_scale; }

    // Shows the step on display.
    void follow();
    // For a new trace: the one pane at the start of the sequence.
    void centre();

    const PaneLayout &layout() const { return shown; }
    // What the view shows, at the given multiple of its size.
    QImage picture(qreal factor) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Visualizer *vis;
    QGraphicsView *view;
    qreal unit_scale;
    qreal left; // where the one pane starts in the scene
    PaneLayout shown;
};
