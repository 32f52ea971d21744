#include "printing/ChartBook.h"
#include "model/Design.h"
#include "printing/BookPagePainter.h"
#include "printing/ChartPagePainter.h"
#include "printing/KeyPainter.h"
#include "printing/ListPagePainter.h"
#include "printing/PageHeading.h"
#include "printing/PageTarget.h"
#include "printing/RealPagePicture.h"
#include "printing/TPreview.h"
#include <QPainter>
#include <algorithm>
#include <memory>

namespace {
constexpr int kPictureDpi = 300;

bool isChartOrKey(const TMyPage& page)
{
    return page.PrintStitches == psCrossStitchOnly || page.PrintStitches == psBackStitchOnly || page.PrintStitches == psBoth;
}

// The book pages after the chart, in the order they are printed.
int bookRank(TPrintStitches kind)
{
    switch (kind) {
    case psStitchList:
        return 0;
    case psLabels:
        return 1;
    case psContents:
        return 2;
    case psBookFooter:
        return 3;
    default:
        return -1;
    }
}
} // namespace

ChartBook::ChartBook(const Design& design, const TPreview& layout, const PageDrawOptions& options)
    : m_design(design), m_layout(layout), m_options(options)
{
}

std::vector<const TMyPage*> ChartBook::printedPages() const
{
    std::vector<const TMyPage*> pages;
    std::vector<const TMyPage*> after;
    for (const auto& [at, page] : m_layout.PageMap) {
        if (page.PrintStitches == psBookHeader)
            pages.insert(pages.begin(), &page);
        else if (isChartOrKey(page))
            pages.push_back(&page);
        else if (bookRank(page.PrintStitches) >= 0)
            after.push_back(&page);
    }
    std::stable_sort(after.begin(), after.end(),
        [](const TMyPage* a, const TMyPage* b) { return bookRank(a->PrintStitches) < bookRank(b->PrintStitches); });
    pages.insert(pages.end(), after.begin(), after.end());
    return pages;
}

int ChartBook::pageCount() const
{
    return int(printedPages().size());
}

Status ChartBook::draw(PageTarget& target, const Progress& pageDone, const Progress&) const
{
    const PageContext context(m_design, m_layout, m_options);
    const ChartPagePainter chart(context);
    const KeyPainter keys(context);
    const BookPagePainter book(context);
    const ListPagePainter lists(context);
    const int resolution = std::max(1, target.resolution());
    const double pictureScale = double(std::min(resolution, kPictureDpi)) / resolution;
    std::unique_ptr<RealPagePicture> real;
    if (m_options.real)
        real = std::make_unique<RealPagePicture>(m_design, m_layout.gridWidthPx, m_layout.gridHeightPx, pictureScale, m_layout.options.knitting);

    const std::vector<const TMyPage*> pages = printedPages();
    const int total = int(pages.size());
    int stepPage = 0;
    int labelSheet = 0;
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !target.newPage())
            return Status::error(QStringLiteral("Project was not printed"));
        const TMyPage& page = *pages[size_t(i)];
        QPainter& p = target.painter();
        switch (page.PrintStitches) {
        case psBookHeader:
            book.drawTitlePage(p, pictureScale);
            break;
        case psBookFooter:
            book.drawInfoPage(p);
            break;
        case psContents:
            book.drawContentsPage(p, page);
            break;
        case psStitchList:
            lists.drawStitchStepsPage(p, stepPage++, page.pageNum);
            break;
        case psLabels:
            lists.drawLabelSheet(p, labelSheet++);
            break;
        default:
            if ((page.isLeft && page.isTop) || context.legendOnly())
                PageHeading::drawHeading(p, context);
            if (page.keysOnly)
                keys.drawKeyPage(p, page);
            else
                keys.drawChartKeys(p, page);
            chart.draw(p, page, real.get());
            PageHeading::drawPageLabel(p, context, page.pageNum);
            break;
        }
        if (pageDone && !pageDone(i + 1, total))
            return Status::error(QString());
    }
    return Status::ok();
}
