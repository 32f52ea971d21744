#pragma once
#include "imaging/ColorValues.h"
#include <QRect>
#include <QString>

// What the open design tells whoever shows it. The core never reaches for a window: each
// primitive, setter and undo record ends by telling the listener the smallest true statement
// about what changed. The main window implements this; tests plug in a recording listener.
// Inside a batch the repaints and recounts arrive once, when it ends (BatchingListener).
// Every method has an empty default so a listener overrides only what it shows.
class DesignListener
{
public:
    virtual ~DesignListener() = default;

    // Document state.
    virtual void fileSavedChanged(bool saved) {}
    virtual void fileNameChanged(const QString& fileName) {}
    virtual void paletteNameChanged(const QString& key) {}
    virtual void drawColorChanged(TColorRef color) {}
    virtual void penSizeChanged(int size) {}
    virtual void symbolSetChanged() {}
    virtual void historyChanged(bool canUndo, bool canRedo) {}

    // Stitches. `refresh` false means a bulk operation that repaints once when it ends.
    virtual void cellChanged(int x, int y, bool refresh) {}
    virtual void quarterChanged(int qx, int qy, bool refresh) {}
    // A batch of changes ended: the cells of this rectangle changed, a quarter counting as its
    // cell. The rectangle is their bounding box, so it may hold cells that did not change.
    virtual void cellsChanged(const QRect& cells) {}
    virtual void backStitchesChanged() {}
    virtual void frenchKnotsChanged() {}
    virtual void rhodesChanged() {}
    virtual void backgroundChanged() {}
    // Anything larger: size, palette, whole layers. Redraw everything.
    virtual void designChanged() {}

    // Colour usage.
    virtual void colorBecameUsed(TColorRef color) {}
    virtual void colorBecameUnused(TColorRef color, bool resort) {}
    // Counts changed (once per batch). The colour list hears it itself (ColorCountListener).
    virtual void colorCountsChanged() {}
    // Rows must be rebuilt and re-sorted (after a recount or a palette change).
    virtual void colorListChanged() {}
};
