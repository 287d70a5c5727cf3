// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "scrolling.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

namespace compare_detail
{

QScrollArea *scrolling(QWidget *content, QWidget *parent)
{
    auto *area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    // The page's own ground shows through, as it did without the area.
    area->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    // A focus mark lies around what is in sight: scrolled, it is drawn anew.
    for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
        QObject::connect(bar, &QScrollBar::valueChanged, content, [content] {
            QWidget *focused = QApplication::focusWidget();
            if (focused != nullptr && content->isAncestorOf(focused))
                focused->update();
        });
    return area;
}

} // namespace compare_detail
