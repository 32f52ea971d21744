#include "editors/ChangeSymbol.h"
#include "model/Design.h"
#include "model/DesignListener.h"

bool ChangeSymbol::canChange(const TStitch& doc)
{
    const TColorInfo* info = doc.Colors.find(doc.drawcolor());
    return doc.chars && info && info->colorCount > 0;
}

std::vector<bool> ChangeSymbol::usedIndexes(const TStitch& doc)
{
    std::vector<bool> used(doc.chars ? size_t(doc.chars->fcharacters.size()) : 0, false);
    for (const auto& [color, info] : doc.Colors) {
        if (info.colorCount >= 1 && info.charID >= 0 && size_t(info.charID) < used.size())
            used[size_t(info.charID)] = true;
    }
    return used;
}

bool ChangeSymbol::canChoose(const std::vector<bool>& used, int index)
{
    return index >= 0 && size_t(index) < used.size() && !used[size_t(index)];
}

bool ChangeSymbol::apply(Design& design, int index)
{
    TStitch& doc = design.stitch;
    if (!canChange(doc) || !canChoose(usedIndexes(doc), index))
        return false;
    const TColorRef color = doc.drawcolor();
    TColorInfo& info = *doc.Colors.find(color);
    const int old = info.charID;
    info.charID = index;
    // Every cached size is rendered again from the new symbol when it is next drawn.
    doc.chars->renderColor(color, info);
    const std::vector<bool> used = usedIndexes(doc);
    doc.chars->setUsed(index, true);
    if (old >= 0 && size_t(old) < used.size())
        doc.chars->setUsed(old, used[size_t(old)]);
    design.listener().colorListChanged();
    design.listener().symbolSetChanged();
    doc.Change();
    return true;
}
