// The conversion wizard on a 49.7-megapixel photograph (Elephants_9400x5288.jpg, made by
// scripts/install-bench-deps), driven offscreen as a user would: load the picture, move the zoom
// slider 10 -> 100 in ten steps, go to the adjustment page and change the contrast twice, go to
// the size page (size 100), go to the colour page (the default palette), pick the first palette
// of the list, set the colour count and pick Floyd-Steinberg.
//
// A 10 ms timer on the window's thread records the event loop's longest stall over the whole
// walk (target: none over 100 ms). Each action is timed until the wizard is idle again, against
// the same work done directly in the same process: a bare QImageReader::read of the file for
// the first page, the core calls for the later ones (target: 1.5 x each).
//
// The picture: THREADWRIGHT_BENCH_PICTURE, or ~/.cache/threadwright-bench/Elephants_9400x5288.jpg.
#include "conversion/ConversionGeometry.h"
#include "conversion/JobProgress.h"
#include "conversion/PictureLoader.h"
#include "conversion/WizardPipeline.h"
#include "conversion/forms/TFWizzard.h"
#include "imaging/KernelResampler.h"
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "support/WindowBenchMain.h"
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <map>

namespace {
QString picturePath()
{
    const QString chosen = qEnvironmentVariable("THREADWRIGHT_BENCH_PICTURE");
    return chosen.isEmpty() ? QDir::homePath() + QStringLiteral("/.cache/threadwright-bench/Elephants_9400x5288.jpg")
                            : chosen;
}

double msSince(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// The longest gap between two ticks of a 10 ms timer, less the 10 ms.
class StallProbe
{
public:
    StallProbe()
    {
        m_timer.setInterval(10);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, msSince(m_last) - 10);
            m_last.start();
        });
        m_last.start();
        m_timer.start();
    }
    double longest() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_last;
    double m_longest = 0;
};

// Runs the event loop until the wizard has nothing running or waiting.
void settle(TFWizzard& w)
{
    if (!w.busy())
        return;
    QEventLoop loop;
    QObject::connect(w.worker(), &ConversionWorker::busyChanged, &loop, [&loop](bool busy) {
        if (!busy)
            loop.quit();
    });
    loop.exec();
}

// Times `action` in the wizard until it is idle again.
double timed(TFWizzard& w, const std::function<void()>& action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    settle(w);
    return msSince(clock);
}

double timedDirect(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return msSince(clock);
}

void WizardWalk(benchmark::State& state)
{
    const QString path = picturePath();
    if (!QFileInfo::exists(path)) {
        state.SkipWithError("no picture: run scripts/install-bench-deps");
        return;
    }
    TFMain main;
    TStitch& doc = main.design().stitch;
    std::map<std::string, std::vector<double>> wizard, direct;
    double stall = 0;
    std::string warning;
    for (auto _ : state) {
        TFWizzard w(&main);
        w.warn = [&warning](const QString& m) { warning = m.toStdString(); };
        StallProbe probe;
        // The first page: the picture read and shown at the zoom that fits.
        wizard["step1_load_and_show"].push_back(timed(w, [&] {
            w.loadPicture(path);
            w.ResetAll(doc);
            w.show();
        }));
        for (int zoom = 10; zoom <= 100; zoom += 10)
            wizard["step1_zoom"].push_back(timed(w, [&] { w.GaugeBar3->setValue(zoom); }));
        wizard["step2_enter"].push_back(timed(w, [&] { QTest::mouseClick(w.BNext, Qt::LeftButton); }));
        for (int contrast : {120, 140})
            wizard["step2_contrast"].push_back(timed(w, [&] { w.Contrast->setValue(contrast); }));
        wizard["step3_enter_size100"].push_back(timed(w, [&] { QTest::mouseClick(w.BNext, Qt::LeftButton); }));
        wizard["step4_enter"].push_back(timed(w, [&] { QTest::mouseClick(w.BNext, Qt::LeftButton); }));
        wizard["step4_palette"].push_back(timed(w, [&] {
            w.ComboPalettes->setCurrentIndex(0);
            w.ComboPalettesChange();
        }));
        wizard["step4_colours60"].push_back(timed(w, [&] {
            w.EditMaxColors->setValue(60);
            w.Button2Click();
        }));
        wizard["step4_floyd"].push_back(timed(w, [&] {
            w.ComboBoxDithering->setCurrentIndex(int(DitherMethod::FloydSteinberg));
            w.ComboBoxDitheringChange();
        }));
        stall = std::max(stall, probe.longest());
        const QSize view = w.ImageAdjustment->size();
        const QString palette = w.ComboPalettes->currentText();
        w.reject();
        w.release();

        // The same work without the window.
        direct["step1_load_and_show"].push_back(timedDirect([&] {
            QImageReader reader(path);
            reader.setAutoTransform(true);
            benchmark::DoNotOptimize(reader.read());
        }));
        TBitmap32 picture;
        PictureLoader::load(path, picture);
        const QSize size(picture.width(), picture.height());
        for (int zoom = 10; zoom <= 100; zoom += 10)
            direct["step1_zoom"].push_back(timedDirect([&] { WizardPipeline::cropView(picture, zoom / 100.0); }));
        WizardPipeline pipeline(doc, picture);
        JobProgress progress;
        ConversionChoices choices;
        choices.SelectionRect = QRectF(QPointF(0, 0), QSizeF(size));
        direct["step2_enter"].push_back(timedDirect([&] { pipeline.adjustmentView(choices, view, progress); }));
        for (int contrast : {120, 140}) {
            choices.contrast = contrast;
            direct["step2_contrast"].push_back(timedDirect([&] { pipeline.adjustmentView(choices, view, progress); }));
        }
        direct["step3_enter_size100"].push_back(timedDirect([&] { pipeline.resized(choices, progress); }));
        choices.palette = doc.defaultPalette;
        direct["step4_enter"].push_back(timedDirect([&] { pipeline.matched(choices, progress); }));
        choices.palette = palette;
        direct["step4_palette"].push_back(timedDirect([&] { pipeline.matched(choices, progress); }));
        choices.maxColors = 60;
        direct["step4_colours60"].push_back(timedDirect([&] { pipeline.recomputed(choices, progress); }));
        choices.dithering = DitherMethod::FloydSteinberg;
        direct["step4_floyd"].push_back(timedDirect([&] { pipeline.recomputed(choices, progress); }));
    }
    if (!warning.empty()) {
        state.SkipWithError(warning.c_str());
        return;
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["longest_stall_ms"] = stall;
    for (const auto& [name, times] : wizard) {
        state.counters[name + "_ms"] = median(times);
        state.counters[name + "_ratio"] = median(times) / std::max(0.001, median(direct[name]));
    }
}
BENCHMARK(WizardWalk)->Iterations(1)->Unit(benchmark::kSecond);
} // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv);
}
