#include "editing/SelectionSession.h"
#include "model/Design.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

TEST(SelectionSession, PasteFloatsTheBufferInTheFrameAndLeavingKeepsTheBuffer)
{
    auto d = TestDesigns::fromRows({"ab..", "ba.."}, {{'a', 0x0000FF}, {'b', 0xFF0000}});
    SelectionSession s;
    EXPECT_FALSE(s.Paste(QPoint(0, 0))) << "nothing to paste yet";
    EXPECT_FALSE(s.frameShown());

    s.enter(QPoint(1, 0));
    EXPECT_EQ(s.SelectionRect(), (TRect{1, 0, 11, 10}));
    s.resize(dkBottomRight, {1, 0, 2, 2}, QSize(4, 2));
    s.Copy(*d, true);
    EXPECT_EQ(s.buffer().width(), 1);
    EXPECT_FALSE(s.floating());

    s.resize(dkMove, {3, 0, 0, 0}, QSize(4, 2));
    ASSERT_TRUE(s.Paste(QPoint(0, 0)));
    EXPECT_EQ(s.SelectionRect(), (TRect{3, 0, 4, 2})) << "the frame keeps its top-left";
    s.resize(dkRight, {3, 0, 4, 2}, QSize(4, 2));
    EXPECT_EQ(s.SelectionRect().width(), 1) << "floating content is not resized";
    ASSERT_TRUE(s.Merge(*d));
    EXPECT_TRUE(s.Merge(*d) == false && s.floating()) << "content floats on; the same merge changes nothing";
    EXPECT_EQ(d->CrossLayer.canvasPixel(3, 0), 0xFF0000u);

    s.leave();
    EXPECT_FALSE(s.frameShown() || s.floating());
    ASSERT_TRUE(s.Paste(QPoint(2, 1))) << "paste from another mode enters at the first visible cell";
    EXPECT_EQ(s.SelectionRect(), (TRect{2, 1, 3, 3}));
    s.clear();
    EXPECT_FALSE(s.canPaste());
}
