// Exporting and opening a large Open Cross Stitch chart, against xmllint's streaming parse of
// the same file in the same run. The design is LargeDesign's (every cell stitched, a quarter of
// the quarter cells, 400 colours) with 10 000 back stitches and 1 000 french knots added.
#include "files/DesignFiles.h"
#include "files/OxsWriter.h"
#include "shell/Startup.h"
#include "support/LargeDesign.h"
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

namespace {
using LargeDesign::kSide;

Design& chartDesign()
{
    static Design& design = [] () -> Design& {
        Design& d = LargeDesign::largeDesign();
        const std::vector<TColorRef> colours = d.stitch.Colors.keys();
        std::mt19937 random(13);
        std::uniform_int_distribution<int> point(0, 2 * kSide);
        std::uniform_int_distribution<int> pick(0, LargeDesign::kColours - 1);
        for (int i = 0; i < 10000; ++i)
            d.BackStitchList.append({QPoint(point(random), point(random)), QPoint(point(random), point(random)),
                colours[size_t(pick(random))], 0});
        for (int i = 0; i < 1000; ++i)
            d.FrenchKnotList.append({QPoint(point(random), point(random)), colours[size_t(pick(random))], 0});
        ColorUsage::CalcColorUsage(d);
        return d;
    }();
    return design;
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// The chart, exported once so that the opening benchmarks have it.
const QString& chartFile()
{
    static const QString name = [] {
        const QString file = folder().filePath(QStringLiteral("large.oxs"));
        if (!SaveOXS(chartDesign(), file))
            qFatal("could not write the benchmark's chart");
        return file;
    }();
    return name;
}

void setBytes(benchmark::State& state)
{
    const qint64 size = QFile(chartFile()).size();
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["file_MB"] = double(size) / 1e6;
}

// CPU seconds of the finished child processes so far.
double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The yardstick: libxml2's streaming parser over the file, as a separate program. Its CPU time
// per run is reported as `child_cpu_ms`: on a loaded machine wall times say little.
void XmllintStream(benchmark::State& state)
{
    const double before = childCpuSeconds();
    for (auto _ : state) {
        QProcess xmllint;
        xmllint.start(QStringLiteral("xmllint"), {QStringLiteral("--stream"), QStringLiteral("--noout"), chartFile()});
        if (!xmllint.waitForFinished(-1) || xmllint.exitCode() != 0)
            state.SkipWithError("xmllint failed (package libxml2-utils)");
    }
    state.counters["child_cpu_ms"] = (childCpuSeconds() - before) * 1000 / double(state.iterations());
    setBytes(state);
}
BENCHMARK(XmllintStream)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of any open with Qt's stream reader: every token of the file read, nothing done
// with them (namespace processing off, as the chart reader has it).
void StreamReaderAlone(benchmark::State& state)
{
    for (auto _ : state) {
        QFile file(chartFile());
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        xml.setNamespaceProcessing(false);
        qint64 tokens = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            ++tokens;
        }
        if (xml.hasError())
            state.SkipWithError("the chart is not well formed");
        benchmark::DoNotOptimize(tokens);
    }
    setBytes(state);
}
BENCHMARK(StreamReaderAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

// SaveOXS as the export command runs it: streamed into SafeFileWriter's temporary file, flush,
// rename.
void ExportOXS(benchmark::State& state)
{
    const QString name = folder().filePath(QStringLiteral("exported.oxs"));
    for (auto _ : state) {
        if (!SaveOXS(chartDesign(), name))
            state.SkipWithError("export failed");
    }
    setBytes(state);
}
BENCHMARK(ExportOXS)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening as the open command does, into a fresh document: the streamed read into the record,
// the design built from it, and the full recount.
void OpenOXS(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto design = LargeDesign::freshDesign();
        state.ResumeTiming();
        if (!DesignFiles::load(chartFile(), *design).status)
            state.SkipWithError("open failed");
        state.PauseTiming();
        design.reset();
        state.ResumeTiming();
    }
    setBytes(state);
}
BENCHMARK(OpenOXS)->Unit(benchmark::kMillisecond)->UseRealTime();

// A line of /proc/self/status in kB ("VmRSS", "VmHWM").
double statusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key)) + 1).trimmed().split(' ').first().toDouble();
    }
    return 0;
}

// Memory of one open: the peak resident size reached while opening and the size the finished
// design keeps, both over the size before. Writing 5 to clear_refs resets the peak.
void OpenOXSMemory(benchmark::State& state)
{
    for (auto _ : state) {
        auto design = LargeDesign::freshDesign();
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
            state.SkipWithError("the peak resident size cannot be reset");
        clear.close();
        const double before = statusKb("VmRSS:");
        if (!DesignFiles::load(chartFile(), *design).status)
            state.SkipWithError("open failed");
        state.counters["peak_over_start_MB"] = (statusKb("VmHWM:") - before) / 1024;
        state.counters["design_MB"] = (statusKb("VmRSS:") - before) / 1024;
    }
}
BENCHMARK(OpenOXSMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
} // namespace

int main(int argc, char** argv)
{
    // Large blocks always come from the system and go back to it when freed, so that the
    // resident size of each open is its own (glibc would otherwise raise this limit after the
    // first large block is freed and keep later ones in the heap).
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Symbols are rendered with the program's font, which needs a GUI application.
    QGuiApplication app(argc, argv);
    Startup::registerSymbolFont(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/fonts/"));
    chartFile();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
}
