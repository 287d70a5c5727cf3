// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "accessibility.h"

#include "mainwindow.h"
#include "num_to_str.h"
#include "rows.h"
#include "sleeper.h"
#include "ui_mainwindow.h"
#include "visualizer.h"
#include "words.h"

#include <QAbstractItemView>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QSlider>
#include <QTextBrowser>

#include <utility>

namespace
{

QList<QPointer<Visualizer>> &traces()
{
    static QList<QPointer<Visualizer>> list;
    return list;
}

// What each trace's step on display says, by step: in the predict mode a
// question stands in for the sentence.
QHash<const Visualizer *, std::pair<int, QString>> &shown_sentences()
{
    static QHash<const Visualizer *, std::pair<int, QString>> sentences;
    return sentences;
}

Visualizer *trace_of(const QGraphicsView *view)
{
    for (Visualizer *vis : std::as_const(traces()))
        if (vis != nullptr && view->scene() != nullptr && vis->scene == view->scene())
            return vis;
    return nullptr;
}

QString or_none(const QString &list)
{
    return list.isEmpty() ? Accessibility::tr("none") : list;
}

class StepList;

// A part of another interface with no object of its own, such as an item of
// a list made on demand: it lies where the whole lies and holds nothing.
class Part : public QAccessibleInterface
{
public:
    explicit Part(QAccessibleInterface *whole) : whole(whole) {}

    bool isValid() const override { return whole->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return whole->window(); }
    QAccessibleInterface *parent() const override { return whole; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return whole->rect(); }

protected:
    QAccessibleInterface *const whole;
};

// One row of the canvas at the step on display, as a line of text.
class RowItem : public Part
{
public:
    RowItem(QAccessibleInterface *item, int row) : Part(item), row(row) {}

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    int row;
};

// One step of a trace, named by what the status panel says of it.
class StepItem : public Part
{
public:
    StepItem(StepList *list, int step, const QString &name);
    ~StepItem() override
    {
        for (QAccessible::Id id : std::as_const(rows))
            QAccessible::deleteAccessibleInterface(id);
    }

    bool isValid() const override;
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < rows.size(); ++i)
            if (QAccessible::accessibleInterface(rows[i]) == child)
                return i;
        return -1;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? name : QString();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    StepList *const list;
    const int step;
    const QString name;

private:
    mutable QList<QAccessible::Id> rows;
};

// A view of a trace, as the list of its steps.
class StepList : public QAccessibleWidget
{
public:
    explicit StepList(QGraphicsView *view) : QAccessibleWidget(view, QAccessible::List) {}
    ~StepList() override
    {
        for (QAccessible::Id id : std::as_const(made))
            QAccessible::deleteAccessibleInterface(id);
    }

    QGraphicsView *view() const { return static_cast<QGraphicsView *>(widget()); }
    Visualizer *trace() const { return trace_of(view()); }

    int childCount() const override
    {
        const Visualizer *vis = trace();
        return vis != nullptr ? int(vis->steps.size()) : 0;
    }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < childCount() ? item(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *step = dynamic_cast<const StepItem *>(child);
        return step != nullptr && step->list == this ? step->step : -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        const Visualizer *vis = trace();
        return vis != nullptr && !vis->steps.isEmpty() ? item(vis->cur_step) : nullptr;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAccessibleInterface *current = focusChild();
        return current != nullptr && current->rect().contains(x, y) ? current : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        const Visualizer *vis = trace();
        if (vis == nullptr)
            return QAccessibleWidget::text(t);
        if (t == QAccessible::Name)
            return Accessibility::tr("Steps of the sort");
        if (t == QAccessible::Description && !vis->steps.isEmpty())
            return describe_rows(*vis).join(u' ');
        return QString();
    }

    // The step's item, made anew when what it says has changed, as after
    // an answer in the predict mode: a screen reader speaks a new item. The
    // items it knew stay valid for a while, as it asks about the one it left.
    StepItem *item(int step) const
    {
        const QString name = name_of(step);
        for (auto id = made.crbegin(); id != made.crend(); ++id)
            if (auto *known = static_cast<StepItem *>(QAccessible::accessibleInterface(*id));
                known->step == step && known->name == name)
                return known;
        // A few hundred at most; a screen reader asks for the few around the step.
        constexpr qsizetype kept = 256;
        if (made.size() >= kept)
            QAccessible::deleteAccessibleInterface(made.takeFirst());
        auto *fresh = new StepItem(const_cast<StepList *>(this), step, name);
        made << QAccessible::registerAccessibleInterface(fresh);
        return fresh;
    }

private:
    QString name_of(int step) const
    {
        const Visualizer *vis = trace();
        const auto shown = shown_sentences().value(vis, {-1, QString()});
        return shown.first == step ? shown.second : vis->steps.at(step).text;
    }
    mutable QList<QAccessible::Id> made; // oldest first
};

