#pragma once
#include "printing/TStitchListItem.h"
#include <QList>

// How the lines of the stitch steps list flow over its pages. Both the page count the layout
// reserves and the drawing of the list place lines through this one rule, so the pages drawn
// are the pages reserved.
//
// The list has one line per item plus a row heading before each item whose Row differs from
// the previous item's. Lines run down a column from y = `top` in steps of the key height; after
// a line, when the page height is below y + key height the next line starts a new column, and
// when the page width is below (J + 1) x key width for that new column J, a new page. A page
// thus holds `columnsPerPage` columns of `linesPerColumn` lines.
class StitchStepFlow
{
public:
    // `top` is the first line's y (the top margin plus the title height); sizes in device px,
    // the key sizes at least 1.
    StitchStepFlow(int pageWidth, int pageHeight, int top, int keyWidthPx, int keyHeightPx);

    struct Place
    {
        int page = 0;   // from 0, among the stitch steps pages
        int column = 0; // J: the line's x is the left margin + J x key width (+ an indent for items)
        int y = 0;
    };
    Place place(qint64 line) const;
    int pageCount(qint64 lineCount) const;

    int columnsPerPage() const { return m_columns; }
    int linesPerColumn() const { return m_lines; }

    // Item lines plus row headings.
    static qint64 lineCount(const QList<TStitchListItem>& steps);

private:
    int m_columns = 1;
    int m_lines = 1;
    int m_top = 0;
    int m_keyHeight = 1;
};
