// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Controls as screen readers should hear them: the speed slider in seconds,
// a list to choose from with its choice, and a read-only text panel read
// whole after its name.
#pragma once

#include "speaking.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class QComboBox;
class QSlider;
class QTextBrowser;

// A text that the user reads but cannot select or edit, read whole: as one
// line, which is what Orca reads of a focused text.
class WholeText : public QAccessibleTextInterface
{
public:
    virtual QString whole() const = 0;

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return whole().mid(start, end - start); }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override;
    int characterCount() const override { return int(whole().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override;
};

// The speed slider tells the pause per step in seconds, the others their value.
class Slider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit Slider(QSlider *slider);

    QSlider *slider() const;
    bool is_speed() const;

    void *interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;
};

// A list to choose from, named by its caption and showing its choice as its
// text: Orca 43 reads a Qt 6.4 list's choice from neither its name nor its
// items. A new choice made with the keys is told as the focus on an item
// named by it, which Orca speaks.
class ChoiceList : public QAccessibleWidget, public WholeText
{
public:
    explicit ChoiceList(QComboBox *combo);

    QComboBox *combo() const;
    QString current() const;
    QString whole() const override { return current(); }

    void *interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    using WholeText::text;
    int childCount() const override { return choice.item() != nullptr ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? choice.item() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child != nullptr && child == choice.item() ? 0 : -1;
    }

    // Tells the choice made.
    void chosen() { choice.say(this, current()); }

private:
    Voice choice;
};

// A read-only text panel, as the status panel: named, and read whole with its
// name. Qt 6.4 shows a text browser as a label, and Orca 43 reads a named
// label's name instead of its text.
class TextPanel : public QAccessibleWidget, public WholeText
{
public:
    explicit TextPanel(QTextBrowser *browser);

    QString whole() const override;

    void *interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    using WholeText::text;
};
