// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Teaching in a room: the canvas menu and the keys of its actions, the
// full-screen presentation and the race, pictures of a step, predicting, the
// examples and the compare window. The window draws the step and hands the
// classroom its words; the classroom says what predicting puts in them and
// asks the window to draw again when that changes.
#pragma once

#include "predict.h"
#include "words.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class CompareWindow;
class MainWindow;
class PaneView;
class PresentationView;
class QAction;
class QMenu;
class QScreen;
class Ui_MainWindow;
class Visualizer;
class WindowKeys;

class Classroom : public QObject
{
    Q_OBJECT

public:
    // panes: the canvas's, whose layout the pictures follow.
    Classroom(MainWindow *window, Ui_MainWindow *ui, Visualizer *vis, const PaneView *panes);

    // A key that moves through the trace. While the presentation is blank it
    // shows the step again instead, so that the class never misses a step.
    void add_step_key(const QList<QKeySequence> &keys, const std::function<void()> &move);
    // Rests the keys that rest during playback, or wakes them.
    void set_playing(bool playing);

    // What stands in for the step's sentence while predicting; empty where
    // the sentence is as usual.
    QString sentence() const;
    // The window's title, which says while predicting, with the score.
    QString title() const;
    // Shows the verdict of a question on display without an answer; false
    // where no question was on display.
    bool reveal();
    // The words of the step on display, for the presentation.
    void show_words(const StepWords &words);

    // Writes a picture of the step on display, PNG or SVG by the name's
    // suffix; a file that cannot be written gets a box naming it.
    bool save_picture(const QString &path);
    // The name offered for it, which says what the picture shows.
    QString picture_name(const QString &suffix) const;

signals:
    // What the step on display says has changed: predicting went on or off,
    // or a question was answered.
    void sentence_changed();
    // The presentation became the active window, showing these words.
    void presentation_activated(const StepWords &words);

private:
    void add_menu_items();
    void add_examples(QMenu *examples);
    void add_predicting_keys();
    void add_presentation_keys();

    void open_menu(const QPoint &where);
    void toggle_presentation();
    void present(QScreen *screen);
    void leave_presentation();
    void race();
    void toggle_predicting();
    void answer(bool swap);
    void apply_example(int kind);
    void apply_random();
    // As the typed sequence, through Apply's path, so that the field shows them.
    void apply_typed(const QVector<qint32> &numbers);
    void copy_sequence();
    void copy_picture();
    void save_picture_as();
    void open_compare();

    MainWindow *window;
    Ui_MainWindow *ui;
    Visualizer *vis;
    const PaneView *panes;
    WindowKeys *keys;
    Predictor predictor;
    StepWords words; // of the step on display, as the window handed them
    QMenu *menu = nullptr;
    QAction *present_elsewhere = nullptr;
    QAction *predict_action = nullptr;
    QPointer<PresentationView> presentation;
    QPointer<CompareWindow> compare;
};
