// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// How each formula's average cost grows with n: the seed, the computation on
// a thread of its own with its progress, and the chart of its result.
#pragma once

#include "growth.h"
#include "progresstalk.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <optional>

class QChartView;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace compare_detail
{

class GrowthChart;
class GrowthRun;

class GrowthPage : public QWidget
{
    Q_OBJECT

public:
    explicit GrowthPage(QWidget *parent);
    // Waits for the computations still running, which end within a
    // millisecond or so of work once told to.
    ~GrowthPage() override;

    // Computes from the seed in the seed box, cancelling a computation under way.
    void start();
    // The same, as the page is shown: what screen readers are told of the
    // start names the page, whose own name the start's telling cuts short.
    void start_shown(const QString &page);
    // Stops the computation under way; the page then waits for Compute.
    void cancel();
    // Stops it; shown again, the page computes anew.
    void stop();
    bool computing() const;
    // Nothing drawn, computed or cancelled yet: the page computes once shown.
    bool waiting() const;

    // Draws the line of the formula in force, or of none for -1, wider.
    void mark(int in_force);
    // The seed of the chart shown, or the seed box's before there is one.
    quint32 seed() const;
    QChartView *chart() const;
    // The averages and exponents as tab-separated lines, or nothing before there are any.
    QString numbers() const;

signals:
    void drawn();
    // A computation ended without drawing, having been stopped or cancelled.
    void stopped();

protected:
    void changeEvent(QEvent *event) override;

private:
    friend class GrowthRun;
    QLayout *build_controls();
    void tune_progress_text();
    void show_progress(GrowthRun *from, int percent);
    void finished(GrowthRun *ended);
    // Tells a screen reader, while the window is the one in use.
    void tell(const QString &sentence);

    std::optional<Growth> growth;
    int in_force = -1;
    QDoubleSpinBox *seed_box;
    QPushButton *compute_button;
    QProgressBar *progress;
    QPushButton *cancel_button;
    GrowthChart *growth_chart;
    QLabel *interval_note;
    GrowthRun *run = nullptr; // the latest computation, until it ends
    bool cancelled_by_user = false;
    ProgressTalk talk;
    QElapsedTimer clock; // of what talk says and of the bar's steps
    QTimer told_later;   // tells the end, once the start has been said
    QString told_end;
    qint64 bar_moved = -1000000;
};

} // namespace compare_detail
