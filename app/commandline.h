// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Starting the window from a command line, vellora [-f FORMULA] [NUMBER...],
// so that a lesson can be prepared as a launcher or a script; and saying
// plainly on the terminal when the arguments are wrong, display or not, or
// when there is no display to show it on.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

class MainWindow;
class QApplication;

// What a command line asks of the window program.
struct WindowCommandLine {
    enum Request { Window, Help, Version, Error };
    Request request = Window;
    QString text;            // with Help or Version what to print, with Error why it failed
    QString warning;         // a note that does not stop the window
    int formula = -1;        // -1 leaves the window's own
    QVector<qint32> numbers; // empty leaves the sequence random
};

// Reads the arguments, the program's name first; Qt's own options must have
// been taken out already, but for --help and --version, which win over them.
WindowCommandLine read_command_line(const QStringList &arguments);

// The arguments without Qt's own options, as QApplication leaves them.
QStringList without_qt_options(const QStringList &arguments);

// Prints what --help or --version asks for, or why the arguments are wrong,
// and gives the exit status, all without a display; nothing when the window
// is to open.
std::optional<int> answer_without_display(int argc, char **argv);

// The application; without a display, one line on standard error and exit
// status 1 instead of Qt's abort. Qt's notes while it is made wait for
// check_command_line.
std::unique_ptr<QApplication> open_application(int &argc, char **argv);

// Prints the command line's error, alone, or else Qt's notes from
// open_application and the command line's warning, on standard error; false
// when the window must not open, and the program ends with exit_usage. (An
// error shows here only where the window system leaves an option of Qt's
// that answer_without_display took out.)
bool check_command_line(const WindowCommandLine &command);
constexpr int exit_usage = 2;

// Chooses the formula and applies the sequence, the typed mode on and the
// field showing the numbers, as if the user had done so in the window.
void prepare_window(MainWindow *window, const WindowCommandLine &command);
