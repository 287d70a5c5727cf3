// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The dialogs every window of the program asks with: a message box that does
// not block the window's timers, where to save a picture, and the help page.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Shows a parentless, application-modal message box without blocking and
// processes events until the user has closed it.
void show_message_and_wait(QMessageBox::Icon icon, const QString &title, const QString &text);

// Asks where to save a picture, as PNG or SVG, offering the name that
// name(suffix) gives for the kind chosen; the path ends in .png or .svg, and
// is empty when the user cancels.
QString ask_picture_path(QWidget *parent,
                         const std::function<QString(const QString &suffix)> &name);

// Opens the help page in the window's language in the desktop's browser; a
// box names the file where it cannot.
void open_help_page();
