// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "chartaccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace
{

// A chart view is a QGraphicsView, which screen readers would otherwise be
// told is a view of a trace.
QAccessibleInterface *chart_interface(const QString &class_name, QObject *object)
{
    if (class_name == u"QChartView")
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

namespace compare_detail
{

void install_chart_accessibility()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(chart_interface);
        return true;
    }();
}

} // namespace compare_detail
