// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "accessibility.h"

#include "controls.h"
#include "speaking.h"
#include "steps.h"
#include "ui_mainwindow.h"
#include "visualizer.h"
#include "words.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsView>

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
    : QObject(window), window(window), canvas(ui->Canvas), vis(vis)
{
    add_trace(vis);
    connect(vis, &QObject::destroyed, this, [vis] { forget_shown_sentence(vis); });

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
    set_shown_sentence(vis, vis->cur_step, words.sentence);
    if (!listening())
        return;
    QGraphicsView *view = canvas;
    if (QWidget *active = QApplication::activeWindow(); active != nullptr && active != window)
        for (auto *other : active->findChildren<QGraphicsView *>())
            if (other->scene() == vis->scene && other->isVisible())
                view = other;
    tell(view);
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
