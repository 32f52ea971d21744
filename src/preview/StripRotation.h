#pragma once
#include "preview/BackStrip.h"
#include "preview/PictureRegion.h"
#include "preview/TBackRec.h"
#include "preview/TRotateRec.h"
#include <vector>

// One back-stitch strip turned to its angle and tinted with its colour.
//
// The strip lies centred in a magenta square of side max(strip width, h), its left end p1 and
// right end p2 at its vertical middle. Output pixel (i, j) of a square of the same side takes
// the square's pixel found by turning its offset from the centre by -angle (nearest pixel, in
// doubled coordinates so that pixel centres are whole numbers); sources outside the square are
// magenta. Scanning the output from the bottom row up and each row from right to left, the last
// output pixel whose source is p1 (p2) becomes the turned p1 (p2). Nearest-pixel turning skips
// some source pixels (about one turned stitch in forty loses its p1 so): then p1 is the output
// pixel nearest to where it turns, so that the strip is never drawn off its stitch.
//
// Two ways to use it give the same pixels: build() makes the whole turned image once, for the
// cache; drawDirect() computes only the output pixels that fall in a region of the picture, for
// stitches whose square would be too large to keep (side² pixels).
class StripRotation
{
public:
    StripRotation(const BackStrip& strip, const TBackRec& key);

    int side() const { return m_side; }
    // The square's pixel that output pixel (i, j) shows (it may lie outside the square).
    QPoint source(int i, int j) const
    {
        const double u = 2.0 * i - 2.0 * m_center + 1, v = 2.0 * j - 2.0 * m_center + 1;
        return QPoint((nearest(u * m_cos - v * m_sin) - 1) / 2 + m_center, (nearest(u * m_sin + v * m_cos) - 1) / 2 + m_center);
    }
    // The tinted colour of output pixel (i, j), magenta where transparent.
    TColor32 pixel(int i, int j) const;

    // The whole turned image and both turned ends.
    TRotateRec build() const;
    // The turned p1, looked for among the 5 x 5 output pixels around where p1 turns to: every
    // output pixel whose source is p1 lies within two pixels of that place.
    QPoint turnedP1() const;
    // The turned image with its top-left at `origin` (picture pixels), drawn into `region`
    // with magenta transparent, computing only the pixels near the strip.
    void drawDirect(const PictureRegion& region, const QPoint& origin) const;

private:
    // rnd (ties to even) without a library call: adding and taking away 1.5 x 2^52 leaves the
    // sum's own rounding, which is to the nearest, ties to even. Exact for |x| below 2^51.
    static int nearest(double x)
    {
        constexpr double kShift = 6755399441055744.0;
        return int((x + kShift) - kShift);
    }
    bool onStrip(const QPoint& s) const
    {
        return s.x() >= m_stripRect.left() && s.x() <= m_stripRect.right() && s.y() >= m_stripRect.top()
            && s.y() <= m_stripRect.bottom();
    }
    // The output pixel nearest to where the strip's p1 turns to.
    QPoint turnedPlace() const;
    // The tinted strip pixel shown by an output pixel whose source is `s`.
    TColor32 colourAt(const QPoint& s) const;
    // The output columns of row j whose source may lie on the strip, clipped to [0, side).
    std::pair<int, int> stripSpan(int j) const;

    const BackStrip& m_strip;
    std::vector<const TColor32*> m_columns; // of the strip, from the left
    TColorRef m_color;
    int m_stripWidth;
    int m_side;
    int m_center;
    QRect m_stripRect; // in the square
    QPoint m_p1;
    QPoint m_p2;
    double m_cos;
    double m_sin;
};
