#include "preview/PreviewRenderer.h"
#include "imaging/Rounding.h"
#include "model/Design.h"
#include "preview/BackStitchGeometry.h"
#include "preview/PreviewTint.h"
#include "preview/StripRotation.h"
#include <algorithm>
#include <cstring>

namespace {
// `image` drawn with its top-left at `origin`, magenta transparent.
void drawTransparent(const PictureRegion& r, const TBitmap32& image, const QPoint& origin)
{
    const QRect area = r.rect.intersected(QRect(origin, image.image().size()));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const TColor32* from = image.constScanLine(y - origin.y()) - origin.x();
        TColor32* to = r.line(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!PreviewTint::isMagenta(from[x]))
                to[x] = from[x];
        }
    }
}

// A cell of a row of cells that has quarter stitches: row 0 of each quarter's picture, or null.
struct QuarterCell
{
    int column = 0;
    const TColor32* quarters[4] = {};
};

// Row 0 of a cell picture; all are one cell wide, so their rows are the same distance apart.
const TColor32* rowsOf(const TBitmap32& image)
{
    return image.constScanLine(0);
}

} // namespace

PreviewRenderer::PreviewRenderer(const TFImages& textures)
    : m_textures(textures)
    , m_cells(textures)
{
}

void PreviewRenderer::prepare(const Design& design, int zoom, bool knitting, bool forget)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const int width = rnd(zoom * 1.0), height = knitting ? rnd(zoom * 0.7) : zoom;
    const bool changed = forget || m_design != &design || width != FCellWidth || height != FCellHeight || knitting != m_knitting;
    m_design = &design;
    if (!changed)
        return;
    FCellWidth = width;
    FCellHeight = height;
    m_knitting = knitting;
    m_cells.reset(width, height, colorRefFromColor32(design.stitch.BackGroundColor));
    m_strip = BackStrip(m_textures, width, height);
    m_backImageCache.clear();
    m_index = StitchIndex();
}

QSize PreviewRenderer::pictureSize() const
{
    return m_design ? QSize(FCellWidth * m_design->width(), FCellHeight * m_design->height()) : QSize();
}

QRect PreviewRenderer::pointsNear(const QRect& region) const
{
    // A knot reaches half a cell from its centre and a strip about half a cell from its line;
    // three half cells of margin cover both.
    return QRect(QPoint(2 * region.left() / FCellWidth - 3, 2 * region.top() / FCellHeight - 3),
        QPoint(2 * (region.right() + 1) / FCellWidth + 3, 2 * (region.bottom() + 1) / FCellHeight + 3));
}

void PreviewRenderer::DrawBitmap(QImage& target, const QRect& region)
{
    if (!m_design || region.isEmpty())
        return;
    const PictureRegion r{&target, region};
    if (!m_index.builtFor(*m_design))
        m_index.build(*m_design);
    const QRect points = pointsNear(region);
    drawCells(r);
    drawKnots(r, points);
    if (m_knitting)
        return;
    for (int i : m_index.backStitchesNear(points)) {
        const TBackStitch& s = m_design->BackStitchList[i];
        drawStitch(r, s.FromPoint, s.ToPoint, s.Color);
    }
    for (int i : m_index.rhodesNear(points)) {
        const TRhode& rhode = *m_design->RhodeList[i];
        for (const TBackStitch& s : rhode.stitches)
            drawStitch(r, s.FromPoint, s.ToPoint, rhode.color);
    }
}

