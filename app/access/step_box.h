// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// A spin box as screen readers should hear it; the step box of a trace says
// the sentence of the step it names after its number, "45: Setting gap
// length to 10.". Orca 43 speaks the text of a focused spin box whenever its
// value changes, so a user in the box hears each step entered or stepped to
// without the focus leaving it.
#pragma once

#include <QAccessibleEditableTextInterface>
#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class QLineEdit;
class QSpinBox;
class Visualizer;

// The box becomes the step box of the trace.
void register_step_box(QSpinBox *box, Visualizer *vis);

class StepBox : public QAccessibleWidget,
                public QAccessibleValueInterface,
                public QAccessibleTextInterface,
                public QAccessibleEditableTextInterface
{
public:
    explicit StepBox(QSpinBox *box);

    QSpinBox *box() const;
    // The trace whose steps the box names, if it is a step box.
    const Visualizer *trace() const;
    // The number in the box and, once it is entered, the sentence of its step.
    QString said() const;

    void *interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // The text is said(); the caret and the selection are the number's.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(said().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // Edits change the number alone.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *edit() const;
};
