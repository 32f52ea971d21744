#pragma once
#include "printing/PageContext.h"
#include "printing/TMyColor.h"
#include <QRectF>

class QPainter;
class StitchStepFlow;

// The pages of lists: the stitch steps list (runs of equal stitches row by row, flowing in
// columns over as many pages as the layout reserved) and the sheets of thread-bag labels.
class ListPagePainter
{
public:
    explicit ListPagePainter(const PageContext& context);

    // Page `index` (from 0) of the stitch steps list, labelled with `pageNum`.
    void drawStitchStepsPage(QPainter& painter, int index, int pageNum) const;
    // Label sheet `sheet` (from 0): the key entries of that sheet, row by row.
    void drawLabelSheet(QPainter& painter, int sheet) const;
    // One bag label in `r`: the symbol box, the name and, when it differs, the thread number.
    void drawLabel(QPainter& painter, const QRectF& r, const TMyColor& entry) const;

    // The rectangle of label (row q, column p) in device pixels.
    QRectF labelRect(int q, int p) const;
    // The gaps between labels in mm; 0 for a grid of one column or row.
    static double gap(double sheet, int borders, int count, int size);

private:
    // Lines through the stitch steps flow: fn(line, item, isHeading) for every line in order.
    template <typename Fn>
    void forEachLine(Fn&& fn) const;
    StitchStepFlow flow() const;
    // Writes `text` in Arial at the largest height from nearest(h / 4) down whose width fits
    // `width`, less one, centred on `centreX`; `top` or, when `fromBottom`, the bottom edge.
    void fitted(QPainter& p, const QString& text, double width, double h, double centreX, double y, bool fromBottom) const;

    const PageContext& m_c;
};
