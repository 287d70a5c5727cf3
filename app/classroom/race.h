// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// A race for the presentation: two formulas sort the same sequence one above
// the other, each step key and each tick of playback moving both by a step,
// so that the class sees which gaps finish first. The first is the formula in
// force; Up and Down choose the second. The trace on display is left as it is.
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

    // Both one step forward or back, or to the first or last step.
    void step(int by);
    void to_end(bool last);
    // The second formula, the next or previous one but the first's; a new race.
    void choose_second(int by);
    // Starts or stops playback at the given pause per step.
    void play(int delay_ms);
    // The pause Space plays at, the window's.
    void set_pause(int ms) { pause_ms = ms; }
    bool playing() const;

    int formula(int lane) const;
    const Visualizer &racer(int lane) const;
    // The lane that reached its last step first; -1 while neither has, 2
    // when both did at once.
    int winner() const { return first_home; }

    // What a lane's counters say so far.
    static QString progress(const Visualizer &vis);

signals:
    // The race is over; the presentation comes back.
    void left();

protected:
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
    };

    void start(int lane, int formula);
    void show_steps();

    QVector<qint32> sequence;
    Lane lanes[2];
    QTimer *ticks;
    QLabel *keys;
    int first_home = -1;
    int pause_ms = 500;
};
