#include "preview/PreviewDesigns.h"
#include "support/TestDesigns.h"

void PreviewDesigns::addBackStitch(Design& d, QPoint from, QPoint to, TColorRef color)
{
    d.BackStitchList.append(TBackStitch{from, to, color, 0});
}

void PreviewDesigns::addKnot(Design& d, QPoint center, TColorRef color)
{
    d.FrenchKnotList.append(TFrenchKnot{center, color, 0});
}

void PreviewDesigns::setQuarter(Design& d, int qx, int qy, TColorRef color)
{
    d.QuarterLayer.setCanvasPixel(qx, qy, color);
}

std::unique_ptr<Design> PreviewDesigns::everyKind()
{
    auto d = TestDesigns::fromRows({"rrg..b.s", "r.gg.b..", "..b.rr..", "ss...g..", "..rgb...", "b......r"},
        {{'r', kRed}, {'g', kGreen}, {'b', kBlue}, {'s', kStray}});
    d->stitch.Colors.find(kBlue)->charID = -1; // a stitched colour without a symbol
    setQuarter(*d, 2, 2, kBlue);               // over a cross
    setQuarter(*d, 3, 3, kStray);
    setQuarter(*d, 7, 0, kGreen);              // alone
    setQuarter(*d, 15, 11, kRed);
    addKnot(*d, QPoint(0, 0), kGreen);         // a corner: reaches out of the picture
    addKnot(*d, QPoint(5, 4), kRed);
    addKnot(*d, QPoint(16, 7), kBlue);         // the right edge
    addKnot(*d, QPoint(9, 12), kStray);        // the bottom edge
    addBackStitch(*d, QPoint(0, 0), QPoint(16, 12), kBlue); // the whole diagonal
    addBackStitch(*d, QPoint(2, 11), QPoint(14, 1), kRed);  // rising
    addBackStitch(*d, QPoint(3, 1), QPoint(3, 9), kGreen);  // vertical
    addBackStitch(*d, QPoint(9, 6), QPoint(9, 2), kGreen);  // vertical, drawn upwards
    addBackStitch(*d, QPoint(1, 5), QPoint(11, 5), kStray); // horizontal
    addBackStitch(*d, QPoint(6, 6), QPoint(6, 6), kRed);    // no length
    addBackStitch(*d, QPoint(12, 3), QPoint(13, 4), kRed);  // half a cell
    auto rhode = TestDesigns::rhodeShape(QStringLiteral("fan"), 2, 2, false,
        {{10, 8, 14, 12}, {12, 8, 12, 12}, {14, 8, 10, 12}, {10, 10, 14, 10}});
    rhode->color = kGreen;
    d->RhodeList.append(rhode);
    return d;
}
