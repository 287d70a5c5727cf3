// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

// The other windows reach the dialogs through this header too.

#include <QMainWindow>

class Accessibility;
class Classroom;
class PaneView;
class QTimer;
class Sleeper;
class Ui_MainWindow;
class Visualizer;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The captions over the size slider and over the typed-sequence field.
    static QString size_caption(int val);
    static QString typed_caption();

    bool is_playing() const { return playing; }
    // The formula in force, by its index in the formula table.
    int formula() const { return cur_formula; }
    // The pause per step the speed slider sets, in milliseconds.
    qint32 playback_delay() const;
    // A move asked for by a key and not drawn yet is drawn now, so that what
    // follows acts on the step on display.
    void settle();

public slots:
    void set_stepgen(int num);
    void display_size(int val);
    void new_seq();
    void switch_to_manual();
    void switch_to_random();
    void step_to(int wh);
    void step_back();
    void step_front();
    void prev_sub();
    void next_sub();
    void first();
    void last();
    void jump();
    void play();

signals:
    // A new trace is on display.
    void trace_applied();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connect_controls();
    void add_step_keys();
    void redraw();
    void show_step();
    void draw_step();
    void set_playback_controls_enabled(bool enabled);

    int cur_formula;
    Visualizer *vis;
    bool playing;
    Sleeper *sleeper;
    Ui_MainWindow *ui;
    // Moves asked for by keys are drawn once the keys queued so far are handled,
    // so that a held key never leaves steps queued behind slow redraws.
    QTimer *key_redraw = nullptr;
    bool moving_by_key = false;
    Accessibility *access = nullptr;
    PaneView *panes = nullptr; // the canvas following the step
    // The menu, the presentation, the race, pictures, predicting, examples.
    Classroom *classroom = nullptr;
};

// The form takes its icon from ../icon2.png, which is missing when the program
// is started from a menu or from PATH: then the icon theme's, and failing that
// the copy built into the program.
void ensure_window_icon(QWidget *window);
