// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The formulas side by side: what each one costs on the sequence on display,
// as a table and a bar chart, and how the cost of each grows with the length
// of random sequences, on log–log axes with the fitted exponents next to the
// worst-case bounds of the help page.
#pragma once

#include "cost.h"

#include <QFutureWatcher>
#include <QImage>
#include <QVector>
#include <QWidget>

class QChartView;
class QTabWidget;
class Visualizer;

namespace compare_detail
{
class CostsPage;
class GrowthPage;
} // namespace compare_detail

class CompareWindow : public QWidget
{
    Q_OBJECT

public:
    // vis is the window's trace; its sequence and formula are read at each refresh.
    CompareWindow(const Visualizer *vis, QWidget *parent);

    // Shows the costs on the trace's sequence, with the formula in force marked.
    void refresh();

    // Whether the growth chart is being computed.
    bool computing() const;

    // The chart of the page shown, as a picture at twice its size on screen.
    QImage chart_image() const;
    // Writes it as PNG or, when the name ends in .svg, as SVG; a file that
    // cannot be written gets a box naming it.
    bool save_chart(const QString &path);
    // The name offered for it, which says what it shows.
    QString chart_name(const QString &suffix) const;

signals:
    // The growth chart shows the averages of a finished computation.
    void growth_drawn();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLayout *build_buttons();
    void build_keys();
    void mark_focus();
    void show_costs();
    void mark(int in_force);
    void arrange();
    void fit_on_screen();
    void page_shown();
    void copy_chart();
    void save_chart_as();
    QChartView *shown_chart() const;
    QString shown_numbers() const;

    const Visualizer *vis;
    QVector<qint32> sequence; // the one whose costs are shown, or are being counted
    QFutureWatcher<compare_detail::Costs> costs_watcher;
    int in_force = -1;

    QTabWidget *pages;
    compare_detail::CostsPage *costs_page;
    compare_detail::GrowthPage *growth_page;
};
