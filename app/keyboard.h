// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window without a mouse: every control named and reachable in reading
// order, a visible focus, and playback started and stopped from the keys.
#pragma once

#include <QObject>

class MainWindow;
class Ui_MainWindow;

class Keyboard : public QObject
{
    Q_OBJECT

public:
    Keyboard(MainWindow *window, Ui_MainWindow *ui);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void name_controls();
    void keep_about_legible();
    void dim_about_text();
    void order_tabs();
    void show_focus();
    void play_on_space();
    void add_stop_key();

    MainWindow *window;
    Ui_MainWindow *ui;
};
