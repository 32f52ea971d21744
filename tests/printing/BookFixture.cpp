#include "BookFixture.h"
#include "PageTargets.h"
#include "model/ColorUsage.h"
#include "printing/ChartBook.h"
#include "support/TestDesigns.h"

BookFixture::BookFixture(const QStringList& rows)
    : design(TestDesigns::fromRows(rows, {{'r', kRed}, {'b', kBlue}, {'w', kWhite}, {'k', kBlack}}))
{
    design->stitch.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
    preview.options.exportImage = true;
    layout();
}

void BookFixture::layout()
{
    ColorUsage::CalcColorUsage(*design);
    preview.setDesign(*design);
    preview.calc();
}

QList<QImage> BookFixture::pages()
{
    ImagePages target(QSize(preview.pagewidthReal, preview.pageheightReal));
    const Status drawn = ChartBook(*design, preview, options).draw(target);
    return drawn.isOk() ? target.finish() : QList<QImage>();
}

bool hasColor(const QImage& image, int x, int y, TColorRef color)
{
    return (image.pixel(x, y) & 0xFFFFFFu) == (rgbOf(color) & 0xFFFFFFu);
}

int inkIn(const QImage& image, const QRect& rect)
{
    int ink = 0;
    const QRect r = rect & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ink += (image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu ? 1 : 0;
    return ink;
}
