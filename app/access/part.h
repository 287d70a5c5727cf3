// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QAccessibleInterface>

// A part of another interface with no object of its own, such as an item of
// a list made on demand: it lies where the whole lies and holds nothing.
class Part : public QAccessibleInterface
{
public:
    explicit Part(QAccessibleInterface *whole) : whole(whole) {}

    bool isValid() const override { return whole->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return whole->window(); }
    QAccessibleInterface *parent() const override { return whole; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return whole->rect(); }

protected:
    QAccessibleInterface *const whole;
};
