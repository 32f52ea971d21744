#pragma once
#include "model/UTypes.h"
#include <QList>
#include <memory>

// A rhodes stitch: a fan of straight stitches of a predefined shape. In the shape library its
// stitch points are relative to the shape; a placed rhode has them moved to absolute points of
// the half-cell grid. Only the two points of each stitch entry matter; the rhode's own colour
// colours every stitch.
class TRhode
{
public:
    int width = 0;
    int height = 0;
    QList<TBackStitch> stitches;
    QString name;
    TColorRef color = 0;
    int index = 0;
    bool original = false; // shipped shape: cannot be edited or deleted

    // Equal shape, name, colour and index with copies of every stitch; never original.
    std::shared_ptr<TRhode> Clone() const;

    // Sum of the lengths of the stitches, the rhode's contribution to its colour's counts.
    int totalLength() const;

    bool sameContent(const TRhode& other) const;
};

using TRhodeRef = std::shared_ptr<TRhode>;
