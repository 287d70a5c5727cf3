// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "accessibility.h"

#include "controls.h"
#include "num_to_str.h"
#include "speaking.h"
#include "step_box.h"
#include "steps.h"
#include "ui_mainwindow.h"
#include "visualizer.h"
#include "words.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsView>
#include <QSpinBox>

#include <utility>

void Accessibility::add_trace(Visualizer *vis)
{
    register_trace(vis);
}

QString Accessibility::speed_name()
{
    return tr("Speed: seconds per step");
}

void Accessibility::listen(QAccessible::UpdateHandler listener)
{
    set_listener(listener);
}

Accessibility::Accessibility(QWidget *window, Ui_MainWindow *ui, Visualizer *vis)
    : QObject(window), window(window), canvas(ui->Canvas), step_box(ui->jumpStepNum),
      with_canvas({ui->sortStatus, ui->prevStep, ui->nextStep, ui->prevSubseq, ui->nextSubseq,
                   ui->firstSlide, ui->lastSlide, ui->jumpButton}),
      vis(vis)
{
    add_trace(vis);
    connect(vis, &QObject::destroyed, this, [vis] { forget_shown_sentence(vis); });
    register_step_box(step_box, vis);
    // The box's value, and what a screen reader says of it, changes when a
    // typed number is entered, not at each digit.
    step_box->setKeyboardTracking(false);
    canvas->installEventFilter(this);
    window->installEventFilter(this);

    QComboBox *formulas = ui->chosenFormula;
    connect(formulas, &QComboBox::currentIndexChanged, this, [formulas] {
        if (listening() && formulas->hasFocus() && !formulas->view()->isVisible())
            if (auto *list =
                    dynamic_cast<ChoiceList *>(QAccessible::queryAccessibleInterface(formulas)))
                list->chosen();
    });
}

void Accessibility::step_shown(const StepWords &words)
{
    const QString said = std::exchange(news, QString());
    set_shown_sentence(vis, vis->cur_step, words.sentence);
    if (!listening())
        return;
    if (QGraphicsView *view = attending_view())
        tell_with(view, said);
    QAccessibleValueChangeEvent value(step_box, step_box->value());
    notify(&value);
}

void Accessibility::tell_with(QGraphicsView *view, const QString &first)
{
    if (first.isEmpty())
        return tell(view);
    // The words go with the item told now, not with the step for good.
    const QString sentence = step_sentence(vis, vis->cur_step);
    set_shown_sentence(vis, vis->cur_step, first + u' ' + sentence);
    tell(view);
    set_shown_sentence(vis, vis->cur_step, sentence);
}

QGraphicsView *Accessibility::attending_view() const
{
    const auto shows_trace = [this](const QGraphicsView *view) {
        return view != nullptr && view->scene() == vis->scene && view->isVisible();
    };
    // The presentation is nothing but a view of the trace.
    if (QWidget *active = QApplication::activeWindow(); active != nullptr && active != window) {
        for (auto *other : active->findChildren<QGraphicsView *>())
            if (shows_trace(other))
                return other;
        return nullptr;
    }
    QWidget *focus = QApplication::focusWidget();
    if (auto *view = qobject_cast<QGraphicsView *>(focus); shows_trace(view))
        return view;
    return focus != nullptr && with_canvas.contains(focus) ? canvas : nullptr;
}

bool Accessibility::eventFilter(QObject *watched, QEvent *event)
{
    // Qt tells the canvas's own focus after this event.
    if (watched == canvas && event->type() == QEvent::FocusIn && listening())
        QMetaObject::invokeMethod(this, &Accessibility::canvas_focused, Qt::QueuedConnection);
    if (watched == window &&
        (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged))
        if (QAction *action = static_cast<QActionEvent *>(event)->action(); action->isCheckable())
            connect(action, &QAction::toggled, this, &Accessibility::toggled, Qt::UniqueConnection);
    return QObject::eventFilter(watched, event);
}

void Accessibility::canvas_focused()
{
    // With its place in the trace: a screen reader still on the step's item,
    // as after a step taken on the status panel, takes an item named alike
    // for the same one and says nothing.
    if (canvas->hasFocus() && !vis->steps.isEmpty())
        tell_with(canvas,
                  tr("Step %1 of %2:")
                      .arg(num_to_str(vis->cur_step + 1), num_to_str(int(vis->steps.size()))));
}

void Accessibility::toggled(bool on)
{
    if (const auto *action = qobject_cast<QAction *>(sender()))
        news = (on ? tr("%1: on.") : tr("%1: off.")).arg(action->iconText());
}

void Accessibility::say(QWidget *window, const QString &text)
{
    if (!listening())
        return;
    if (auto *speaking =
            dynamic_cast<SpeakingWindow *>(QAccessible::queryAccessibleInterface(window)))
        speaking->say(text);
}

void Accessibility::tell(QGraphicsView *view)
{
    if (!listening())
        return;
    auto *list = dynamic_cast<StepList *>(QAccessible::queryAccessibleInterface(view));
    const Visualizer *vis = list != nullptr ? list->trace() : nullptr;
    if (vis == nullptr || vis->steps.isEmpty())
        return;
    move_focus(list->item(vis->cur_step));
}
