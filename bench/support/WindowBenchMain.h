#pragma once
// The main of a window benchmark: offscreen, a settings folder of its own, the shipped data and
// the symbol font of the source tree.
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
    Paths::setDataFolder(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR));
    Startup::registerSymbolFont(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/fonts/"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
