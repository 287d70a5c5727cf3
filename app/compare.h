// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The formulas side by side: what each one costs on the sequence on display,
// as a table and a bar chart, and how the cost of each grows with the length
// of random sequences, on log–log axes with the fitted exponents next to the
// worst-case bounds of the help page.
#pragma once

#include "growth.h"

#include <QFutureWatcher>
#include <QImage>
#include <QVector>
#include <QWidget>

#include <array>
#include <optional>

class QBoxLayout;
class QChartView;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class Visualizer;

namespace compare_detail
{
class BarChart;
class GrowthChart;
class GrowthRun;

// What one formula's trace of the sequence costs.
struct Cost {
    QVector<qint32> gaps;
    qint32 comparisons = 0;
    qint32 swaps = 0;
    qint32 steps = 0;
};
using Costs = std::array<Cost, formula_count>;
} // namespace compare_detail

class CompareWindow : public QWidget
{
    Q_OBJECT

public:
    // vis is the window's trace; its sequence and formula are read at each refresh.
    CompareWindow(const Visualizer *vis, QWidget *parent);
    ~CompareWindow() override;

    // Shows the costs on the trace's sequence, with the formula in force marked.
    void refresh();

    // Draws the growth chart anew from the seed in the seed box, cancelling
    // a computation under way; cancel_growth stops it, leaving the chart as it was.
    void start_growth();
    void cancel_growth();
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
    void build_costs_page();
    void build_growth_page();
    void build_keys();
    void show_costs();
    void mark(int in_force);
    void arrange();
    void page_shown();
    void stop_run();
    void growth_progress(compare_detail::GrowthRun *run, int percent);
    void growth_finished(compare_detail::GrowthRun *run);
    void copy_chart();
    void save_chart_as();
    QChartView *shown_chart() const;
    QString shown_numbers() const;

    friend class compare_detail::GrowthRun;

    const Visualizer *vis;
    QVector<qint32> sequence; // the one whose costs are shown, or are being counted
    compare_detail::Costs costs;
    QFutureWatcher<compare_detail::Costs> costs_watcher;
    int in_force = -1;
    std::optional<Growth> growth;

    QTabWidget *pages;
    QLabel *sequence_label;
    QBoxLayout *sides;
    QTableWidget *table;
    QLabel *table_note;
    compare_detail::BarChart *bars;

    QDoubleSpinBox *seed_box;
    QPushButton *compute_button;
    QProgressBar *progress;
    QPushButton *cancel_button;
    compare_detail::GrowthChart *growth_chart;
    compare_detail::GrowthRun *run = nullptr; // the latest computation, until it ends
    bool cancelled_by_user = false;
};
