#pragma once
// The main of a benchmark program over the program's data: settings and runtime files in a
// folder of the run (never a user's), a GUI application with the symbol font (symbols are
// rendered with it), then `prepare` (files the benchmarks read) and the benchmarks.
#include "shell/Startup.h"
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

namespace BenchProcess {
inline int run(int argc, char** argv, const QTemporaryDir& folder, const std::function<void()>& prepare)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("THREADWRIGHT_CONFIG_DIR", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
    QGuiApplication app(argc, argv);
    Startup::registerSymbolFont(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/fonts/"));
    prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
} // namespace BenchProcess
