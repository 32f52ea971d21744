// The cell lists of the shape, fill and border tools: tables of the edge cases, and the fast
// lists held against a plain step-by-step transcription on random shapes and regions.
#include "editing/tools/RegionOutline.h"
#include "editing/tools/ShapeCells.h"
#include "editing/LayerPictures.h"
#include "imaging/TBitmap32.h"
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
using Points = QList<QPoint>;

constexpr TColor32 kEmpty = 0xFFFFFFFFu;
const LayerPictures::Colors kColors = {{'r', 0x0000FF}, {'g', 0x00FF00}};

TBitmap32 layer(const QStringList& rows)
{
    TBitmap32 cells(int(rows.first().size()), int(rows.size()));
    LayerPictures::paint(cells, rows, kColors, kEmpty);
    return cells;
}

// The plain transcription: lists searched linearly, stitches moved and deleted in place.
namespace Plain {
void stamp(Points& list, const QPoint& c, int size, bool square)
{
    const int k = (size - 1) / 2;
    for (int dy = -k; dy <= size - 1 - k; ++dy) {
        for (int dx = -k; dx <= size - 1 - k; ++dx) {
            const bool corner = (dx == -k || dx == size - 1 - k) && (dy == -k || dy == size - 1 - k);
            if ((square || size <= 2 || !corner) && !list.contains(c + QPoint(dx, dy)))
                list.append(c + QPoint(dx, dy));
        }
    }
}

Points line(QPoint a, const QPoint& b, int pen)
{
    Points list;
    stamp(list, a, pen, false);
    const int dx = b.x() - a.x();
    const int dy = b.y() - a.y();
    if (std::abs(dx) > std::abs(dy)) {
        const int step = dx >= 0 ? 1 : -1;
        const double slope = step * (double(dy) / dx);
        double e = a.y() + 0.5;
        for (int x = a.x(); x != b.x();) {
            x += step;
            e += slope;
            stamp(list, QPoint(x, int(std::floor(e))), pen, false);
        }
    } else if (dy != 0) {
        const int step = dy >= 0 ? 1 : -1;
        const double slope = step * (double(dx) / dy);
        double e = a.x() + 0.5;
        for (int y = a.y(); y != b.y();) {
            y += step;
            e += slope;
            stamp(list, QPoint(int(std::floor(e)), y), pen, false);
        }
    }
    return list;
}

Points rectangle(const QPoint& a, const QPoint& b, int pen, TFillMode fill)
{
    Points list;
    const QRect box(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())), QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const bool edge = x == box.left() || x == box.right() || y == box.top() || y == box.bottom();
            if (fill == fillFull || edge)
                stamp(list, QPoint(x, y), pen, true);
        }
    }
    return list;
}

Points circle(const QPoint& c, const QPoint& rim, int pen, TFillMode fill, const QRect& design)
{
    const int r = int(std::floor(std::sqrt(double((c.x() - rim.x()) * (c.x() - rim.x()) + (c.y() - rim.y()) * (c.y() - rim.y())))));
    Points list;
    const auto at = [&](int x, int y) { stamp(list, QPoint(x, y), pen, false); };
    int f = 1 - r, ddx = 1, ddy = -2 * r, x = 0, y = r;
    at(c.x(), c.y() + r);
    at(c.x(), c.y() - r);
    at(c.x() + r, c.y());
    while (true) {
        at(c.x() - y, c.y() - x);
        if (x >= y)
            break;
        if (f >= 0) {
            ddy += 2;
            f += ddy;
            --y;
        }
        ddx += 2;
        f += ddx;
        ++x;
        at(c.x() + x, c.y() + y);
        at(c.x() - x, c.y() + y);
        at(c.x() + x, c.y() - y);
        at(c.x() - x, c.y() - y);
        at(c.x() + y, c.y() + x);
        at(c.x() - y, c.y() + x);
        at(c.x() + y, c.y() - x);
    }
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        if (!design.contains(list[i]))
            list.removeAt(i);
    }
    if (fill == fillFull && !list.contains(c)) {
        Points stack{c};
        while (!stack.isEmpty()) {
            const QPoint p = stack.takeLast();
            if (!design.contains(p) || list.contains(p))
                continue;
            list.append(p);
            stack << p + QPoint(-1, 0) << p + QPoint(1, 0) << p + QPoint(0, -1) << p + QPoint(0, 1);
        }
    }
    return list;
}

