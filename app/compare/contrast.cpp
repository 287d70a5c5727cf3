// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "contrast.h"

#include <cmath>

namespace
{

qreal luminance(const QColor &colour)
{
    const auto channel = [](qreal v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

} // namespace

namespace compare_detail
{

qreal contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return qMax(la, lb) / qMin(la, lb);
}

} // namespace compare_detail
