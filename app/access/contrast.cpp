// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "contrast.h"

#include <QtMath>

namespace
{

qreal luminance(const QColor &c)
{
    const auto channel = [](qreal v) {
        return v <= 0.04045 ? v / 12.92 : qPow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mixed(const QColor &from, const QColor &to, int step, int steps)
{
    const auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

qreal contrast_ratio(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a) + 0.05;
    const qreal lb = luminance(b) + 0.05;
    return qMax(la, lb) / qMin(la, lb);
}

QColor dimmed_ink(const QColor &ink, const QColor &ground, qreal ratio)
{
    QColor from = ink;
    if (contrast_ratio(from, ground) < ratio)
        from = contrast_ratio(Qt::black, ground) >= contrast_ratio(Qt::white, ground)
                   ? QColor(Qt::black)
                   : QColor(Qt::white);
    // In steps of at most one level of a channel; the first that falls short ends the way.
    constexpr int steps = 256;
    QColor dimmest = from;
    for (int step = 1; step <= steps; ++step) {
        const QColor next = mixed(from, ground, step, steps);
        if (contrast_ratio(next, ground) < ratio)
            break;
        dimmest = next;
    }
    return dimmest;
}
