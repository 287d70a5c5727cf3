// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window's keys: actions with shortcuts that work in the window and in
// the presentation, or in the presentation alone. Like the buttons, which are
// disabled then, most of them rest during playback; and none takes from a
// field being edited the keys it edits with.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class MainWindow;
class QAction;
class QWidget;

class WindowKeys : public QObject
{
public:
    WindowKeys(MainWindow *window, QObject *parent);

    // A key of the window that works in the presentation too; what it does
    // runs during playback only where while_playing.
    QAction *add(const QString &text, const QList<QKeySequence> &keys, bool while_playing,
                 const std::function<void()> &what);
    // A key of the presentation alone.
    void add_presenting(const QList<QKeySequence> &keys, bool while_playing,
                        const std::function<void()> &what);
    // Gives a presentation its keys: the window's and its own.
    void give_to(QWidget *presentation) const;

    // Rests the keys that rest during playback, or wakes them.
    void set_playing(bool playing);

    // Leaves the fields the keys they edit with: arrows, Home, End, Return and
    // the menu keys, Menu and Shift+F10, and a formula list the letters it
    // finds its items by.
    void guard(const QList<QWidget *> &fields);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindow *window;
    QList<QAction *> window_keys;       // also work in the presentation
    QList<QAction *> presentation_keys; // work only there
    QList<QAction *> resting_keys;      // not during playback
};
