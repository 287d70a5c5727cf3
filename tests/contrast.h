// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QColor>
#include <QtMath>

// WCAG's contrast ratio of two colours, as the tests measure it.
inline qreal contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](qreal v) {
            return v <= 0.04045 ? v / 12.92 : qPow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const qreal la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return qMax(la, lb) / qMin(la, lb);
}
