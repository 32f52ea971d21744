#include "model/RhodeShapes.h"
#include <QRect>
#include <algorithm>

namespace {
// The smallest rectangle holding every end point of the stitches.
QRect extentOf(const QList<TBackStitch>& stitches)
{
    int left = stitches.first().FromPoint.x(), right = left;
    int top = stitches.first().FromPoint.y(), bottom = top;
    for (const TBackStitch& s : stitches) {
        for (const QPoint& p : {s.FromPoint, s.ToPoint}) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
} // namespace

void RhodeShapes::append(const TRhodeRef& shape)
{
    m_shapes.append(shape);
    if (m_current < 0)
        m_current = 0;
}

bool RhodeShapes::remove(int index)
{
    if (index < 0 || index >= size() || m_shapes.at(index)->original)
        return false;
    m_shapes.removeAt(index);
    if (m_current == index)
        m_current = isEmpty() ? -1 : 0;
    else if (m_current > index)
        --m_current;
    return true;
}

TRhodeRef RhodeShapes::current() const
{
    return m_current >= 0 ? m_shapes.at(m_current) : nullptr;
}

void RhodeShapes::setCurrentIndex(int index)
{
    if (index >= 0 && index < size())
        m_current = index;
}

TRhodeRef RhodeShapes::place(const TRhode& shape, const QPoint& centre, TColorRef color, int index,
    int designWidth, int designHeight)
{
    if (shape.stitches.isEmpty())
        return nullptr;
    const QPoint offset(centre.x() - shape.width, centre.y() - shape.height);
    const QRect grid(0, 0, 2 * designWidth + 1, 2 * designHeight + 1);
    if (!grid.contains(extentOf(shape.stitches).translated(offset)))
        return nullptr;
    auto placed = std::make_shared<TRhode>();
    placed->color = color;
    placed->index = index;
    placed->stitches.reserve(shape.stitches.size());
    for (TBackStitch s : shape.stitches) {
        s.FromPoint += offset;
        s.ToPoint += offset;
        s.Color = color;
        placed->stitches.append(s);
    }
    return placed;
}
