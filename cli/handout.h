// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// A handout of a trace: one SVG picture per step and an index.html that pages
// through them with the step sentences.
#pragma once

#include <QString>

class Visualizer;

// Writes steps first to last (counted from 1) of the trace into folder, which
// is made if need be and must be empty unless replace is set, which replaces
// it whole. The handout appears whole or not at all; on failure the reason,
// naming folder as given, is in *error.
bool write_handout(Visualizer &vis, const QString &formula, const QString &folder, bool replace,
                   int first, int last, QString *error);
