#include "CommandProcessor.h"
#include "files/DesignFiles.h"
#include "files/QmkWriter.h"
#include "preview/PreviewDesigns.h"
#include "preview/PreviewRenderer.h"
#include "preview/TFImages.h"
#include "support/RecordingDelegate.h"
#include "support/TestDesigns.h"
#include "support/TestEnvironment.h"
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct SavedDesign
{
    QTemporaryDir dir;
    QString file;

    explicit SavedDesign(Design& d)
        : file(dir.filePath(QStringLiteral("design.qmk")))
    {
        d.stitch.setColorsname(QStringLiteral("Test colours"));
        EXPECT_TRUE(SaveQMK(d, file));
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

// JPEG keeps colour at half the resolution: lossy pictures are compared at a quarter of it.
QImage smoothed(const QImage& image)
{
    return image.scaled(image.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The mean difference of the channels.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

int preview(RecordingDelegate& delegate, QStringList arguments)
{
    return delegate.run(QStringList{QStringLiteral("preview")} + arguments, TestEnvironment::sourceData());
}
} // namespace

TEST(PreviewCommand, WritesTheWindowsPictureAsPngAndJpeg)
{
    auto d = PreviewDesigns::everyKind();
    SavedDesign saved(*d);
    Design loaded;
    ASSERT_TRUE(DesignFiles::load(saved.file, loaded).status);

    RecordingDelegate delegate;
    struct Case
    {
        const char* out;
        QStringList options;
        int zoom;
        bool knitting;
    };
    const Case cases[] = {
        {"default.png", {}, 8, false},
        {"zoom.PNG", {"--zoom", "23"}, 23, false},
        {"knitting.png", {"--zoom", "10", "--knitting"}, 10, true},
        {"photo.jpg", {"--zoom", "5"}, 5, false},
        {"photo.jpeg", {}, 8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out);
        const QString out = saved.path(c.out);
        ASSERT_EQ(preview(delegate, QStringList{saved.file, QStringLiteral("-o"), out} + c.options), 0)
            << delegate.errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(delegate.printed.isEmpty());
        PreviewRenderer renderer(TFImages::instance());
        renderer.prepare(loaded, c.zoom, c.knitting);
        QImage expected(renderer.pictureSize(), QImage::Format_RGB32);
        renderer.DrawBitmap(expected, expected.rect());
        const QImage written = QImage(out).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(written.size(), QSize(8 * c.zoom, 6 * (c.knitting ? int(std::nearbyint(0.7 * c.zoom)) : c.zoom)));
        if (QByteArray(c.out).endsWith(".png"))
            EXPECT_EQ(written, expected);
        else
            EXPECT_LT(meanDifference(smoothed(written), smoothed(expected)), 4.0);
    }
}

TEST(PreviewCommand, RefusesWrongUseAndPicturesTooLargeBeforeRendering)
{
    auto d = TestDesigns::empty(1000, 1000, {PreviewDesigns::kRed});
    SavedDesign saved(*d);
    RecordingDelegate delegate;
    const QString png = saved.path("out.png");
    const QStringList usage[] = {
        {saved.file},
        {saved.file, "-o", saved.path("out.bmp")},
        {saved.file, "-o", png, "--zoom", "4"},
        {saved.file, "-o", png, "--zoom", "51"},
        {saved.file, "-o", png, "--grid"},
    };
    for (const QStringList& arguments : usage)
        EXPECT_EQ(preview(delegate, arguments), CommandProcessor::Usage) << arguments.join(' ').toStdString();

    // 21 000 x 21 000 pixels is more than 400 000 000; 50 000 pixels a side is too wide for JPEG.
    struct Refusal
    {
        QString out;
        QString zoom;
        const char* size;
    };
    for (const Refusal& r : {Refusal{png, "21", "21000 x 21000"}, Refusal{saved.path("out.jpg"), "50", "50000 x 50000"}}) {
        QFile::remove(r.out);
        EXPECT_EQ(preview(delegate, {saved.file, "-o", r.out, "--zoom", r.zoom}), CommandProcessor::Failed);
        ASSERT_EQ(delegate.errors.size(), 1);
        EXPECT_TRUE(delegate.errors[0].contains(QLatin1String(r.size))) << delegate.errors[0].toStdString();
        EXPECT_FALSE(QFile::exists(r.out));
    }
    EXPECT_EQ(preview(delegate, {saved.path("missing.qmk"), "-o", png}), CommandProcessor::Failed);
}
