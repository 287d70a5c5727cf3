// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// How a view shows a step whose picture is wider than the view: never smaller
// than legible, but in pieces of the one scene. Above, the strip of the gaps
// with the one in force; below, the sequence and the subsequence in one pane
// that follows the step, or in two when the boxes the step is about lie
// further apart than one pane is wide, with a break mark between them that
// says how far. Whether a pass is shown in two panes depends on its gap
// alone, so that a pass keeps its look from step to step.
#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <Qt>

class QFont;
class QGraphicsScene;
class QPainter;
class QPainterPath;
class Visualizer;

struct PanePiece {
    QRectF source; // in the scene
    QRectF target; // in the view, in pixels
};

// A line of text a layout adds around its panes: an element's number over its
// box, or how many elements go on past a pane's edge.
struct PaneNote {
    QRectF place; // in the view, in pixels
    QString text;
    Qt::Alignment align;
};

struct PaneLayout {
    bool whole = true;       // the picture fits: the view shows all of it, as always
    QList<PanePiece> pieces; // the gap strip, if a gap is in force, then the panes left to right
    QRectF mark;             // between two panes: the break mark
    QString apart;           // and what it says
    QList<PaneNote> notes;   // element numbers above the panes, what goes on below their edges
    qreal scale = 1;         // pixels per scene unit
    QSizeF view;             // the view's size, in pixels

    // How many panes show the sequence: none for a whole picture.
    int panes() const;
    // Whether a rectangle of the scene lies whole in one piece.
    bool shows(const QRectF &scene_rect) const;
};

// The layout of the step on display in a view of the given size, at the given
// pixels per scene unit. left keeps where the one pane starts, in the scene,
// so that it moves as little as it must: pass the same from step to step, or
// NaN for the start of the sequence. The first and the last step, which are
// about no element, show the start.
PaneLayout lay_out(const Visualizer &vis, const QSizeF &view, qreal scale, qreal *left);

// The break mark's two zigzag lines, as where a strip is cut; the distance
// between the panes goes between them.
QList<QPainterPath> break_lines(const PaneLayout &layout);

// Paints the pieces and the break mark of a layout that is not whole.
void paint_layout(QPainter *painter, QGraphicsScene *scene, const PaneLayout &layout);

// The font of the break mark and the notes at the layout's scale.
QFont mark_font(const QGraphicsScene *scene, qreal scale);
