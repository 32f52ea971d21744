// A new symbol for the drawing colour in the real main window: a new 1000 x 1000 design at zoom
// 20 ("500%") with grid and symbols shown, whose drawing colour fills the top-left 500 x 500
// cells (250 000, the whole visible view among them). Each iteration clicks "OK" in the
// change-symbol dialog on a free symbol and processes the events that repaint the view; the
// dialog is prepared (shown, cell chosen) outside the timed part.
//
// Reported: the wall time of OK through the repaint, per change (median and maximum).
#include "editors/forms/TFChangeCharacter.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "support/LargeDesignDialogs.h"
#include "support/WindowBenchMain.h"
#include "view/forms/TWorkView.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {
constexpr int kFilled = 500;

void fillWithDrawingColour(Design& d)
{
    const TColorRef colour = d.stitch.drawcolor();
    for (int y = 0; y < kFilled; ++y)
        for (int x = 0; x < kFilled; ++x)
            d.CrossLayer.setCanvasPixel(x, y, colour);
    ColorUsage::CalcColorUsage(d);
    d.listener().designChanged();
}

// Counts the paint events of the work view, to show that every OK reached the screen.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

void ChangeSymbolInTheWindow(benchmark::State& state)
{
    TFMain main;
    if (!showLargeDesign(main, state))
        return;
    Design& d = main.design();
    fillWithDrawingColour(d);
    QCoreApplication::processEvents();

    TFChangeCharacter dialog(&main);
    PaintCounter counter;
    main.Image->viewport()->installEventFilter(&counter);
    std::vector<double> times;
    QElapsedTimer timer;
    for (auto _ : state) {
        state.PauseTiming();
        dialog.FormShow(d);
        dialog.show();
        // Two symbols taken in turn, both free of the design's other colours.
        const int index = times.size() % 2 == 0 ? 1 : 2;
        dialog.Grid->setCurrentIndex(dialog.Grid->model()->index(0, index));
        QCoreApplication::processEvents();
        counter.paints = 0;
        state.ResumeTiming();
        timer.start();
        dialog.BOK->click();
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (counter.paints == 0)
            state.SkipWithError("OK did not repaint the view");
    }
    std::sort(times.begin(), times.end());
    state.counters["ok_median_ms"] = times[times.size() / 2];
    state.counters["ok_max_ms"] = times.back();
    state.counters["cells_of_the_colour"] = double(d.stitch.Colors.at(d.stitch.drawcolor()).colorCount);
}
BENCHMARK(ChangeSymbolInTheWindow)->Iterations(20)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv);
}
