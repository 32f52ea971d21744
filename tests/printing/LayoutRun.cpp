#include "LayoutRun.h"
#include "support/TestDesigns.h"
#include <stdexcept>

LayoutRun::LayoutRun(int width, int height, int entries)
    : design(TestDesigns::empty(width, height, {0x0000FF}))
{
    preview.options.exportImage = true;
    preview.setDesign(*design);
    preview.KeyEntries = QList<TMyColor>(entries);
}

const TMyPage& LayoutRun::page(int column, int row) const
{
    const auto it = preview.PageMap.find(QPoint(column, row));
    if (it == preview.PageMap.end())
        throw std::out_of_range("no page at that position");
    return it->second;
}

void LayoutRun::addBackStitch()
{
    design->BackStitchList.append(TBackStitch{QPoint(0, 0), QPoint(2, 2), 0x0000FF, 0});
    const QList<TMyColor> entries = preview.KeyEntries;
    preview.setDesign(*design);
    preview.KeyEntries = entries;
}
