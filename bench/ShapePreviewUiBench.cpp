// The filled-circle preview in the real main window: a new 1000 x 1000 design at zoom 2, the
// first point of a filled circle set, then pointer moves sent through QTest to the work view,
// each to the next cell along a row 500 cells from the centre, so every move works out a new
// preview of radius about 500 (hundreds of thousands of cells) and repaints it.
//
// Reported per move: the median and the 90th percentile of the wall time from sending the move
// to the end of its repaint (one 60 Hz frame is 16 ms).
#include "editing/tools/Tool.h"
#include "model/Design.h"
#include "support/LargeDesignDialogs.h"
#include "support/WindowBenchMain.h"
#include "shell/Paths.h"
#include "shell/Startup.h"
#include "shell/forms/TFMain.h"
#include "view/forms/TWorkView.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {
constexpr int kMoves = 40;
constexpr int kZoomIndex = 0; // zoom 2
constexpr int kCell = 2;
const QPoint kCentre(20, 200);

QPoint pixelOf(int x, int y)
{
    return {kCell * x + 1, kCell * y + 1};
}

void FilledCirclePreviewMoves(benchmark::State& state)
{
    TFMain main;
    main.setDialogs(std::make_unique<LargeDesignDialogs>());
    main.MenuNewClick();
    main.resize(1400, 900);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    main.setZoomIndex(kZoomIndex);
    main.ButtonFilledCircleClick();
    Design& d = main.design();
    d.stitch.setDrawcolor(d.stitch.Colors.begin()->first);
    QWidget* view = main.Image->viewport();
    QTest::mouseClick(view, Qt::LeftButton, {}, pixelOf(kCentre.x(), kCentre.y()));
    QCoreApplication::processEvents();

    std::vector<double> moves;
    QElapsedTimer timer;
    int step = 0;
    for (auto _ : state) {
        for (int i = 0; i < kMoves; ++i, ++step) {
            timer.start();
            QTest::mouseMove(view, pixelOf(kCentre.x() + 500 + step % 2, kCentre.y()));
            QCoreApplication::processEvents();
            moves.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(moves.begin(), moves.end());
    state.counters["move_median_ms"] = moves[moves.size() / 2];
    state.counters["move_p90_ms"] = moves[size_t(0.9 * double(moves.size() - 1))];
    state.counters["preview_cells"] = double(main.currentTool()->preview().cells.size());
}
BENCHMARK(FilledCirclePreviewMoves)->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(icons);
    return runWindowBenchmarks(argc, argv);
}
