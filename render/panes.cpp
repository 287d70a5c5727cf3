// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "panes.h"

#include "num_to_str.h"
#include "rows.h"
#include "visualizer.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace
{

constexpr qreal margin = 8; // view pixels around and between the pieces
constexpr qreal box = rows::box_size;
// The panes show the sequence and subsequence rows.
constexpr qreal sequence_top = rows::sequence_y;
constexpr qreal rows_height = rows::height - rows::sequence_y;

// The two boxes a step is about, by position, and the gap between them: the
// pair compared; an element at the front and the one it was swapped with; the
// first pair of a new subsequence or pass. -1 for none.
struct Focus {
    int first = -1;
    int second = -1;
    int gap = 0;
};

Focus focus_of(const Visualizer &vis)
{
    const TraceStep &step = vis.steps.at(vis.cur_step);
    const int n = int(vis.seq.size());
    if (step.gap_idx == -1 || n == 0)
        return {};
    Focus focus;
    focus.gap = vis.gaps.at(step.gap_idx);
    focus.first = step.pos_a != -1 ? step.pos_a : qMax(step.sub_start, 0);
    const qint64 second = step.pos_b != -1 ? step.pos_b : qint64(focus.first) + focus.gap;
    focus.second = second < n ? int(second) : -1;
    return focus;
}

} // namespace

int PaneLayout::panes() const
{
    return int(std::count_if(pieces.cbegin(), pieces.cend(),
                             [](const PanePiece &piece) { return piece.source.y() >= 0; }));
}

bool PaneLayout::shows(const QRectF &scene_rect) const
{
    for (const PanePiece &piece : pieces)
        if (piece.source.contains(scene_rect))
            return true;
    return false;
}

QFont mark_font(const QGraphicsScene *scene, qreal scale)
{
    QFont font = scene->font();
    font.setPixelSize(qMax(1, qRound(QFontInfo(scene->font()).pixelSize() * scale)));
    return font;
}

namespace
{

// The strip of the gaps, centred on the gap in force, or all of it where it fits.
PanePiece gap_strip_piece(const Visualizer &vis, const QSizeF &view, qreal scale, qreal top)
{
    const TraceStep &step = vis.steps.at(vis.cur_step);
    const qreal room = view.width() - 2 * margin;
    const qreal all = gap_strip_box(vis, 0).width() * qreal(vis.gaps.size());
    const qreal shown = qMin(all, room / scale);
    const qreal x =
        qBound<qreal>(0, gap_strip_box(vis, step.gap_idx).center().x() - shown / 2, all - shown);
    return {QRectF(x, rows::strip_y, shown, box),
            QRectF((view.width() - shown * scale) / 2, top, shown * scale, box * scale)};
}

// One pane over the rows, moved only when the boxes of the focus are not all
// in it, and then with half a box to spare.
PanePiece one_pane(const Visualizer &vis, const Focus &focus, const QRectF &rows, qreal unit,
                   qreal scale, qreal *left)
{
    const qreal width = unit * qreal(vis.seq.size());
    const qreal shown = rows.width() / scale;
    if (std::isnan(*left) || focus.first == -1)
        *left = 0;
    if (focus.first != -1) {
        const qreal from = focus.first * unit;
        const qreal to = (focus.second != -1 ? focus.second : focus.first) * unit + unit;
        const qreal spare = qMin(unit / 2, (shown - (to - from)) / 2);
        if (from < *left)
            *left = from - spare;
        if (to > *left + shown)
            *left = to + spare - shown;
    }
    *left = qBound<qreal>(0, *left, width - shown);
    return {QRectF(*left, sequence_top, shown, rows_height), rows};
}

// Two panes, each centred on one of the boxes of the focus, with the break
// mark between them that says how far apart they are.
void two_panes(const Visualizer &vis, const Focus &focus, const QRectF &rows, qreal unit,
               PaneLayout *layout)
{
    const qreal width = unit * qreal(vis.seq.size());
    layout->apart = QCoreApplication::translate("Panes", "… %1 apart …").arg(num_to_str(focus.gap));
    const qreal mark =
        QFontMetricsF(mark_font(vis.scene, layout->scale)).horizontalAdvance(layout->apart) +
        2 * margin;
    const qreal pane = (rows.width() - mark) / 2;
    const qreal shown = pane / layout->scale;
    for (int i = 0; i < 2; ++i) {
        const int position = i == 0 ? focus.first : focus.second;
        const qreal x = qBound<qreal>(0, (position + 0.5) * unit - shown / 2, width - shown);
        layout->pieces << PanePiece{
            QRectF(x, sequence_top, shown, rows_height),
            QRectF(rows.x() + i * (pane + mark), rows.y(), pane, rows.height())};
    }
    layout->mark = QRectF(rows.x() + pane, rows.y(), mark, rows.height());
}

// The elements whose boxes a pane shows at least half of: first and last.
std::pair<int, int> elements_in(int count, qreal unit, const QRectF &source)
{
    const int last = count - 1;
    return {qBound(0, qCeil(source.left() / unit - 0.5), last),
            qBound(0, qFloor(source.right() / unit - 0.5), last)};
}

// Over a pane's boxes, the numbers (from 1) of its first and last element and
// of every tenth between; below its cut edges, how many elements go on there.
void add_notes(const Visualizer &vis, qreal unit, const PanePiece &pane, bool left_edge,
               bool right_edge, PaneLayout *layout)
{
    const qreal scale = layout->scale;
    const auto [first, last] = elements_in(int(vis.seq.size()), unit, pane.source);
    const qreal band = box * scale;
    const auto centre_of = [&](int i) {
        return pane.target.left() + ((i + 0.5) * unit - pane.source.left()) * scale;
    };
    for (int i = first; i <= last; ++i) {
        const bool tenth = (i + 1) % 10 == 0 && i - first >= 3 && last - i >= 3;
        if (i == first || i == last || tenth)
            layout->notes << PaneNote{QRectF(centre_of(i) - unit * scale, pane.target.top() - band,
                                             2 * unit * scale, band),
                                      num_to_str(i + 1), Qt::AlignCenter};
    }
    const QRectF below(pane.target.left(), pane.target.bottom(), pane.target.width(), band);
    const int before = first, after = int(vis.seq.size()) - 1 - last;
    if (left_edge && before > 0)
        layout->notes << PaneNote{
            below, QCoreApplication::translate("Panes", "← %1 more").arg(num_to_str(before)),
            Qt::AlignLeft | Qt::AlignVCenter};
    if (right_edge && after > 0)
        layout->notes << PaneNote{
            below, QCoreApplication::translate("Panes", "%1 more →").arg(num_to_str(after)),
            Qt::AlignRight | Qt::AlignVCenter};
}

} // namespace

