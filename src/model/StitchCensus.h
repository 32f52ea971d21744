#pragma once
#include "imaging/ColorValues.h"
#include "model/UTypes.h"
#include <QList>

class Design;

// The stitches behind each used colour's count, by kind: what a design summary and a printed
// key of colours list. Full stitches and french knots are counted from the layers and lists;
// quarters and back-stitch units are the colour table's own counts.
class StitchCensus
{
public:
    struct Line
    {
        TColorRef color = 0;
        TColorInfo info;
        int full = 0;
        int knots = 0;
    };

    explicit StitchCensus(const Design& design);

    // The used colours in palette order (orderID; ties keep table order).
    const QList<Line>& lines() const { return m_lines; }

private:
    QList<Line> m_lines;
};
