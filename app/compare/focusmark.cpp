// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "focusmark.h"

#include "access/focus_ring.h"
#include "contrast.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPalette>

namespace
{

// WCAG's least contrast for what shows a state, such as the focus.
constexpr qreal least_contrast = 3;

} // namespace

namespace compare_detail
{

QColor mark_colour(const QPalette &palette)
{
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor window = palette.color(QPalette::Window), base = palette.color(QPalette::Base);
    const auto worst = [&](const QColor &colour) {
        return qMin(contrast_ratio(colour, window), contrast_ratio(colour, base));
    };
    if (worst(highlight) >= least_contrast)
        return highlight;
    // The highlight's hue at the lightness nearest its own that stands out
    // from both, or at the one that stands out most where none does.
    QColor nearest, boldest = highlight;
    for (int lightness = 0; lightness <= 255; ++lightness) {
        const QColor candidate =
            QColor::fromHsl(highlight.hslHue(), highlight.hslSaturation(), lightness);
        if (worst(candidate) > worst(boldest))
            boldest = candidate;
        if (worst(candidate) >= least_contrast &&
            (!nearest.isValid() || qAbs(lightness - highlight.lightness()) <
                                       qAbs(nearest.lightness() - highlight.lightness())))
            nearest = candidate;
    }
    return nearest.isValid() ? nearest : boldest;
}

QColor mark_inner_colour(const QPalette &palette)
{
    return readable_on(mark_colour(palette));
}

void paint_focus_mark(QPainter *painter, const QRectF &rect, const QPalette &palette)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    QPalette rings = palette;
    rings.setColor(QPalette::Highlight, mark_colour(palette));
    paint_focus_ring(painter, rect, rings);
    rings.setColor(QPalette::Highlight, mark_inner_colour(palette));
    constexpr qreal ring = focus_mark_width / 2.0;
    paint_focus_ring(painter, rect.adjusted(ring, ring, -ring, -ring), rings);
    painter->restore();
}

QRect in_sight(const QWidget *widget)
{
    QRect shown = widget->rect();
    for (const QWidget *inner = widget; !inner->isWindow(); inner = inner->parentWidget())
        shown &=
            QRect(widget->mapFrom(inner->parentWidget(), QPoint()), inner->parentWidget()->size());
    return shown;
}

FocusMark::FocusMark(QWidget *target, std::function<QRect()> area)
    : FocusRing(target), area(std::move(area))
{
}

void FocusMark::make_room()
{
    room = true;
    grow_target();
}

void FocusMark::grow_target()
{
    QWidget *target = parentWidget();
    target->setMinimumSize(target->sizeHint() + QSize(2 * focus_mark_width, focus_mark_width));
}

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    if (room && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        grow_target();
    return FocusRing::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent *)
{
    // Around what the page shows of the target, where it scrolls.
    QPainter painter(this);
    paint_focus_mark(&painter, QRectF((area ? area() : rect()) & in_sight(parentWidget())),
                     palette());
}

void MarkedCells::paint(QPainter *painter, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const bool focused = cell.state & QStyle::State_HasFocus;
    cell.state &= ~QStyle::State_HasFocus;
    // The ground across the whole cell, the text clear of the mark.
    const QWidget *view = option.widget;
    QStyle *style = view != nullptr ? view->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, view);
    QStyleOptionViewItem inside = option;
    inside.state &= ~QStyle::State_HasFocus;
    inside.rect.adjust(focus_mark_width, 0, -focus_mark_width, 0);
    QStyledItemDelegate::paint(painter, inside, index);
    if (focused)
        paint_focus_mark(painter, option.rect, option.palette);
}

QSize MarkedCells::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index) +
           QSize(2 * focus_mark_width, focus_mark_width);
}

} // namespace compare_detail
