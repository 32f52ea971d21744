#include "editors/LibraryEntry.h"
#include "editing/ClipboardBuffer.h"
#include "editors/LibraryAdd.h"
#include "files/QmkLoader.h"
#include "imaging/ColorValues.h"
#include "model/ColorDistance.h"
#include <QFileInfo>
#include <QSet>

namespace {
// The colours an entry's stitches use, in the order they are met.
QList<TColorRef> usedColors(const Design& d)
{
    QList<TColorRef> used;
    QSet<TColorRef> seen;
    const auto add = [&](TColorRef c) {
        if (!seen.contains(c)) {
            seen.insert(c);
            used.append(c);
        }
    };
    const TColor32 empty = d.stitch.BackGroundColor;
    for (const TBitmap32* layer : {&d.CrossLayer, &d.QuarterLayer}) {
        for (int y = 0; y < layer->height(); ++y) {
            const TColor32* line = layer->constScanLine(y);
            for (int x = 0; x < layer->width(); ++x) {
                if (line[x] != empty)
                    add(colorRefFromColor32(line[x]));
            }
        }
    }
    for (const TBackStitch& s : d.BackStitchList)
        add(s.Color);
    for (const TFrenchKnot& k : d.FrenchKnotList)
        add(k.Color);
    for (const TRhodeRef& r : d.RhodeList)
        add(r->color);
    return used;
}

// A layer copied into a buffer raster of the same size: empty cells become the open design's
// background, stitches their matched colour.
void copyLayer(const TBitmap32& from, TColor32 empty, TBitmap32& to, TColor32 openEmpty, const LibraryEntry& entry)
{
    TColor32 lastFrom = empty;
    TColor32 lastTo = openEmpty;
    for (int y = 0; y < from.height(); ++y) {
        const TColor32* in = from.constScanLine(y);
        TColor32* out = to.scanLine(y);
        for (int x = 0; x < from.width(); ++x) {
            // Runs of one colour are the rule, so the last mapping is kept at hand.
            if (in[x] != lastFrom) {
                lastFrom = in[x];
                lastTo = in[x] == empty ? openEmpty : stitchPixel(entry.matchColor(colorRefFromColor32(in[x])));
            }
            out[x] = lastTo;
        }
    }
}
} // namespace

std::unique_ptr<Design> LibraryEntry::freshDesign(const TStitch& open)
{
    auto fresh = std::make_unique<Design>();
    TStitch& doc = fresh->stitch;
    doc.ColorPalettes = open.ColorPalettes;
    doc.characters = open.characters;
    doc.defaultCharacters = open.defaultCharacters;
    doc.defaultPalette = open.defaultPalette;
    doc.Language = open.Language;
    return fresh;
}

Status LibraryEntry::load(const QString& fileName, std::unique_ptr<Design> fresh, const QString& libraryFolder)
{
    clear();
    const Status read = LoadQMK(fileName, *fresh);
    if (!read)
        return read;
    m_design = std::move(fresh);
    const TStitch& doc = m_design->stitch;
    const QString file = QFileInfo(fileName).fileName();
    m_name = doc.Title.isEmpty() ? file : doc.Title;
    const QString description = doc.comment.join(QLatin1Char('\n'));
    m_description = description.isEmpty() ? libraryFolder + file : description;
    m_preview = LibraryAdd::preview(*m_design, QRect(0, 0, m_design->width(), m_design->height()));
    return read;
}

void LibraryEntry::clear()
{
    m_design.reset();
    m_name.clear();
    m_description.clear();
    m_preview = QImage();
    m_needsConversion = false;
    m_match.clear();
}

void LibraryEntry::compareWith(const TStitch* open)
{
    m_match.clear();
    m_needsConversion = m_design && open && m_design->stitch.colorsname() != open->colorsname();
    if (!m_design || !open || open->Colors.isEmpty())
        return;
    for (const TColorRef c : usedColors(*m_design)) {
        const bool kept = !m_needsConversion && open->Colors.contains(c);
        m_match.insert(c, kept ? c : NearestColor(c, open->Colors));
    }
}

void LibraryEntry::fillBuffer(TColor32 openBackground, ClipboardBuffer& buffer) const
{
    if (!m_design)
        return;
    const Design& d = *m_design;
    const TColor32 empty = d.stitch.BackGroundColor;
    buffer.reset(d.width(), d.height(), openBackground);
    copyLayer(d.CrossLayer, empty, buffer.bitmap, openBackground, *this);
    copyLayer(d.QuarterLayer, empty, buffer.qbitmap, openBackground, *this);
    for (TBackStitch s : d.BackStitchList) {
        s.Color = matchColor(s.Color);
        buffer.BackStitches.append(s);
    }
    for (TFrenchKnot k : d.FrenchKnotList) {
        k.Color = matchColor(k.Color);
        buffer.FrenchKnots.append(k);
    }
    for (const TRhodeRef& r : d.RhodeList) {
        TRhodeRef copy = r->Clone();
        copy->color = matchColor(r->color);
        buffer.Rhodes.append(copy);
    }
}
