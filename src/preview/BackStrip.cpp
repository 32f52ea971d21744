#include "preview/BackStrip.h"
#include "imaging/NearestScaling.h"
#include "preview/TFImages.h"
#include <algorithm>
#include <cmath>

BackStrip::BackStrip(const TFImages& textures, int cellWidth, int cellHeight)
    : m_end(nearestScaled(textures.ImageBack, cellWidth, cellHeight))
    , m_middle(nearestScaled(textures.ImageBackM, cellWidth, cellHeight))
    , m_width(cellWidth)
    , m_height(cellHeight)
    // Cells are at least 4 pixels wide at the smallest zoom; q keeps one column below that.
    , m_q(std::max(cellWidth / 4, 1))
    , m_stride(m_end.image().bytesPerLine() / 4)
{
}

int BackStrip::stripWidth(double length) const
{
    return int(std::floor(m_width * length));
}
