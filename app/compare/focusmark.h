// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The compare window's focus mark: the focus ring in the highlight colour,
// with a second ring inside it in black or white, whichever stands out from
// the first, so that one of the two stands out from whatever lies around
// it: the window, a white chart, a selected cell.
#pragma once

#include "access/focus_ring.h"

#include <QColor>
#include <QStyledItemDelegate>
#include <QWidget>

#include <functional>

class QPainter;
class QPalette;
class QRectF;

namespace compare_detail
{

// The outer ring's colour: the highlight, made darker or lighter where it
// stands under 3:1 against the window or the base; and the inner ring's.
QColor mark_colour(const QPalette &palette);
QColor mark_inner_colour(const QPalette &palette);

// Draws the mark just inside rect.
void paint_focus_mark(QPainter *painter, const QRectF &rect, const QPalette &palette);
// What of the widget a page that scrolls shows, in its coordinates, where
// the mark is drawn.
QRect in_sight(const QWidget *widget);
// How far the mark reaches into the rect.
constexpr int focus_mark_width = 4;

// The mark drawn over its target while the target has the focus, around
// the rect that area gives, in the target's coordinates, or around the
// whole target.
class FocusMark : public FocusRing
{
public:
    explicit FocusMark(QWidget *target, std::function<QRect()> area = {});

    // Keeps the target, such as a button whose text fills it, at least as
    // large as it would be with room for the mark all round its contents.
    void make_room();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void grow_target();

    std::function<QRect()> area;
    bool room = false;
};

// Cells with room for the mark around the current one, which it draws in
// place of the style's faint dotted frame.
class MarkedCells : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace compare_detail