StepItem::StepItem(StepList *list, int step, const QString &name)
    : Part(list), list(list), step(step), name(name)
{
}

bool StepItem::isValid() const
{
    return list->isValid() && step < list->childCount();
}

int StepItem::childCount() const
{
    const Visualizer *vis = list->trace();
    return vis != nullptr && vis->cur_step == step ? 3 : 0;
}

QAccessibleInterface *StepItem::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (rows.size() <= index)
        rows << QAccessible::registerAccessibleInterface(
            new RowItem(const_cast<StepItem *>(this), int(rows.size())));
    return QAccessible::accessibleInterface(rows[index]);
}

QAccessible::State StepItem::state() const
{
    QAccessible::State s;
    s.focusable = true;
    s.selectable = true;
    s.readOnly = true;
    const Visualizer *vis = list->trace();
    s.focused = s.selected = s.active = vis != nullptr && vis->cur_step == step;
    return s;
}

QString RowItem::text(QAccessible::Text t) const
{
    const auto *step = static_cast<StepItem *>(whole);
    const Visualizer *vis = step->list->trace();
    if (t != QAccessible::Name || vis == nullptr || vis->steps.isEmpty())
        return QString();
    return describe_rows(*vis).value(row);
}

QRect RowItem::rect() const
{
    const QGraphicsView *view = static_cast<StepItem *>(whole)->list->view();
    const QRectF scene = view->sceneRect();
    const QRect shown = view->mapFromScene(QRectF(scene.left(), rows::gap_y + rows::pitch * row,
                                                  scene.width(), rows::box_size))
                            .boundingRect()
                            .intersected(view->viewport()->rect());
    return QRect(view->viewport()->mapToGlobal(shown.topLeft()), shown.size());
}

// The speed slider tells the pause per step in seconds, the others their value.
class Slider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit Slider(QSlider *slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    QSlider *slider() const { return static_cast<QSlider *>(widget()); }
    bool is_speed() const { return slider()->objectName() == u"playSpeed"; }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && is_speed())
            return Accessibility::speed_name();
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override
    {
        if (!is_speed())
            return slider()->value();
        // The playback's pause, to a tenth of a second.
        return qRound(playback_delay_ms(slider()->value(), slider()->maximum()) / 100.0) / 10.0;
    }
    void setCurrentValue(const QVariant &value) override
    {
        if (!is_speed())
            return slider()->setValue(value.toInt());
        slider()->setValue(qRound(slider()->maximum() * (1 - value.toDouble() / 5)));
    }
    QVariant maximumValue() const override
    {
        return is_speed() ? QVariant(5.0) : QVariant(slider()->maximum());
    }
    QVariant minimumValue() const override
    {
        return is_speed() ? QVariant(0.0) : QVariant(slider()->minimum());
    }
    QVariant minimumStepSize() const override
    {
        return is_speed() ? QVariant(0.1) : QVariant(slider()->singleStep());
    }
};

// Something said by an interface: the focus moves to a new item of it named
// by what is said, which Orca speaks; the item before is forgotten.
class Voice
{
public:
    ~Voice() { forget(); }

