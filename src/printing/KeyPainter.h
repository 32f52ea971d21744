#pragma once
#include "printing/PageContext.h"
#include "printing/TMyColor.h"
#include "printing/TMyPage.h"
#include <QRect>

class QPainter;

// Draws key entries: one key cell (colour box, symbol, thread number, name and thread length),
// the key part of a chart page and whole key pages.
//
// Key cell positions are taken relative to the page without its margins and the cell adds the
// margins once; positions the layout gives with the margins already in them (key offsets, the
// offsets of key pages) have them taken off first, so no key is moved twice.
class KeyPainter
{
public:
    explicit KeyPainter(const PageContext& context);

    // One key cell; `box` is the colour box, before the page margins.
    void drawEntry(QPainter& painter, QRect box, const TMyColor& entry) const;
    // The key entries a chart page of pTop, pBottom, pRight or pLeft carries.
    void drawChartKeys(QPainter& painter, const TMyPage& page) const;
    // A key page of pSeparate: the palette heading, column headings and the key cells.
    void drawKeyPage(QPainter& painter, const TMyPage& page) const;

    // The thread length of an entry, "12.3 cm".
    QString length(const TMyColor& entry) const;

private:
    // Draws key cell (c, i) with its box's top-left at `at`; skips indexes past the entries.
    void drawCell(QPainter& painter, const TMyPage& page, int c, int i, const QPoint& at) const;

    const PageContext& m_c;
};
