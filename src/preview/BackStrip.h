#pragma once
#include "imaging/TBitmap32.h"

class TFImages;

// The untinted thread strip of a back stitch at one cell size w x h, pixel by pixel. A strip
// of length l cells is floor(w x l) pixels wide and h high: the first q = w div 4 columns are
// the left part of the end texture, the last q columns the rest of the end texture squeezed
// into them, and the columns between repeat the middle texture from x = q on. Both textures
// are first scaled to w x h, nearest neighbour.
class BackStrip
{
public:
    BackStrip() = default;
    BackStrip(const TFImages& textures, int cellWidth, int cellHeight);

    int stripWidth(double length) const;
    int height() const { return m_height; }
    int cellWidth() const { return m_width; }
    // Column x of a strip `stripWidth` wide: its top pixel, the pixels below it stride() apart.
    const TColor32* column(int stripWidth, int x) const
    {
        if (x >= stripWidth - m_q)
            return m_end.constScanLine(0) + m_q + (x - (stripWidth - m_q)) * (m_width - m_q) / m_q;
        if (x < m_q)
            return m_end.constScanLine(0) + x;
        // The middle pieces drawn from x = q reach past the right end for every length
        // (rnd(l) + 1 of them), so no column is left for a partial piece.
        return m_middle.constScanLine(0) + (x - m_q) % m_width;
    }
    qsizetype stride() const { return m_stride; }
    // Pixel (x, y) of a strip `stripWidth` wide; magenta where transparent.
    TColor32 pixel(int stripWidth, int x, int y) const { return column(stripWidth, x)[y * m_stride]; }

private:
    TBitmap32 m_end;
    TBitmap32 m_middle;
    int m_width = 0;
    int m_height = 0;
    int m_q = 1;
    qsizetype m_stride = 0;
};
