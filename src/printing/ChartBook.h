#pragma once
#include "model/Status.h"
#include "printing/PageDrawOptions.h"
#include <functional>
#include <vector>

class Design;
class PageTarget;
class TPreview;
struct TMyPage;

// A whole print run's pages in their printed order: title page, the chart and key pages of the
// page table row by row, then the stitch steps, labels, contents and info pages that are
// selected. The layout must be calculated and its key entries sorted; design and layout stay
// alive and unchanged while the book draws.
class ChartBook
{
public:
    // Reports progress: pages finished and pages in all, or back stitches drawn and in all.
    // Answering false cancels the run.
    using Progress = std::function<bool(int done, int total)>;

    ChartBook(const Design& design, const TPreview& layout, const PageDrawOptions& options);

    // The number of pages draw() produces.
    int pageCount() const;

    // Draws every page onto the target. Fails with a message when the target fails; a cancel
    // fails with an empty message. Pages are drawn one at a time straight onto the target and
    // nothing of a finished page is kept. Back stitches are drawn with their page, so
    // backStitchDone is not called; pageDone is called after every page.
    Status draw(PageTarget& target, const Progress& pageDone = {},
                const Progress& backStitchDone = {}) const;

private:
    // The pages to draw, in printed order: the title page, the chart and key pages row by row,
    // then the stitch steps, labels, contents and info pages. Each draws something.
    std::vector<const TMyPage*> printedPages() const;

    const Design& m_design;
    const TPreview& m_layout;
    PageDrawOptions m_options;
};
