// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The real main window, offscreen, for the window tests. Built in init() and
// dropped in cleanup(): any Qt warning or critical message in between fails the
// test, message boxes are answered at once and recorded, and nothing of the
// window may outlive it.
#pragma once

#include "mainwindow.h"
#include "panes.h"
#include "rows.h"
#include "visualizer.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <optional>
#include <utility>

// What of the boxes the step on display is about a view does not show at
// boxes of at least the given pixels: the compared pair, an element at the
// front, the first member of a new subsequence, the gap in force. Empty when
// it shows them all.
inline QString unseen(const Visualizer &vis, const QGraphicsView *view, const PaneLayout &layout,
                      qreal smallest_box)
{
    const TraceStep &step = vis.steps.at(vis.cur_step);
    const int unit = box_width(vis);
    QList<QRectF> boxes;
    for (int position : {step.pos_a, step.pos_b, step.pos_a == -1 ? step.sub_start : -1})
        if (position != -1)
            boxes << QRectF(unit * position, rows::subsequence_y, unit, rows::box_size);
    qreal scale = layout.scale;
    QRectF visible = view->mapToScene(view->viewport()->rect()).boundingRect();
    if (layout.whole) {
        scale = view->transform().m11();
        if (step.gap_idx != -1)
            boxes << QRectF(0, rows::gap_y, unit * vis.seq.size(), rows::box_size); // all the gaps
    } else if (step.gap_idx != -1) {
        boxes << gap_strip_box(vis, step.gap_idx);
    }
    if (rows::box_size * scale < smallest_box - 1e-9)
        return QStringLiteral("boxes of %1 pixels").arg(rows::box_size * scale);
    // Within a thousandth of a unit, the rounding of the view's mapping.
    visible.adjust(-1e-3, -1e-3, 1e-3, 1e-3);
    for (const QRectF &box : boxes)
        if (layout.whole ? !visible.contains(box) : !layout.shows(box))
            return QStringLiteral("the box at %1, %2 at step %3")
                .arg(box.x())
                .arg(box.y())
                .arg(vis.cur_step);
    return QString();
}

// Steps through the first pass, the last and four between, chosen by rng,
// up to 400 steps into each, calling check after each step with the step at
// which its pass starts; the first complaint ends the walk.
inline QString walk_passes(MainWindow *window, Visualizer *vis, QRandomGenerator &rng,
                           const std::function<QString(int)> &check)
{
    QList<int> passes;
    for (int i = 0; i < vis->steps.size(); ++i)
        if (vis->steps[i].gap_idx != -1 && vis->steps[i].sub_start == -1)
            passes << i;
    while (passes.size() > 6)
        passes.removeAt(1 + int(rng.bounded(qsizetype(passes.size() - 2))));
    for (int start : passes) {
        vis->set_current_step(start - 1);
        for (int walked = 0; walked < 400; ++walked) {
            window->step_front();
            if (const QString complaint = check(start); !complaint.isEmpty())
                return complaint;
            if (vis->cur_step + 1 >= vis->steps.size() ||
                vis->steps[vis->cur_step + 1].gap_idx != vis->steps[start].gap_idx)
                break;
        }
    }
    return QString();
}

// A sequence of n numbers from 1 to 999, drawn by rng, as typed.
inline QString typed_numbers(QRandomGenerator &rng, int n)
{
    QStringList numbers;
    for (int i = 0; i < n; ++i)
        numbers << QString::number(rng.bounded(1, 1000));
    return numbers.join(u' ');
}

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

    // Types in and applies the numbers under the formula of that index.
    void apply_under(int formula, const QString &typed)
    {
        get<QComboBox>("chosenFormula")->setCurrentIndex(formula);
        apply(typed);
    }

    QTextBrowser *panel() const { return get<QTextBrowser>("sortStatus"); }
    QString status() const { return panel()->toPlainText(); }

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
