#include "preview/CellImages.h"
#include "imaging/KernelResampler.h"
#include "imaging/NearestScaling.h"
#include "preview/PreviewTint.h"
#include "preview/TFImages.h"

CellImages::CellImages(const TFImages& textures)
    : m_textures(textures)
{
}

void CellImages::reset(int cellWidth, int cellHeight, TColorRef background)
{
    m_cellWidth = cellWidth;
    m_cellHeight = cellHeight;
    m_colours.clear();
    m_knots.clear();
    m_textureFabric = m_textures.ImageBackGround;
    PreviewTint::tintAll(m_textureFabric, background);
    // The cell tile is scaled first and tinted after, the texture fabric tinted at its own size.
    m_fabric = KernelResampler::scaled(m_textures.ImageBackGround, QSize(cellWidth, cellHeight));
    PreviewTint::tintAll(m_fabric, background);
    m_knot = nearestScaled(m_textures.ImageFrenchKnot, cellWidth, cellHeight);
}

const TDicRec& CellImages::colour(TColorRef color)
{
    return record(color);
}

TDicRec& CellImages::record(TColorRef color)
{
    if (const auto found = m_colours.find(color); found != m_colours.end())
        return found->second;
    TDicRec rec;
    TBitmap32 thread = m_textures.ImageCross;
    PreviewTint::tintThread(thread, color);
    TBitmap32 onFabric = m_textureFabric;
    PreviewTint::drawTransparent(onFabric, thread, 0, 0);
    rec.Cross = KernelResampler::scaled(onFabric, QSize(m_cellWidth, m_cellHeight));
    return m_colours.emplace(color, std::move(rec)).first->second;
}

const TDicRec& CellImages::quarter(TColorRef color)
{
    TDicRec& rec = record(color);
    if (!rec.TopLeft.empty())
        return rec;
    TBitmap32 quarter = m_textures.ImageQuarter;
    PreviewTint::tintThread(quarter, color);
    TBitmap32 onFabric = m_textureFabric;
    const int half = TFImages::kQuarterSize - 1;
    for (const QPoint at : {QPoint(0, 0), QPoint(half, 0), QPoint(0, half), QPoint(half, half)})
        PreviewTint::drawTransparent(onFabric, quarter, at.x(), at.y());
    const TBitmap32 cell = KernelResampler::scaled(onFabric, QSize(m_cellWidth, m_cellHeight));
    rec.TopLeft.image() = cell.image().copy(0, 0, m_cellWidth / 2, m_cellHeight / 2);
    rec.TopRight = rec.BottomLeft = rec.BottomRight = rec.TopLeft;
    return rec;
}

const TBitmap32& CellImages::knot(TColorRef color)
{
    if (const auto found = m_knots.find(color); found != m_knots.end())
        return found->second;
    TBitmap32 image = m_knot;
    PreviewTint::tintThread(image, color);
    return m_knots.emplace(color, std::move(image)).first->second;
}
