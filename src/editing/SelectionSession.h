#pragma once
#include "editing/ClipboardBuffer.h"
#include "editing/RubberResize.h"
#include "editing/TRect.h"
#include <QPoint>
#include <QSize>

class Design;

// The selection of one window: the clipboard buffer, the frame (SelectionRect) that exists
// while the selection tool is the mode, and whether the buffer floats in the frame as pasted
// content. The main window and the command line each own one beside their design.
//
//   enter(firstVisibleCell)       the selection mode starts: a 10 x 10 frame at that cell
//   resize(kind, proposed, ...)   the frame is dragged (RubberResize)
//   Copy / Cut                    the frame's content into the buffer (no floating content)
//   Paste(firstVisibleCell)       the buffer floats in the frame; enters the mode when needed
//   RotateRight ... MirrorVertical, Merge     act on floating content only
//   leave()                       the mode ends: frame and floating content go, buffer stays
//   clear()                       another design was opened: everything goes, buffer emptied
class SelectionSession
{
public:
    ClipboardBuffer& buffer() { return m_buffer; }
    const ClipboardBuffer& buffer() const { return m_buffer; }
    const TRect& SelectionRect() const { return m_rect; }
    bool frameShown() const { return m_shown; }
    bool floating() const { return m_floating; }
    bool canPaste() const { return m_buffer.hasRaster(); }

    void enter(const QPoint& firstVisibleCell);
    void leave();
    void clear();

    // Moves or resizes the frame through RubberResize; returns the frame's new cells.
    const TRect& resize(TDragKind kind, const TRect& proposed, const QSize& designSize);

    void Copy(const Design& design, bool backStitchesVisible);
    // True when the cut recorded something.
    bool Cut(Design& design, bool backStitchesVisible);
    // The buffer becomes floating content in a frame of its size, whose top-left stays where it
    // is when the frame exists and is `firstVisibleCell` otherwise. False without a buffer.
    bool Paste(const QPoint& firstVisibleCell);
    // True when the merge recorded something; the content keeps floating either way.
    bool Merge(Design& design);
    void RotateRight();
    void RotateLeft();
    void MirrorHorizontal();
    void MirrorVertical();

private:
    ClipboardBuffer m_buffer;
    TRect m_rect;
    bool m_shown = false;
    bool m_floating = false;
};
