// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QColor>

namespace compare_detail
{

// WCAG's contrast ratio of two colours, 1 to 21: 4.5 or more for text, 3 or
// more for what shows a state, such as the focus.
qreal contrast(const QColor &a, const QColor &b);

} // namespace compare_detail
