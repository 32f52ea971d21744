#pragma once
#include "imaging/ColorValues.h"
#include <QList>
#include <QPoint>

// One colour of a palette change: where the stitches of oldColor were moved to newColor. The
// back stitch, knot and rhode entries are positions in their lists.
struct TChangePaletteInfo
{
    TColorRef oldColor = 0;
    TColorRef newColor = 0;
    int ID = 0; // position in the record's list
    QList<QPoint> points;
    QList<QPoint> Qpoints;
    QList<int> backstitches;
    QList<int> knots;
    QList<int> rhodes;

    long long heldBytes() const
    {
        return (points.capacity() + Qpoints.capacity()) * qsizetype(sizeof(QPoint))
            + (backstitches.capacity() + knots.capacity() + rhodes.capacity()) * qsizetype(sizeof(int));
    }
};
