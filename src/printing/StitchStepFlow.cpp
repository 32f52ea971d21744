#include "StitchStepFlow.h"
#include <algorithm>

StitchStepFlow::StitchStepFlow(int pageWidth, int pageHeight, int top, int keyWidthPx, int keyHeightPx)
    : m_columns(std::max(1, pageWidth / keyWidthPx))
    , m_lines(std::max(1, (pageHeight - top) / keyHeightPx))
    , m_top(top)
    , m_keyHeight(keyHeightPx)
{
}

StitchStepFlow::Place StitchStepFlow::place(qint64 line) const
{
    const qint64 perPage = qint64(m_columns) * m_lines;
    Place p;
    p.page = int(line / perPage);
    p.column = int((line % perPage) / m_lines);
    p.y = m_top + int(line % m_lines) * m_keyHeight;
    return p;
}

int StitchStepFlow::pageCount(qint64 lineCount) const
{
    return lineCount <= 0 ? 0 : place(lineCount - 1).page + 1;
}

qint64 StitchStepFlow::lineCount(const QList<TStitchListItem>& steps)
{
    qint64 lines = steps.size();
    int previousRow = 0;
    for (const TStitchListItem& item : steps) {
        if (item.Row != previousRow)
            ++lines;
        previousRow = item.Row;
    }
    return lines;
}