void PreviewRenderer::drawCells(const PictureRegion& r)
{
    const Design& d = *m_design;
    const int cw = FCellWidth, ch = FCellHeight, halfW = cw / 2, halfH = ch / 2;
    const TColor32 empty = d.stitch.BackGroundColor;
    // Neighbouring cells mostly share a colour: the last one looked up is kept at hand.
    TColor32 lastStitch = empty;
    const TDicRec* lastImages = nullptr;
    const auto crossOf = [&](TColor32 stitch) {
        if (stitch != lastStitch || !lastImages) {
            lastStitch = stitch;
            lastImages = &m_cells.colour(colorRefFromColor32(stitch));
        }
        return rowsOf(lastImages->Cross);
    };
    const TColor32* fabric = rowsOf(m_cells.fabric());
    const qsizetype stride = m_cells.fabric().image().bytesPerLine() / 4;
    const qsizetype quarterStride = halfW;
    const int x0 = r.rect.left() / cw, x1 = r.rect.right() / cw;
    const int left = r.rect.left(), right = r.rect.right();
    std::vector<const TColor32*> bases(size_t(x1 - x0 + 1));
    std::vector<QuarterCell> quarterCells;
    for (int cy = r.rect.top() / ch; cy <= r.rect.bottom() / ch; ++cy) {
        quarterCells.clear();
        for (int cx = x0; cx <= x1; ++cx) {
            const TColor32 stitch = d.CrossLayer.pixel(cx, cy);
            bases[size_t(cx - x0)] = stitch == empty ? fabric : crossOf(stitch);
            for (int k = 0; k < 4 && !m_knitting; ++k) {
                const TColor32 q = d.QuarterLayer.pixel(2 * cx + (k & 1), 2 * cy + (k >> 1));
                if (q == empty)
                    continue;
                if (quarterCells.empty() || quarterCells.back().column != cx)
                    quarterCells.push_back(QuarterCell{cx, {}});
                quarterCells.back().quarters[k] = rowsOf(m_cells.quarter(colorRefFromColor32(q)).TopLeft);
            }
        }
        const int top = std::max(cy * ch, r.rect.top()), bottom = std::min(cy * ch + ch - 1, r.rect.bottom());
        for (int y = top; y <= bottom; ++y) {
            const int ry = y - cy * ch;
            TColor32* line = r.line(y);
            // The first and last cells may be cut by the region; those between are whole.
            const auto copy = [&](int cx, int from, int to) {
                std::memcpy(line + from, bases[size_t(cx - x0)] + ry * stride + (from - cx * cw), size_t(to - from + 1) * 4);
            };
            copy(x0, left, std::min(x0 * cw + cw - 1, right));
            for (int cx = x0 + 1; cx < x1; ++cx)
                std::memcpy(line + cx * cw, bases[size_t(cx - x0)] + ry * stride, size_t(cw) * 4);
            if (x1 > x0)
                copy(x1, x1 * cw, right);
            if (ry >= 2 * halfH)
                continue;
            // Quarters cover their quadrant after the cross; an odd last row or column stays.
            for (const QuarterCell& cell : quarterCells) {
                for (int k = ry < halfH ? 0 : 2, end = k + 2; k < end; ++k) {
                    if (!cell.quarters[k])
                        continue;
                    const int qx = cell.column * cw + (k & 1) * halfW;
                    const int from = std::max(qx, left), to = std::min(qx + halfW - 1, right);
                    if (from <= to)
                        std::memcpy(line + from, cell.quarters[k] + (ry - (k >> 1) * halfH) * quarterStride + (from - qx),
                            size_t(to - from + 1) * 4);
                }
            }
        }
    }
}

void PreviewRenderer::drawKnots(const PictureRegion& r, const QRect& points)
{
    for (int i : m_index.knotsNear(points)) {
        const TFrenchKnot& knot = m_design->FrenchKnotList[i];
        const QPoint origin(knot.Center.x() * FCellWidth / 2 - FCellWidth / 2, knot.Center.y() * FCellHeight / 2 - FCellHeight / 2);
        if (r.rect.intersects(QRect(origin, QSize(FCellWidth, FCellHeight))))
            drawTransparent(r, m_cells.knot(knot.Color), origin);
    }
}

void PreviewRenderer::drawStitch(const PictureRegion& r, const QPoint& from, const QPoint& to, TColorRef color)
{
    const std::optional<TBackRec> key = BackStitchGeometry::key(from, to, color);
    if (!key)
        return;
    const QPoint left = BackStitchGeometry::leftEnd(from, to);
    const QPoint anchor(left.x() * FCellWidth / 2, left.y() * FCellHeight / 2);
    if (std::max(m_strip.stripWidth(key->length), m_strip.height()) > m_largestCachedSide) {
        const StripRotation rotation(m_strip, *key);
        const QPoint origin = anchor - rotation.turnedP1();
        if (r.rect.intersects(QRect(origin, QSize(rotation.side(), rotation.side()))))
            rotation.drawDirect(r, origin);
        return;
    }
    const TRotateRec* rec = m_backImageCache.find(*key);
    if (!rec)
        rec = &m_backImageCache.insert(*key, StripRotation(m_strip, *key).build());
    drawTransparent(r, rec->imagerotated, anchor - rec->p1);
}