const QPoint kAround[8] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

bool other(const TBitmap32& cells, const QPoint& p, TColor32 z)
{
    return !cells.contains(p.x(), p.y()) || cells.pixel(p.x(), p.y()) != z;
}

Points region(const TBitmap32& cells, const QPoint& s, int neighbours)
{
    if (!cells.contains(s.x(), s.y()))
        return {};
    const TColor32 z = cells.pixel(s.x(), s.y());
    Points work{s}, found;
    for (qsizetype i = 0; i < work.size(); ++i) {
        if (other(cells, work[i], z))
            continue;
        found.append(work[i]);
        for (int n = 0; n < neighbours; ++n) {
            if (!work.contains(work[i] + kAround[n]))
                work.append(work[i] + kAround[n]);
        }
    }
    return found;
}

Points border(const TBitmap32& cells, const QPoint& s, bool round)
{
    Points list;
    for (const QPoint& p : region(cells, s, 8)) {
        for (int n = 0; n < (round ? 4 : 8); ++n) {
            if (other(cells, p + kAround[n], cells.pixel(s.x(), s.y())) && !list.contains(p)) {
                list.append(p);
                break;
            }
        }
    }
    return list;
}

Points outlineBorder(const TBitmap32& cells, const QPoint& s, bool round)
{
    if (!cells.contains(s.x(), s.y()))
        return {};
    const TColor32 i = cells.pixel(s.x(), s.y());
    Points list;
    for (const QPoint& p : border(cells, s, false)) {
        for (int n = 0; n < (round ? 4 : 8); ++n) {
            const QPoint q = p + kAround[n];
            if (cells.contains(q.x(), q.y()) && cells.pixel(q.x(), q.y()) != i)
                list.append(q);
        }
    }
    return list;
}

QList<TBackStitch> outline(const TBitmap32& cells, const QPoint& s)
{
    QList<TBackStitch> list;
    for (const QPoint& p : region(cells, s, 4)) {
        const TColor32 z = cells.pixel(s.x(), s.y());
        const int x = 2 * p.x(), y = 2 * p.y();
        if (other(cells, p + QPoint(-1, 0), z))
            list.append({{x, y}, {x, y + 2}, 1, 0});
        if (other(cells, p + QPoint(1, 0), z))
            list.append({{x + 2, y + 2}, {x + 2, y}, 1, 0});
        if (other(cells, p + QPoint(0, -1), z))
            list.append({{x + 2, y}, {x, y}, 1, 0});
        if (other(cells, p + QPoint(0, 1), z))
            list.append({{x, y + 2}, {x + 2, y + 2}, 1, 0});
    }
    for (qsizetype i = 0; i + 1 < list.size(); ++i) {
        for (qsizetype j = i + 1; j < list.size(); ++j) {
            if (list[j].FromPoint == list[i].ToPoint) {
                list.move(j, i + 1);
                break;
            }
        }
    }
    for (qsizetype i = list.size() - 2; i >= 0; --i) {
        const TBackStitch& next = list[i + 1];
        if (list[i].ToPoint == next.FromPoint
            && (list[i].FromPoint.x() == next.ToPoint.x() || list[i].FromPoint.y() == next.ToPoint.y())) {
            list[i].ToPoint = next.ToPoint;
            list.removeAt(i + 1);
        }
    }
    return list;
}
} // namespace Plain
} // namespace

