// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The sorting model: one sequence, its gap list, the recorded Shell-sort trace
// and the step on display. Moving between steps replays or undoes the recorded
// exchanges on the single array; no step stores a copy of it.
#pragma once

#include "gaps.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <limits>

class QBrush;
class QGraphicsRectItem;
class QGraphicsScene;
class QTextBrowser;

// -1 in an integer field means that the field does not apply.
struct TraceStep {
    qint32 gap_idx = -1;
    qint32 sub_start = -1;
    qint32 pos_a = -1;
    qint32 pos_b = -1;
    QString text;
    bool is_swap = false;
};

// What one Shell sort costs: its comparisons and, among them, its exchanges.
struct SortCount {
    qint32 comparisons = 0;
    qint32 swaps = 0;
};

// Sorts *work with the gaps in the order given, by the very loop build_trace
// records, but records nothing: only the counts, for measuring cost over many
// sequences. Reentrant.
SortCount count_shell_sort(QVector<qint32> *work, const QVector<qint32> &gaps);

class Visualizer;

// A box value that draws no label; no sequence holds it, as numbers stay
// within -2147483647 to 2147483647.
constexpr qint32 no_label = std::numeric_limits<qint32>::min();

// The sequence as the trace starts from it: seq with the exchanges before the
// step on display undone.
QVector<qint32> initial_sequence(const Visualizer &vis);

class Visualizer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int current_step MEMBER cur_step WRITE set_current_step)

public:
    Visualizer(QObject *parent, QGraphicsScene *scene, QTextBrowser *status, GapGenerator stepgen,
               const QVector<qint32> &initial);
    ~Visualizer() override;

    void build_trace();
    void set_current_step(int target);
    void jump_sub(bool forward);

    // Drawing lives in the render library, so the model needs no widgets.
    void render();
    // Adds a box to the scene: a rectangle, with the value's digits centred
    // on it as its child (none for no_label).
    QGraphicsRectItem *draw_box(int x, int y, int w, int h, int value, QBrush brush);

    QTextBrowser *status;
    QVector<qint32> seq;
    QVector<qint32> gaps;
    QVector<TraceStep> steps;
    qint32 cur_step;
    qint32 op_count;
    qint32 swap_count;
    QGraphicsScene *scene;
    GapGenerator stepgen;
};
