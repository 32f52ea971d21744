// The whole picture conversion of a large photograph (read, crop, adjust, resize, match, reduce,
// dither, build the design, write the file) against ImageMagick's resize-and-remap of the same
// photograph to the same size and palette, in the same run.
//
// The photograph is Elephants_5640x3172.jpg of Debian's mate-backgrounds package
// (scripts/install-bench-deps installs it and ImageMagick); THREADWRIGHT_BENCH_PICTURE names
// another one. The palette is the shipped DMC palette, the symbol set the shipped "Standard".
#include "conversion/ConversionGeometry.h"
#include "conversion/PictureConversion.h"
#include "conversion/PictureLoader.h"
#include "files/QmkWriter.h"
#include "imaging/KernelResampler.h"
#include "model/Design.h"
#include "model/PaletteLoader.h"
#include "model/SymbolSetLoader.h"
#include "shell/Startup.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kMaxColors = 60;
const QString kPalette = QStringLiteral("DMC Stranded Cotton v1");
const QString kSymbols = QStringLiteral("Standard");

QString pictureFile()
{
    const QString chosen = qEnvironmentVariable("THREADWRIGHT_BENCH_PICTURE");
    return chosen.isEmpty() ? QStringLiteral("/usr/share/backgrounds/mate/abstract/Elephants_5640x3172.jpg") : chosen;
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// A document with the shipped catalogues, as the start-up initialisation loads them.
std::unique_ptr<Design> freshDesign()
{
    auto design = std::make_unique<Design>();
    TStitch& doc = design->stitch;
    PaletteLoader::loadFolder(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/palettes/"), doc.ColorPalettes);
    SymbolSetLoader::loadFolder(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/characters/"), doc.characters);
    doc.defaultPalette = kPalette;
    doc.defaultCharacters = kSymbols;
    return design;
}

ConversionChoices choices(int width)
{
    ConversionChoices c;
    c.maxSize = width;
    c.maxColors = kMaxColors;
    c.dithering = DitherMethod::FloydSteinberg;
    c.ditherLevel = 100; // every pixel diffuses its whole error, as ImageMagick's does
    c.palette = kPalette;
    c.symbols = kSymbols;
    return c;
}

bool pictureMissing(benchmark::State& state)
{
    if (QFile::exists(pictureFile()))
        return false;
    state.SkipWithError("the picture is missing: run scripts/install-bench-deps");
    return true;
}

// The palette as a picture of one pixel per colour, for ImageMagick's -remap.
QString palettePicture()
{
    static const QString file = [] {
        const TColorTable& palette = *freshDesign()->stitch.palette(kPalette);
        QImage image(palette.size(), 1, QImage::Format_RGB32);
        int x = 0;
        for (const auto& [color, info] : palette)
            image.setPixel(x++, 0, rgbOf(color));
        const QString path = workDir().filePath(QStringLiteral("palette.png"));
        image.save(path);
        return path;
    }();
    return file;
}

QString imageMagick()
{
    // /usr/bin/convert is Debian's; a wrapper earlier on the PATH would add its own start-up.
    return QFile::exists(QStringLiteral("/usr/bin/convert")) ? QStringLiteral("/usr/bin/convert")
                                                            : QStandardPaths::findExecutable(QStringLiteral("convert"));
}

QSize designSize(int width)
{
    return ConversionGeometry::stitchSize(QImageReader(pictureFile()).size(), width);
}

void runProcess(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("THREADWRIGHT_CONFIG_DIR"), workDir().path());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        state.SkipWithError(qPrintable(QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAllStandardError()))));
}

// Ours, in the process: everything `threadwright-cli convert` does after its start-up.
void ThreadwrightConvert(benchmark::State& state)
{
    if (pictureMissing(state))
        return;
    const QString output = workDir().filePath(QStringLiteral("ours.qmk"));
    for (auto _ : state) {
        auto design = freshDesign();
        TBitmap32 picture;
        PictureConversion conversion(design->stitch);
        if (!PictureLoader::load(pictureFile(), picture) || !conversion.run(picture, choices(int(state.range(0))))
            || !conversion.buildDesign(*design) || !SaveQMK(*design, output)) {
            state.SkipWithError("the conversion failed");
            return;
        }
        state.counters["colours"] = design->stitch.usedColors();
    }
}

