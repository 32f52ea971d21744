#pragma once
// The start of a benchmark program that drives windows: the offscreen platform, a private
// settings folder, the source tree's data, the icons and the symbol font, then the benchmarks.
#include "shell/Paths.h"
#include "shell/Startup.h"
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

inline int runWindowBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("THREADWRIGHT_CONFIG_DIR", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);
    Paths::setDataFolder(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR));
    Startup::registerSymbolFont(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/fonts/"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
