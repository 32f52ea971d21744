// The palette editor on a palette of 20 000 colours with quoted names (names with blanks, a
// comma and doubled quotes), just under the 1 MiB that palette files may have.
//
// OpenInEditor: reading the file into the editor, its grid model, and the first paint of the
// grid (offscreen). SaveAndReload: the editor's atomic save and its reader, against
// PlainWriteRead: the same bytes written with a plain buffered file and read back as lines.
#include "editors/PaletteDocument.h"
#include "editors/PaletteText.h"
#include "editors/forms/TFChoosePalette.h"
#include "editors/forms/TFPaletteEditor.h"
#include "model/TextFile.h"
#include "model/Windows1252.h"
#include "support/WindowBenchMain.h"
#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
constexpr int kColours = 20000;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString userFolder()
{
    return folder().path() + QStringLiteral("/");
}

QList<TColorInfo> largePalette()
{
    QList<TColorInfo> colors;
    for (int i = 0; i < kColours; ++i) {
        TColorInfo c;
        c.colorID = QString::number(10000 + i);
        c.colorName = QStringLiteral("Shade \"%1\", light %2").arg(i % 97).arg(i);
        c.matchColor = makeColorRef(i & 0xFF, (i >> 8) & 0xFF, 7);
        c.charID = i % 200;
        c.orderID = i;
        colors << c;
    }
    return colors;
}

// Writes the palette once through the editor; its size goes to the report.
PaletteDocument& largeDocument()
{
    static PaletteDocument doc = [] {
        PaletteDocument d;
        d.beginNew(0);
        for (const TColorInfo& c : largePalette()) {
            d.beginNew(0);
            d.store(c);
        }
        return d;
    }();
    return doc;
}

QString largeFile()
{
    static const QString file = [] {
        const QString f = userFolder() + QStringLiteral("large.ctb");
        largeDocument().savePalette(f, QStringLiteral("Large"), QStringLiteral("1"));
        return f;
    }();
    return file;
}

void OpenInEditor(benchmark::State& state)
{
    const QString file = largeFile();
    auto* list = new TFChoosePalette;
    TFPaletteEditor editor(list);
    editor.setContext(userFolder(), userFolder(), QStringLiteral("ABCDEFGHIJ"), QFont());
    editor.show();
    if (!QTest::qWaitForWindowExposed(&editor)) {
        state.SkipWithError("the editor was not shown");
        return;
    }
    for (auto _ : state) {
        editor.prepare(QStringLiteral("large.ctb"), QStringLiteral("Large"), QStringLiteral("1"));
        editor.Grid->viewport()->repaint();
    }
    state.counters["colours"] = double(editor.document().colors().size());
    state.counters["bytes"] = double(QFileInfo(file).size());
    delete list;
}

void SaveAndReload(benchmark::State& state)
{
    PaletteDocument& doc = largeDocument();
    const QString file = userFolder() + QStringLiteral("round.ctb");
    for (auto _ : state) {
        doc.savePalette(file, QStringLiteral("Large"), QStringLiteral("1"));
        PaletteDocument reread;
        reread.loadpalette(file);
        benchmark::DoNotOptimize(reread.colors().size());
    }
}

void PlainWriteRead(benchmark::State& state)
{
    QByteArray bytes;
    PaletteText::encode(QStringLiteral("Large"), QStringLiteral("1"), largeDocument().colors(), bytes);
    const QString file = userFolder() + QStringLiteral("plain.ctb");
    for (auto _ : state) {
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.close();
        QStringList lines;
        TextFile::readLines(file, lines);
        benchmark::DoNotOptimize(lines.size());
    }
}
} // namespace

BENCHMARK(OpenInEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveAndReload)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWriteRead)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv);
}
