// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The real main window, offscreen, for the window tests. Built in init() and
// dropped in cleanup(): any Qt warning or critical message in between fails the
// test, message boxes are answered at once and recorded, and nothing of the
// window may outlive it.
#pragma once

#include "mainwindow.h"
#include "visualizer.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <optional>
#include <utility>

class WindowFixture
{
public:
    WindowFixture()
    {
        static const QtMessageHandler qtest_handler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                qtest_handler(type == QtCriticalMsg ? QtWarningMsg : type, context, message);
            });
        // The offscreen platform's note on dialogs is the one known warning.
        QTest::failOnWarning(QRegularExpression(
            QStringLiteral("^(?!This plugin does not support propagateSizeHints\\(\\)$)")));
        QObject::connect(&box_poll, &QTimer::timeout, &box_poll, [this] { answer_box(); });
        box_poll.start(5);
        open();
    }

    ~WindowFixture()
    {
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a widget outlived the window");
    }

    void open()
    {
        window = new MainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        vis = window->findChild<Visualizer *>();
    }

    template <class T = QWidget> T *get(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    void click(const char *name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    void choose(const char *radio)
    {
        // The indicator is the hit area; the middle may lie beside the label's text.
        auto *button = get<QRadioButton>(radio);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, 8));
    }

    // Types the sequence in the typed mode and applies it.
    void apply(const QString &typed)
    {
        choose("userDefineRadio");
        get<QLineEdit>("userDefLine")->setText(typed);
        click("applyButton");
    }

    QString status() const { return vis->status->toPlainText(); }

    // What is on display: sequence, gaps, step, step count, step box and status.
    QString shown() const
    {
        QString s;
        const auto *box = get<QSpinBox>("jumpStepNum");
        QDebug(&s) << vis->seq << vis->gaps << vis->cur_step << vis->steps.size() << box->maximum()
                   << box->value() << status() << get<QComboBox>("chosenFormula")->currentIndex();
        return s;
    }

    QPointer<MainWindow> window;
    Visualizer *vis = nullptr;
    QStringList boxes;    // "<icon> <title>: <text>" of each box answered
    QString shown_at_box; // what the window showed while the last box was up
    // What to do with the next box instead of answering it.
    std::function<void(QMessageBox *)> on_box;

private:
    void answer_box()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        const char *icon = QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon());
        boxes << QLatin1String(icon) + u' ' + box->windowTitle() + QStringLiteral(": ") +
                     box->text();
        shown_at_box = window ? shown() : QString();
        if (on_box)
            std::exchange(on_box, nullptr)(box);
        else
            box->done(QMessageBox::Ok);
    }

    QTimer box_poll;
};
