// The rhodes editor's rubber line on the largest surface, 4097 x 4097 pixels: a 64 x 64 cell
// box at zoom 64 and a 16 x 16 box at zoom 256, in the real window shown offscreen. A stitch is
// pending from the surface's top-left corner, and 500 pointer moves are sent through QTest to
// the surface, each followed by the event processing that paints it; the pointer walks a circle
// of 200 pixels' radius in the visible part, so the rubber line's end moves between half-cell
// points.
//
// Reported per move: the median and the 90th percentile of the wall time from sending the move
// to the end of its repaint, and the pixels a repaint covers (the rubber line's rectangle).
#include "editors/RhodeShapeEditor.h"
#include "editors/forms/RhodeSurfaceView.h"
#include "editors/forms/TFRhodesEditor.h"
#include "model/RhodeShapes.h"
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {
constexpr int kMoves = 500;

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[size_t(p * double(values.size() - 1))];
}

// Counts the pixels the surface repaints.
class PaintCounter : public QObject
{
public:
    qint64 pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const QRect r = static_cast<QPaintEvent*>(event)->rect();
            pixels += qint64(r.width()) * r.height();
        }
        return false;
    }
};

void RubberLineMove(benchmark::State& state)
{
    const int columns = int(state.range(0)), rows = int(state.range(1)), zoom = int(state.range(2));
    RhodeShapes shapes;
    TFRhodesEditor window;
    window.resize(1200, 900);
    window.prepare(shapes);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    QTest::mouseClick(window.ButtonNew, Qt::LeftButton);
    window.Edit1->setValue(columns);
    window.Edit2->setValue(rows);
    window.zoomTo(zoom);
    if (window.editor().zoom() != zoom) {
        state.SkipWithError("the zoom was not reached");
        return;
    }
    QWidget* surface = window.Image;
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(1, 1));
    QCoreApplication::processEvents();
    PaintCounter counter;
    surface->installEventFilter(&counter);

    std::vector<double> moves;
    QElapsedTimer timer;
    for (auto _ : state) {
        for (int i = 0; i < kMoves; ++i) {
            const double angle = 2 * M_PI * i / 50.0;
            const QPoint p(int(300 + 200 * std::cos(angle)), int(300 + 200 * std::sin(angle)));
            timer.start();
            QTest::mouseMove(surface, p);
            QCoreApplication::processEvents();
            moves.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    state.counters["surface_w"] = window.editor().surfaceSize().width();
    state.counters["surface_h"] = window.editor().surfaceSize().height();
    state.counters["move_median_ms"] = percentile(moves, 0.5);
    state.counters["move_p90_ms"] = percentile(moves, 0.9);
    state.counters["pixels_per_move"] = double(counter.pixels) / double(moves.size());
}
BENCHMARK(RubberLineMove)->Args({64, 64, 64})->Args({16, 16, 256})->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
