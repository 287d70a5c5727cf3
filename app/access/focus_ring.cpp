// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "focus_ring.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>

void paint_focus_ring(QPainter *painter, const QRectF &rect, const QPalette &palette)
{
    constexpr qreal width = 2;
    painter->setPen(QPen(palette.color(QPalette::Highlight), width));
    painter->drawRect(rect.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

FocusRing::FocusRing(QWidget *target) : QWidget(target)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    target->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Resize:
    case QEvent::Show: {
        const auto *target = static_cast<QWidget *>(watched);
        setGeometry(target->rect());
        raise();
        setVisible(target->hasFocus());
        update();
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint_focus_ring(&painter, rect(), palette());
}
