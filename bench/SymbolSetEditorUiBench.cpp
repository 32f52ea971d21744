// The symbol set editor opening a set of 5 000 codes: reading the file through the catalogue's
// reader, both list models, and the first paint of both lists (offscreen). The editor is shown
// with a new set before each iteration, outside the timed part.
#include "editors/forms/TFCharacters.h"
#include "support/WindowBenchMain.h"
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kCodes = 5000;

QString setFile(const QTemporaryDir& dir)
{
    const QString fileName = dir.filePath(QStringLiteral("large.chr"));
    QByteArray bytes = "Large\r\n5 000 symbols\r\n\"DejaVu Sans\",,53\r\n";
    for (int i = 0; i < kCodes; ++i)
        bytes += QByteArray::number(1000 + i) + "\r\n";
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return fileName;
}

void OpenLargeSet(benchmark::State& state)
{
    const QTemporaryDir dir;
    const QString fileName = setFile(dir);
    TFCharacters editor;
    editor.setFolders(dir.filePath(QStringLiteral("user/")), dir.path());
    editor.chooseOpenFile = [&fileName](const QString&) { return fileName; };
    editor.showWarning = [&state](const QString& message) { state.SkipWithError(message.toStdString().c_str()); };
    editor.inform = [](const QString&) {};
    editor.show();
    for (auto _ : state) {
        state.PauseTiming();
        editor.FormShow();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        editor.Button7Click();
        editor.ListViewAll->viewport()->repaint();
        editor.ListViewChars->viewport()->repaint();
    }
    state.counters["codes"] = double(editor.ListViewChars->model()->rowCount());
}
BENCHMARK(OpenLargeSet)->Iterations(10)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv);
}
