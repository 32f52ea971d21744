// The rhodes editor's document driven with surface pixels, without a window: snapping to the
// half-cell grid, drawing and erasing stitches, the box and zoom bounds, OK, Cancel and Delete,
// and the pixels of the surface it paints.
#include "editors/RhodeShapeEditor.h"
#include "model/RhodeShapes.h"
#include "support/TestDesigns.h"
#include <QPainter>
#include <gtest/gtest.h>

namespace {
using Editor = RhodeShapeEditor;

// A library of one shipped shape and one of the user's own.
RhodeShapes library()
{
    RhodeShapes shapes;
    shapes.append(TestDesigns::rhodeShape(QStringLiteral("Fan 3"), 2, 2, true, {{2, 4, 0, 0}, {2, 4, 2, 0}, {2, 4, 4, 0}}));
    shapes.append(TestDesigns::rhodeShape(QStringLiteral("Mine"), 3, 2, false, {{0, 0, 6, 4}, {6, 0, 0, 4}}));
    return shapes;
}

// The pixel where a half-cell point is drawn at the editor's zoom.
QPointF at(const Editor& e, int x, int y)
{
    return QPointF(e.pixelOf(QPoint(x, y)));
}

QList<QLine> stitchesOf(const TRhode& shape)
{
    QList<QLine> lines;
    for (const TBackStitch& s : shape.stitches)
        lines << QLine(s.FromPoint, s.ToPoint);
    return lines;
}
} // namespace

TEST(RhodeShapeEditor, PointerPixelsSnapToTheNearestHalfCellPointWithHalvesToEven)
{
    struct Case
    {
        int zoom;
        QPointF pixel;
        QPoint point;
        const char* what;
    };
    const Case cases[] = {
        {50, {0, 0}, {0, 0}, "top-left corner"},
        {50, {100, 100}, {4, 4}, "bottom-right corner"},
        {50, {50, 50}, {2, 2}, "inner corner"},
        {50, {25, 0}, {1, 0}, "top edge midpoint"},
        {50, {0, 75}, {0, 3}, "left edge midpoint"},
        {50, {25, 25}, {1, 1}, "cell centre"},
        {50, {75, 25}, {3, 1}, "next cell centre"},
        {50, {12, 13}, {0, 1}, "either side of a half"},
        {50, {12.5, 37.5}, {0, 2}, "ties 0.5 and 1.5 go to even"},
        {50, {62.5, 87.5}, {2, 4}, "ties 2.5 and 3.5 go to even"},
        {50, {-20, 130}, {0, 4}, "outside the surface stays in the box"},
        {7, {3.5, 3.5}, {1, 1}, "cell centre at an odd zoom"},
        {7, {7, 10.5}, {2, 3}, "corner and edge midpoint at an odd zoom"},
        {7, {1.75, 5.25}, {0, 2}, "ties at an odd zoom"},
        {7, {8.75, 12.25}, {2, 4}, "ties further on at an odd zoom"},
        {7, {1.8, 5.2}, {1, 1}, "just past and before the ties"},
    };
    RhodeShapes shapes;
    Editor e(shapes);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        e.setZoom(c.zoom);
        ASSERT_EQ(e.zoom(), c.zoom);
        EXPECT_EQ(e.pointAt(c.pixel), c.point);
    }
}

TEST(RhodeShapeEditor, TwoClicksDrawAStitchOfColourZeroAndAClickOnTheStartPointAddsNothing)
{
    RhodeShapes shapes;
    Editor e(shapes);
    EXPECT_FALSE(e.click({10, 10})) << "nothing is drawn outside adding or editing";
    EXPECT_FALSE(e.pendingStart());
    e.beginNew();
    EXPECT_FALSE(e.click({52, 48}));
    EXPECT_EQ(e.pendingStart(), QPoint(2, 2));
    EXPECT_FALSE(e.click({49, 51})) << "the start point again";
    EXPECT_EQ(e.pendingLine({76, 99}), QLine(50, 50, 75, 100)) << "the rubber line ends at the snapped point";
    EXPECT_TRUE(e.click({76, 99}));
    EXPECT_FALSE(e.pendingStart());
    EXPECT_FALSE(e.pendingLine({0, 0}));
    ASSERT_EQ(e.current()->stitches.size(), 1);
    const TBackStitch& s = e.current()->stitches[0];
    EXPECT_EQ(s.FromPoint, QPoint(2, 2));
    EXPECT_EQ(s.ToPoint, QPoint(3, 4));
    EXPECT_EQ(s.Color, 0u);
    EXPECT_TRUE(shapes.isEmpty()) << "the library changes only at OK";
}

