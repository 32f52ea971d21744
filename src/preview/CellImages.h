#pragma once
#include "imaging/ColorValues.h"
#include "preview/TDicRec.h"
#include <unordered_map>

class TFImages;

// The cell-sized pictures of one rendering size: the tinted fabric tile, and per thread colour
// its cross and quarter images (TDicRec) and its french knot. A colour's pictures are made the
// first time it is drawn, from the textures alone, so making them late gives the same pixels
// as making them all first; any colour met gets them, whatever its symbol or table entry.
class CellImages
{
public:
    explicit CellImages(const TFImages& textures);

    // Drops every picture.
    void reset(int cellWidth, int cellHeight, TColorRef background);

    const TBitmap32& fabric() const { return m_fabric; }
    // The colour's record with its Cross made; quarter() also makes its quarter images. Most
    // colours never appear in a quarter, so those are made only when one does.
    const TDicRec& colour(TColorRef color);
    const TDicRec& quarter(TColorRef color);
    // The knot texture stretched to a cell and tinted, magenta where transparent.
    const TBitmap32& knot(TColorRef color);

    size_t colourCount() const { return m_colours.size(); }

private:
    TDicRec& record(TColorRef color);

    const TFImages& m_textures;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    TBitmap32 m_fabric;        // one cell
    TBitmap32 m_textureFabric; // 97 x 97
    TBitmap32 m_knot;          // one cell, untinted
    // References to the pictures stay valid while more are added (the renderer keeps them for
    // a row of cells), which std::unordered_map guarantees and QHash does not.
    std::unordered_map<TColorRef, TDicRec> m_colours;
    std::unordered_map<TColorRef, TBitmap32> m_knots;
};
