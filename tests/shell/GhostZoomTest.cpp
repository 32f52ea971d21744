#include "shell/GhostZoom.h"
#include <gtest/gtest.h>

TEST(GhostZoom, PositionsGiveScalesAndFitKeepsInsideTheRange)
{
    EXPECT_DOUBLE_EQ(GhostZoom::scale(1), 0.03);
    EXPECT_DOUBLE_EQ(GhostZoom::scale(98), 1.0);
    EXPECT_DOUBLE_EQ(GhostZoom::scale(500), 5.02);
    const struct
    {
        QSize view, picture;
        int position;
    } fits[] = {
        {QSize(800, 600), QSize(400, 300), 198},    // fit 2.0
        {QSize(800, 600), QSize(1600, 300), 48},    // the narrower side decides: 0.5
        {QSize(800, 600), QSize(30000, 2), 1},      // too small a scale: the least position
        {QSize(800, 600), QSize(2, 1), 500},        // too large: the greatest
    };
    for (const auto& f : fits)
        EXPECT_EQ(GhostZoom::fitPosition(f.view, f.picture), f.position) << f.picture.width();
}

TEST(GhostZoom, ScrollBarsFollowTheScaledPicture)
{
    const GhostZoom::Scroll none = GhostZoom::scroll(500, 400, 1.0, 30);
    EXPECT_FALSE(none.enabled);
    EXPECT_EQ(none.position, 0);
    const GhostZoom::Scroll wide = GhostZoom::scroll(500, 400, 2.0, 30);
    EXPECT_TRUE(wide.enabled);
    EXPECT_EQ(wide.maximum, 800);
    EXPECT_EQ(wide.page, 500);
    EXPECT_EQ(wide.position, 30);
    EXPECT_EQ(GhostZoom::scroll(500, 400, 2.0, 450).position, 300) << "the view never runs past the picture";
    EXPECT_EQ(GhostZoom::label(1.0, QLocale::c()), QStringLiteral("100.0%"));
    EXPECT_EQ(GhostZoom::label(0.03, QLocale(QLocale::German)), QStringLiteral("3,0%"));
}
