// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What screen readers learn of the windows, and when.
//
// Qt 6.4 has no announcement for screen readers, and Orca 43 leaves text
// changes in labels and read-only fields unspoken. What it does speak is a
// move of the focus: so a view of a trace is exposed as a list of its steps
// (steps.h), and each step shown moves the accessible focus to its item.
#pragma once

#include <QAccessible>
#include <QObject>

class QGraphicsView;
class QWidget;
class Ui_MainWindow;
class Visualizer;
struct StepWords;

class Accessibility : public QObject
{
    Q_OBJECT

public:
    // Makes views of a trace, the speed slider and the presentation known
    // to screen readers as what they are; call before the first widget is made.
    static void install();
    // The trace a view shows is found through its scene.
    static void add_trace(Visualizer *vis);

    Accessibility(QWidget *window, Ui_MainWindow *ui, Visualizer *vis);

    // Tells screen readers the step on display, in the view that has the
    // user's attention: the presentation when it is the active window.
    void step_shown(const StepWords &words);
    // Tells them the step a view of a trace shows.
    static void tell(QGraphicsView *view);
    // Has a window that can speak (the race) say the text.
    static void say(QWidget *window, const QString &text);

    // Has listener hear every step, choice and line told to screen readers,
    // whether one listens or not; nullptr ends it. For tests, as the
    // offscreen platform has no screen readers.
    static void listen(QAccessible::UpdateHandler listener);

    // The texts of the speed slider, for measuring what the form must hold.
    static QString speed_name();

private:
    QWidget *window;
    QGraphicsView *canvas;
    Visualizer *vis;
};
