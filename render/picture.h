// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Pictures of the step on display, for slides and handouts: the whole scene
// with all its rows, as PNG at twice its size or as SVG with text as text.
#pragma once

#include <QImage>
#include <QString>

class QGraphicsScene;

// The scene drawn on white at the given scale.
QImage scene_image(QGraphicsScene *scene, qreal scale = 2);

// A file name that says what the picture shows, e.g.
// shell-sort-step-029-of-046.png; numbers have as many digits as the count
// of steps, and at least three.
QString picture_file_name(int step, int steps, const QString &suffix);

// Writes the scene to path, as SVG when it ends in .svg, else as PNG. The
// file appears whole or not at all; on failure the reason is in *error.
bool write_picture(QGraphicsScene *scene, const QString &path, QString *error);
