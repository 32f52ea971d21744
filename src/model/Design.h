#pragma once
#include "imaging/TBitmap32.h"
#include "model/TActions.h"
#include "model/TRhode.h"
#include "model/TStitch.h"
#include "model/UTypes.h"
#include <QList>

// The open design: the document object and the six structures that hold the stitches.
//
// CrossLayer has one pixel per cell (W x H), QuarterLayer one per quarter cell (2W x 2H); a
// pixel equal to stitch.BackGroundColor is empty, any other holds a stitch (see ColorValues.h).
// The three lists keep drawing order, which is also file order. RhodeList shares its rhodes
// with the undo records that took them out, so a removed rhode lives as long as a record keeps
// it. The main window owns one Design; loading and creating build a new one aside and swap it
// in only when that succeeded.
class Design
{
public:
    Design();
    Design(const Design&) = delete;
    Design& operator=(const Design&) = delete;

    TStitch stitch;
    TBitmap32 CrossLayer;
    TBitmap32 QuarterLayer;
    QList<TBackStitch> BackStitchList;
    QList<TFrenchKnot> FrenchKnotList;
    QList<TRhodeRef> RhodeList;
    TActions History;
    // The picture the design was converted from, kept to lay over the chart (null: none). It is
    // opaque and stretched over the whole design whatever its size. `shadowFile` is the side
    // file it was read from or last written to, empty when it lives in no file yet.
    QImage shadowPicture;
    QString shadowFile;

    int width() const { return CrossLayer.width(); }
    int height() const { return CrossLayer.height(); }

    // Sizes both rasters for a W x H design and fills them with the background.
    void allocateLayers(int width, int height);

    bool isEmptyCell(int x, int y) const { return CrossLayer.pixel(x, y) == stitch.BackGroundColor; }
    bool isEmptyQuarter(int qx, int qy) const
    {
        return QuarterLayer.pixel(qx, qy) == stitch.BackGroundColor;
    }

    // Half-cell grid points run from 0 to 2W and 0 to 2H inclusive.
    bool containsPoint(const QPoint& p) const
    {
        return p.x() >= 0 && p.y() >= 0 && p.x() <= 2 * width() && p.y() <= 2 * height();
    }

    void setListener(DesignListener* listener) { stitch.setListener(listener); }
    DesignListener& listener() const { return stitch.listener(); }
};
