#include "DesignSnapshot.h"
#include "editing/StitchOperations.h"
#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QHash>
#include <gtest/gtest.h>

namespace {
bool sameRhodes(const QList<TRhode>& a, const QList<TRhode>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!a[i].sameContent(b[i]))
            return false;
    }
    return true;
}

struct Expected
{
    int colorCount = 0;
    int quarters = 0;
    int back = 0;
};
} // namespace

DesignSnapshot DesignSnapshot::of(const Design& design)
{
    DesignSnapshot s;
    s.cross = design.CrossLayer;
    s.cross.image().detach();
    s.quarter = design.QuarterLayer;
    s.quarter.image().detach();
    s.backStitches = design.BackStitchList;
    s.knots = design.FrenchKnotList;
    for (const TRhodeRef& r : design.RhodeList)
        s.rhodes.append(*r);
    s.colors = design.stitch.Colors;
    s.background = design.stitch.BackGroundColor;
    s.palette = design.stitch.colorsname();
    s.usedColors = design.stitch.usedColors();
    if (design.stitch.chars)
        s.charsUsed = design.stitch.chars->CharsUsed;
    return s;
}

bool DesignSnapshot::operator==(const DesignSnapshot& o) const
{
    return firstDifference(o).empty();
}

std::string DesignSnapshot::firstDifference(const DesignSnapshot& o) const
{
    if (!(cross == o.cross))
        return "CrossLayer";
    if (!(quarter == o.quarter))
        return "QuarterLayer";
    if (backStitches != o.backStitches)
        return "BackStitchList";
    if (knots != o.knots)
        return "FrenchKnotList";
    if (!sameRhodes(rhodes, o.rhodes))
        return "RhodeList";
    if (!(colors == o.colors))
        return "Colors";
    if (background != o.background)
        return "BackGroundColor";
    if (palette != o.palette)
        return "colorsname";
    if (usedColors != o.usedColors)
        return "usedColors";
    if (charsUsed != o.charsUsed)
        return "CharsUsed";
    return {};
}

QByteArray DesignSnapshot::digest() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const TBitmap32* layer : {&cross, &quarter}) {
        out << layer->width() << layer->height();
        out.writeRawData(reinterpret_cast<const char*>(layer->image().constBits()), int(layer->image().sizeInBytes()));
    }
    for (const TBackStitch& s : backStitches)
        out << s.FromPoint << s.ToPoint << s.Color << s.Index;
    out << qint32(-1);
    for (const TFrenchKnot& k : knots)
        out << k.Center << k.Color << k.Index;
    out << qint32(-1);
    for (const TRhode& r : rhodes) {
        out << r.width << r.height << r.name << r.color << r.index << r.original;
        for (const TBackStitch& s : r.stitches)
            out << s.FromPoint << s.ToPoint;
        out << qint32(-1);
    }
    for (const auto& [color, info] : colors) {
        out << color << info.colorName << info.colorID << info.colorCount << info.quarterStitchesCount
            << info.backStitchesCount << info.matchColor << info.charID << info.Ord << info.orderID;
    }
    out << background << palette << usedColors;
    for (int mark : charsUsed)
        out << mark;
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

namespace {
QString countMismatch(const Design& design)
{
    QHash<TColorRef, Expected> expected;
    const TColor32 bg = design.stitch.BackGroundColor;
    for (int y = 0; y < design.CrossLayer.height(); ++y) {
        for (int x = 0; x < design.CrossLayer.width(); ++x) {
            if (design.CrossLayer.pixel(x, y) != bg)
                ++expected[design.CrossLayer.canvasPixel(x, y)].colorCount;
        }
    }
    for (int y = 0; y < design.QuarterLayer.height(); ++y) {
        for (int x = 0; x < design.QuarterLayer.width(); ++x) {
            if (design.QuarterLayer.pixel(x, y) != bg)
                ++expected[design.QuarterLayer.canvasPixel(x, y)].quarters;
        }
    }
    for (Expected& e : expected)
        e.colorCount += (e.quarters + 1) / 2;
    for (const TBackStitch& s : design.BackStitchList) {
        const int n = stitchLength(s.FromPoint, s.ToPoint);
        expected[s.Color].colorCount += n;
        expected[s.Color].back += n;
    }
    for (const TFrenchKnot& k : design.FrenchKnotList)
        expected[k.Color].colorCount += StitchOperations::kFrenchKnotWeight;
    for (const TRhodeRef& r : design.RhodeList) {
        for (const TBackStitch& s : r->stitches) {
            const int n = stitchLength(s.FromPoint, s.ToPoint);
            expected[r->color].colorCount += n;
            expected[r->color].back += n;
        }
    }
    const TStitch& doc = design.stitch;
    int used = 0;
    std::vector<int> marks(doc.chars ? doc.chars->CharsUsed.size() : 0, 0);
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
        if (!doc.Colors.contains(it.key()))
            return QStringLiteral("stitch colour %1 is not in the colour table").arg(it.key(), 6, 16);
    }
    for (const auto& [color, info] : doc.Colors) {
        const Expected e = expected.value(color);
        if (info.colorCount != e.colorCount || info.quarterStitchesCount != e.quarters
            || info.backStitchesCount != e.back)
            return QStringLiteral("colour %1 counts %2/%3/%4, recount %5/%6/%7")
                .arg(color, 6, 16)
                .arg(info.colorCount)
                .arg(info.quarterStitchesCount)
                .arg(info.backStitchesCount)
                .arg(e.colorCount)
                .arg(e.quarters)
                .arg(e.back);
        const bool inUse = e.colorCount >= 1;
        used += inUse ? 1 : 0;
        if (doc.chars && doc.chars->inUse(color) != inUse)
            return QStringLiteral("symbol cache of colour %1 disagrees with its use").arg(color, 6, 16);
        if (inUse && info.charID >= 0 && info.charID < int(marks.size()))
            marks[size_t(info.charID)] = 1;
    }
    if (doc.usedColors() != used)
        return QStringLiteral("usedColors %1, recount %2").arg(doc.usedColors()).arg(used);
    if (doc.chars && doc.chars->CharsUsed != marks)
        return QStringLiteral("CharsUsed disagrees with the colours in use");
    return {};
}
} // namespace

std::string countsAgainstRecount(const Design& design)
{
    return countMismatch(design).toStdString();
}

void expectUndoAndRedo(Design& d, const DesignSnapshot& before)
{
    const DesignSnapshot after = DesignSnapshot::of(d);
    EXPECT_EQ(countsAgainstRecount(d), "");
    d.History.Undo();
    EXPECT_EQ(before.firstDifference(DesignSnapshot::of(d)), "") << "after undo";
    EXPECT_EQ(countsAgainstRecount(d), "");
    d.History.Redo();
    EXPECT_EQ(after.firstDifference(DesignSnapshot::of(d)), "") << "after redo";
}
