#include "editing/StitchOperations.h"
#include "model/BatchingListener.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/DesignListener.h"

TColor32 StitchOperations::background() const
{
    return m_design.stitch.BackGroundColor;
}

bool StitchOperations::hasCell(int x, int y) const
{
    return m_design.CrossLayer.contains(x, y);
}

bool StitchOperations::hasQuarter(int qx, int qy) const
{
    return m_design.QuarterLayer.contains(qx, qy);
}

TColorRef StitchOperations::cellValue(int x, int y) const
{
    const TColor32 v = m_design.CrossLayer.pixel(x, y);
    return v == background() ? v : colorRefFromColor32(v);
}

TColorRef StitchOperations::quarterValue(int qx, int qy) const
{
    const TColor32 v = m_design.QuarterLayer.pixel(qx, qy);
    return v == background() ? v : colorRefFromColor32(v);
}

TColorInfo& StitchOperations::entry(TColorRef color)
{
    if (TColorInfo* info = m_design.stitch.Colors.find(color))
        return *info;
    ColorUsage::ensureColor(m_design, color);
    return m_design.stitch.Colors.at(color);
}

void StitchOperations::changeCount(TColorRef color, int delta, bool resort)
{
    TColorInfo& info = entry(color);
    const int before = info.colorCount;
    info.colorCount += delta;
    const int after = info.colorCount;
    if (before < 1 && after >= 1)
        ColorUsage::colorBecameUsed(m_design, color);
    else if (before >= 1 && after < 1)
        ColorUsage::colorBecameUnused(m_design, color, resort);
}

// Inside a batch every write counts as a count change; the batch delivers it once.
void StitchOperations::finish(bool refresh) const
{
    if (refresh || m_design.stitch.batching().inBatch())
        m_design.listener().colorCountsChanged();
}

void StitchOperations::updatePixel(int X, int Y, bool refresh, TColorRef color)
{
    TBitmap32& layer = m_design.CrossLayer;
    if (!layer.contains(X, Y))
        return;
    const TColor32 bg = background();
    const TColor32 old = layer.pixel(X, Y);
    if (old != bg)
        changeCount(colorRefFromColor32(old), -1, refresh);
    if (color == bg) {
        layer.setPixel(X, Y, bg);
    } else {
        layer.setCanvasPixel(X, Y, color);
        changeCount(color, 1, refresh);
    }
    m_design.listener().cellChanged(X, Y, refresh);
    finish(refresh);
}

void StitchOperations::updateQPixel(int X, int Y, bool refresh, TColorRef color)
{
    TBitmap32& layer = m_design.QuarterLayer;
    if (!layer.contains(X, Y))
        return;
    const TColor32 bg = background();
    const TColor32 old = layer.pixel(X, Y);
    if (old != bg) {
        const TColorRef oldColor = colorRefFromColor32(old);
        TColorInfo& info = entry(oldColor);
        --info.quarterStitchesCount;
        if (info.quarterStitchesCount % 2 == 0)
            changeCount(oldColor, -1, refresh);
    }
    if (color == bg) {
        layer.setPixel(X, Y, bg);
    } else {
        layer.setCanvasPixel(X, Y, color);
        TColorInfo& info = entry(color);
        ++info.quarterStitchesCount;
        if (info.quarterStitchesCount % 2 != 0)
            changeCount(color, 1, refresh);
    }
    m_design.listener().quarterChanged(X, Y, refresh);
    finish(refresh);
}

void StitchOperations::backStitchesAdd(const TBackStitch& stitch, bool refresh)
{
    backStitchesInsert(int(m_design.BackStitchList.size()), stitch, refresh);
}

void StitchOperations::backStitchesInsert(int index, const TBackStitch& stitch, bool refresh)
{
    Q_ASSERT(index >= 0 && index <= m_design.BackStitchList.size());
    addBackStitchUnits(stitch.Color, stitch, 1);
    m_design.BackStitchList.insert(index, stitch);
    m_design.listener().backStitchesChanged();
    finish(refresh);
}

