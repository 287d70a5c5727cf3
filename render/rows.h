// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Where the rows of a step lie in the scene: the gaps on top, the sequence
// below them, the current subsequence at the bottom, and the gap strip that
// views in panes show apart from the picture.
#pragma once

#include <QRectF>

class Visualizer;

namespace rows
{
constexpr int box_size = 25;
constexpr int gap_y = 0;
constexpr int sequence_y = 50;
constexpr int subsequence_y = 100;
// Between the tops of two rows.
constexpr int pitch = sequence_y - gap_y;
// The picture's height: the three rows.
constexpr int height = subsequence_y + box_size;
// The top of the gap strip, away from the picture.
constexpr qreal strip_y = -1000;
} // namespace rows

// The width of a sequence box: 25, or wider when a label needs it.
int box_width(const Visualizer &vis);
// The rectangle of the gap strip's box of gap index i: the gaps side by side
// at a width of their own.
QRectF gap_strip_box(const Visualizer &vis, int index);
