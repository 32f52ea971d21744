#include "printing/ChartBook.h"
#include "printing/PageTarget.h"
#include "printing/TPreview.h"

// Placeholder until the page painter lands: the run's page order without drawing.
ChartBook::ChartBook(const Design& design, const TPreview& layout, const PageDrawOptions& options)
    : m_design(design), m_layout(layout), m_options(options)
{
}

int ChartBook::pageCount() const
{
    return m_layout.totalpages;
}

Status ChartBook::draw(PageTarget& target, const Progress& pageDone, const Progress&) const
{
    const int total = pageCount();
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !target.newPage())
            return Status::error("Project was not printed");
        if (pageDone && !pageDone(i + 1, total))
            return Status::error(QString());
    }
    return Status::ok();
}
