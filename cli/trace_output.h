// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// vellora-trace's output of one trace, as text or JSON, and of the comparison
// of every formula on one sequence.
#pragma once

#include <QVector>

class QTextStream;
class Visualizer;

// Every step with its sentence and the arrangement after it, under a head of
// the formula, sequence, gaps and counts.
void print_trace_text(QTextStream &out, Visualizer &vis, int formula);
void print_trace_json(QTextStream &out, Visualizer &vis, int formula);

// A row per formula: its gaps, operations, swaps and steps on the sequence.
void print_compare(QTextStream &out, const QVector<qint32> &sequence, bool json);
