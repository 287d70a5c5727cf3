// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Keys as a user presses them, for the window tests.
#pragma once

#include <QtTest>
#include <QtWidgets>

// The key goes where a user's key would: to the active window's focus.
inline void press(QKeyCombination key)
{
    QWidget *target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    QCoreApplication::processEvents();
}

// Several keys in a row, by name: "Right Right P".
inline void press(const char *keys)
{
    for (const QString &key : QString::fromLatin1(keys).split(u' '))
        press(QKeySequence(key)[0]);
}

// The key to that widget, wherever the focus is.
inline void press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(target, key, modifiers);
    QCoreApplication::processEvents();
}
