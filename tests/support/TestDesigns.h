#pragma once
#include "model/Design.h"
#include <QStringList>
#include <memory>

// Small designs for tests, built from pictures in text: each character of a row is one cell,
// '.' an empty cell and any other character the colour given for it.
//
//     auto d = TestDesigns::fromRows({"ab.", ".a."}, {{'a', 0x0000FF}, {'b', 0xFFFFFF}});
namespace TestDesigns {
// A palette table of the given colours, in order, named after their hex value.
TColorTable palette(const QList<TColorRef>& colors);

// A design whose colour table is the palette of the listed colours and whose cells follow the
// rows. Counts are left at zero: tests that need them run the recount.
std::unique_ptr<Design> fromRows(const QStringList& rows, const QList<QPair<char, TColorRef>>& colors);

// An empty W x H design with the given colours in its table and a 180-character symbol set.
std::unique_ptr<Design> empty(int width, int height, const QList<TColorRef>& colors);

// A rhode shape of W x H cells whose stitches are given as {fromX, fromY, toX, toY} in half cells.
TRhodeRef rhodeShape(const QString& name, int width, int height, bool original, const QList<QList<int>>& stitches);
} // namespace TestDesigns
