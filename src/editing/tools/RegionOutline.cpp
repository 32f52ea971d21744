#include "editing/tools/RegionOutline.h"
#include "editing/tools/RegionWalk.h"
#include "imaging/TBitmap32.h"
#include <vector>

namespace {
// The sides of a cell in region order, each as its start and end in half-cell units from the
// cell's top-left point: left, right, top, bottom.
struct Side
{
    QPoint neighbour;
    QPoint from;
    QPoint to;
};
constexpr Side kSides[4] = {
    {{-1, 0}, {0, 0}, {0, 2}},
    {{1, 0}, {2, 2}, {2, 0}},
    {{0, -1}, {2, 0}, {0, 0}},
    {{0, 1}, {0, 2}, {2, 2}},
};

// For every start point of the list, its stitches in list order as a linked list of positions
// (a head per point of the box the stitches span).
class StartQueues
{
public:
    explicit StartQueues(const QList<TBackStitch>& stitches)
    {
        for (const TBackStitch& s : stitches)
            m_box |= QRect(s.FromPoint, QSize(1, 1));
        m_head.assign(size_t(qsizetype(m_box.width()) * m_box.height()), -1);
        m_next.assign(size_t(stitches.size()), -1);
        for (qsizetype i = stitches.size() - 1; i >= 0; --i) {
            int& head = m_head[slot(stitches[i].FromPoint)];
            m_next[size_t(i)] = head;
            head = int(i);
        }
    }

    // The first stitch starting at p that is not placed yet, taken out of its queue; -1 if none.
    int take(const QPoint& p, const std::vector<bool>& placed)
    {
        if (!m_box.contains(p))
            return -1;
        int& head = m_head[slot(p)];
        while (head >= 0 && placed[size_t(head)])
            head = m_next[size_t(head)];
        const int found = head;
        if (found >= 0)
            head = m_next[size_t(found)];
        return found;
    }

private:
    size_t slot(const QPoint& p) const
    {
        return size_t(qsizetype(p.y() - m_box.top()) * m_box.width() + (p.x() - m_box.left()));
    }

    QRect m_box;
    std::vector<int> m_head;
    std::vector<int> m_next;
};
} // namespace

QList<TBackStitch> RegionOutline::chained(const QList<TBackStitch>& sides)
{
    if (sides.size() < 2)
        return sides;
    StartQueues queues(sides);
    std::vector<bool> placed(size_t(sides.size()), false);
    QList<TBackStitch> chain;
    chain.reserve(sides.size());
    int current = 0;
    size_t earliest = 0;
    for (;;) {
        placed[size_t(current)] = true;
        chain.append(sides[current]);
        if (chain.size() == sides.size())
            break;
        int next = queues.take(sides[current].ToPoint, placed);
        if (next < 0) {
            while (placed[earliest])
                ++earliest;
            next = int(earliest);
        }
        current = next;
    }
    return chain;
}

QList<TBackStitch> RegionOutline::merged(const QList<TBackStitch>& chain)
{
    // Built from the end: the last entry is the stitch after the one looked at.
    QList<TBackStitch> reversed;
    reversed.reserve(chain.size());
    for (qsizetype i = chain.size() - 1; i >= 0; --i) {
        const TBackStitch& s = chain[i];
        if (!reversed.isEmpty()) {
            TBackStitch& after = reversed.last();
            const bool continues = s.ToPoint == after.FromPoint
                && (s.FromPoint.x() == after.ToPoint.x() || s.FromPoint.y() == after.ToPoint.y());
            if (continues) {
                after.FromPoint = s.FromPoint;
                continue;
            }
        }
        reversed.append(s);
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

QList<TBackStitch> RegionOutline::stitches(const TBitmap32& cells, const QPoint& start, TColorRef color)
{
    const QList<QPoint> region = RegionWalk::region(cells, start, false);
    if (region.isEmpty())
        return {};
    const quint32 value = cells.pixel(start.x(), start.y());
    QList<TBackStitch> sides;
    for (const QPoint& p : region) {
        for (const Side& side : kSides) {
            if (!RegionWalk::differs(cells, p + side.neighbour, value))
                continue;
            const QPoint corner = 2 * p;
            sides.append({corner + side.from, corner + side.to, color, 0});
        }
    }
    return merged(chained(sides));
}
