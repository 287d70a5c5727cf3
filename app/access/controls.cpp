// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "controls.h"

#include "accessibility.h"
#include "sleeper.h"

#include <QComboBox>
#include <QSlider>
#include <QTextBrowser>

Slider::Slider(QSlider *slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

QSlider *Slider::slider() const
{
    return static_cast<QSlider *>(widget());
}

bool Slider::is_speed() const
{
    return slider()->objectName() == u"playSpeed";
}

void *Slider::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                            : QAccessibleWidget::interface_cast(t);
}

QString Slider::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && is_speed())
        return Accessibility::speed_name();
    return QAccessibleWidget::text(t);
}

QVariant Slider::currentValue() const
{
    if (!is_speed())
        return slider()->value();
    // The playback's pause, to a tenth of a second.
    return qRound(playback_delay_ms(slider()->value(), slider()->maximum()) / 100.0) / 10.0;
}

void Slider::setCurrentValue(const QVariant &value)
{
    if (!is_speed())
        return slider()->setValue(value.toInt());
    slider()->setValue(qRound(slider()->maximum() * (1 - value.toDouble() / 5)));
}

QVariant Slider::maximumValue() const
{
    return is_speed() ? QVariant(5.0) : QVariant(slider()->maximum());
}

QVariant Slider::minimumValue() const
{
    return is_speed() ? QVariant(0.0) : QVariant(slider()->minimum());
}

QVariant Slider::minimumStepSize() const
{
    return is_speed() ? QVariant(0.1) : QVariant(slider()->singleStep());
}

ChoiceList::ChoiceList(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QComboBox *ChoiceList::combo() const
{
    return static_cast<QComboBox *>(widget());
}

QString ChoiceList::current() const
{
    return combo()->currentText();
}

QString WholeText::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                                int *end) const
{
    if (boundary != QAccessible::LineBoundary && boundary != QAccessible::ParagraphBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
    *start = 0;
    *end = characterCount();
    return whole();
}

QString WholeText::attributes(int, int *start, int *end) const
{
    *start = 0;
    *end = characterCount();
    return QString();
}

void *ChoiceList::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                           : QAccessibleWidget::interface_cast(t);
}

QString ChoiceList::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return current();
    return QAccessibleWidget::text(t).simplified();
}

TextPanel::TextPanel(QTextBrowser *browser) : QAccessibleWidget(browser, QAccessible::EditableText)
{
}

QString TextPanel::whole() const
{
    return static_cast<QTextBrowser *>(widget())->toPlainText();
}

void *TextPanel::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                           : QAccessibleWidget::interface_cast(t);
}

QAccessible::State TextPanel::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = s.multiLine = true;
    return s;
}

QString TextPanel::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? whole() : QAccessibleWidget::text(t);
}