TEST(RhodeShapeEditor, EraseTakesTheLaterOfTwoCrossingStitchesAndAMissTakesNothing)
{
    RhodeShapes shapes;
    Editor e(shapes);
    e.beginNew();
    for (const QPoint& p : {QPoint(0, 0), QPoint(4, 4), QPoint(4, 0), QPoint(0, 4), QPoint(0, 1)})
        e.click(at(e, p.x(), p.y()));
    e.setTool(Editor::Tool::erase);
    EXPECT_FALSE(e.pendingStart()) << "changing the tool drops the start point";
    e.setTool(Editor::Tool::draw);
    e.click(at(e, 0, 1));
    e.setTool(Editor::Tool::erase);

    EXPECT_FALSE(e.click({95, 50})) << "a miss";
    EXPECT_EQ(e.current()->stitches.size(), 2);
    EXPECT_TRUE(e.click({51, 49})) << "the crossing, within the small square";
    EXPECT_EQ(stitchesOf(*e.current()), QList<QLine>{QLine(0, 0, 4, 4)});
    EXPECT_TRUE(e.click({50, 50}));
    EXPECT_TRUE(e.current()->stitches.isEmpty());
}

TEST(RhodeShapeEditor, TheBoxHoldsItsStitchesAndTheZoomKeepsTheSurfaceWithinItsSize)
{
    RhodeShapes shapes;
    Editor e(shapes);
    EXPECT_EQ(e.surfaceSize(), QSize(101, 101)) << "2 x 2 cells at zoom 50";
    e.beginNew();
    e.setCellsX(4);
    e.setCellsY(3);
    e.click(at(e, 0, 0));
    e.click(at(e, 7, 5));
    EXPECT_EQ(e.minCellsX(), 4) << "x = 7 lies in the fourth column";
    EXPECT_EQ(e.minCellsY(), 3);
    e.setCellsX(1);
    e.setCellsY(-5);
    EXPECT_EQ(e.cellsX(), 4);
    EXPECT_EQ(e.cellsY(), 3);
    e.setCellsY(RhodeShapes::kMaxSide + 1);
    EXPECT_EQ(e.cellsY(), RhodeShapes::kMaxSide);
    EXPECT_EQ(e.zoom(), 40) << "the larger box lowered the zoom";
    EXPECT_EQ(e.surfaceSize(), QSize(161, 4001));

    e.setZoom(1);
    EXPECT_EQ(e.zoom(), Editor::kMinZoom);
    e.setZoom(100000);
    EXPECT_EQ(e.zoom(), 40);
    e.setCellsY(1);
    e.setCellsX(1);
    EXPECT_EQ(e.cellsX(), 4);
    EXPECT_EQ(e.cellsY(), 3);
    e.setZoom(100000);
    EXPECT_EQ(e.zoom(), 1024);
    EXPECT_LE(e.surfaceSize().width(), Editor::kMaxSurface + 1);

    e.setTool(Editor::Tool::erase);
    e.click(at(e, 0, 0));
    EXPECT_EQ(e.minCellsX(), 1) << "without stitches the box may shrink to one cell";
    e.setCellsX(0);
    EXPECT_EQ(e.cellsX(), 1);
}

TEST(RhodeShapeEditor, OkStoresANewShapeAndCancelDropsIt)
{
    RhodeShapes shapes = library();
    Editor e(shapes);
    e.beginNew();
    e.click(at(e, 0, 0));
    e.click(at(e, 2, 2));
    e.cancel();
    EXPECT_EQ(shapes.size(), 2);
    EXPECT_EQ(e.current(), nullptr);
    EXPECT_FALSE(e.changed());

    e.beginNew();
    e.setCellsX(3);
    e.click(at(e, 0, 0));
    e.click(at(e, 6, 2));
    EXPECT_EQ(e.confirm(QStringLiteral("Slope")), Editor::Refusal::none);
    ASSERT_EQ(shapes.size(), 3);
    const TRhode& added = *shapes.at(2);
    EXPECT_EQ(added.name, QStringLiteral("Slope"));
    EXPECT_EQ(added.width, 3);
    EXPECT_EQ(added.height, 2);
    EXPECT_FALSE(added.original);
    EXPECT_EQ(stitchesOf(added), QList<QLine>{QLine(0, 0, 6, 2)});
    EXPECT_EQ(e.mode(), Editor::modNone);
    EXPECT_EQ(e.selected(), 2);
    EXPECT_TRUE(e.changed());
}

