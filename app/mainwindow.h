// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include "predict.h"
#include "words.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <functional>

class Accessibility;
class CompareWindow;
class PaneView;
class PresentationView;
class QAction;
class QMenu;
class QScreen;
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

    // Writes a picture of the step on display, PNG or SVG by the name's
    // suffix; a file that cannot be written gets a box naming it.
    bool save_picture(const QString &path);
    // The name offered for it, which says what the picture shows.
    QString picture_name(const QString &suffix) const;

    bool is_playing() const { return playing; }

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
    void add_shortcuts();
    void redraw();
    void show_step();
    void draw_step();
    void settle();
    void set_playback_controls_enabled(bool enabled);
    // The pause per step the speed slider sets, in milliseconds.
    qint32 playback_delay() const;
    void open_help();

    // Teaching in a room: the canvas menu and its keys, the presentation,
    // pictures, predicting (classroom.cpp).
    QAction *add_key_action(const QString &text, const QList<QKeySequence> &keys,
                            bool while_playing, const std::function<void()> &what);
    void add_classroom_actions();
    void open_menu(const QPoint &where);
    void present(QScreen *screen);
    void race();
    void leave_presentation();
    void copy_picture();
    void save_picture_as();
    void answer(bool swap);
    void open_compare();

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

    Predictor predictor;
    StepWords words; // of the step on display, as every view shows them
    QMenu *menu = nullptr;
    QAction *present_elsewhere = nullptr;
    QAction *predict_action = nullptr;
    QList<QAction *> window_keys;       // also work in the presentation
    QList<QAction *> presentation_keys; // work only there
    QList<QAction *> resting_keys;      // not during playback
    QPointer<PresentationView> presentation;
    QPointer<CompareWindow> compare;
};

// The form takes its icon from ../icon2.png, which is missing when the program
// is started from a menu or from PATH: then the icon theme's, and failing that
// the copy built into the program.
void ensure_window_icon(QWidget *window);

// Asks where to save a picture, as PNG or SVG, offering the name that
// name(suffix) gives for the kind chosen; the path ends in .png or .svg, and
// is empty when the user cancels.
QString ask_picture_path(QWidget *parent,
                         const std::function<QString(const QString &suffix)> &name);

// Shows a parentless, application-modal message box without blocking and
// processes events until the user has closed it.
void show_message_and_wait(QMessageBox::Icon icon, const QString &title, const QString &text);
