// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Trace building and walking for the sizes the window offers and for long
// sequences from vellora-trace, and the growth of the cost over random
// sequences. Memory per step is read from the allocator.
#include "formulas.h"
#include "growth.h"
#include "visualizer.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <malloc.h>
#include <numeric>

namespace
{

QVector<qint32> random_sequence(int n, quint32 seed)
{
    QRandomGenerator rng(seed);
    QVector<qint32> seq;
    for (int i = 0; i < n; ++i)
        seq.append(int(rng.bounded(n)) + 1);
    return seq;
}

qint32 operations(const QVector<qint32> &seq)
{
    Visualizer vis(nullptr, nullptr, nullptr, shell_gaps, seq);
    vis.build_trace();
    return vis.op_count;
}

// The costliest 1000-number input found for Shell's gaps: the best of a few
// classic shapes, then improved by random exchanges that never lower the count.
const QVector<qint32> &shell_worst_case()
{
    static const QVector<qint32> worst = [] {
        const int n = 1000;
        QVector<QVector<qint32>> candidates(3);
        for (int i = 0; i < n; ++i) {
            candidates[0].append(n - i);
            // Small values at odd positions, large ones at even positions.
            candidates[1].append(i % 2 ? i / 2 + 1 : n / 2 + i / 2 + 1);
        }
        candidates[2] = random_sequence(n, 1);
        QVector<qint32> best = *std::max_element(
            candidates.begin(), candidates.end(),
            [](const auto &a, const auto &b) { return operations(a) < operations(b); });
        qint32 best_ops = operations(best);
        QRandomGenerator rng(99);
        for (int round = 0; round < 400; ++round) {
            QVector<qint32> trial = best;
            std::swap(trial[int(rng.bounded(n))], trial[int(rng.bounded(n))]);
            const qint32 ops = operations(trial);
            if (ops >= best_ops) {
                best = trial;
                best_ops = ops;
            }
        }
        return best;
    }();
    return worst;
}

void report_trace(benchmark::State &state, const Visualizer &vis, size_t bytes)
{
    state.counters["steps"] = double(vis.steps.size());
    state.counters["operations"] = vis.op_count;
    state.counters["bytes_per_step"] = double(bytes) / double(vis.steps.size());
}

void run_build(benchmark::State &state, const QVector<qint32> &seq, GapGenerator gen)
{
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto *vis = new Visualizer(nullptr, nullptr, nullptr, gen, seq);
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        vis->build_trace();
        state.PauseTiming();
        bytes = mallinfo2().uordblks - before;
        report_trace(state, *vis, bytes);
        delete vis;
        state.ResumeTiming();
    }
}

void BM_build_trace(benchmark::State &state)
{
    run_build(state, random_sequence(int(state.range(1)), 42), gap_generators[state.range(0)]);
    state.SetLabel(formulas[state.range(0)].name);
}

void BM_build_trace_shell_worst(benchmark::State &state)
{
    run_build(state, shell_worst_case(), shell_gaps);
}

void BM_walk_forward_and_back(benchmark::State &state)
{
    Visualizer vis(nullptr, nullptr, nullptr, gap_generators[state.range(0)],
                   random_sequence(int(state.range(1)), 42));
    vis.build_trace();
    const int last = int(vis.steps.size()) - 1;
    for (auto _ : state) {
        for (int i = 1; i <= last; ++i)
            vis.set_current_step(i);
        for (int i = last - 1; i >= 0; --i)
            vis.set_current_step(i);
        benchmark::DoNotOptimize(vis.seq.data());
    }
    state.counters["steps"] = double(vis.steps.size());
    state.SetLabel(formulas[state.range(0)].name);
}

// The whole growth computation, as vellora-trace --growth and a chart run it,
// permutations drawn until every interval is narrow: under 2 s is the aim. And
// the longest stretch between two progress reports: how long a cancel can wait.
void BM_growth(benchmark::State &state)
{
    double longest_ms = 0;
    int reports = 0;
    qint64 permutations = 0;
    for (auto _ : state) {
        QElapsedTimer since;
        since.start();
        reports = 0;
        const auto growth = compute_growth(growth_default_seed, [&](double) {
            longest_ms = qMax(longest_ms, double(since.nsecsElapsed()) / 1e6);
            since.restart();
            ++reports;
            return true;
        });
        benchmark::DoNotOptimize(growth->exponents.data());
        permutations = std::accumulate(growth->samples.begin(), growth->samples.end(), qint64(0));
    }
    state.counters["longest_ms_between_reports"] = longest_ms;
    state.counters["reports"] = reports;
    state.counters["permutations"] = double(permutations);
}

} // namespace

BENCHMARK(BM_build_trace)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {25, 1000}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_build_trace_shell_worst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_walk_forward_and_back)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {25, 1000}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_growth)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
