// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "steps.h"

#include "accessibility.h"
#include "num_to_str.h"
#include "rows.h"
#include "visualizer.h"

#include <QGraphicsView>
#include <QHash>
#include <QPointer>

#include <utility>

namespace
{

QList<QPointer<Visualizer>> &traces()
{
    static QList<QPointer<Visualizer>> list;
    return list;
}

QHash<const Visualizer *, std::pair<int, QString>> &shown_sentences()
{
    static QHash<const Visualizer *, std::pair<int, QString>> sentences;
    return sentences;
}

Visualizer *trace_of(const QGraphicsView *view)
{
    for (Visualizer *vis : std::as_const(traces()))
        if (vis != nullptr && view->scene() != nullptr && vis->scene == view->scene())
            return vis;
    return nullptr;
}

QString or_none(const QString &list)
{
    return list.isEmpty() ? Accessibility::tr("none") : list;
}

// One row of the canvas at the step on display, as a line of text.
class RowItem : public Part
{
public:
    RowItem(StepItem *item, int row) : Part(item), row(row) {}

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    StepList *list() const { return static_cast<StepItem *>(whole)->list; }

    int row;
};

QString RowItem::text(QAccessible::Text t) const
{
    const Visualizer *vis = list()->trace();
    if (t != QAccessible::Name || vis == nullptr || vis->steps.isEmpty())
        return QString();
    return describe_rows(*vis).value(row);
}

QRect RowItem::rect() const
{
    const QGraphicsView *view = list()->view();
    const QRectF scene = view->sceneRect();
    const QRect shown = view->mapFromScene(QRectF(scene.left(), rows::gap_y + rows::pitch * row,
                                                  scene.width(), rows::box_size))
                            .boundingRect()
                            .intersected(view->viewport()->rect());
    return QRect(view->viewport()->mapToGlobal(shown.topLeft()), shown.size());
}

} // namespace

QStringList describe_rows(const Visualizer &vis)
{
    const TraceStep &step = vis.steps.at(vis.cur_step);
    QString gaps;
    if (vis.gaps.isEmpty())
        gaps = Accessibility::tr("No gaps.");
    else if (step.gap_idx == -1)
        gaps = Accessibility::tr("Gaps %1, none in force.").arg(joined(vis.gaps));
    else
        gaps = Accessibility::tr("Gaps %1: %2 in force; applied: %3; to come: %4.")
                   .arg(joined(vis.gaps), num_to_str(vis.gaps.at(step.gap_idx)),
                        or_none(joined(vis.gaps.mid(0, step.gap_idx))),
                        or_none(joined(vis.gaps.mid(step.gap_idx + 1))));
    const QString sequence = Accessibility::tr("Sequence: %1.").arg(joined(vis.seq));
    QString sub = Accessibility::tr("No subsequence.");
    if (step.sub_start != -1) {
        QVector<qint32> members;
        for (qsizetype k = step.sub_start; k < vis.seq.size(); k += vis.gaps.at(step.gap_idx))
            members << vis.seq.at(k);
        sub = Accessibility::tr("Subsequence from element %1: %2.")
                  .arg(num_to_str(step.sub_start + 1), joined(members));
        if (step.pos_b != -1)
            sub += u' ' + Accessibility::tr("Compared: %1 (element %2) and %3 (element %4).")
                              .arg(num_to_str(vis.seq.at(step.pos_a)), num_to_str(step.pos_a + 1),
                                   num_to_str(vis.seq.at(step.pos_b)), num_to_str(step.pos_b + 1));
        else if (step.pos_a != -1)
            sub += u' ' + Accessibility::tr("At the beginning of the subsequence: %1 (element %2).")
                              .arg(num_to_str(vis.seq.at(step.pos_a)), num_to_str(step.pos_a + 1));
    }
    return {gaps, sequence, sub};
}

void register_trace(Visualizer *vis)
{
    traces().removeAll(nullptr);
    traces() << vis;
}

void set_shown_sentence(const Visualizer *vis, int step, const QString &sentence)
{
    shown_sentences().insert(vis, {step, sentence});
}

