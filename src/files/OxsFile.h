#pragma once
#include "imaging/ColorValues.h"
#include <QMap>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

// What an Open Cross Stitch file (".oxs") said, as OxsReader found it: nothing is checked
// against a design yet. Stitches name their thread by the file's palette index, resolved only
// when the design is built, because a file may list its stitches before its palette.
//
// Positions are on the program's grids already: full stitches in cells, quarters in quarter
// cells, lines and knots on the half-cell points. Positions far beyond any design are kept as
// kFarAway so that the import drops and counts them like any other stitch off the design.
struct OxsFile
{
    // Farther than any design reaches on any grid, and still safe to double.
    static constexpr int kFarAway = 1 << 24;

    struct Thread
    {
        int index = 0;
        QString number; // as written, brand included
        QString name;
        TColorRef color = 0;
        int charId = -1; // the program's own symbol index, -1 when the file has none
    };

    struct Cell
    {
        QPoint at;
        int palindex = 0;
    };

    struct Line
    {
        QPoint from;
        QPoint to;
        int palindex = 0;
        int rhode = 0;      // the place of its rhode in the design's list, from 1; 0 for none
        bool moved = false; // an end was off the half-cell points
    };

    // Properties; a missing chart size means 100 x 100.
    int chartWidth = 100;
    int chartHeight = 100;
    QString title;
    QString instructions;
    QString author;
    QString copyright;
    QString ownPalette; // written by this program: the design's palette, and its symbol set
    QString ownSymbols;
    std::optional<double> len;
    std::optional<double> backlen;
    std::optional<double> baseLen;

    std::optional<TColorRef> background;
    std::vector<Thread> threads; // index 1 and up, in file order

    std::vector<Cell> full;
    std::vector<Cell> quarters;
    std::vector<Line> lines; // back stitches and rhode stitches, in file order
    std::vector<Cell> knots; // centres on half-cell points
    qint64 knotsMoved = 0;

    // What the file holds that a design cannot, counted for the messages after the open.
    qint64 incomplete = 0;  // items without a position or a colour
    qint64 zeroLength = 0;  // lines that shrank to a point on the half-cell grid
    qint64 blends = 0;
    qint64 marked = 0;
    QMap<QString, qint64> leftOut; // by object type
};
