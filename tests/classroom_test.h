// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What the tests of teaching in a room share: settings of their own, the
// window with ten numbers applied and the keyboard on Next step, no
// translation left behind, and the dialogs and the race they open.
#pragma once

#include "presentation.h"
#include "race.h"
#include "window_fixture.h"

// The numbers as typed, with a blank between two.
inline QString joined(const QVector<qint32> &numbers)
{
    QStringList texts;
    for (qint32 v : numbers)
        texts << QString::number(v);
    return texts.join(u' ');
}

// The window's action of that text, or none.
inline QAction *action_named(const QWidget *window, const QString &text)
{
    const QList<QAction *> actions = window->actions();
    const auto action = std::find_if(actions.cbegin(), actions.cend(),
                                     [&](QAction *a) { return a->text() == text; });
    return action == actions.cend() ? nullptr : *action;
}

// Triggers the window's action of that text and hands answer the dialog it
// waits on, which is rejected after unless answer closed it; false where no
// dialog came up.
inline bool answer_dialog(const QWidget *window, const QString &action,
                          const std::function<void(QDialog *)> &answer)
{
    QAction *item = action_named(window, action);
    if (item == nullptr)
        return false;
    bool answered = false;
    QTimer poll; // the fixture answers message boxes; this the other dialogs
    poll.callOnTimeout([&] {
        QPointer<QDialog> dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (answered || dialog == nullptr || qobject_cast<QMessageBox *>(dialog))
            return;
        answered = true;
        answer(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
    poll.start(5);
    item->trigger();
    return answered;
}

// Starts the race of the formula in force against the next one, on the
// sequence on display, from the presentation.
inline RaceView *start_race(MainWindow *window)
{
    press("F5 R");
    auto *race = window->findChild<RaceView *>();
    return race != nullptr && race->isActiveWindow() ? race : nullptr;
}

class ClassroomTest : public QObject
{
    Q_OBJECT

protected:
    std::optional<WindowFixture> w;

    PresentationView *presentation() const { return w->window->findChild<PresentationView *>(); }
    QString presented() const { return presentation()->findChild<QLabel *>("statusText")->text(); }

private slots:
    // What the dialogs remember goes to the settings of tests, never the user's.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("vellora"));
        QVERIFY2(QSettings().fileName().contains(u"/.qttest/"), qPrintable(QSettings().fileName()));
    }

    void cleanupTestCase() { QSettings().clear(); }

    void init()
    {
        QSettings().clear();
        w.emplace();
        w->apply(QStringLiteral("9 3 7 1 8 2 6 10 5 4"));
        w->get("nextStep")->setFocus();
    }

    void cleanup()
    {
        w.reset();
        for (auto *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::c());
    }
};
