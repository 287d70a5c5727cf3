// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The dialogs every window of the program asks with: a message box that does
// not block the window's timers, where to save a picture, how many random
// numbers to sort, and the help page. What the user answered last is kept
// with QSettings and offered again, in later runs too.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Shows a parentless, application-modal message box without blocking and
// processes events until the user has closed it.
void show_message_and_wait(QMessageBox::Icon icon, const QString &title, const QString &text);

// Asks where to save a picture, as PNG or SVG, offering the name that
// name(suffix) gives for the kind chosen, in the folder and of the kind of the
// last picture saved; the path ends in .png or .svg, and is empty when the
// user cancels.
QString ask_picture_path(QWidget *parent,
                         const std::function<QString(const QString &suffix)> &name);

// Asks how many numbers a random sequence has, from 2 to the most the window
// sorts, offering the size answered last or else first; nothing when the user
// cancels.
std::optional<int> ask_random_size(QWidget *parent, int first);

// Opens the help page in the window's language in the desktop's browser; a
// box names the file where it cannot.
void open_help_page();

// Tells in a box that a picture could not be saved at path, and why.
void tell_unsaved_picture(const QString &path, const QString &error);
