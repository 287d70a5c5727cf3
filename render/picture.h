// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Pictures of the step on display, for slides and handouts: the whole scene
// with all its rows, as PNG at twice its size or as SVG with text as text; or,
// for a step that would be wider than a slide, what a view shows of it in
// panes (panes.h).
#pragma once

#include "panes.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

class QGraphicsScene;
class Visualizer;

// The size of the window's canvas, for pictures made without a window.
constexpr QSizeF canvas_view_size(676, 209);

// What a picture of the step shows: the whole scene, as long as it is at most
// 4096 pixels wide at twice its size; else what a view shows in the layout
// given.
PaneLayout picture_layout(const Visualizer &vis, const PaneLayout &shown);

// The picture's size at the given scale.
QSizeF picture_size(QGraphicsScene *scene, const PaneLayout &layout, qreal scale = 2);
// The picture drawn on white at the given scale.
QImage picture_image(QGraphicsScene *scene, const PaneLayout &layout, qreal scale = 2);

// The picture as SVG: boxes, marks, and each label centred on its box in
// the SVG itself, in a font that every browser has.
QByteArray picture_svg(QGraphicsScene *scene, const PaneLayout &layout);

// A file name that says what the picture shows, e.g.
// shell-sort-step-029-of-046.png; numbers have as many digits as the count
// of steps, and at least three.
QString picture_file_name(int step, int steps, const QString &suffix);

// Writes the picture to path, as SVG when it ends in .svg, else as PNG. The
// file appears whole or not at all; on failure the reason is in *error.
bool write_picture(QGraphicsScene *scene, const PaneLayout &layout, const QString &path,
                   QString *error);
