// Random edits of every kind through the history, undone and redone at random points: after every
// step the counts must equal a recount, and every undo and redo must give back exactly the state
// the design had at that position of the history.
#include "DesignSnapshot.h"
#include "GestureDriver.h"
#include "editing/tools/PenFootprint.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>
#include <random>

namespace {
constexpr int kWidth = 8;
constexpr int kHeight = 6;
constexpr int kSteps = 10000;

class RandomEditor
{
public:
    explicit RandomEditor(unsigned seed) : m_rng(seed) {}

    std::unique_ptr<Design> makeDesign()
    {
        auto d = std::make_unique<Design>();
        d->stitch.BackGroundColor = 0xFFFFFFFFu;
        // Twenty symbols: some colours' symbol indexes lie beyond the string and show none.
        d->stitch.chars = std::make_unique<TCharacters>(QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        for (int p = 0; p < 3; ++p)
            d->stitch.ColorPalettes.insert(QStringLiteral("P%1").arg(p), randomPalette());
        d->stitch.Colors = *d->stitch.palette(QStringLiteral("P0"));
        d->stitch.setColorsname(QStringLiteral("P0"));
        d->allocateLayers(kWidth, kHeight);
        StitchOperations ops(*d);
        for (int i = 0; i < 20; ++i) {
            ops.updatePixel(below(kWidth), below(kHeight), false, colour(*d));
            ops.updateQPixel(below(2 * kWidth), below(2 * kHeight), false, colour(*d));
        }
        for (int i = 0; i < 3; ++i) {
            ops.backStitchesAdd({point(*d), point(*d) + QPoint(1, 0), colour(*d), i}, false);
            ops.frenchKnotAdd({point(*d), colour(*d), i}, false);
        }
        return d;
    }

    // One edit of a random kind, made the way its tool makes it.
    void edit(Design& d)
    {
        const int kind = below(100);
        if (kind < 18)
            penStroke(d);
        else if (kind < 36)
            quarterStroke(d);
        else if (kind < 50)
            erase(d);
        else if (kind < 56)
            replaceColour(d);
        else if (kind < 63)
            backStitch(d);
        else if (kind < 69)
            knot(d);
        else if (kind < 75)
            rhode(d);
        else if (kind < 81)
            line(d);
        else if (kind < 87)
            fill(d);
        else if (kind < 89)
            outline(d);
        else if (kind < 91)
            resize(d);
        else if (kind < 94)
            d.stitch.changePalette(QStringLiteral("P%1").arg(below(3)));
        else if (kind < 97)
            d.stitch.reduceColors(below(d.stitch.usedColors() + 2));
        else
            d.stitch.changeBackgroundColor(randomColour());
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

private:
    TColorRef randomColour() { return makeColorRef(below(4) * 85, below(4) * 85, below(4) * 85); }

    TColorTable randomPalette()
    {
        QList<TColorRef> colours;
        while (colours.size() < 8) {
            const TColorRef c = randomColour();
            if (!colours.contains(c))
                colours << c;
        }
        TColorTable table = TestDesigns::palette(colours);
        int symbol = below(6);
        for (auto& [color, info] : table) {
            info.charID = symbol;
            symbol += 1 + below(3);
        }
        return table;
    }

    TColorRef colour(const Design& d)
    {
        const std::vector<TColorRef> keys = d.stitch.Colors.keys();
        return keys[size_t(below(int(keys.size())))];
    }

    QPoint point(const Design& d) { return QPoint(below(2 * d.width() + 1), below(2 * d.height() + 1)); }
    QPoint cell(const Design& d) { return QPoint(below(d.width()), below(d.height())); }

    // Rows or columns inserted, or a new size, kept between 3 and 12 cells a side.
    void resize(Design& d)
    {
        if (below(2) == 0) {
            const TInsertType type = below(2) == 0 ? itColumn : itRow;
            const int side = type == itColumn ? d.width() : d.height();
            if (side < 11)
                HistoryFactories::actionInsert(d, below(side + 2), type, 1 + below(2));
        } else {
            HistoryFactories::actionChangeDimensions(d, 3 + below(10), 3 + below(10));
        }
    }

    void penStroke(Design& d)
    {
        GestureDriver driver(d, below(2) == 0);
        QList<QPoint> centres{cell(d)};
        for (int i = below(4); i > 0; --i)
            centres << centres.last() + QPoint(below(3) - 1, below(3) - 1);
        driver.penStroke(centres, 1 + below(4), colour(d));
    }

    void quarterStroke(Design& d)
    {
        GestureDriver driver(d, below(2) == 0);
        QList<QPoint> centres;
        int size = 1;
        if (below(2) == 0) {
            const QPoint c = cell(d) * 2;
            QList<QPoint> four{c, c + QPoint(1, 0), c + QPoint(0, 1), c + QPoint(1, 1)};
            std::shuffle(four.begin(), four.end(), m_rng);
            centres = four.mid(below(2));
        } else {
            centres << QPoint(below(2 * d.width()), below(2 * d.height()));
            for (int i = below(4); i > 0; --i)
                centres << centres.last() + QPoint(below(3) - 1, below(3) - 1);
            size = 1 + below(2);
        }
        driver.quarterStroke(centres, size, colour(d));
    }

    void erase(Design& d)
    {
        StitchOperations ops(d);
        const TColor32 bg = d.stitch.BackGroundColor;
        CellCapture cross;
        CellCapture quarters;
        QList<RemovedItem<TBackStitch>> backs;
        QList<RemovedItem<TRhodeRef>> rhodes;
        QList<RemovedItem<TFrenchKnot>> knots;
        for (int move = 1 + below(3); move > 0; --move) {
            const QPoint c = cell(d);
            for (const QPoint& p : PenFootprint::around(c, 1 + below(3))) {
                if (!ops.hasCell(p.x(), p.y()))
                    continue;
                cross.record(p, ops.cellValue(p.x(), p.y()));
                ops.updatePixel(p.x(), p.y(), false, bg);
            }
            const QPoint q = c * 2 + QPoint(below(2), below(2));
            if (ops.quarterValue(q.x(), q.y()) != bg) {
                for (const QPoint& p : PenFootprint::around(q, 1 + below(2))) {
                    if (!ops.hasQuarter(p.x(), p.y()) || ops.quarterValue(p.x(), p.y()) == bg)
                        continue;
                    quarters.record(p, ops.quarterValue(p.x(), p.y()));
                    ops.updateQPixel(p.x(), p.y(), false, bg);
                }
            }
            if (!d.BackStitchList.isEmpty() && below(2) == 0) {
                const int at = below(int(d.BackStitchList.size()));
                backs.append({at, ops.backStitchesDelete(at, false)});
            }
            if (!d.RhodeList.isEmpty() && below(3) == 0) {
                const int at = below(int(d.RhodeList.size()));
                rhodes.append({at, ops.RhodeDelete(at, false)});
            }
            if (!d.FrenchKnotList.isEmpty() && below(3) == 0) {
                const int at = below(int(d.FrenchKnotList.size()));
                knots.append({at, ops.frenchKnotDelete(at, false)});
            }
        }
        HistoryFactories::actionErase(d, cross, quarters, bg, knots, rhodes, backs);
    }

    void replaceColour(Design& d)
    {
        StitchOperations ops(d);
        const QPoint c = cell(d);
        TColorRef old = ops.cellValue(c.x(), c.y());
        if (!d.BackStitchList.isEmpty() && below(3) == 0)
            old = d.BackStitchList[below(int(d.BackStitchList.size()))].Color;
        const TColorRef replacement = colour(d);
        if (old == replacement)
            return;
        QList<QPoint> cells;
        for (int y = 0; y < d.height(); ++y) {
            for (int x = 0; x < d.width(); ++x) {
                if (ops.cellValue(x, y) == old) {
                    cells << QPoint(x, y);
                    ops.updatePixel(x, y, false, replacement);
                }
            }
        }
        QList<int> backs;
        for (int i = 0; i < d.BackStitchList.size(); ++i) {
            if (d.BackStitchList[i].Color == old) {
                backs << i;
                ops.backStitchesSetColor(i, replacement, false);
            }
        }
        HistoryFactories::actionReplaceColor(d, cells, backs, replacement, old);
    }

    void backStitch(Design& d)
    {
        const QPoint from = point(d);
        QPoint to = point(d);
        if (to == from)
            to += QPoint(1, 0);
        const TBackStitch s{from, to, colour(d), int(d.BackStitchList.size())};
        StitchOperations(d).backStitchesAdd(s, true);
        HistoryFactories::actionDrawBackStitch(d, s);
    }

    void knot(Design& d)
    {
        const TFrenchKnot k{point(d), colour(d), int(d.FrenchKnotList.size())};
        StitchOperations(d).frenchKnotAdd(k, true);
        HistoryFactories::actionDrawFrenchKnot(d, k);
    }

    void rhode(Design& d)
    {
        TRhode r;
        r.color = colour(d);
        r.index = int(d.RhodeList.size());
        const QPoint centre = point(d);
        for (int i = 1 + below(3); i > 0; --i)
            r.stitches.append({centre, centre + QPoint(below(5) - 2, below(5) - 2), 0, 0});
        StitchOperations(d).RhodeAdd(r.Clone(), true);
        HistoryFactories::actionDrawRhode(d, r);
    }

    void line(Design& d)
    {
        QList<QPoint> points;
        for (int i = 1 + below(6); i > 0; --i)
            points << QPoint(below(d.width() + 2) - 1, below(d.height() + 2) - 1);
        HistoryFactories::actionLine(d, points, colour(d));
    }

    void fill(Design& d)
    {
        StitchOperations ops(d);
        const QPoint start = cell(d);
        const TColorRef old = ops.cellValue(start.x(), start.y());
        const TColorRef replacement = colour(d);
        if (old == replacement)
            return;
        const TColor32 bg = d.stitch.BackGroundColor;
        QList<QPoint> region{start};
        CellCapture quarters;
        ops.updatePixel(start.x(), start.y(), false, replacement);
        for (qsizetype i = 0; i < region.size(); ++i) {
            const QPoint p = region[i];
            for (int q = 0; q < 4; ++q) {
                const QPoint quarter(2 * p.x() + q % 2, 2 * p.y() + q / 2);
                if (ops.quarterValue(quarter.x(), quarter.y()) == bg)
                    continue;
                quarters.record(quarter, ops.quarterValue(quarter.x(), quarter.y()));
                ops.updateQPixel(quarter.x(), quarter.y(), false, bg);
            }
            for (const QPoint& step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint n = p + step;
                if (ops.hasCell(n.x(), n.y()) && ops.cellValue(n.x(), n.y()) == old) {
                    ops.updatePixel(n.x(), n.y(), false, replacement);
                    region << n;
                }
            }
        }
        HistoryFactories::actionFill(d, region, old, bg, quarters, replacement);
    }

    void outline(Design& d)
    {
        StitchOperations ops(d);
        QList<TBackStitch> added;
        QPoint from = point(d);
        for (int i = 1 + below(3); i > 0; --i) {
            const QPoint to = from + QPoint(0, 1);
            added.append({from, to, colour(d), int(d.BackStitchList.size())});
            ops.backStitchesAdd(added.last(), false);
            from = to;
        }
        HistoryFactories::actionOutline(d, added, added.first().Color);
    }

    std::mt19937 m_rng;
};

// The state at each history position, by fingerprint: index k holds position k - 1.
class PositionStates
{
public:
    explicit PositionStates(const Design& d) { m_digests.push_back(DesignSnapshot::of(d).digest()); }

    void recorded(const Design& d)
    {
        m_digests.resize(size_t(d.History.position() + 1));
        m_digests.push_back(DesignSnapshot::of(d).digest());
    }
    bool matches(const Design& d) const
    {
        return m_digests[size_t(d.History.position() + 1)] == DesignSnapshot::of(d).digest();
    }

private:
    std::vector<QByteArray> m_digests;
};
} // namespace

TEST(HistoryProperty, RandomEditsUndoAndRedoExactlyWithCountsEqualToARecount)
{
    RandomEditor editor(20240611u);
    auto d = editor.makeDesign();
    ASSERT_EQ(countsAgainstRecount(*d), "");
    const DesignSnapshot start = DesignSnapshot::of(*d);
    PositionStates states(*d);

    for (int step = 0; step < kSteps; ++step) {
        SCOPED_TRACE(step);
        const int choice = editor.below(100);
        if (choice < 12) {
            for (int n = 1 + editor.below(3); n > 0; --n)
                d->History.Undo();
        } else if (choice < 20) {
            for (int n = 1 + editor.below(3); n > 0; --n)
                d->History.Redo();
        } else {
            const int count = d->History.count();
            const int position = d->History.position();
            editor.edit(*d);
            if (d->History.position() != position || d->History.count() != count)
                states.recorded(*d);
        }
        ASSERT_TRUE(states.matches(*d)) << "the design differs from its state at history position "
                                        << d->History.position();
        ASSERT_EQ(countsAgainstRecount(*d), "");
    }

    while (d->History.canRedo())
        d->History.Redo();
    const DesignSnapshot final = DesignSnapshot::of(*d);
    while (d->History.canUndo())
        d->History.Undo();
    EXPECT_EQ(start.firstDifference(DesignSnapshot::of(*d)), "");
    while (d->History.canRedo())
        d->History.Redo();
    EXPECT_EQ(final.firstDifference(DesignSnapshot::of(*d)), "");
    EXPECT_EQ(countsAgainstRecount(*d), "");
}
