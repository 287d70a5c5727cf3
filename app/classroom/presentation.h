// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The step on display full screen, for a projector: the window's own scene,
// scaled up, with the status panel's text below it in a large font. One state,
// two views: everything shown comes from the window's scene and status panel.
#pragma once

#include "fullscreen.h"

class PaneView;
struct PaneLayout;
class QBoxLayout;
class QGraphicsView;
class QLabel;
class Visualizer;
struct StepWords;

class PresentationView : public FullScreenView
{
    Q_OBJECT

public:
    PresentationView(Visualizer *vis, QWidget *parent);

    // The words of the step on display, below the picture.
    void set_words(const StepWords &words);

    // Keeps in view the boxes the step on display is about.
    void follow();
    const PaneLayout &pane_layout() const;

    bool blanked() const;
    void set_blanked(bool blank);

    // A small line below the legend, such as the score of the predict mode;
    // none while empty.
    void set_score(const QString &line);

    // The scale of the picture on a screen: as wide as the screen allows
    // with margins, no higher than the given share of the screen's height, so
    // that the text has room, and never with boxes under 40 pixels nor, given
    // the height of the scene's digits at scale 1, digits under 20 pixels: a
    // wider picture is shown in panes.
    static qreal scale_for(const QSizeF &picture, const QSize &screen, qreal height_share = 0.55,
                           qreal digit_height = 0);

signals:
    // The presentation became the active window.
    void activated();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    void rescale() override;

private:
    // The words below the picture: the legend, the score, the step's text.
    QBoxLayout *make_notes();
    // The black that covers everything while the screen is blanked.
    void make_blank();

    Visualizer *vis;
    QGraphicsView *view;
    PaneView *panes;
    QLabel *legend;
    QLabel *score;
    QLabel *text;
    QWidget *blank;
};
