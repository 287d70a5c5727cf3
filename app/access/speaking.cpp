// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "speaking.h"

#include "part.h"

#include <utility>

namespace
{

QAccessible::UpdateHandler listener = nullptr;

class Said : public Part
{
public:
    Said(QAccessibleInterface *owner, const QString &text) : Part(owner), text_said(text) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? text_said : QString();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = s.focused = s.selectable = s.selected = true;
        return s;
    }

private:
    QString text_said;
};

} // namespace

bool listening()
{
    return QAccessible::isActive() || listener != nullptr;
}

void set_listener(QAccessible::UpdateHandler handler)
{
    listener = handler;
}

void notify(QAccessibleEvent *event)
{
    QAccessible::updateAccessibility(event);
    if (listener != nullptr)
        listener(event);
}

void move_focus(QAccessibleInterface *item)
{
    QAccessibleEvent focus(item, QAccessible::Focus);
    notify(&focus);
}

Voice::~Voice()
{
    forget();
}

void Voice::say(QAccessibleInterface *owner, const QString &text)
{
    forget();
    auto *item = new Said(owner, text);
    said = QAccessible::registerAccessibleInterface(item);
    move_focus(item);
}

QAccessibleInterface *Voice::item() const
{
    return said != 0 ? QAccessible::accessibleInterface(said) : nullptr;
}

void Voice::forget()
{
    if (said != 0)
        QAccessible::deleteAccessibleInterface(std::exchange(said, 0));
}

SpeakingWindow::SpeakingWindow(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

int SpeakingWindow::childCount() const
{
    return QAccessibleWidget::childCount() + (voice.item() != nullptr ? 1 : 0);
}

QAccessibleInterface *SpeakingWindow::child(int index) const
{
    const int own = QAccessibleWidget::childCount();
    return index == own ? voice.item() : QAccessibleWidget::child(index);
}

int SpeakingWindow::indexOfChild(const QAccessibleInterface *child) const
{
    if (child != nullptr && child == voice.item())
        return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}
