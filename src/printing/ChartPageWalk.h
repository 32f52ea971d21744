#pragma once
#include "printing/TPageMap.h"
#include "printing/PrintTypes.h"

class TPreview;

// One run of the page walk for one key position: the first page, the chart pages around it, the
// key pages or extra key pages, and the back-stitch copies. It reads the sizes TPreview has
// computed and leaves the pages with the number of page columns and rows.
//
// Every cell count leaves room for the ruler band the page gets (left: first page column or
// grid numbers on; top: first page row or grid numbers on). Counts use the offsets without the
// margins; each page's offsets get the margins once, after its counts are made.
class ChartPageWalk
{
public:
    enum class Result {
        Done,
        TooManyKeys,      // the key rows or columns leave no room for the chart
        KeyNeedsFreeSize, // entries to show, yet a key sized by the chart holds none
        NoKeyPageRoom,    // pSeparate: a key page cannot hold one entry
    };

    ChartPageWalk(const TPreview& preview, TPosition position, bool keySizeFromDesign);
    Result run();

    TPageMap pages;
    int columns = 0; // U: page columns, without the key column of pSeparate
    int rows = 0;    // S
    int keyLines = 0; // o: key columns (rows for pTop and pBottom) of the whole key

private:
    Result firstRowKey();
    Result firstColumnKey();
    Result keyBesideOrApart();
    void firstPage();
    void firstColumnRows();
    void laterColumns();
    void laterRows();
    void keyRight();
    void keyBelow();
    void keyPages();
    int continueKey(TMyPage& chart, int fit, int perPage, const TMyPage& blank, QPoint first, QPoint step);
    void backStitchCopies();

    int keyCountByPosition(const TMyPage& page, int separateTop) const;
    int topKeyCount(int cellsX) const;
    int sideKeyCount(int cellsY, int freeHeight) const;
    int cellsAcross(int usedWidth) const;
    int cellsDown(int usedHeight) const;
    TMyPage newPage() const;
    void addMargins(TMyPage& page) const;
    TMyPage& at(int column, int row) { return pages[QPoint(column, row)]; }

    const TPreview& m_p;
    TPosition m_position;
    bool m_keySizeFromDesign;
    int m_n;
    int m_band;
    int m_keyTotal = 0; // R
};