TBackStitch StitchOperations::backStitchesDelete(int index, bool refresh)
{
    Q_ASSERT(index >= 0 && index < m_design.BackStitchList.size());
    const TBackStitch stitch = m_design.BackStitchList.at(index);
    addBackStitchUnits(stitch.Color, stitch, -1);
    m_design.BackStitchList.removeAt(index);
    m_design.listener().backStitchesChanged();
    finish(refresh);
    return stitch;
}

void StitchOperations::backStitchesSetColor(int index, TColorRef color, bool refresh)
{
    Q_ASSERT(index >= 0 && index < m_design.BackStitchList.size());
    TBackStitch& stitch = m_design.BackStitchList[index];
    const int len = stitchLength(stitch.FromPoint, stitch.ToPoint);
    const TColorRef old = stitch.Color;
    entry(old).backStitchesCount -= len;
    changeCount(old, -len, true);
    stitch.Color = color;
    entry(color).backStitchesCount += len;
    changeCount(color, len, true);
    m_design.listener().backStitchesChanged();
    finish(refresh);
}

void StitchOperations::addBackStitchUnits(TColorRef color, const TBackStitch& stitch, int sign)
{
    const int len = sign * stitchLength(stitch.FromPoint, stitch.ToPoint);
    entry(color).backStitchesCount += len;
    changeCount(color, len, true);
}

void StitchOperations::addRhodeUnits(const TRhode& rhode, int sign)
{
    for (const TBackStitch& s : rhode.stitches)
        addBackStitchUnits(rhode.color, s, sign);
}

void StitchOperations::RhodeAdd(TRhodeRef rhode, bool refresh)
{
    RhodeInsert(int(m_design.RhodeList.size()), std::move(rhode), refresh);
}

void StitchOperations::RhodeInsert(int index, TRhodeRef rhode, bool refresh)
{
    Q_ASSERT(rhode && index >= 0 && index <= m_design.RhodeList.size());
    addRhodeUnits(*rhode, 1);
    m_design.RhodeList.insert(index, std::move(rhode));
    m_design.listener().rhodesChanged();
    finish(refresh);
}

TRhodeRef StitchOperations::RhodeDelete(int index, bool refresh)
{
    Q_ASSERT(index >= 0 && index < m_design.RhodeList.size());
    TRhodeRef rhode = m_design.RhodeList.takeAt(index);
    addRhodeUnits(*rhode, -1);
    m_design.listener().rhodesChanged();
    finish(refresh);
    return rhode;
}

void StitchOperations::RhodeSetColor(int index, TColorRef color, bool refresh)
{
    Q_ASSERT(index >= 0 && index < m_design.RhodeList.size());
    TRhode& rhode = *m_design.RhodeList[index];
    addRhodeUnits(rhode, -1);
    rhode.color = color;
    addRhodeUnits(rhode, 1);
    m_design.listener().rhodesChanged();
    finish(refresh);
}

void StitchOperations::frenchKnotAdd(const TFrenchKnot& knot, bool refresh)
{
    frenchKnotInsert(int(m_design.FrenchKnotList.size()), knot, refresh);
}

void StitchOperations::frenchKnotInsert(int index, const TFrenchKnot& knot, bool refresh)
{
    Q_ASSERT(index >= 0 && index <= m_design.FrenchKnotList.size());
    changeCount(knot.Color, kFrenchKnotWeight, true);
    m_design.FrenchKnotList.insert(index, knot);
    m_design.listener().frenchKnotsChanged();
    finish(refresh);
}

TFrenchKnot StitchOperations::frenchKnotDelete(int index, bool refresh)
{
    Q_ASSERT(index >= 0 && index < m_design.FrenchKnotList.size());
    const TFrenchKnot knot = m_design.FrenchKnotList.takeAt(index);
    changeCount(knot.Color, -kFrenchKnotWeight, true);
    m_design.listener().frenchKnotsChanged();
    finish(refresh);
    return knot;
}

void StitchOperations::frenchKnotSetColor(int index, TColorRef color, bool refresh)
{
    Q_ASSERT(index >= 0 && index < m_design.FrenchKnotList.size());
    TFrenchKnot& knot = m_design.FrenchKnotList[index];
    changeCount(knot.Color, -kFrenchKnotWeight, true);
    knot.Color = color;
    changeCount(color, kFrenchKnotWeight, true);
    m_design.listener().frenchKnotsChanged();
    finish(refresh);
}
