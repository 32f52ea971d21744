#include "editing/SelectionSession.h"
#include "editing/SelectionOperations.h"

namespace {
constexpr int kNewFrameSize = 10;
}

void SelectionSession::enter(const QPoint& cell)
{
    m_rect = {cell.x(), cell.y(), cell.x() + kNewFrameSize, cell.y() + kNewFrameSize};
    m_shown = true;
    m_floating = false;
}

void SelectionSession::leave()
{
    m_shown = false;
    m_floating = false;
}

void SelectionSession::clear()
{
    leave();
    m_buffer.clear();
}

const TRect& SelectionSession::resize(TDragKind kind, const TRect& proposed, const QSize& designSize)
{
    if (m_shown)
        m_rect = RubberResize(kind, m_rect, proposed, designSize, m_floating);
    return m_rect;
}

void SelectionSession::Copy(const Design& design, bool backStitchesVisible)
{
    m_floating = false;
    SelectionOperations::Copy(design, m_buffer, m_rect, backStitchesVisible);
}

bool SelectionSession::Cut(Design& design, bool backStitchesVisible)
{
    m_floating = false;
    return SelectionOperations::Cut(design, m_buffer, m_rect, backStitchesVisible);
}

bool SelectionSession::Paste(const QPoint& firstVisibleCell)
{
    if (!m_buffer.hasRaster())
        return false;
    if (!m_shown)
        enter(firstVisibleCell);
    m_rect.Right = m_rect.Left + m_buffer.width();
    m_rect.Bottom = m_rect.Top + m_buffer.height();
    m_floating = true;
    return true;
}

bool SelectionSession::Merge(Design& design)
{
    return m_floating && SelectionOperations::Merge(design, m_buffer, m_rect);
}

void SelectionSession::RotateRight()
{
    if (m_floating)
        SelectionOperations::RotateRight(m_buffer, m_rect);
}

void SelectionSession::RotateLeft()
{
    if (m_floating)
        SelectionOperations::RotateLeft(m_buffer, m_rect);
}

void SelectionSession::MirrorHorizontal()
{
    if (m_floating)
        SelectionOperations::MirrorHorizontal(m_buffer);
}

void SelectionSession::MirrorVertical()
{
    if (m_floating)
        SelectionOperations::MirrorVertical(m_buffer);
}
