// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window for keyboard and screen-reader users: every control named and
// reachable in reading order, a visible focus, playback from the keys, and
// each step told to screen readers.
//
// Qt 6.4 has no announcement for screen readers, and Orca 43 leaves text
// changes in labels and read-only fields unspoken. What it does speak is a
// move of the focus: so a view of a trace is exposed as a list of its steps,
// one item per step named by what the status panel says, and each step shown
// moves the accessible focus to its item. The items are made on demand, as a
// trace can hold tens of thousands of steps.
#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

class MainWindow;
class QAction;
class QGraphicsView;
class QWidget;
class Ui_MainWindow;
class Visualizer;
struct StepWords;

// What a view of a trace shows, one sentence per row: the gaps with the
// applied, the one in force and those to come; the sequence; the current
// subsequence, where it starts and what is compared.
QStringList describe_rows(const Visualizer &vis);

class Accessibility : public QObject
{
    Q_OBJECT

public:
    // Makes views of a trace, the speed slider and the presentation known
    // to screen readers as what they are; call before the first widget is made.
    static void install();
    // The trace a view shows is found through its scene.
    static void add_trace(Visualizer *vis);

    Accessibility(MainWindow *window, Ui_MainWindow *ui, Visualizer *vis);

    // Tells screen readers the step on display, in the view that has the
    // user's attention: the presentation when it is the active window.
    void step_shown(const StepWords &words);
    // Tells them the step a view of a trace shows.
    static void tell(QGraphicsView *view);
    // Has a window that can speak (the race) say the text.
    static void say(QWidget *window, const QString &text);

    // The texts of the speed slider, for measuring what the form must hold.
    static QString speed_name();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void name_controls();
    void order_tabs();

    MainWindow *window;
    Ui_MainWindow *ui;
    Visualizer *vis;
    QHash<QObject *, QWidget *> rings; // the focus rings of the widgets that show none
};
