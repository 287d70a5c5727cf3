// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Saying something to a screen reader, which Qt 6.4 has no announcement for:
// the focus moves to a new item named by what is said, which Orca speaks.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

// Whether anyone listens: a screen reader, or a test in its place. Qt sends
// nothing while no screen reader listens, and the offscreen platform has
// none: a listener set here hears every event sent through notify as well.
bool listening();
void set_listener(QAccessible::UpdateHandler listener);
// Sends the event to screen readers and to the listener.
void notify(QAccessibleEvent *event);
// Moves the accessible focus to the item, which Orca speaks.
void move_focus(QAccessibleInterface *item);

// Something said by an interface: the item of what was said before is forgotten.
class Voice
{
public:
    Voice() = default;
    Voice(const Voice &) = delete;
    Voice &operator=(const Voice &) = delete;
    ~Voice();

    void say(QAccessibleInterface *owner, const QString &text);
    // The item of what was said last, if any.
    QAccessibleInterface *item() const;

private:
    void forget();

    QAccessible::Id said = 0;
};

// A window of its own that can say something, such as the race: what is said
// is its last child.
class SpeakingWindow : public QAccessibleWidget
{
public:
    explicit SpeakingWindow(QWidget *window);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    void say(const QString &text) { voice.say(this, text); }

private:
    Voice voice;
};
