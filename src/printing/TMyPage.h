#pragma once
#include "printing/PrintTypes.h"

// One page of the page table. The drawing reads it like this:
//
// - Chart pages (kind psCrossStitchOnly, psBackStitchOnly or psBoth with cellsX and cellsY both
//   at least 1) show design columns cellXFirst..cellXLast and rows cellYFirst..cellYLast. The
//   chart's top-left corner is at (xOffcetPx, yOffcetPx) plus a ruler band of borderPX on the
//   left when isLeft or grid numbers are on, and on the top when isTop or grid numbers are on;
//   the cell counts always leave room for exactly that band.
// - Key entries: entry i of key column (or row) c is KeyEntries[keyFirst + c * KeyRestart + i]
//   for c < keycols and i < keycount; indexes past the end of KeyEntries are skipped. Only the
//   pages TPreview::showsKey accepts carry a key; elsewhere these numbers mean nothing.
// - keysOnly pages are the key pages of pSeparate; pages with hasKeys and no cells are the extra
//   key pages of pRight and pBottom.
// - Book pages carry only their kind and pageNum.
//
// Offsets are device pixels from the top-left corner of the printable page and include the page
// margins once.
struct TMyPage
{
    TPrintStitches PrintStitches = psBoth;
    int pageNum = 0;        // 1-based number in the printed sequence
    bool keysOnly = false;
    bool hasKeys = false;
    bool isLeft = false;    // first page column: left ruler band
    bool isTop = false;     // first page row: top ruler band
    int xOffcetPx = 0;
    int yOffcetPx = 0;
    int cellsX = 0;
    int cellsY = 0;
    int cellXFirst = 0;
    int cellXLast = 0;
    int cellYFirst = 0;
    int cellYLast = 0;
    int keyOffset = 0;      // pRight: x of the key's left edge; pBottom: y of its top edge
    int keycount = 0;       // entries per key column (pLeft, pRight, pSeparate) or row (pTop, pBottom)
    int keycols = 0;        // key columns (rows for pTop and pBottom) on this page
    int keyFirst = 0;
    int KeyRestart = 0;

    bool operator==(const TMyPage&) const = default;
};