TEST(RhodeShapeEditor, CancelAfterEditRestoresTheShapeAndOkWritesItBack)
{
    RhodeShapes shapes = library();
    const TRhodeRef mine = shapes.at(1);
    const TRhode before = *mine;
    Editor e(shapes);
    e.select(1);
    EXPECT_EQ(e.cellsX(), 3);
    e.beginEdit();
    ASSERT_EQ(e.mode(), Editor::modEdit);
    e.setTool(Editor::Tool::erase);
    e.click(at(e, 3, 2));
    e.setTool(Editor::Tool::draw);
    e.click(at(e, 0, 2));
    e.click(at(e, 6, 2));
    e.setCellsX(5);
    e.cancel();
    EXPECT_TRUE(mine->sameContent(before));
    EXPECT_EQ(e.cellsX(), 3) << "the box of the shape as it was";
    EXPECT_FALSE(e.changed());

    e.beginEdit();
    e.confirm(QStringLiteral("Mine"));
    EXPECT_FALSE(e.changed()) << "OK without edits changes nothing";

    e.beginEdit();
    e.click(at(e, 0, 2));
    e.click(at(e, 6, 2));
    EXPECT_EQ(e.confirm(QStringLiteral("Star")), Editor::Refusal::none);
    EXPECT_EQ(shapes.at(1), mine) << "the library keeps its own object";
    EXPECT_EQ(mine->name, QStringLiteral("Star"));
    EXPECT_EQ(mine->stitches.size(), 3);
    EXPECT_TRUE(e.changed());
}

TEST(RhodeShapeEditor, OkRefusesAShapeWithoutNameOrStitchesOrWithAnotherShapesName)
{
    RhodeShapes shapes = library();
    Editor e(shapes);
    e.beginNew();
    EXPECT_EQ(e.confirm(QStringLiteral("Empty")), Editor::Refusal::noStitches);
    e.click(at(e, 0, 0));
    e.click(at(e, 1, 1));
    EXPECT_EQ(e.confirm(QStringLiteral("  ")), Editor::Refusal::noName);
    EXPECT_EQ(e.confirm(QStringLiteral("Fan 3")), Editor::Refusal::sameName);
    EXPECT_EQ(e.mode(), Editor::modAdd);
    EXPECT_EQ(shapes.size(), 2);
    EXPECT_EQ(e.confirm(QStringLiteral("Fan 3 small")), Editor::Refusal::none);
}

TEST(RhodeShapeEditor, OnlyTheUsersOwnShapesCanBeEditedOrDeleted)
{
    RhodeShapes shapes = library();
    shapes.append(TestDesigns::rhodeShape(QStringLiteral("Other"), 1, 1, false, {{0, 0, 2, 2}}));
    shapes.setCurrentIndex(1);
    Editor e(shapes);
    EXPECT_TRUE(e.canNew());
    EXPECT_FALSE(e.canEdit()) << "nothing selected";
    e.select(0);
    EXPECT_FALSE(e.canEdit());
    EXPECT_FALSE(e.canDelete());
    EXPECT_FALSE(e.deleteSelected());
    e.beginEdit();
    EXPECT_EQ(e.mode(), Editor::modNone);

    e.select(1);
    EXPECT_TRUE(e.canEdit());
    EXPECT_TRUE(e.deleteSelected());
    EXPECT_EQ(shapes.size(), 2);
    EXPECT_EQ(shapes.at(1)->name, QStringLiteral("Other"));
    EXPECT_EQ(shapes.currentIndex(), 0) << "the tool's current shape went: the first takes over";
    EXPECT_EQ(e.selected(), -1);
    EXPECT_TRUE(e.changed());

    e.select(1);
    e.beginEdit();
    EXPECT_FALSE(e.canNew());
    EXPECT_FALSE(e.canEdit());
    EXPECT_TRUE(e.canConfirm());
}

TEST(RhodeShapeEditor, TheSurfaceIsAWhiteBoxWithAGreyGridAndBlueStitchesAndTheRubberLineIsGreen)
{
    RhodeShapes shapes = library();
    Editor e(shapes);
    e.select(1); // 3 x 2 cells, the two diagonals
    e.setZoom(20);
    const QImage surface = e.surface();
    ASSERT_EQ(surface.size(), QSize(61, 41));
    const QRgb white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128), blue = qRgb(4, 217, 251);
    struct Pixel
    {
        QPoint at;
        QRgb color;
    };
    const Pixel pixels[] = {
        {{0, 10}, grey}, {{60, 10}, grey}, {{20, 5}, grey}, {{5, 40}, grey}, {{50, 20}, grey},
        {{10, 15}, white}, {{50, 25}, white}, {{30, 2}, white},
        {{30, 20}, blue}, {{32, 21}, blue}, {{15, 10}, blue}, {{45, 10}, blue}, {{3, 2}, blue},
    };
    for (const Pixel& p : pixels) {
        SCOPED_TRACE(testing::Message() << p.at.x() << "," << p.at.y());
        EXPECT_EQ(surface.pixel(p.at), p.color);
    }

    QImage overlay = surface;
    QPainter painter(&overlay);
    const QLine line(0, 20, 60, 20);
    Editor::paintPending(painter, line);
    painter.end();
    EXPECT_EQ(overlay.pixel(10, 20), qRgb(0, 128, 0));
    EXPECT_EQ(overlay.pixel(10, 22), qRgb(0, 128, 0)) << "width 5";
    EXPECT_EQ(overlay.pixel(10, 24), white);
    EXPECT_TRUE(Editor::pendingBounds(line).contains(QRect(-2, 18, 65, 5)));
}
