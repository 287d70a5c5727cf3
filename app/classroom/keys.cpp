// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "keys.h"

#include "mainwindow.h"

#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>

WindowKeys::WindowKeys(MainWindow *window, QObject *parent) : QObject(parent), window(window) {}

QAction *WindowKeys::add(const QString &text, const QList<QKeySequence> &keys, bool while_playing,
                         const std::function<void()> &what)
{
    auto *action = new QAction(text, window);
    action->setShortcuts(keys);
    // Like the buttons, which are disabled then, most keys rest during playback.
    connect(action, &QAction::triggered, this, [this, while_playing, what] {
        if (!window->is_playing() || while_playing)
            what();
    });
    window->addAction(action);
    window_keys << action;
    if (!while_playing)
        resting_keys << action;
    return action;
}

void WindowKeys::add_presenting(const QList<QKeySequence> &keys, bool while_playing,
                                const std::function<void()> &what)
{
    QAction *action = add(QString(), keys, while_playing, what);
    window->removeAction(action);
    window_keys.removeOne(action);
    presentation_keys << action;
}

void WindowKeys::give_to(QWidget *presentation) const
{
    presentation->addActions(window_keys);
    presentation->addActions(presentation_keys);
}

void WindowKeys::set_playing(bool playing)
{
    for (QAction *action : resting_keys)
        action->setEnabled(!playing);
}

void WindowKeys::guard(const QList<QWidget *> &fields)
{
    for (QWidget *field : fields) {
        field->installEventFilter(this);
        for (QWidget *inner : field->findChildren<QWidget *>())
            inner->installEventFilter(this);
    }
}

namespace
{

// The other key for a context menu, on keyboards without a Menu key.
bool is_shift_f10(const QKeyEvent *key)
{
    return key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
}

} // namespace

// Page Up and Page Down, which presentation remotes send, stay with the
// shortcuts, but on a slider, where they move it and a screen reader says
// its value.
bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    // A field's own menu, as the Menu key opens it; the platform opens none for Shift+F10.
    if (event->type() == QEvent::KeyPress && is_shift_f10(static_cast<QKeyEvent *>(event))) {
        auto *field = static_cast<QWidget *>(watched);
        const QPoint middle = field->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, middle, field->mapToGlobal(middle));
        QCoreApplication::sendEvent(field, &menu);
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (is_shift_f10(key)) {
            event->accept();
            return true;
        }
        // The formula list finds its items by their first letters.
        if (qobject_cast<QComboBox *>(watched) && !key->text().isEmpty() &&
            key->text().front().isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->accept();
            return true;
        }
        if (qobject_cast<QAbstractSlider *>(watched) &&
            (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown)) {
            event->accept();
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Menu:
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