// Ours as a process, start-up and catalogues included, like the ImageMagick command.
void ThreadwrightCliProcess(benchmark::State& state)
{
    if (pictureMissing(state))
        return;
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/threadwright-cli");
    const QStringList arguments = {QStringLiteral("--data"), QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR),
        QStringLiteral("convert"), pictureFile(), QStringLiteral("-o"), workDir().filePath(QStringLiteral("cli.qmk")),
        QStringLiteral("--max-size"), QString::number(state.range(0)), QStringLiteral("--max-colors"),
        QString::number(kMaxColors), QStringLiteral("--dither"), QStringLiteral("floyd-steinberg"),
        QStringLiteral("--dither-level"), QStringLiteral("100"),
        QStringLiteral("--palette"), kPalette, QStringLiteral("--symbols"), kSymbols};
    for (auto _ : state)
        runProcess(state, cli, arguments);
}

// convert PICTURE -resize WxH! -dither FloydSteinberg -remap palette.png out.png
void ImageMagickResizeRemap(benchmark::State& state)
{
    if (pictureMissing(state))
        return;
    const QSize size = designSize(int(state.range(0)));
    const QStringList arguments = {pictureFile(), QStringLiteral("-resize"),
        QStringLiteral("%1x%2!").arg(size.width()).arg(size.height()), QStringLiteral("-dither"),
        QStringLiteral("FloydSteinberg"), QStringLiteral("-remap"), palettePicture(),
        workDir().filePath(QStringLiteral("magick.png"))};
    for (auto _ : state)
        runProcess(state, imageMagick(), arguments);
}

// The stages of ours at one size, for the breakdown.
void StageRead(benchmark::State& state)
{
    if (pictureMissing(state))
        return;
    for (auto _ : state) {
        TBitmap32 picture;
        PictureLoader::load(pictureFile(), picture);
    }
}

void StageResize(benchmark::State& state)
{
    if (pictureMissing(state))
        return;
    TBitmap32 picture;
    PictureLoader::load(pictureFile(), picture);
    const QSize size = designSize(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(KernelResampler::scaled(picture, size));
}

void StageColours(benchmark::State& state)
{
    if (pictureMissing(state))
        return;
    auto design = freshDesign();
    PictureConversion conversion(design->stitch);
    TBitmap32 picture;
    PictureLoader::load(pictureFile(), picture);
    conversion.crop(picture, QRectF());
    conversion.adjust(0, 100);
    conversion.resize(int(state.range(0)));
    conversion.setDithering(DitherMethod::FloydSteinberg, 100);
    for (auto _ : state) {
        conversion.choosePalette(kPalette, kSymbols);
        conversion.setUsedColors(kMaxColors);
    }
}

void StageDesign(benchmark::State& state)
{
    if (pictureMissing(state))
        return;
    auto source = freshDesign();
    PictureConversion conversion(source->stitch);
    TBitmap32 picture;
    PictureLoader::load(pictureFile(), picture);
    conversion.run(picture, choices(int(state.range(0))));
    const QString output = workDir().filePath(QStringLiteral("stage.qmk"));
    for (auto _ : state) {
        auto design = freshDesign();
        conversion.buildDesign(*design);
        SaveQMK(*design, output);
    }
}
} // namespace

BENCHMARK(ThreadwrightConvert)->Arg(150)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImageMagickResizeRemap)->Arg(150)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ThreadwrightCliProcess)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StageRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StageResize)->Arg(150)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StageColours)->Arg(150)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StageDesign)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();

// Symbols are rendered with fonts when the design is built, which needs a GUI application; it
// runs on the offscreen platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Startup::registerSymbolFont(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/fonts/"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
