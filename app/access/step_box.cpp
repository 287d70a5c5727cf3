// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "step_box.h"

#include "steps.h"
#include "visualizer.h"

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QSpinBox>

#include <utility>

namespace
{

struct Registered {
    QPointer<QSpinBox> box;
    QPointer<Visualizer> vis;
};

QList<Registered> &step_boxes()
{
    static QList<Registered> boxes;
    return boxes;
}

} // namespace

void register_step_box(QSpinBox *box, Visualizer *vis)
{
    step_boxes().removeIf([](const Registered &r) { return r.box == nullptr || r.vis == nullptr; });
    step_boxes() << Registered{box, vis};
}

StepBox::StepBox(QSpinBox *box) : QAccessibleWidget(box, QAccessible::SpinBox) {}

QSpinBox *StepBox::box() const
{
    return static_cast<QSpinBox *>(widget());
}

QLineEdit *StepBox::edit() const
{
    return box()->findChild<QLineEdit *>();
}

const Visualizer *StepBox::trace() const
{
    for (const Registered &r : std::as_const(step_boxes()))
        if (r.box == box() && r.vis != nullptr)
            return r.vis;
    return nullptr;
}

QString StepBox::said() const
{
    const QString typed = edit()->text();
    const Visualizer *vis = trace();
    bool number = false;
    const int value = box()->locale().toInt(box()->cleanText(), &number);
    // A number still being typed names no step yet.
    if (vis == nullptr || !number || value != box()->value() || value < 1 ||
        value > vis->steps.size())
        return typed;
    return typed + QStringLiteral(": ") + step_sentence(vis, value - 1);
}

void *StepBox::interface_cast(QAccessible::InterfaceType t)
{
    switch (t) {
    case QAccessible::ValueInterface:
        return static_cast<QAccessibleValueInterface *>(this);
    case QAccessible::TextInterface:
        return static_cast<QAccessibleTextInterface *>(this);
    case QAccessible::EditableTextInterface:
        return static_cast<QAccessibleEditableTextInterface *>(this);
    default:
        return QAccessibleWidget::interface_cast(t);
    }
}

QString StepBox::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? said() : QAccessibleWidget::text(t);
}

QVariant StepBox::currentValue() const
{
    return box()->value();
}

void StepBox::setCurrentValue(const QVariant &value)
{
    box()->setValue(value.toInt());
}

QVariant StepBox::maximumValue() const
{
    return box()->maximum();
}

QVariant StepBox::minimumValue() const
{
    return box()->minimum();
}

QVariant StepBox::minimumStepSize() const
{
    return box()->singleStep();
}

void StepBox::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + int(edit()->selectedText().size());
    }
}

int StepBox::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void StepBox::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void StepBox::removeSelection(int)
{
    edit()->deselect();
}

void StepBox::setSelection(int, int startOffset, int endOffset)
{
    const int length = int(edit()->text().size());
    startOffset = qBound(0, startOffset, length);
    edit()->setSelection(startOffset, qBound(startOffset, endOffset, length) - startOffset);
}

int StepBox::cursorPosition() const
{
    return edit()->cursorPosition();
}

void StepBox::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString StepBox::text(int startOffset, int endOffset) const
{
    return said().mid(startOffset, endOffset - startOffset);
}

QString StepBox::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void StepBox::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void StepBox::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void StepBox::replaceText(int startOffset, int endOffset, const QString &text)
{
    QString number = edit()->text();
    startOffset = qBound(0, startOffset, int(number.size()));
    endOffset = qBound(startOffset, endOffset, int(number.size()));
    edit()->setText(number.replace(startOffset, endOffset - startOffset, text));
}
