#pragma once
#include "imaging/TBitmap32.h"
#include "model/UTypes.h"
#include <QList>

// Turns the resized picture (one pixel per stitch) into thread colours of a palette: every
// distinct picture colour is matched to its nearest palette colour, the palette colours are
// ranked by the pixels they received, the most used ones up to a maximum stay, and every pixel
// is drawn with the kept colour nearest to its palette match.
//
// The order the wizard's palette page runs it in (the dithered variant is in Dithering):
//   loadUsedColors (after "Set size")
//   paletteChange: copyPalette, matchPalette, DrawImageWithPalette, MaxColorsPossible
//   chooseMaxColors ("Set used colors"), then recompute(MaxColorsChosen)
//
// Ties go by insertion order: palette file order in PaletteDic, first appearance in a
// row-by-row scan in UsedColorDic, so the same picture always gives the same chart.
class PaletteMatching
{
public:
    // `deltas` is the document's list of matching distances.
    explicit PaletteMatching(QList<double>& deltas);

    // Colour value -> entry. UsedColorDic: the picture's colours, colorCount = pixels,
    // matchColor = nearest palette colour. PaletteDic: the working copy of the palette,
    // colorCount = pixels matched to it, after a reduction matchColor = nearest kept colour.
    // ReducedPaletteDic: the kept colours, copies of their PaletteDic entries.
    TColorTable UsedColorDic;
    TColorTable PaletteDic;
    TColorTable ReducedPaletteDic;
    int MaxColorsPossible = 0;
    int MaxColorsChosen = 0;
    // The largest matching distance; 0 when every picture colour is in the palette.
    double MaxLevelDithering = 0;
    QList<double>& Deltas;

    // The palette every later palette copy is taken from.
    void setPalette(const TColorTable& palette) { m_palette = palette; }
    const TColorTable& palette() const { return m_palette; }

    // Counts the colours of the resized picture, rows top to bottom, pixels left to right.
    void loadUsedColors(const TBitmap32& ImageResized);
    // PaletteDic := a copy of the palette with counts 0.
    void copyPalette();
    // Matches every picture colour to the palette, counts the pixels per palette colour, and
    // collects the distances of inexact matches (sorted) into Deltas.
    void matchPalette();

    void DrawImageWithPalette(const TBitmap32& ImageResized, TBitmap32& ImageFinal) const;

    // The palette or the symbol set changed: palette copy, matching, the full-palette drawing
    // and MaxColorsPossible (limited by the symbol count).
    void paletteChange(const TBitmap32& ImageResized, int symbolCount, TBitmap32& ImageFinal);

    // MaxColorsChosen := min(typed, MaxColorsPossible, maxColors setting), and at least 1: with
    // no colour to keep, every pixel would be drawn with no colour at all.
    int chooseMaxColors(int typed, int maxColorsSetting);

    // Recompute(N) without dithering: count, match, keep the N most used palette colours, map
    // the palette onto them and draw.
    void recompute(const TBitmap32& ImageResized, int N, TBitmap32& ImageFinal);

    // The steps of recompute. reduceToMostUsed never keeps a colour without pixels, so it keeps
    // fewer than N when fewer have pixels.
    void reduceToMostUsed(int N);
    void matchPaletteToReduced();
    void DrawImageWithReducedPalette(const TBitmap32& ImageResized, TBitmap32& ImageFinal) const;

    // Copies of the n entries of `counted` with the highest colorCount, most used first; among
    // equal counts the one met first in the table's order. Colours without pixels are never
    // taken.
    static TColorTable mostUsed(const TColorTable& counted, int n);

    // The number of entries with a count above 0.
    static int colorsWithPixels(const TColorTable& table);

private:
    TColorTable m_palette;
};
