// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "accessible.h"

#include "access/speaking.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace
{

QAccessibleInterface *compare_interface(const QString &class_name, QObject *object)
{
    // A chart view is a QGraphicsView, which screen readers would otherwise
    // be told is a view of a trace.
    if (class_name == u"QChartView")
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    // Orca 43 speaks a move of the focus, not a label's new text: the
    // window tells the computation's start, progress and end so.
    if (class_name == u"CompareWindow")
        return new SpeakingWindow(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

namespace compare_detail
{

void install_compare_accessibility()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(compare_interface);
        return true;
    }();
}

} // namespace compare_detail
