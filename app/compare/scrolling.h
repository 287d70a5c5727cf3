// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

class QScrollArea;
class QWidget;

namespace compare_detail
{

// The content in a frameless area that scrolls where the window is smaller
// than the content's least size, as with large print on a small screen,
// rather than squeezing it.
QScrollArea *scrolling(QWidget *content, QWidget *parent);

} // namespace compare_detail
