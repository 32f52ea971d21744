#include "TPreview.h"
#include "ChartPageWalk.h"
#include "KeyEntryList.h"
#include "LayoutMath.h"
#include "model/Design.h"
#include <algorithm>
#include <cmath>

using LayoutMath::nearest;

const char* const TPreview::kTooManyColors =
    "Project has too many colors. For best result of printing use Separate position";

TPreview::TPreview() = default;

void TPreview::setFormat(TFormat value)
{
    fformat = value;
    const int shorter = std::min(pagewidthmm, pageheightmm);
    const int longer = std::max(pagewidthmm, pageheightmm);
    if (value == fPortrait) {
        pagewidthmm = shorter;
        pageheightmm = longer;
    } else if (value == fLandscape) {
        pagewidthmm = longer;
        pageheightmm = shorter;
    }
}

void TPreview::setDesign(const Design& design)
{
    m_design = &design;
    imagewidth = design.width();
    imageheight = design.height();
    KeyEntries = KeyEntryList::build(design);
    m_hasBackStitches = !design.BackStitchList.isEmpty() || !design.RhodeList.isEmpty();
    StitchSteps.clear();
    m_stepsBuilt = false;
}

void TPreview::setPrinter(const PrinterGeometry& printer)
{
    m_printer = printer;
    pagewidthReal = printer.pagewidth;
    pageheightReal = printer.pageheight;
    pagewidthmmReal = printer.pagewidthmm;
    pageheightmmReal = printer.pageheightmm;
    pixelsPerInch = printer.pixelsPerInch;
}

void TPreview::calc()
{
    PageMap.clear();
    warning.clear();
    status = Status::ok();
    hpages = vpages = hpagesreal = totalpages = pageNumber = 0;
    std::optional<Status> failed = usablePage();
    if (!failed) {
        cellAndKeySizes();
        failed = checkSizes();
    }
    if (failed) {
        status = *failed;
        return;
    }
    bool keySizeFromDesign = options.keySizeFromDesign;
    for (;;) {
        ChartPageWalk walk(*this, position, keySizeFromDesign);
        switch (walk.run()) {
        case ChartPageWalk::Result::TooManyKeys:
            warning = QString::fromLatin1(kTooManyColors);
            position = pSeparate;
            continue;
        case ChartPageWalk::Result::KeyNeedsFreeSize:
            keySizeFromDesign = false;
            continue;
        case ChartPageWalk::Result::NoKeyPageRoom:
            status = Status::error(QStringLiteral("A key page cannot hold one key entry below its heading."));
            return;
        case ChartPageWalk::Result::Done:
            break;
        }
        hpagesreal = walk.columns;
        hpages = walk.columns + (position == pSeparate && walk.keyLines > 0 ? 1 : 0);
        vpages = walk.rows;
        totalpages = walk.columns * walk.rows;
        bookPages(walk.pages);
        selectAndNumber();
        return;
    }
}

// The usable page: the printer's page, or the export image, less the page-number strip and the
// margins.
std::optional<Status> TPreview::usablePage()
{
    const Status noRoom = Status::error(QStringLiteral("The margins and the page numbers leave no room on the page."));
    if (options.exportImage) {
        if (options.JPEGWidth < 1 || options.JPEGHeight < 1 || options.JPEGGrid < 1)
            return Status::error(QStringLiteral("An image export needs a width, a height and a grid of at least 1 pixel."));
        pagewidthmm = pagewidth = pagewidthReal = pagewidthmmReal = options.JPEGWidth;
        pageheightmm = pageheight = pageheightReal = pageheightmmReal = options.JPEGHeight;
        pixelsPerInch = 72;
    } else {
        setPrinter(m_printer);
        pagewidth = pagewidthReal;
        pageheight = pageheightReal;
        pagewidthmm = pagewidthmmReal;
        pageheightmm = pageheightmmReal;
        if (pagewidth < 1 || pageheight < 1 || pagewidthmm < 1 || pageheightmm < 1)
            return noRoom;
    }
    double pX = double(pagewidth) / pagewidthmm;
    double pY = double(pageheight) / pageheightmm;
    if (options.exportImage)
        pX = pY = nearest(pX);
    const auto less = [](int value, double by) { return LayoutMath::clamped(double(value) - by); };
    if (options.pageNumbers) {
        pageheightmm = less(pageheightmm, 10);
        pageheight = less(pageheight, nearest(pY * 10));
    }
    inlineBorderPX = QMargins();
    if (options.inlineBorder) {
        const double top = options.BorderTop, bottom = options.BorderBottom;
        const double left = options.BorderLeft, right = options.BorderRight;
        inlineBorderPX = QMargins(nearest(left * pX), nearest(top * pY), nearest(right * pX), nearest(bottom * pY));
        pageheightmm = less(pageheightmm, top + bottom);
        pageheight = less(pageheight, nearest((top + bottom) * pY));
        pagewidthmm = less(pagewidthmm, left + right);
        pagewidth = less(pagewidth, nearest((left + right) * pX));
    }
    if (pagewidth < 1 || pageheight < 1 || pagewidthmm < 1 || pageheightmm < 1)
        return noRoom;
    return std::nullopt;
}