    void say(QAccessibleInterface *owner, const QString &text)
    {
        forget();
        auto *item = new Said(owner, text);
        said = QAccessible::registerAccessibleInterface(item);
        QAccessibleEvent focus(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    // The item of what was said last, if any.
    QAccessibleInterface *item() const
    {
        return said != 0 ? QAccessible::accessibleInterface(said) : nullptr;
    }

private:
    class Said : public Part
    {
    public:
        Said(QAccessibleInterface *owner, const QString &text) : Part(owner), text_said(text) {}
        QString text(QAccessible::Text t) const override
        {
            return t == QAccessible::Name ? text_said : QString();
        }
        QAccessible::Role role() const override { return QAccessible::ListItem; }
        QAccessible::State state() const override
        {
            QAccessible::State s;
            s.focusable = s.focused = s.selectable = s.selected = true;
            return s;
        }

    private:
        QString text_said;
    };

    void forget()
    {
        if (said != 0)
            QAccessible::deleteAccessibleInterface(std::exchange(said, 0));
    }

    QAccessible::Id said = 0;
};

// A list to choose from, named by its caption and showing its choice as its
// text: Orca 43 reads a Qt 6.4 list's choice from neither its name nor its
// items. A new choice made with the keys is told as the focus on an item
// named by it, which Orca speaks.
class ChoiceList : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ChoiceList(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
    QString current() const { return combo()->currentText(); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return current();
        return QAccessibleWidget::text(t).simplified();
    }
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

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return current().mid(start, end - start); }
    int characterCount() const override { return int(current().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    Voice choice;
};

// A window of its own that can say something: the focus moves to an item of
// it named by what is said, made anew each time.
class SpeakingWindow : public QAccessibleWidget
{
public:
    explicit SpeakingWindow(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + (voice.item() != nullptr ? 1 : 0);
    }
    QAccessibleInterface *child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        return index == own ? voice.item() : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child != nullptr && child == voice.item())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

    void say(const QString &text) { voice.say(this, text); }

private:
    Voice voice;
};

QAccessibleInterface *make_interface(const QString &class_name, QObject *object)
{
    if (class_name == u"QComboBox")
        return new ChoiceList(static_cast<QComboBox *>(object));
    if (class_name == u"QGraphicsView")
        return new StepList(static_cast<QGraphicsView *>(object));
    if (class_name == u"QSlider")
        return new Slider(static_cast<QSlider *>(object));
    // A full-screen window of its own, with a title, not a part of the main window.
    if (class_name == u"RaceView")
        return new SpeakingWindow(static_cast<QWidget *>(object));
    if (class_name == u"PresentationView")
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

// A frame drawn over a widget while it has the focus, for widgets whose
// style shows none.
class FocusRing : public QWidget
{
public:
    explicit FocusRing(QWidget *target) : QWidget(target)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), width));
        painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    }

private:
    static constexpr qreal width = 2;
};

} // namespace

QStringList describe_rows(const Visualizer &vis)
{
    const TraceStep &step = vis.steps.at(vis.cur_step);
    QString gaps;
    if (vis.gaps.isEmpty())
        gaps = Accessibility::tr("No gaps.");
    else if (step.gap_idx == -1)
        gaps = Accessibility::tr("Gaps %1, none in force.").arg(joined(vis.gaps));
    else
        gaps = Accessibility::tr("Gaps %1: %2 in force; applied: %3; to come: %4.")
                   .arg(joined(vis.gaps), num_to_str(vis.gaps.at(step.gap_idx)),
                        or_none(joined(vis.gaps.mid(0, step.gap_idx))),
                        or_none(joined(vis.gaps.mid(step.gap_idx + 1))));
    const QString sequence = Accessibility::tr("Sequence: %1.").arg(joined(vis.seq));
    QString sub = Accessibility::tr("No subsequence.");
    if (step.sub_start != -1) {
        QVector<qint32> members;
        for (qsizetype k = step.sub_start; k < vis.seq.size(); k += vis.gaps.at(step.gap_idx))
            members << vis.seq.at(k);
        sub = Accessibility::tr("Subsequence from element %1: %2.")
                  .arg(num_to_str(step.sub_start + 1), joined(members));
        if (step.pos_b != -1)
            sub += u' ' + Accessibility::tr("Compared: %1 (element %2) and %3 (element %4).")
                              .arg(num_to_str(vis.seq.at(step.pos_a)), num_to_str(step.pos_a + 1),
                                   num_to_str(vis.seq.at(step.pos_b)), num_to_str(step.pos_b + 1));
        else if (step.pos_a != -1)
            sub += u' ' + Accessibility::tr("At the beginning of the subsequence: %1 (element %2).")
                              .arg(num_to_str(vis.seq.at(step.pos_a)), num_to_str(step.pos_a + 1));
    }
    return {gaps, sequence, sub};
}

void Accessibility::install()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(make_interface);
}

void Accessibility::add_trace(Visualizer *vis)
{
    traces().removeAll(nullptr);
    traces() << vis;
}

QString Accessibility::speed_name()
{
    return tr("Speed: seconds per step");
}

