#pragma once
#include "imaging/ColorValues.h"
#include <QList>
#include <QPoint>

// One replaced colour of a colour reduction: where its stitches went to newColor. The back
// stitch, knot and rhode entries are positions in their lists.
struct TReduceColorsInfo
{
    TColorRef oldColor = 0;
    TColorRef newColor = 0;
    QList<QPoint> points;
    QList<QPoint> qpoints;
    QList<int> backstitches;
    QList<int> knots;
    QList<int> rhodes;

    long long heldBytes() const
    {
        return (points.capacity() + qpoints.capacity()) * qsizetype(sizeof(QPoint))
            + (backstitches.capacity() + knots.capacity() + rhodes.capacity()) * qsizetype(sizeof(int));
    }
};