void forget_shown_sentence(const Visualizer *vis)
{
    shown_sentences().remove(vis);
}

QString step_sentence(const Visualizer *vis, int step)
{
    const auto shown = shown_sentences().value(vis, {-1, QString()});
    return shown.first == step ? shown.second : vis->steps.at(step).text;
}

StepItem::StepItem(StepList *list, int step, const QString &name)
    : Part(list), list(list), step(step), name(name)
{
}

StepItem::~StepItem()
{
    for (QAccessible::Id id : std::as_const(rows))
        QAccessible::deleteAccessibleInterface(id);
}

bool StepItem::isValid() const
{
    return list->isValid() && step < list->childCount();
}

QAccessibleInterface *StepItem::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

int StepItem::childCount() const
{
    const Visualizer *vis = list->trace();
    return vis != nullptr && vis->cur_step == step ? 3 : 0;
}

QAccessibleInterface *StepItem::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (rows.size() <= index)
        rows << QAccessible::registerAccessibleInterface(
            new RowItem(const_cast<StepItem *>(this), int(rows.size())));
    return QAccessible::accessibleInterface(rows[index]);
}

int StepItem::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < rows.size(); ++i)
        if (QAccessible::accessibleInterface(rows[i]) == child)
            return i;
    return -1;
}

QString StepItem::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? name : QString();
}

QAccessible::State StepItem::state() const
{
    QAccessible::State s;
    s.focusable = true;
    s.selectable = true;
    s.readOnly = true;
    const Visualizer *vis = list->trace();
    s.focused = s.selected = s.active = vis != nullptr && vis->cur_step == step;
    return s;
}

StepList::StepList(QGraphicsView *view) : QAccessibleWidget(view, QAccessible::List) {}

StepList::~StepList()
{
    for (QAccessible::Id id : std::as_const(made))
        QAccessible::deleteAccessibleInterface(id);
}

QGraphicsView *StepList::view() const
{
    return static_cast<QGraphicsView *>(widget());
}

Visualizer *StepList::trace() const
{
    return trace_of(view());
}

int StepList::childCount() const
{
    const Visualizer *vis = trace();
    return vis != nullptr ? int(vis->steps.size()) : 0;
}

QAccessibleInterface *StepList::child(int index) const
{
    return index >= 0 && index < childCount() ? item(index) : nullptr;
}

int StepList::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *step = dynamic_cast<const StepItem *>(child);
    return step != nullptr && step->list == this ? step->step : -1;
}

QAccessibleInterface *StepList::focusChild() const
{
    const Visualizer *vis = trace();
    return vis != nullptr && !vis->steps.isEmpty() ? item(vis->cur_step) : nullptr;
}

QAccessibleInterface *StepList::childAt(int x, int y) const
{
    QAccessibleInterface *current = focusChild();
    return current != nullptr && current->rect().contains(x, y) ? current : nullptr;
}

QString StepList::text(QAccessible::Text t) const
{
    const Visualizer *vis = trace();
    if (vis == nullptr)
        return QAccessibleWidget::text(t);
    if (t == QAccessible::Name)
        return Accessibility::tr("Steps of the sort");
    if (t == QAccessible::Description && !vis->steps.isEmpty())
        return describe_rows(*vis).join(u' ');
    return QString();
}

StepItem *StepList::item(int step) const
{
    const QString name = step_sentence(trace(), step);
    for (auto id = made.crbegin(); id != made.crend(); ++id)
        if (auto *known = static_cast<StepItem *>(QAccessible::accessibleInterface(*id));
            known->step == step && known->name == name)
            return known;
    // A few hundred at most; a screen reader asks for the few around the step.
    constexpr qsizetype kept = 256;
    if (made.size() >= kept)
        QAccessible::deleteAccessibleInterface(made.takeFirst());
    auto *fresh = new StepItem(const_cast<StepList *>(this), step, name);
    made << QAccessible::registerAccessibleInterface(fresh);
    return fresh;
}
