// The final page table: book pages around the chart and key pages, then page selection and
// numbering.
#include "LayoutMath.h"
#include "StitchStepFlow.h"
#include "StitchStepList.h"
#include "TPreview.h"

namespace {
TMyPage bookPage(TPrintStitches kind)
{
    TMyPage page;
    page.PrintStitches = kind;
    return page;
}

bool isChartKind(TPrintStitches kind)
{
    return kind == psCrossStitchOnly || kind == psBackStitchOnly || kind == psBoth;
}
} // namespace

void TPreview::bookPages(const TPageMap& pages)
{
    PageMap.clear();
    const int shift = options.printTitle ? 1 : 0;
    if (options.printTitle) {
        PageMap[QPoint(0, 0)] = bookPage(psBookHeader);
        ++vpages;
    }
    for (const auto& [at, page] : pages)
        PageMap.emplace_hint(PageMap.end(), QPoint(at.x(), at.y() + shift), page);
    if (options.stitchList) {
        const int count = stitchStepPages();
        for (int g = 0; g < count; ++g)
            PageMap[QPoint(g % hpages, vpages + g / hpages)] = bookPage(psStitchList);
        vpages += LayoutMath::ceilDiv(count, hpages);
    }
    const auto appendRow = [&](TPrintStitches kind) { PageMap[QPoint(0, vpages++)] = bookPage(kind); };
    if (options.printLabels && !KeyEntries.isEmpty()) {
        const qint64 perSheet = std::max<qint64>(1, qint64(options.LabelGridHor) * options.LabelGridVert);
        for (int sheet = LayoutMath::ceilDiv(KeyEntries.size(), perSheet); sheet > 0; --sheet)
            appendRow(psLabels);
    }
    if (options.printContents)
        appendRow(psContents);
    if (options.printInfo)
        appendRow(psBookFooter);
}

// Pages of the stitch steps list, by the flow that draws it. The list depends on the design
// alone, so it is built once per design and kept while options change.
int TPreview::stitchStepPages()
{
    if (!m_stepsBuilt && m_design) {
        StitchSteps = StitchStepList::build(*m_design);
        m_stepLines = StitchStepFlow::lineCount(StitchSteps);
        m_stepsBuilt = true;
    }
    const StitchStepFlow flow(pagewidth, pageheight, inlineBorderPX.top() + titleHeightPx, keyWidthPx, keyHeightPx);
    return flow.pageCount(m_stepLines);
}

void TPreview::selectAndNumber()
{
    int number = 0;
    for (auto it = PageMap.begin(); it != PageMap.end();) {
        const TMyPage& page = it->second;
        const bool chartCells = isChartKind(page.PrintStitches) && page.cellsX >= 1 && page.cellsY >= 1;
        if ((chartCells && !options.printDesign) || (page.keysOnly && !options.printLegend)) {
            it = PageMap.erase(it);
            continue;
        }
        it->second.pageNum = ++number;
        ++it;
    }
    pageNumber = number;
}
