#include "model/BatchingListener.h"
#include "model/ColorCountListener.h"
#include <algorithm>

namespace {
DesignListener& silent()
{
    static DesignListener none;
    return none;
}
} // namespace

void BatchingListener::addCountListener(ColorCountListener* listener)
{
    if (!m_countListeners.contains(listener))
        m_countListeners.append(listener);
}

void BatchingListener::removeCountListener(ColorCountListener* listener)
{
    m_countListeners.removeAll(listener);
}

void BatchingListener::endBatch()
{
    Q_ASSERT(m_depth > 0);
    if (--m_depth > 0)
        return;
    const unsigned pending = m_pending;
    const QRect cells = m_left <= m_right ? QRect(QPoint(m_left, m_top), QPoint(m_right, m_bottom)) : QRect();
    m_pending = 0;
    m_left = 0;
    m_right = -1;
    deliver(pending, cells);
}

void BatchingListener::deliver(unsigned pending, const QRect& cells)
{
    DesignListener& out = m_target ? *m_target : silent();
    if (pending & kColorList)
        out.colorListChanged();
    if (pending & kDesign)
        out.designChanged();
    else if (!cells.isEmpty())
        out.cellsChanged(cells);
    if (pending & kBackground)
        out.backgroundChanged();
    if (pending & kBackStitches)
        out.backStitchesChanged();
    if (pending & kFrenchKnots)
        out.frenchKnotsChanged();
    if (pending & kRhodes)
        out.rhodesChanged();
    if (pending & kCounts)
        countsChanged();
}

void BatchingListener::holdOrPass(unsigned what, void (DesignListener::*notify)())
{
    if (m_depth > 0)
        m_pending |= what;
    else
        pass(notify);
}

void BatchingListener::addCells(int left, int top, int right, int bottom)
{
    if (m_left > m_right) {
        m_left = left;
        m_top = top;
        m_right = right;
        m_bottom = bottom;
        return;
    }
    m_left = std::min(m_left, left);
    m_top = std::min(m_top, top);
    m_right = std::max(m_right, right);
    m_bottom = std::max(m_bottom, bottom);
}

void BatchingListener::countsChanged()
{
    if (m_target)
        m_target->colorCountsChanged();
    // A copy: a count listener may leave while it is told.
    const QList<ColorCountListener*> listeners = m_countListeners;
    for (ColorCountListener* listener : listeners)
        listener->colorCountsChanged();
}

void BatchingListener::cellChanged(int x, int y, bool refresh)
{
    if (m_depth > 0)
        addCells(x, y, x, y);
    else if (m_target)
        m_target->cellChanged(x, y, refresh);
}

void BatchingListener::quarterChanged(int qx, int qy, bool refresh)
{
    if (m_depth > 0)
        addCells(qx >> 1, qy >> 1, qx >> 1, qy >> 1);
    else if (m_target)
        m_target->quarterChanged(qx, qy, refresh);
}

void BatchingListener::cellsChanged(const QRect& cells)
{
    if (m_depth > 0) {
        if (!cells.isEmpty())
            addCells(cells.left(), cells.top(), cells.right(), cells.bottom());
    } else if (m_target) {
        m_target->cellsChanged(cells);
    }
}

void BatchingListener::colorCountsChanged()
{
    if (m_depth > 0)
        m_pending |= kCounts;
    else
        countsChanged();
}
