#include "model/TCharacters.h"
#include "support/TestDesigns.h"
#include "view/ChartRenderer.h"
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kNavy = 0x800000;
constexpr TColorRef kWhite = 0xFFFFFF;
constexpr TColorRef kYellow = 0x00FFFF;

// Every layer the painter draws: cells of dark and light colours, quarters, back stitches, a
// rhode and french knots.
std::unique_ptr<Design> everyLayer()
{
    auto d = TestDesigns::fromRows({"rrnn.wyy.r", "r.nwwy..nn", "..yyrrnw.w", "wnr...yyrr", "nnw.r.r.y."},
        {{'r', kRed}, {'n', kNavy}, {'w', kWhite}, {'y', kYellow}});
    d->stitch.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
    d->QuarterLayer.setCanvasPixel(9, 1, kNavy);
    d->QuarterLayer.setCanvasPixel(2, 7, kYellow);
    d->QuarterLayer.setCanvasPixel(17, 4, kRed);
    d->BackStitchList.append({QPoint(1, 1), QPoint(7, 4), kNavy, 0});
    d->BackStitchList.append({QPoint(12, 0), QPoint(12, 9), kYellow, 1});
    d->FrenchKnotList.append({QPoint(4, 6), kRed, 0});
    d->FrenchKnotList.append({QPoint(15, 3), kWhite, 1});
    auto rhode = TestDesigns::rhodeShape(QStringLiteral("fan"), 2, 2, true, {{0, 0, 4, 4}, {4, 0, 0, 4}});
    rhode->color = kNavy;
    for (TBackStitch& s : rhode->stitches) {
        s.FromPoint += QPoint(10, 2);
        s.ToPoint += QPoint(10, 2);
    }
    d->RhodeList.append(rhode);
    return d;
}

QImage asRgb32(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

TEST(ChartPainter, OnAnyRasterItPaintsTheViewsPixelsAtEveryZoom)
{
    // The view writes fills and symbols straight into its 32-bit frame; through a QPainter on a
    // 24-bit image the painter draws them as rectangles and text instead. Both must agree.
    auto d = everyLayer();
    ViewOptions highlighted;
    highlighted.highlight = true;
    highlighted.highlightColor = kNavy;
    for (const bool knitting : {false, true})
        for (const int zoom : ViewGeometry::kZoomSteps)
            for (ViewOptions o : {ViewOptions(), highlighted}) {
                SCOPED_TRACE(testing::Message() << "zoom " << zoom << (knitting ? " knitting" : "") << (o.highlight ? " highlight" : ""));
                o.symbols = true;
                o.zoom = zoom;
                const ViewGeometry g = ViewGeometry::forZoom(zoom, knitting, 1, 1);
                QImage view(QSize(10 * zoom, 5 * zoom), QImage::Format_RGB32);
                ChartRenderer().render(view, view.rect(), *d, g, o);

                QImage painted(view.size(), QImage::Format_RGB888);
                painted.fill(QColor::fromRgb(ChartRenderer::kOutside));
                {
                    QPainter p(&painted);
                    ChartPainter().paint(p, *d, QRect(1, 1, 10, 5), ChartRenderer::placement(g), ChartRenderer::chartOptions(o));
                }
                EXPECT_EQ(asRgb32(painted), view);
            }
}

TEST(ChartPainter, PiecesOfFractionalCellsJoinWithoutSeams)
{
    // A picture written in bands, or a page painted in parts, must equal one painted whole.
    auto d = everyLayer();
    ChartOptions o;
    o.symbols = true;
    const ChartPainter::Placement at{QPointF(3.25, 1.5), QSizeF(11.5, 11.5 * 0.7)};
    const QSize size(125, 45);
    QImage whole(size, QImage::Format_RGB32);
    whole.fill(0);
    QImage pieces = whole;
    {
        QPainter p(&whole);
        ChartPainter().paint(p, *d, QRect(0, 0, 10, 5), at, o);
    }
    ChartPainter painter;
    for (const QRect& part : {QRect(0, 0, 4, 2), QRect(4, 0, 6, 2), QRect(0, 2, 10, 1), QRect(0, 3, 7, 2), QRect(7, 3, 3, 2)}) {
        QPainter p(&pieces);
        painter.paint(p, *d, part, at, o);
    }
    EXPECT_EQ(pieces, whole);
}

TEST(ChartPainter, RuledGridIsHeavierOnEveryFifthAndTenthLine)
{
    auto d = TestDesigns::empty(12, 2, {kRed});
    ChartOptions o;
    o.grid = ChartGrid::Ruled;
    QImage image(140, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        ChartPainter().paint(p, *d, QRect(0, 0, 12, 2), {QPointF(5, 5), QSizeF(10, 10)}, o);
    }
    // Widths of the vertical lines, read along the middle of the first row.
    const auto lineWidth = [&](int column) {
        int width = 0;
        for (int x = 5 + 10 * column - 3; x <= 5 + 10 * column + 3; ++x)
            width += image.pixel(x, 10) == ChartPainter::kGridLine;
        return width;
    };
    const struct
    {
        int column;
        int width;
    } cases[] = {{0, 3}, {1, 1}, {4, 1}, {5, 2}, {9, 1}, {10, 3}, {12, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(lineWidth(c.column), c.width) << "line " << c.column;
    EXPECT_EQ(image.pixel(5 + 10 * 12 + 3, 10), 0xFF000000u); // nothing beyond the closing line
}

TEST(ChartPainter, OnAPdfTheSymbolsAreTextInTheEmbeddedSymbolFont)
{
    const QString pdffonts = tool("pdffonts");
    const QString pdftotext = tool("pdftotext");
    if (pdffonts.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP() << "pdffonts and pdftotext (poppler-utils) are not installed";
    // Colours 0 to 3 carry the symbols 0 to 3; only the left half, red and navy, is painted.
    auto d = TestDesigns::fromRows({"rrnnww", "rnrnyy"}, {{'r', kRed}, {'n', kNavy}, {'w', kWhite}, {'y', kYellow}});
    d->stitch.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    {
        QPdfWriter pdf(file);
        pdf.setResolution(1200);
        QPainter p(&pdf);
        ChartOptions o;
        o.symbols = true;
        const qreal cell = 1200 / 25.4 * 5; // 5 mm
        ChartPainter().paint(p, *d, QRect(0, 0, 4, 2), {QPointF(0, 0), QSizeF(cell, cell)}, o);
    }
    const QString fonts = runTool(pdffonts, {file});
    EXPECT_TRUE(fonts.contains(QStringLiteral("VelwickArtSymbols110"))) << fonts.toStdString();
    for (const QString& line : fonts.split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("VelwickArtSymbols110")))
            EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << "not embedded: " << line.toStdString();
    }
    QString text = runTool(pdftotext, {file, QStringLiteral("-")});
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    std::sort(text.begin(), text.end());
    EXPECT_EQ(text, QStringLiteral("00001111"));
}