Accessibility::Accessibility(MainWindow *window, Ui_MainWindow *ui, Visualizer *vis)
    : QObject(window), window(window), ui(ui), vis(vis)
{
    add_trace(vis);
    connect(vis, &QObject::destroyed, this, [vis] { shown_sentences().remove(vis); });
    name_controls();
    order_tabs();

    for (QWidget *shows_no_focus :
         {static_cast<QWidget *>(ui->Canvas), static_cast<QWidget *>(ui->sortStatus)}) {
        rings.insert(shows_no_focus, new FocusRing(shows_no_focus));
        shows_no_focus->installEventFilter(this);
    }
    // The first Right steps the trace.
    ui->Canvas->setFocus();

    QComboBox *formulas = ui->chosenFormula;
    connect(formulas, &QComboBox::currentIndexChanged, this, [formulas] {
        if (QAccessible::isActive() && formulas->hasFocus() && !formulas->view()->isVisible())
            if (auto *list =
                    dynamic_cast<ChoiceList *>(QAccessible::queryAccessibleInterface(formulas)))
                list->chosen();
    });

    auto *stop = new QAction(window);
    stop->setShortcut(Qt::Key_Escape);
    window->addAction(stop);
    connect(stop, &QAction::triggered, window, [window] {
        if (window->is_playing())
            window->play();
    });
}

void Accessibility::name_controls()
{
    ui->label->setBuddy(ui->chosenFormula);
    ui->label_3->setBuddy(ui->jumpStepNum);
    ui->jumpStepNum->setAccessibleName(tr("Step number"));
    ui->randomSeqSize->setAccessibleName(tr("Size of the sequence"));
    ui->userDefLine->setAccessibleName(MainWindow::typed_caption());
    ui->Canvas->setToolTip(canvas_legend());

    // The about text is disabled, but must still be read: 5.5:1 on the
    // window's background instead of the style's 1.6:1.
    QPalette about = ui->label_6->palette();
    about.setColor(QPalette::Disabled, QPalette::WindowText, QColor(96, 96, 96));
    ui->label_6->setPalette(about);
}

void Accessibility::order_tabs()
{
    // Top to bottom, left to right; the typed sequence right after the choice of it.
    const QList<QWidget *> order = {ui->Canvas,        ui->sortStatus,     ui->prevStep,
                                    ui->nextStep,      ui->prevSubseq,     ui->nextSubseq,
                                    ui->firstSlide,    ui->lastSlide,      ui->playSpeed,
                                    ui->playButton,    ui->jumpStepNum,    ui->jumpButton,
                                    ui->chosenFormula, ui->randomGenRadio, ui->userDefineRadio,
                                    ui->randomSeqSize, ui->userDefLine,    ui->applyButton};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    ui->Canvas->setFocusPolicy(Qt::StrongFocus);
    ui->sortStatus->setTabChangesFocus(true);
}

bool Accessibility::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Resize:
        if (QWidget *ring = rings.value(watched)) {
            ring->setGeometry(widget->rect());
            ring->raise();
            ring->setVisible(widget->hasFocus());
        }
        break;
    case QEvent::KeyPress: {
        // Space plays and stops where it types nothing and presses no button.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                window->play();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Accessibility::step_shown(const StepWords &words)
{
    shown_sentences().insert(vis, {vis->cur_step, words.sentence});
    if (!QAccessible::isActive())
        return;
    QGraphicsView *view = ui->Canvas;
    if (QWidget *active = QApplication::activeWindow(); active != nullptr && active != window)
        for (auto *other : active->findChildren<QGraphicsView *>())
            if (other->scene() == vis->scene && other->isVisible())
                view = other;
    tell(view);
}

void Accessibility::say(QWidget *window, const QString &text)
{
    if (!QAccessible::isActive())
        return;
    if (auto *speaking =
            dynamic_cast<SpeakingWindow *>(QAccessible::queryAccessibleInterface(window)))
        speaking->say(text);
}

void Accessibility::tell(QGraphicsView *view)
{
    if (!QAccessible::isActive())
        return;
    auto *list = dynamic_cast<StepList *>(QAccessible::queryAccessibleInterface(view));
    const Visualizer *vis = list != nullptr ? list->trace() : nullptr;
    if (vis == nullptr || vis->steps.isEmpty())
        return;
    QAccessibleEvent focus(list->item(vis->cur_step), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}