TEST(ShapeCells, Lines)
{
    struct Case
    {
        QPoint from, to;
        int pen;
        Points cells;
    };
    const std::vector<Case> cases = {
        {{0, 0}, {3, 1}, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {{0, 0}, {1, 3}, 1, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {{2, 2}, {5, 5}, 1, {{2, 2}, {3, 3}, {4, 4}, {5, 5}}}, // |dx| = |dy| steps in y
        {{3, 1}, {0, 0}, 1, {{3, 1}, {2, 1}, {1, 0}, {0, 0}}},
        {{4, 4}, {4, 4}, 1, {{4, 4}}},
        // Pen 2 reaches right and down; a stamp adds only cells not yet listed.
        {{0, 0}, {1, 0}, 2, {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {2, 1}}},
        {{5, 5}, {5, 5}, 3, {{5, 4}, {4, 5}, {5, 5}, {6, 5}, {5, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.x() << "," << c.from.y() << " pen " << c.pen);
        EXPECT_EQ(ShapeCells::line(c.from, c.to, c.pen), c.cells);
    }
    EXPECT_EQ(ShapeCells::line({5, 5}, {5, 5}, 4).size(), 12);
}

TEST(ShapeCells, Rectangles)
{
    const Points empty = ShapeCells::rectangle({4, 3}, {1, 1}, 1, fillNone);
    EXPECT_EQ(empty.size(), 10);
    EXPECT_FALSE(empty.contains(QPoint(2, 2)));
    EXPECT_EQ(empty.first(), QPoint(1, 1)); // row by row from the top-left, whichever corner came first
    EXPECT_EQ(ShapeCells::rectangle({1, 1}, {4, 3}, 1, fillFull).size(), 12);
    // Rectangles stamp the whole square, corners included: a single cell with pen 3 is 3 x 3,
    // with pen 4 a 4 x 4 block reaching one cell up and left, two right and down.
    EXPECT_EQ(ShapeCells::rectangle({5, 5}, {5, 5}, 3, fillNone).size(), 9);
    const Points four = ShapeCells::rectangle({5, 5}, {5, 5}, 4, fillNone);
    EXPECT_EQ(four.size(), 16);
    EXPECT_EQ(four.first(), QPoint(4, 4));
    EXPECT_EQ(four.last(), QPoint(7, 7));
}

TEST(ShapeCells, Circles)
{
    const QSize design(20, 20);
    struct Case
    {
        const char* name;
        QPoint rim;
        int pen;
        TFillMode fill;
        Points cells;
    };
    const std::vector<Case> cases = {
        {"radius 1, empty: the four arms", {5, 6}, 1, fillNone, {{5, 6}, {5, 4}, {6, 5}, {4, 5}}},
        {"radius 1, filled: the plus", {6, 5}, 1, fillFull, {{5, 6}, {5, 4}, {6, 5}, {4, 5}, {5, 5}}},
        {"radius 0: the centre", {5, 5}, 1, fillFull, {{5, 5}}},
        {"radius 0 with pen 2: the stamp", {5, 5}, 2, fillNone, {{5, 5}, {6, 5}, {5, 6}, {6, 6}}},
        {"the radius is rounded down", {6, 6}, 1, fillNone, {{5, 6}, {5, 4}, {6, 5}, {4, 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShapeCells::circle({5, 5}, c.rim, c.pen, c.fill, design), c.cells);
    }
    // At the corner of the design only the quarter inside remains, and the fill stays inside.
    const Points corner = ShapeCells::circle({0, 0}, {3, 0}, 1, fillFull, design);
    for (const QPoint& p : corner)
        EXPECT_TRUE(p.x() >= 0 && p.y() >= 0) << p.x() << "," << p.y();
    EXPECT_TRUE(corner.contains(QPoint(1, 1)));
}

TEST(ShapeCells, Borders)
{
    const TBitmap32 single = layer({".....", ".....", "..r..", ".....", "....."});
    const TBitmap32 top = layer({"..r..", ".....", "....."});
    struct Case
    {
        const char* name;
        const TBitmap32& cells;
        QPoint at;
        bool round;
        int count;
    };
    const std::vector<Case> cases = {
        {"a single cell, round", single, {2, 2}, true, 4},
        {"a single cell, sharp", single, {2, 2}, false, 8},
        {"a cell in the top row, round", top, {2, 0}, true, 3},
        {"a cell in the top row, sharp", top, {2, 0}, false, 5},
        {"a click at x = W", single, {5, 2}, false, 0},
        {"a click at y = H", single, {2, 5}, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShapeCells::outlineBorder(c.cells, c.at, c.round).size(), c.count);
    }
    // The inline border of the empty area around the cell: with sharp corners the cells that
    // touch it only through a corner join, with round corners they do not.
    EXPECT_EQ(ShapeCells::regionBorder(single, {0, 0}, true).size(), 16 + 4);
    EXPECT_EQ(ShapeCells::regionBorder(single, {0, 0}, false).size(), 16 + 8);
    EXPECT_EQ(ShapeCells::regionBorder(single, {2, 2}, false), Points{QPoint(2, 2)});
}

TEST(RegionOutline, ChainsAndMergesTheSidesOfTheRegion)
{
    struct Case
    {
        const char* name;
        QStringList rows;
        QPoint at;
        int stitches;
        int units;
    };
    const std::vector<Case> cases = {
        {"one cell", {"r."}, {0, 0}, 4, 8},
        {"a bar of three", {"rrr"}, {0, 0}, 4, 16},
        {"the L from its top", {"r.", "rr"}, {0, 0}, 6, 16},
        {"the L from its corner", {"r.", "rr"}, {1, 1}, 6, 16},
        // The chain starts in the middle of the left side: its collinear first and last
        // stitches are not neighbours in the list and stay apart.
        {"the L from its middle", {"r.", "rr"}, {0, 1}, 7, 16},
        {"outside the design", {"r."}, {2, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QList<TBackStitch> outline = RegionOutline::stitches(layer(c.rows), c.at, 7);
        EXPECT_EQ(outline.size(), c.stitches);
        int units = 0;
        for (const TBackStitch& s : outline) {
            units += (s.ToPoint - s.FromPoint).manhattanLength();
            EXPECT_EQ(s.Color, 7u);
        }
        EXPECT_EQ(units, c.units);
    }
}

TEST(ShapeCells, AgreeWithThePlainStepsOnRandomShapesAndRegions)
{
    QRandomGenerator random(20261210);
    const auto below = [&](int n) { return int(random.bounded(n)); };
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + below(9), h = 1 + below(8);
        const auto anywhere = [&] { return QPoint(below(w + 3) - 1, below(h + 3) - 1); };
        const QPoint a = anywhere(), b = anywhere();
        const int pen = 1 + below(4);
        const TFillMode fill = below(2) ? fillFull : fillNone;
        SCOPED_TRACE(testing::Message() << "round " << round);
        EXPECT_EQ(ShapeCells::line(a, b, pen), Plain::line(a, b, pen));
        EXPECT_EQ(ShapeCells::rectangle(a, b, pen, fill), Plain::rectangle(a, b, pen, fill));
        EXPECT_EQ(ShapeCells::circle(a, b, pen, fill, QSize(w, h)), Plain::circle(a, b, pen, fill, QRect(0, 0, w, h)));

        QStringList rows;
        for (int y = 0; y < h; ++y) {
            QString row;
            for (int x = 0; x < w; ++x)
                row += QLatin1Char(".rg"[below(3)]);
            rows << row;
        }
        const TBitmap32 cells = layer(rows);
        const bool roundCorners = below(2);
        EXPECT_EQ(ShapeCells::regionBorder(cells, a, roundCorners), Plain::border(cells, a, roundCorners));
        EXPECT_EQ(ShapeCells::outlineBorder(cells, a, roundCorners), Plain::outlineBorder(cells, a, roundCorners));
        EXPECT_EQ(RegionOutline::stitches(cells, a, 1), Plain::outline(cells, a));
    }
}
