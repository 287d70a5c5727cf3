// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Contrast as WCAG 2 measures it, and the dimmest text that keeps enough of it.
#pragma once

#include <QColor>

// From 1 (alike) to 21 (black on white).
qreal contrast_ratio(const QColor &a, const QColor &b);

// The colour on the way from ink to ground nearest the ground whose contrast
// with the ground is at least ratio: text that looks subdued yet stays
// legible. An ink with less contrast than that is first replaced by black or
// white, whichever has more.
QColor dimmed_ink(const QColor &ink, const QColor &ground, qreal ratio);