void TPreview::cellAndKeySizes()
{
    if (options.exportImage) {
        gridX = gridY = options.JPEGGrid;
        mmPx = mmPy = 3.0;
        gridWidthPx = gridHeightPx = options.JPEGGrid;
        if (options.knitting) {
            gridWidthPx = std::trunc(1.0 * options.JPEGGrid);
            gridHeightPx = std::trunc(0.7 * options.JPEGGrid);
        }
    } else {
        gridX = options.gridXSpin / 100.0;
        gridY = options.gridYSpin / 100.0;
        mmPx = double(pagewidth) / pagewidthmm;
        if (!options.realSize)
            mmPx = std::trunc(mmPx);
        mmPy = double(pageheight) / pageheightmm;
        gridWidthPx = options.knitting ? 1.0 * gridX * mmPx : gridX * mmPx;
        gridHeightPx = options.knitting ? 0.7 * gridY * mmPy : gridY * mmPy;
    }
    LegendDistance = nearest(options.LegendDistance * mmPx);
    titleHeightPx = nearest(10 * mmPx);
    CommentHeightPX = nearest(15 * mmPx);
    keyWidthPx = nearest(45 * mmPx);
    keyHeightPx = nearest(6 * mmPx);
    borderPX = nearest(10 * mmPx);
    ThickLinesPx = options.thickLines / 100.0 * mmPx;
    MediumLinesPx = options.mediumLines / 100.0 * mmPx;
    ThinLinesPx = options.thinLines / 100.0 * mmPx;
    BackStitchLinesPx = LayoutMath::clamped(std::trunc(options.backstitchLines / 100.0 * mmPx));
    SymbolSizePX = nearest((gridHeightPx - 4) * options.symbolSize / 100);
    m_keysAcross = keyWidthPx >= 1 ? pagewidth / keyWidthPx : 0;
    m_keysDown = keyHeightPx >= 1 ? pageheight / keyHeightPx : 0;
}

// The sizes that would leave the page walk without progress or divide by zero.
std::optional<Status> TPreview::checkSizes() const
{
    if (gridWidthPx <= 0 || gridHeightPx <= 0)
        return Status::error(QStringLiteral("A cell of the chart would be less than one pixel in size."));
    if (keyWidthPx < 1 || keyHeightPx < 1 || m_keysAcross < 1 || m_keysDown < 1)
        return Status::error(QStringLiteral("The page cannot hold one key entry."));
    if (LayoutMath::floorDiv(double(pagewidth) - borderPX, gridWidthPx) < 1
        || LayoutMath::floorDiv(double(pageheight) - borderPX, gridHeightPx) < 1)
        return Status::error(QStringLiteral("The page cannot hold one cell of the chart beside its ruler."));
    if (qint64(pageheight) < qint64(titleHeightPx) + CommentHeightPX + borderPX)
        return Status::error(QStringLiteral("The page cannot hold the title, the comment and the ruler of the first page."));
    return std::nullopt;
}

bool TPreview::showsKey(const TMyPage& page) const
{
    const bool chart = !page.keysOnly && !page.hasKeys
        && (page.PrintStitches == psCrossStitchOnly || page.PrintStitches == psBackStitchOnly || page.PrintStitches == psBoth);
    switch (position) {
    case pTop:
        return chart && page.isTop;
    case pLeft:
        return chart && page.isLeft;
    case pRight:
    case pBottom:
        return page.hasKeys;
    case pSeparate:
        break;
    }
    return page.keysOnly;
}
