// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "paneview.h"

#include "visualizer.h"

#include <QEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QtMath>

PaneView::PaneView(Visualizer *vis, QGraphicsView *view, qreal scale)
    : QWidget(view->viewport()), vis(vis), view(view), unit_scale(scale), left(qQNaN())
{
    // Clicks, the wheel and the menu go to the view beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    hide();
    // The view only ever scrolls to centre a picture that fits.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->viewport()->installEventFilter(this);
}

void PaneView::set_scale(qreal scale)
{
    unit_scale = scale;
    follow();
}

void PaneView::follow()
{
    shown = lay_out(*vis, view->viewport()->size(), unit_scale, &left);
    if (shown.whole) {
        view->setTransform(QTransform::fromScale(unit_scale, unit_scale));
        hide();
        return;
    }
    setGeometry(view->viewport()->rect());
    show();
    update();
}

void PaneView::centre()
{
    left = qQNaN();
    view->setTransform(QTransform::fromScale(unit_scale, unit_scale));
    follow();
}

QImage PaneView::picture(qreal factor) const
{
    qreal from = left;
    const PaneLayout layout =
        lay_out(*vis, QSizeF(view->viewport()->size()) * factor, unit_scale * factor, &from);
    QImage image((QSizeF(view->viewport()->size()) * factor).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint_layout(&painter, vis->scene, layout);
    return image;
}

// Scrolling the view moves the viewport's children too, which would tear the
// picture: the panes stay over the whole viewport.
void PaneView::moveEvent(QMoveEvent *)
{
    if (pos() != QPoint(0, 0))
        move(0, 0);
}

void PaneView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint_layout(&painter, vis->scene, shown);
}

bool PaneView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && vis->scene != nullptr && !vis->steps.isEmpty())
        follow();
    return QWidget::eventFilter(watched, event);
}
