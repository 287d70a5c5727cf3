// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Whether the window's fixed form shows its texts whole, and the application
// font that makes it so. The form's rectangles are fixed, but desktop fonts
// vary: a caption that does not fit is cut off, and a status text taller than
// its panel hides its counters under a scroll bar.
#pragma once

#include <QFont>
#include <QList>
#include <QString>

class Ui_MainWindow;

struct TextFit {
    QString control; // object name
    QString text;    // the widest (or tallest) text the control must show
    int needed;      // pixels the text takes, across or, for the status panel, down
    int available;   // pixels the control offers it
};

// Every text the window can show in its controls, measured at their current font.
QList<TextFit> measure_texts(const Ui_MainWindow &ui);

// The controls whose texts do not show whole at their current font.
QStringList clipped_controls(const Ui_MainWindow &ui);

// The font at which the window's texts fit, starting from the desktop's: its
// family at the largest size that fits, never below 8 points; failing that
// the first installed narrow family (DejaVu Sans Condensed, which the package
// depends on) at the largest size that fits; failing that the desktop's family
// at 8 points.
QFont fitting_font(const QFont &desktop);
