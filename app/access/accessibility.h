// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What screen readers learn of the windows, and when.
//
// Qt 6.4 has no announcement for screen readers, and Orca 43 leaves text
// changes in labels and read-only fields unspoken. What it does speak is a
// move of the focus, and a new value of the control it is on: so a view of a
// trace is exposed as a list of its steps (steps.h), and a step shown there
// moves the accessible focus to its item; the step box says the sentence of
// its step with its number (step_box.h).
#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QString>

class QGraphicsView;
class QSpinBox;
class QWidget;
class Ui_MainWindow;
class Visualizer;
struct StepWords;

class Accessibility : public QObject
{
    Q_OBJECT

public:
    // Makes views of a trace, the speed slider, the step box and the
    // presentation known to screen readers as what they are; call before the
    // first widget is made.
    static void install();
    // The trace a view shows is found through its scene.
    static void add_trace(Visualizer *vis);

    Accessibility(QWidget *window, Ui_MainWindow *ui, Visualizer *vis);

    // Tells screen readers the step on display. A view of the trace takes
    // their attention only while it has the keyboard, or the status panel or
    // a button that steps the trace has: the presentation when it is the
    // active window, else the canvas. Anywhere else the control with the
    // keyboard keeps it, and the step box tells the step, which is heard
    // while the box has the keyboard.
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The view of the trace that should have screen readers' attention, if any.
    QGraphicsView *attending_view() const;
    // Tells the step the view shows with the words first said before its sentence.
    void tell_with(QGraphicsView *view, const QString &first);
    // The canvas, back with the keyboard, tells its step after its own name.
    void canvas_focused();
    // A checkable action of the window, as predicting, was turned on or off:
    // said with the next step shown.
    void toggled(bool on);

    QWidget *window;
    QGraphicsView *canvas;
    QSpinBox *step_box;
    // Where the keyboard leaves the attention with the canvas: the status
    // panel, which says its step in words, and the step buttons, which keep
    // the keyboard when pressed.
    QList<QWidget *> with_canvas;
    Visualizer *vis;
    QString news; // said before the next step's sentence
};
