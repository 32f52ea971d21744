#pragma once
#include "model/DesignListener.h"
#include <QList>
#include <QRect>
#include <utility>

class ColorCountListener;

// The design's side of its listener. Every notification goes on to the listener the window (or
// a test) set; while a batch is open, what would repaint or recount is collected instead and
// delivered when the outermost batch ends, once each, in this order:
//
//   colorListChanged -> designChanged, or else cellsChanged(bounding box of the changed cells)
//   -> backgroundChanged -> backStitchesChanged -> frenchKnotsChanged -> rhodesChanged
//   -> colorCountsChanged (the listener first, then the count listeners)
//
// Document state, the history buttons and the in-use transitions of colours are never held
// back: the colour list follows each transition as it happens. Batches nest (ChangeBatch).
class BatchingListener : public DesignListener
{
public:
    void setTarget(DesignListener* target) { m_target = target; }
    // A count listener must leave before it is destroyed; the design does not own it.
    void addCountListener(ColorCountListener* listener);
    void removeCountListener(ColorCountListener* listener);

    void beginBatch() { ++m_depth; }
    void endBatch();
    bool inBatch() const { return m_depth > 0; }

    // Passed on at once, batch or not.
    void fileSavedChanged(bool saved) override { pass(&DesignListener::fileSavedChanged, saved); }
    void fileNameChanged(const QString& fileName) override { pass(&DesignListener::fileNameChanged, fileName); }
    void paletteNameChanged(const QString& key) override { pass(&DesignListener::paletteNameChanged, key); }
    void drawColorChanged(TColorRef color) override { pass(&DesignListener::drawColorChanged, color); }
    void penSizeChanged(int size) override { pass(&DesignListener::penSizeChanged, size); }
    void symbolSetChanged() override { pass(&DesignListener::symbolSetChanged); }
    void historyChanged(bool canUndo, bool canRedo) override { pass(&DesignListener::historyChanged, canUndo, canRedo); }
    void colorBecameUsed(TColorRef color) override { pass(&DesignListener::colorBecameUsed, color); }
    void colorBecameUnused(TColorRef color, bool resort) override
    {
        pass(&DesignListener::colorBecameUnused, color, resort);
    }

    // Collected inside a batch.
    void cellChanged(int x, int y, bool refresh) override;
    void quarterChanged(int qx, int qy, bool refresh) override;
    void cellsChanged(const QRect& cells) override;
    void backStitchesChanged() override { holdOrPass(kBackStitches, &DesignListener::backStitchesChanged); }
    void frenchKnotsChanged() override { holdOrPass(kFrenchKnots, &DesignListener::frenchKnotsChanged); }
    void rhodesChanged() override { holdOrPass(kRhodes, &DesignListener::rhodesChanged); }
    void backgroundChanged() override { holdOrPass(kBackground, &DesignListener::backgroundChanged); }
    void designChanged() override { holdOrPass(kDesign, &DesignListener::designChanged); }
    void colorListChanged() override { holdOrPass(kColorList, &DesignListener::colorListChanged); }
    void colorCountsChanged() override;

private:
    enum Pending : unsigned {
        kColorList = 1,
        kDesign = 2,
        kBackground = 4,
        kBackStitches = 8,
        kFrenchKnots = 16,
        kRhodes = 32,
        kCounts = 64,
    };

    template <typename... Params, typename... Args>
    void pass(void (DesignListener::*notify)(Params...), Args&&... args)
    {
        if (m_target)
            (m_target->*notify)(std::forward<Args>(args)...);
    }
    // Marks `what` pending inside a batch; outside one passes the notification on.
    void holdOrPass(unsigned what, void (DesignListener::*notify)());
    void addCells(int left, int top, int right, int bottom);
    void deliver(unsigned pending, const QRect& cells);
    void countsChanged();

    DesignListener* m_target = nullptr;
    QList<ColorCountListener*> m_countListeners;
    int m_depth = 0;
    unsigned m_pending = 0;
    // The changed cells as edges, empty while m_left > m_right.
    int m_left = 0;
    int m_top = 0;
    int m_right = -1;
    int m_bottom = -1;
};
