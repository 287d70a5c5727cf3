// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Whether the window's fixed form shows its texts whole, and the application
// font that makes it so. The form's rectangles are fixed, but desktop fonts
// vary: a caption that does not fit is cut off, and a status text taller than
// its panel hides its counters under a scroll bar.
#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QMainWindow;
class QScreen;
class QWidget;
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

// How much larger than usual the window is drawn for the user's text size: 1
// for the usual desktop fonts of 9 to 11 points; above that, as much as the
// font is larger than 9 points, but no larger than the screen's available
// area allows.
qreal text_scale(const QFont &desktop, const QRect &available);

// The scale every new window takes (1 unless set).
qreal window_scale();
void set_window_scale(qreal scale);

// Scales every rectangle of the form, and the window, by scale.
void enlarge_form(Ui_MainWindow &ui, QMainWindow *window, qreal scale);

// The font at which the window's texts fit, starting from the desktop's, for
// the form at the given scale: its family at the largest size that fits,
// never below 8 points; failing that the first installed narrow family
// (DejaVu Sans Condensed, which the package depends on) at the largest size
// that fits; failing that the desktop's family at 8 points.
QFont fitting_font(const QFont &desktop, qreal scale = 1);

// The font for the canvas's picture, which its views scale by the window's
// scale: the window's font as it is at the usual desktop sizes.
QFont picture_font(const QFont &window, qreal scale);

// Fixes the window at the size its form has where that fits in room, the
// screen's available area; else the form scrolls in a window that does fit.
void fit_in(QMainWindow *window, const QSize &room);

// The room for a window's content on a screen: its available area, less the
// frame a window manager puts around it. Unbounded without a screen.
QSize available_room(const QScreen *screen);

// Sizes a new window to fit the available area of the screen of over, and
// centres it on over as far as that area allows.
void place_over(QWidget *window, const QWidget *over);
