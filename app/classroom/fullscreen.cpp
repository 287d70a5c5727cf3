// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "fullscreen.h"

#include <QScreen>

FullScreenView::FullScreenView(const QString &title, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(title);
    setCursor(Qt::BlankCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
}

void FullScreenView::present_on(QScreen *screen)
{
    setScreen(screen);
    setGeometry(screen->geometry());
    showFullScreen();
    activateWindow();
    rescale();
}

void FullScreenView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    rescale();
}
