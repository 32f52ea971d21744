#pragma once
#include "editing/tools/ToolFeedback.h"
#include "editing/tools/ToolPreview.h"

// The preview a tool shows, kept so that showing the same one again asks the window for
// nothing: the feedback of show says whether the preview changed.
class PreviewSlot
{
public:
    const ToolPreview& current() const { return m_preview; }
    ToolFeedback show(const ToolPreview& preview)
    {
        ToolFeedback feedback;
        feedback.previewChanged = !(preview == m_preview);
        m_preview = preview;
        return feedback;
    }
    ToolFeedback clear() { return show({}); }

private:
    ToolPreview m_preview;
};
