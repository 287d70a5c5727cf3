// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// A view of a trace as screen readers see it: a list of the trace's steps,
// one item per step named by what the status panel says of it, with the rows
// of the canvas as its lines. The items are made on demand, as a trace can
// hold tens of thousands of steps.
#pragma once

#include "part.h"

#include <QAccessibleWidget>
#include <QList>
#include <QString>
#include <QStringList>

class QGraphicsView;
class StepList;
class Visualizer;

// What a view of a trace shows, one sentence per row: the gaps with the
// applied, the one in force and those to come; the sequence; the current
// subsequence, where it starts and what is compared.
QStringList describe_rows(const Visualizer &vis);

// The traces whose views are lists of steps; a view's trace is found
// through its scene.
void register_trace(Visualizer *vis);
// What the step on display says where it differs from the step's own text:
// in the predict mode a question stands in for the sentence.
void set_shown_sentence(const Visualizer *vis, int step, const QString &sentence);
void forget_shown_sentence(const Visualizer *vis);
// What a step of the trace says: the step on display as shown, any other
// step its own sentence.
QString step_sentence(const Visualizer *vis, int step);

// One step of a trace, named by what the status panel says of it.
class StepItem : public Part
{
public:
    StepItem(StepList *list, int step, const QString &name);
    ~StepItem() override;

    bool isValid() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    StepList *const list;
    const int step;
    const QString name;

private:
    mutable QList<QAccessible::Id> rows;
};

// A view of a trace, as the list of its steps.
class StepList : public QAccessibleWidget
{
public:
    explicit StepList(QGraphicsView *view);
    ~StepList() override;

    QGraphicsView *view() const;
    Visualizer *trace() const;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    // The step's item, made anew when what it says has changed, as after
    // an answer in the predict mode: a screen reader speaks a new item. The
    // items it knew stay valid for a while, as it asks about the one it left.
    StepItem *item(int step) const;

private:
    mutable QList<QAccessible::Id> made; // oldest first
};
