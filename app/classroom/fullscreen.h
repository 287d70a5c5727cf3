// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What the presentation and the race have in common: a window of its own for
// a projector, black on white without a mouse pointer, that fills a screen
// and scales its pictures to it.
#pragma once

#include <QWidget>

class QScreen;

class FullScreenView : public QWidget
{
    Q_OBJECT

public:
    // Fills the screen with the view, as the active window.
    void present_on(QScreen *screen);

protected:
    FullScreenView(const QString &title, QWidget *parent);

    // Fits the pictures to the view's size.
    virtual void rescale() = 0;

    void resizeEvent(QResizeEvent *event) override;
};
