// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// A race for the presentation: two formulas sort the same sequence one above
// the other. The race is run in comparisons, the work a sort is measured by:
// each step key and each tick of playback moves both lanes to their next
// comparison, so that the lane with fewer comparisons finishes first, however
// much either says between two. The first is the formula in force; Up and
// Down choose the second. The trace on display is left as it is.
#pragma once

#include "fullscreen.h"

#include <QVector>

class PaneView;
class QGraphicsView;
class QLabel;
class QTimer;
class Visualizer;

class RaceView : public FullScreenView
{
    Q_OBJECT

public:
    // A race of the formula in force against the next one on the sequence.
    RaceView(const QVector<qint32> &sequence, int formula, QWidget *parent);

    // Both to their next or previous comparison; a lane with none left goes
    // to its last step. Or both to the first or the last step.
    void step(int by);
    void to_end(bool last);
    // The second formula, the next or previous one but the first's; it joins
    // the race at the comparisons reached.
    void choose_second(int by);
    // Starts or stops playback at the given pause per comparison.
    void play(int delay_ms);
    // The pause Space plays at, the window's.
    void set_pause(int ms) { pause_ms = ms; }
    bool playing() const;

    int formula(int lane) const;
    const Visualizer &racer(int lane) const;
    // The lane with fewer comparisons once it has finished; -1 before, 2
    // when both finish with as many.
    int winner() const;

    // What a lane's counters say so far.
    static QString progress(const Visualizer &vis);

signals:
    // The race is over; the presentation comes back.
    void left();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void rescale() override;

private:
    struct Lane {
        int formula = 0;
        Visualizer *vis = nullptr;
        QGraphicsView *view = nullptr;
        PaneView *panes = nullptr;
        QLabel *title = nullptr;
        QLabel *text = nullptr;
        // The steps that compare two elements, in order.
        QVector<qint32> comparisons;
    };

    void start(Lane &lane, int formula);
    // Each lane to the step at which it has made the comparisons reached.
    void go_to(int comparisons);
    // One more than the most comparisons of a lane: both have finished.
    int finish_line() const;
    void show_steps();
    // What screen readers hear as the race opens: both formulas.
    QString opening() const;
    void tick();
    // How long playback waits before its next comparison: the pause, or while
    // a screen reader runs, at least as long as the last line takes to say.
    int tick_ms() const;
    // The labels' heights at the window's size, and what is left for the pictures.
    void fit_texts();
    int picture_room() const;

    QVector<qint32> sequence;
    Lane lanes[2];
    QTimer *ticks;
    QLabel *keys;
    // The comparisons both lanes have made, or would have made had they not finished.
    int reached = 0;
    int pause_ms = 500;
    // The last line said to screen readers, which playback waits for.
    QString said;
    bool introduced = false;
};
