// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "compare.h"

#include "accessible.h"
#include "chartpicture.h"
#include "costspage.h"
#include "dialogs.h"
#include "focusmark.h"
#include "growthpage.h"
#include "visualizer.h"

#include <QAction>
#include <QBoxLayout>
#include <QChartView>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QtConcurrent>

using namespace compare_detail;

CompareWindow::CompareWindow(const Visualizer *vis, QWidget *parent)
    : QWidget(parent, Qt::Window), vis(vis)
{
    install_compare_accessibility();
    setWindowTitle(tr("Vellora – Compare the formulas"));

    pages = new QTabWidget(this);
    costs_page = new CostsPage(pages);
    pages->addTab(costs_page, tr("On this sequence"));
    growth_page = new GrowthPage(pages);
    pages->addTab(growth_page, tr("Growth with n"));
    connect(growth_page, &GrowthPage::drawn, this, &CompareWindow::growth_drawn);
    // A window closed and opened again at once computes anew.
    connect(growth_page, &GrowthPage::stopped, this, &CompareWindow::page_shown);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(build_buttons());
    connect(pages, &QTabWidget::currentChanged, this, &CompareWindow::page_shown);
    connect(&costs_watcher, &QFutureWatcher<Costs>::finished, this, &CompareWindow::show_costs);
    build_keys();
    mark_focus();

    const QSize room = parent != nullptr && parent->screen() != nullptr
                           ? parent->screen()->availableSize()
                           : QSize(1280, 800);
    resize(qMin(1180, room.width() * 9 / 10), qMin(680, room.height() * 9 / 10));
}

QLayout *CompareWindow::build_buttons()
{
    auto *copy_button = new QPushButton(tr("Copy picture"), this);
    auto *save_button = new QPushButton(tr("Save picture…"), this);
    auto *close_button = new QPushButton(tr("Close"), this);
    copy_button->setToolTip(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
    save_button->setToolTip(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText));
    connect(copy_button, &QPushButton::clicked, this, &CompareWindow::copy_chart);
    connect(save_button, &QPushButton::clicked, this, &CompareWindow::save_chart_as);
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy_button);
    buttons->addWidget(save_button);
    buttons->addStretch();
    buttons->addWidget(close_button);
    return buttons;
}

void CompareWindow::build_keys()
{
    const auto key = [this](const QKeySequence &keys, void (CompareWindow::*what)()) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, what);
        addAction(action);
    };
    key(QKeySequence::Copy, &CompareWindow::copy_chart);
    key(QKeySequence::Save, &CompareWindow::save_chart_as);
    auto *escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, [this] {
        if (computing())
            growth_page->cancel();
        else
            close();
    });
    addAction(escape);
}

// The style shows the focus faintly on a button and a tab, and on a tab
// only after the Tab key.
void CompareWindow::mark_focus()
{
    for (QPushButton *button : findChildren<QPushButton *>())
        (new FocusMark(button))->make_room();
    QTabBar *bar = pages->tabBar();
    auto *tab_mark = new FocusMark(bar, [bar] { return bar->tabRect(bar->currentIndex()); });
    connect(bar, &QTabBar::currentChanged, tab_mark, qOverload<>(&QWidget::update));
}

void CompareWindow::refresh()
{
    if (isHidden())
        return;
    const QVector<qint32> now = initial_sequence(*vis);
    if (now != sequence) {
        sequence = now;
        // A trace of a thousand numbers per formula takes tens of
        // milliseconds: off the window's thread. A newer sequence's costs
        // replace these unseen.
        costs_watcher.setFuture(QtConcurrent::run(costs_of, sequence));
    }
    mark(formula_index(vis->stepgen));
}

void CompareWindow::show_costs()
{
    costs_page->show_costs(sequence, costs_watcher.result());
    in_force = -2; // marked anew below
    mark(formula_index(vis->stepgen));
    arrange();
}

void CompareWindow::arrange()
{
    costs_page->arrange(pages->width());
}

void CompareWindow::mark(int force)
{
    if (force == in_force || !costs_page->shows_costs())
        return;
    in_force = force;
    costs_page->mark(in_force);
    growth_page->mark(in_force);
}

void CompareWindow::showEvent(QShowEvent *event)
{
    fit_on_screen();
    QWidget::showEvent(event);
    refresh();
    page_shown();
}

// However large it was left, or wherever, the window opens within the
// screen; its pages scroll where it is smaller than they are.
void CompareWindow::fit_on_screen()
{
    if (screen() == nullptr)
        return;
    const QRect room = screen()->availableGeometry();
    const QSize decoration = frameGeometry().size() - size();
    resize(size().boundedTo(room.size() - decoration).expandedTo(minimumSizeHint()));
    const QRect frame = frameGeometry();
    if (room.contains(frame))
        return;
    const QPoint corner(qBound(room.left(), frame.left(), room.right() - frame.width() + 1),
                        qBound(room.top(), frame.top(), room.bottom() - frame.height() + 1));
    move(pos() + corner - frame.topLeft());
}

void CompareWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void CompareWindow::closeEvent(QCloseEvent *event)
{
    // Reopened, the growth page computes again.
    growth_page->stop();
    QWidget::closeEvent(event);
}

void CompareWindow::page_shown()
{
    if (pages->currentWidget() == growth_page && growth_page->waiting() && !isHidden())
        growth_page->start_shown(pages->tabText(pages->currentIndex()));
}

bool CompareWindow::computing() const
{
    return growth_page->computing();
}

QChartView *CompareWindow::shown_chart() const
{
    QChartView *view =
        pages->currentWidget() == costs_page ? costs_page->chart() : growth_page->chart();
    // A chart lays out its legend and axes anew, and a page its scroll bars,
    // once the events queued so far are handled, and a scroll bar shown
    // resizes the chart again; a picture taken sooner would show what was
    // there before.
    QSize before;
    for (int pass = 0; pass < 4 && (pass == 0 || view->size() != before); ++pass) {
        before = view->size();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    return view;
}

QImage CompareWindow::chart_image() const
{
    return compare_detail::chart_image(shown_chart());
}

QString CompareWindow::chart_name(const QString &suffix) const
{
    if (pages->currentWidget() == costs_page)
        return QStringLiteral("shell-sort-formulas-compared.") + suffix;
    return QStringLiteral("shell-sort-growth-seed-%1.%2").arg(growth_page->seed()).arg(suffix);
}

bool CompareWindow::save_chart(const QString &path)
{
    QString error;
    if (save_chart_picture(shown_chart(), path, &error))
        return true;
    tell_unsaved_picture(path, error);
    return false;
}

QString CompareWindow::shown_numbers() const
{
    return pages->currentWidget() == costs_page ? costs_page->numbers() : growth_page->numbers();
}

void CompareWindow::copy_chart()
{
    // A picture for slides, and the numbers for a spreadsheet.
    auto *data = new QMimeData;
    data->setImageData(chart_image());
    data->setText(shown_numbers());
    QGuiApplication::clipboard()->setMimeData(data);
}

void CompareWindow::save_chart_as()
{
    const QString path =
        ask_picture_path(this, [this](const QString &suffix) { return chart_name(suffix); });
    if (!path.isEmpty())
        save_chart(path);
}
