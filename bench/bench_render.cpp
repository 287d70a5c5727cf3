// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What a step costs on screen: the model's move and the redraw, alone and with
// the canvas painting it, for the window's largest random size and for a
// thousand typed numbers, in one pane and in two; and Apply of a thousand typed numbers under
// Pratt's formula, from the click to the picture painted, and of a thousand under Shell's
// formula with the window that compares the formulas open. Needs a platform for fonts: run with
// QT_QPA_PLATFORM=offscreen when there is no display.
#include "compare.h"
#include "gaps.h"
#include "mainwindow.h"
#include "paneview.h"
#include "visualizer.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTextBrowser>

namespace
{

QVector<qint32> random_sequence(int n)
{
    QRandomGenerator rng(5);
    QVector<qint32> seq;
    for (int i = 0; i < n; ++i)
        seq.append(int(rng.bounded(n)) + 1);
    return seq;
}

// Steps forward over the comparisons of a trace, back to the first one at the end.
void step(Visualizer &vis, int first, int last)
{
    vis.set_current_step(vis.cur_step < last ? vis.cur_step + 1 : first);
    vis.render();
}

// Steps over the comparisons of a whole trace, or of its first pass alone:
// under Shell's formula at n = 1000 the pairs then lie 500 apart, in two panes.
void BM_step(benchmark::State &state)
{
    const int n = int(state.range(0));
    const bool painted = state.range(1) != 0;
    const bool first_pass = state.range(2) != 0;
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    view.setFixedSize(678, 211);
    QTextBrowser status;
    Visualizer vis(nullptr, &scene, &status, shell_gaps, random_sequence(n));
    vis.build_trace();
    PaneView panes(&vis, &view, 1);
    int first = 0;
    while (vis.steps[first].pos_b == -1)
        ++first;
    int last = int(vis.steps.size()) - 2;
    if (first_pass)
        for (last = first; vis.steps[last + 1].gap_idx == vis.steps[first].gap_idx;)
            ++last;
    vis.set_current_step(first);
    vis.render();
    if (painted)
        view.show();

    for (auto _ : state) {
        step(vis, first, last);
        if (painted) {
            panes.follow();
            benchmark::DoNotOptimize(view.viewport()->grab());
        }
    }
    state.counters["items"] = double(scene.items().size());
    state.counters["panes"] = panes.layout().panes();
}

void BM_apply_pratt_1000(benchmark::State &state)
{
    MainWindow window;
    window.show();
    window.findChild<QComboBox *>("chosenFormula")->setCurrentIndex(3);
    window.findChild<QRadioButton *>("userDefineRadio")->click();
    QStringList numbers;
    for (qint32 v : random_sequence(1000))
        numbers << QString::number(v);
    window.findChild<QLineEdit *>("userDefLine")->setText(numbers.join(u' '));
    auto *canvas = window.findChild<QGraphicsView *>("Canvas");
    for (auto _ : state) {
        window.new_seq();
        benchmark::DoNotOptimize(canvas->viewport()->grab());
    }
    state.counters["steps"] = double(window.findChild<Visualizer *>()->steps.size());
}

// What an Apply of a thousand numbers costs the window's thread with the
// comparison open, which redraws itself and has the seven sorts made on
// another thread; two sequences take turns, so that each Apply is new.
void BM_apply_compared_1000(benchmark::State &state)
{
    MainWindow window;
    window.show();
    window.findChild<QRadioButton *>("userDefineRadio")->click();
    for (QAction *action : window.actions())
        if (action->shortcut() == QKeySequence(Qt::Key_F6))
            action->trigger();
    QStringList numbers[2];
    for (qint32 v : random_sequence(1000)) {
        numbers[0] << QString::number(v);
        numbers[1].prepend(numbers[0].last());
    }
    auto *compare = window.findChild<CompareWindow *>();
    int turn = 0;
    for (auto _ : state) {
        window.findChild<QLineEdit *>("userDefLine")->setText(numbers[turn ^= 1].join(u' '));
        window.new_seq();
        benchmark::DoNotOptimize(compare->grab());
    }
}

} // namespace

BENCHMARK(BM_step)
    ->ArgNames({"n", "painted", "first_pass"})
    ->ArgsProduct({{25, 1000}, {0, 1}, {0}})
    ->Args({1000, 1, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_apply_pratt_1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_apply_compared_1000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
