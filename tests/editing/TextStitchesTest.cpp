// Text as stitches: one stitch per unsmoothed pixel at 96 dpi, sized by advance, ink and line height.
#include "editing/TextStitches.h"
#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {
const QString kFamily = QStringLiteral("DejaVu Sans");

int distinctValues(const QImage& mask)
{
    bool seen[256] = {};
    int count = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const uchar v = mask.constScanLine(y)[x];
            count += seen[v] ? 0 : 1;
            seen[v] = true;
        }
    }
    return count;
}
} // namespace

TEST(TextStitches, RendersUnsmoothedInkAt96DpiWithTheLineHeight)
{
    const QImage mask = TextStitches::render(QStringLiteral("Rose 12"), kFamily, 10, TextStitches::styleBold);
    ASSERT_FALSE(mask.isNull());
    EXPECT_EQ(mask.format(), QImage::Format_Alpha8);
    EXPECT_EQ(distinctValues(mask), 2) << "ink or nothing, no smoothing";
    EXPECT_TRUE(TextStitches::hasInk(mask));

    QFont font(kFamily);
    font.setPointSize(10);
    font.setBold(true);
    QImage probe(1, 1, QImage::Format_ARGB32);
    probe.setDotsPerMeterX(3780);
    probe.setDotsPerMeterY(3780);
    const QFontMetrics metrics(font, &probe);
    EXPECT_EQ(mask.height(), metrics.height());
    EXPECT_GE(mask.width(), metrics.horizontalAdvance(QStringLiteral("Rose 12")));
    EXPECT_LT(mask.height(), 20) << "10 points at 96 dpi, not at a screen's scaling";

    const QImage larger = TextStitches::render(QStringLiteral("Rose 12"), kFamily, 20, TextStitches::styleBold);
    EXPECT_GT(larger.width(), mask.width());
    EXPECT_GT(larger.height(), mask.height());
}

TEST(TextStitches, ItalicInkBeyondTheAdvanceWidensTheMask)
{
    const QImage mask = TextStitches::render(QStringLiteral("ff"), kFamily, 40, TextStitches::styleItalic);
    ASSERT_FALSE(mask.isNull());
    // The last column holds ink: the mask reaches the ink's right edge.
    bool inkInLastColumn = false;
    for (int y = 0; y < mask.height(); ++y)
        inkInLastColumn = inkInLastColumn || mask.constScanLine(y)[mask.width() - 1];
    EXPECT_TRUE(inkInLastColumn);
}

TEST(TextStitches, NothingToStitch)
{
    EXPECT_TRUE(TextStitches::render(QString(), kFamily, 10, TextStitches::styleRegular).isNull());
    EXPECT_TRUE(TextStitches::render(QStringLiteral("a"), kFamily, 0, TextStitches::styleRegular).isNull());
    EXPECT_TRUE(TextStitches::render(QStringLiteral("a"), kFamily, 501, TextStitches::styleRegular).isNull());
    const QImage blank = TextStitches::render(QStringLiteral("   "), kFamily, 10, TextStitches::styleRegular);
    EXPECT_FALSE(blank.isNull());
    EXPECT_FALSE(TextStitches::hasInk(blank));
}

TEST(TextStitches, TypedPointSizes)
{
    const struct
    {
        const char* typed;
        int points;
    } cases[] = {{"10", 10}, {" 72 ", 72}, {"1", 1}, {"500", 500}, {"0", 0}, {"501", 0}, {"-3", 0}, {"ten", 0},
        {"10.5", 0}, {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(TextStitches::pointsFrom(QString::fromLatin1(c.typed)), c.points) << c.typed;
}
