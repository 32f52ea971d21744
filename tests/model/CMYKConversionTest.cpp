// Thread colours to ink percentages and back, with halves going to the even neighbour.
#include "model/CMYKConversion.h"
#include <gtest/gtest.h>

TEST(CMYKConversion, ComputedValuesOfThreadColours)
{
    struct Case
    {
        TColorRef color;
        TCMYK expected;
    };
    const Case cases[] = {
        {makeColorRef(255, 255, 255), {0, 0, 0, 0, 0}},
        {makeColorRef(0, 0, 0), {0, 0, 0, 100, 0}},
        {makeColorRef(255, 0, 0), {0, 100, 100, 0, 0}},
        {makeColorRef(0, 128, 255), {100, 50, 0, 0, 0}},
        {makeColorRef(51, 102, 153), {67, 33, 0, 40, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CMYKConversion::hashText(c.color).toStdString());
        TCMYK expected = c.expected;
        expected.RGBColor = c.color;
        EXPECT_EQ(CMYKConversion::fromColor(c.color), expected);
    }
}

TEST(CMYKConversion, CorrectionsPrintAsTheirColour)
{
    struct Case
    {
        int c, m, y, k;
        TColorRef expected;
    };
    const Case cases[] = {
        {0, 0, 0, 100, makeColorRef(0, 0, 0)},
        {0, 0, 0, 0, makeColorRef(255, 255, 255)},
        {100, 0, 0, 0, makeColorRef(0, 255, 255)},
        {0, 100, 100, 0, makeColorRef(255, 0, 0)},
        // 0.7 x 255 = 178.5 goes to the even 178, not away from zero.
        {0, 0, 0, 30, makeColorRef(178, 178, 178)},
        {0, 0, 0, 10, makeColorRef(230, 230, 230)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.c << "," << c.m << "," << c.y << "," << c.k);
        const TCMYK correction = CMYKConversion::correction(c.c, c.m, c.y, c.k);
        EXPECT_EQ(correction, (TCMYK{c.c, c.m, c.y, c.k, c.expected}));
    }
}

TEST(CMYKConversion, TextsAreCommaSeparatedAndHashedCapitals)
{
    EXPECT_EQ(CMYKConversion::text(TCMYK{1, 20, 100, 0, 0}), QStringLiteral("1,20,100,0"));
    EXPECT_EQ(CMYKConversion::hashText(makeColorRef(0xAB, 0x0C, 0xFF)), QStringLiteral("#AB0CFF"));
}