PaneLayout lay_out(const Visualizer &vis, const QSizeF &view, qreal scale, qreal *left)
{
    PaneLayout layout;
    layout.scale = scale;
    layout.view = view;
    if (vis.steps.isEmpty() || vis.scene == nullptr)
        return layout;
    const qreal unit = box_width(vis);
    if (unit * qreal(vis.seq.size()) * scale <= view.width())
        return layout;
    layout.whole = false;

    // Centred with the room below for the notes of the panes' edges.
    const qreal top = qMax<qreal>(0, (view.height() - (rows::height + box) * scale) / 2);
    if (vis.steps.at(vis.cur_step).gap_idx != -1)
        layout.pieces << gap_strip_piece(vis, view, scale, top);

    const QRectF rows(margin, top + sequence_top * scale, view.width() - 2 * margin,
                      rows_height * scale);
    const Focus focus = focus_of(vis);
    if (focus.second == -1 || (focus.gap + 1) * unit * scale <= rows.width())
        layout.pieces << one_pane(vis, focus, rows, unit, scale, left);
    else
        two_panes(vis, focus, rows, unit, &layout);
    const int panes = layout.panes();
    for (int i = 0; i < panes; ++i)
        add_notes(vis, unit, layout.pieces.at(layout.pieces.size() - panes + i), i == 0,
                  i == panes - 1, &layout);
    return layout;
}

QList<QPainterPath> break_lines(const PaneLayout &layout)
{
    const QRectF mark = layout.mark;
    const qreal step = 5 * layout.scale;
    QList<QPainterPath> lines;
    for (const qreal x : {mark.left() + margin / 2, mark.right() - margin / 2}) {
        QPainterPath zigzag(QPointF(x, mark.top()));
        for (qreal y = mark.top() + step; y <= mark.bottom(); y += step)
            zigzag.lineTo(x + (int((y - mark.top()) / step) % 2 ? step / 2 : 0), y);
        lines << zigzag;
    }
    return lines;
}

void paint_layout(QPainter *painter, QGraphicsScene *scene, const PaneLayout &layout)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    for (const PanePiece &piece : layout.pieces) {
        painter->save();
        painter->setClipRect(piece.target);
        scene->render(painter, piece.target, piece.source, Qt::IgnoreAspectRatio);
        painter->restore();
    }
    if (!layout.mark.isEmpty()) {
        const QRectF mark = layout.mark;
        painter->setPen(QPen(Qt::black, qMax<qreal>(1, layout.scale)));
        for (const QPainterPath &line : break_lines(layout))
            painter->drawPath(line);
        painter->setFont(mark_font(scene, layout.scale));
        const QRectF text = painter->boundingRect(mark, Qt::AlignCenter, layout.apart);
        painter->fillRect(text.adjusted(-2, -2, 2, 2), Qt::white);
        painter->drawText(mark, Qt::AlignCenter, layout.apart);
    }
    if (!layout.notes.isEmpty()) {
        painter->setPen(Qt::black);
        painter->setFont(mark_font(scene, layout.scale));
        for (const PaneNote &note : layout.notes)
            painter->drawText(note.place, int(note.align), note.text);
    }
    painter->restore();
}
