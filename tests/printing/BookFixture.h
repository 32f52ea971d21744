#pragma once
#include "model/Design.h"
#include "printing/PageDrawOptions.h"
#include "printing/TPreview.h"
#include <QImage>
#include <QList>
#include <memory>

// A design laid out for 900 x 800 page pictures with 20-pixel cells and no margins, drawn by
// the chart book. The first page's chart starts at (30, 105): a 30-pixel ruler band beside the
// 30-pixel title and the 45-pixel comment.
struct BookFixture
{
    static constexpr int kS = 30;
    static constexpr int kU = 105;
    static constexpr int kCell = 20;

    // Each character of a row is a cell: 'r' red, 'b' blue, 'w' white, 'k' black, '.' empty.
    explicit BookFixture(const QStringList& rows);
    static constexpr TColorRef kRed = 0x0000FF;
    static constexpr TColorRef kBlue = 0xFF0000;
    static constexpr TColorRef kWhite = 0xFFFFFF;
    static constexpr TColorRef kBlack = 0x000000;

    // Recounts the colours and lays the design out again (after stitches were added).
    void layout();
    // Every page of the book as pictures.
    QList<QImage> pages();
    // The first page only.
    QImage firstPage() { return pages().value(0); }

    std::unique_ptr<Design> design;
    TPreview preview;
    PageDrawOptions options;
};

// Whether the pixel at (x, y) has the colour (a thread colour value).
bool hasColor(const QImage& image, int x, int y, TColorRef color);
// Pixels in the rectangle that are not white.
int inkIn(const QImage& image, const QRect& rect);
