// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// A chart as a picture: PNG at twice its size on screen, for slides, or SVG
// at its size.
#pragma once

#include <QImage>
#include <QString>

class QChartView;

namespace compare_detail
{

// The chart on white, at twice its size on screen.
QImage chart_image(const QChartView *view);

// Writes the chart to path, as SVG where the name ends in .svg and as PNG
// otherwise. False, with the reason in error, where it cannot.
bool save_chart_picture(const QChartView *view, const QString &path, QString *error);

} // namespace compare_detail
