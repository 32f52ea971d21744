// Saving and opening a large design file (see LargeDesign) against one plain buffered write and
// read of the same number of bytes, in the same run.
#include "files/QmkFile.h"
#include "files/QmkLoader.h"
#include "files/QmkReader.h"
#include "files/QmkWriter.h"
#include "model/Design.h"
#include "support/BenchProcess.h"
#include "support/LargeDesign.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using LargeDesign::freshDesign;
using LargeDesign::kSide;
using LargeDesign::largeDesign;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString designFile()
{
    return folder().filePath(QStringLiteral("large.qmk"));
}

// The file SaveQMK writes, made once so that the reading benchmarks have it.
const QByteArray& fileBytes()
{
    static const QByteArray bytes = [] {
        QByteArray b;
        QmkWriter::encode(largeDesign(), QRect(0, 0, kSide, kSide), largeDesign().CrossLayer, false, b);
        if (!SaveQMK(largeDesign(), designFile()))
            qFatal("could not write the benchmark's design file");
        return b;
    }();
    return bytes;
}

void setBytes(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * fileBytes().size());
    state.counters["file_MB"] = double(fileBytes().size()) / 1e6;
}

// The yardsticks: one buffered stdio write and read of the file's bytes.
void PlainBufferedWrite(benchmark::State& state)
{
    const QByteArray& bytes = fileBytes();
    const QByteArray name = folder().filePath(QStringLiteral("plain.bin")).toLocal8Bit();
    for (auto _ : state) {
        std::FILE* f = std::fopen(name.constData(), "wb");
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
        std::fclose(f);
    }
    setBytes(state);
}
BENCHMARK(PlainBufferedWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with the flush to disk that a safe save adds before it replaces the old file.
void PlainBufferedWriteAndSync(benchmark::State& state)
{
    const QByteArray& bytes = fileBytes();
    const QByteArray name = folder().filePath(QStringLiteral("plain-synced.bin")).toLocal8Bit();
    for (auto _ : state) {
        std::FILE* f = std::fopen(name.constData(), "wb");
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
        std::fflush(f);
        fdatasync(fileno(f));
        std::fclose(f);
    }
    setBytes(state);
}
BENCHMARK(PlainBufferedWriteAndSync)->Unit(benchmark::kMillisecond)->UseRealTime();

void PlainBufferedRead(benchmark::State& state)
{
    const QByteArray name = designFile().toLocal8Bit();
    for (auto _ : state) {
        // A reader needs memory to read into, as every reader of a file does.
        QByteArray buffer(fileBytes().size(), Qt::Uninitialized);
        std::FILE* f = std::fopen(name.constData(), "rb");
        benchmark::DoNotOptimize(std::fread(buffer.data(), 1, size_t(buffer.size()), f));
        std::fclose(f);
    }
    setBytes(state);
}
BENCHMARK(PlainBufferedRead)->Unit(benchmark::kMillisecond)->UseRealTime();

// SaveQMK whole: building the file in memory, then the safe write (temporary file, flush to
// disk, rename).
void SaveQMKWhole(benchmark::State& state)
{
    Design& design = largeDesign();
    const QString name = folder().filePath(QStringLiteral("saved.qmk"));
    for (auto _ : state) {
        if (!SaveQMK(design, name))
            state.SkipWithError("save failed");
    }
    setBytes(state);
}
BENCHMARK(SaveQMKWhole)->Unit(benchmark::kMillisecond)->UseRealTime();

// The in-memory part of saving alone.
void EncodeQMK(benchmark::State& state)
{
    Design& design = largeDesign();
    for (auto _ : state) {
        QByteArray bytes;
        QmkWriter::encode(design, QRect(0, 0, kSide, kSide), design.CrossLayer, false, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}
BENCHMARK(EncodeQMK)->Unit(benchmark::kMillisecond)->UseRealTime();

// ReadQMK: the file into the record.
void ReadQMKRecord(benchmark::State& state)
{
    const QString name = designFile();
    for (auto _ : state) {
        qmkFile record;
        if (!ReadQMK(record, name))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(record.Pixels.present());
    }
    setBytes(state);
}
BENCHMARK(ReadQMKRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

// LoadQMK as the open command runs it, into a fresh document: reading, building the layers,
// lists and colour table, and the full recount (which also renders the symbols of the 400 used
// colours in every size).
void LoadQMKWhole(benchmark::State& state)
{
    const QString name = designFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto design = freshDesign();
        state.ResumeTiming();
        if (!LoadQMK(name, *design))
            state.SkipWithError("load failed");
        state.PauseTiming();
        design.reset();
        state.ResumeTiming();
    }
    setBytes(state);
}
BENCHMARK(LoadQMKWhole)->Unit(benchmark::kMillisecond)->UseRealTime();

// LoadQMK without the recount: reading and building the design from the record.
void LoadQMKWithoutRecount(benchmark::State& state)
{
    const QString name = designFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto design = freshDesign();
        state.ResumeTiming();
        qmkFile record;
        if (!ReadQMK(record, name))
            state.SkipWithError("read failed");
        QmkLoader::applyRecord(record, *design);
        state.PauseTiming();
        design.reset();
        state.ResumeTiming();
    }
    setBytes(state);
}
BENCHMARK(LoadQMKWithoutRecount)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- as a user meets them: every repetition a fresh process ----
// The program's own start-up (libraries, settings, catalogues, font) is part of what a user
// waits for, and a warm allocator in a long-running benchmark hides what a fresh process pays
// for its first pages; so opening and saving are also timed as whole runs of threadwright-cli,
// against `cat` reading the same file and `dd` copying it with a flush to disk.

// Runs a program to its end in a fresh process, its output discarded. Returns the processor
// time the process used (user and system, in seconds), or a negative value when it failed: on
// a shared machine the wall time also holds the waits for a core, which the processor time
// does not.
double runProcess(const QStringList& arguments)
{
    std::vector<QByteArray> bytes;
    for (const QString& a : arguments)
        bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void runEachTime(benchmark::State& state, const QStringList& arguments)
{
    double cpu = 0;
    for (auto _ : state) {
        const double used = runProcess(arguments);
        if (used < 0)
            state.SkipWithError("the process failed");
        cpu += used;
    }
    setBytes(state);
    state.counters["process_cpu_ms"] = benchmark::Counter(1000 * cpu, benchmark::Counter::kAvgIterations);
}

QStringList cli(const QStringList& arguments)
{
    return QStringList{QStringLiteral(THREADWRIGHT_CLI_PATH), QStringLiteral("--data"),
               QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR)}
        + arguments;
}

void ColdPlainRead(benchmark::State& state)
{
    runEachTime(state, {QStringLiteral("cat"), designFile()});
}
BENCHMARK(ColdPlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();

// threadwright-cli's start-up alone: libraries and the application object, no catalogues.
void ColdProgramStart(benchmark::State& state)
{
    runEachTime(state, cli({QStringLiteral("--version")}));
}
BENCHMARK(ColdProgramStart)->Unit(benchmark::kMillisecond)->UseRealTime();

void ColdInfo(benchmark::State& state)
{
    runEachTime(state, cli({QStringLiteral("info"), designFile()}));
}
BENCHMARK(ColdInfo)->Unit(benchmark::kMillisecond)->UseRealTime();

void ColdPlainCopyAndSync(benchmark::State& state)
{
    runEachTime(state, {QStringLiteral("dd"), QStringLiteral("if=") + designFile(),
                           QStringLiteral("of=") + folder().filePath(QStringLiteral("copy.bin")), QStringLiteral("bs=1M"),
                           QStringLiteral("conv=fsync"), QStringLiteral("status=none")});
}
BENCHMARK(ColdPlainCopyAndSync)->Unit(benchmark::kMillisecond)->UseRealTime();

void ColdSaveAs(benchmark::State& state)
{
    runEachTime(state, cli({QStringLiteral("save-as"), designFile(), folder().filePath(QStringLiteral("copy.qmk"))}));
}
BENCHMARK(ColdSaveAs)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char** argv)
{
    // The programs started by the cold benchmarks keep their settings in the run's folder too.
    return BenchProcess::run(argc, argv, folder(), [] { fileBytes(); });
}
