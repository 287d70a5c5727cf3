// One full redraw of a comparison step, for the window's largest random size
// and for a long sequence from the command line. Needs a platform for fonts:
// run with QT_QPA_PLATFORM=offscreen when there is no display.
#include "gaps.h"
#include "visualizer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGraphicsScene>
#include <QRandomGenerator>
#include <QTextBrowser>

namespace
{

void BM_render_comparison_step(benchmark::State &state)
{
    const int n = int(state.range(0));
    QRandomGenerator rng(5);
    QVector<qint32> seq;
    for (int i = 0; i < n; ++i)
        seq.append(int(rng.bounded(n)) + 1);

    QGraphicsScene scene;
    scene.setItemIndexMethod(QGraphicsScene::NoIndex);
    QTextBrowser status;
    Visualizer vis(nullptr, &scene, &status, shell_gaps, seq);
    vis.build_trace();
    // A comparison step of the first pass: all three rows are drawn.
    int step = 0;
    while (vis.steps[step].pos_b == -1)
        ++step;
    vis.set_current_step(step);

    for (auto _ : state)
        vis.render();
    state.counters["items"] = double(scene.items().size());
}

} // namespace

BENCHMARK(BM_render_comparison_step)->Arg(25)->Arg(1000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
