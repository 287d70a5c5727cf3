// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Which accessible interface a widget gets, by its class name.
#include "accessibility.h"
#include "controls.h"
#include "speaking.h"
#include "step_box.h"
#include "steps.h"

#include <QComboBox>
#include <QGraphicsView>
#include <QSlider>
#include <QSpinBox>
#include <QTextBrowser>

#include <utility>

namespace
{

QAccessibleInterface *make_interface(const QString &class_name, QObject *object)
{
    if (class_name == u"QComboBox")
        return new ChoiceList(static_cast<QComboBox *>(object));
    if (class_name == u"QGraphicsView")
        return new StepList(static_cast<QGraphicsView *>(object));
    if (class_name == u"QSlider")
        return new Slider(static_cast<QSlider *>(object));
    if (class_name == u"QSpinBox")
        return new StepBox(static_cast<QSpinBox *>(object));
    if (class_name == u"QTextBrowser")
        return new TextPanel(static_cast<QTextBrowser *>(object));
    // A full-screen window of its own, with a title, not a part of the main window.
    if (class_name == u"RaceView")
        return new SpeakingWindow(static_cast<QWidget *>(object));
    if (class_name == u"PresentationView")
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void Accessibility::install()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(make_interface);
}
