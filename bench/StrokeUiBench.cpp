// A pen stroke in the real main window: a new 1000 x 1000 design at zoom 20 ("500%") with grid
// and symbols shown, and 2 000 pointer moves sent through QTest to the work view, each followed
// by the event processing that paints it. Every move goes half a cell further along rows that
// snake across the view, so every other move enters a cell the stroke has not drawn yet.
//
// Reported per move: the median and the 90th percentile of the wall time from sending the move
// to the end of its repaint.
#include "model/Design.h"
#include "support/LargeDesignDialogs.h"
#include "support/WindowBenchMain.h"
#include "shell/Paths.h"
#include "shell/Startup.h"
#include "shell/forms/TFMain.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {
constexpr int kMoves = 2000;
constexpr int kZoomIndex = 12; // zoom 20
constexpr int kCell = 20;

// The pointer positions of the stroke: half a cell per move, rows snaking down the view.
QList<QPoint> strokePath(const QSize& view)
{
    const int step = kCell / 2;
    const int columns = view.width() / step - 2;
    QList<QPoint> path;
    for (int i = 0; path.size() <= kMoves; ++i) {
        const int row = i / columns, column = i % columns;
        const int x = row % 2 == 0 ? column : columns - 1 - column;
        path << QPoint(step / 2 + x * step, kCell / 2 + row * kCell);
    }
    return path;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[size_t(p * double(values.size() - 1))];
}

void PenStrokeInTheWindow(benchmark::State& state)
{
    TFMain main;
    main.setDialogs(std::make_unique<LargeDesignDialogs>());
    main.MenuNewClick();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    main.setZoomIndex(kZoomIndex);
    main.setVisibility(true, true);
    main.ButtonDraw->trigger();
    Design& d = main.design();
    d.stitch.setDrawcolor(d.stitch.Colors.begin()->first);
    QWidget* view = main.Image->viewport();
    const QList<QPoint> path = strokePath(view->size());
    QCoreApplication::processEvents();

    std::vector<double> moves;
    QElapsedTimer timer;
    for (auto _ : state) {
        QTest::mousePress(view, Qt::LeftButton, {}, path.first());
        for (int i = 1; i <= kMoves; ++i) {
            timer.start();
            QTest::mouseMove(view, path[i]);
            QCoreApplication::processEvents();
            moves.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        QTest::mouseRelease(view, Qt::LeftButton, {}, path[kMoves]);
        state.PauseTiming();
        d.History.Undo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["move_median_ms"] = percentile(moves, 0.5);
    state.counters["move_p90_ms"] = percentile(moves, 0.9);
    state.counters["cells_drawn"] = double(kMoves / 2);
}
BENCHMARK(PenStrokeInTheWindow)->Iterations(5)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(icons);
    return runWindowBenchmarks(argc, argv);
}
