#include "model/StitchIndex.h"
#include "model/Design.h"
#include <algorithm>

namespace {
qint64 tileKey(int tx, int ty)
{
    return (qint64(tx) << 32) ^ quint32(ty);
}

int tileOf(int point, int tile)
{
    return point >= 0 ? point / tile : -((-point + tile - 1) / tile);
}

QRect boxOf(const TBackStitch& s)
{
    return QRect(s.FromPoint, s.ToPoint).normalized();
}
} // namespace

void StitchIndex::Tiles::add(int item, const QRect& box)
{
    const int x0 = tileOf(box.left(), kTile), x1 = tileOf(box.right(), kTile);
    const int y0 = tileOf(box.top(), kTile), y1 = tileOf(box.bottom(), kTile);
    if (qint64(x1 - x0 + 1) * (y1 - y0 + 1) > kMaxTilesPerItem) {
        wide.push_back(item);
        return;
    }
    for (int ty = y0; ty <= y1; ++ty)
        for (int tx = x0; tx <= x1; ++tx)
            tiles[tileKey(tx, ty)].push_back(item);
}

std::vector<int> StitchIndex::Tiles::near(const QRect& points, const std::vector<QRect>& boxes) const
{
    std::vector<int> found;
    const int x0 = tileOf(points.left(), kTile), x1 = tileOf(points.right(), kTile);
    const int y0 = tileOf(points.top(), kTile), y1 = tileOf(points.bottom(), kTile);
    for (int ty = y0; ty <= y1; ++ty) {
        for (int tx = x0; tx <= x1; ++tx) {
            const auto it = tiles.constFind(tileKey(tx, ty));
            if (it == tiles.constEnd())
                continue;
            for (int item : *it) {
                if (boxes[size_t(item)].intersects(points))
                    found.push_back(item);
            }
        }
    }
    for (int item : wide) {
        if (boxes[size_t(item)].intersects(points))
            found.push_back(item);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void StitchIndex::build(const Design& design)
{
    m_backStitches = Tiles();
    m_rhodes = Tiles();
    m_knots = Tiles();
    m_backBoxes.clear();
    m_rhodeBoxes.clear();
    m_knotBoxes.clear();
    for (int i = 0; i < design.BackStitchList.size(); ++i) {
        m_backBoxes.push_back(boxOf(design.BackStitchList[i]));
        m_backStitches.add(i, m_backBoxes.back());
    }
    for (int i = 0; i < design.RhodeList.size(); ++i) {
        QRect box;
        for (const TBackStitch& s : design.RhodeList[i]->stitches)
            box |= boxOf(s).adjusted(0, 0, 1, 1);
        m_rhodeBoxes.push_back(box.isNull() ? QRect() : box.adjusted(0, 0, -1, -1));
        m_rhodes.add(i, m_rhodeBoxes.back());
    }
    for (int i = 0; i < design.FrenchKnotList.size(); ++i) {
        m_knotBoxes.emplace_back(design.FrenchKnotList[i].Center, QSize(1, 1));
        m_knots.add(i, m_knotBoxes.back());
    }
    m_design = &design;
    m_backCount = design.BackStitchList.size();
    m_rhodeCount = design.RhodeList.size();
    m_backData = design.BackStitchList.constData();
    m_knotCount = design.FrenchKnotList.size();
    m_knotData = design.FrenchKnotList.constData();
}

bool StitchIndex::builtFor(const Design& design) const
{
    return m_design == &design && m_backCount == design.BackStitchList.size()
        && m_rhodeCount == design.RhodeList.size() && m_backData == design.BackStitchList.constData()
        && m_knotCount == design.FrenchKnotList.size() && m_knotData == design.FrenchKnotList.constData();
}

std::vector<int> StitchIndex::backStitchesNear(const QRect& points) const
{
    return m_backStitches.near(points, m_backBoxes);
}

std::vector<int> StitchIndex::rhodesNear(const QRect& points) const
{
    return m_rhodes.near(points, m_rhodeBoxes);
}

std::vector<int> StitchIndex::knotsNear(const QRect& points) const
{
    return m_knots.near(points, m_knotBoxes);
}
