#include "conversion/TRGBMatrix.h"
#include <gtest/gtest.h>
#include <cmath>

namespace {
TColor32 argb(int a, int r, int g, int b)
{
    return (TColor32(a) << 24) | (TColor32(r) << 16) | (TColor32(g) << 8) | TColor32(b);
}

// The wizard's adjustment: reset, contrast, then the brightness offset on every channel.
TColor32 adjusted(TColor32 color, int brightness, int contrast)
{
    TRGBMatrix m;
    m.Reset();
    m.ChangeContrast(contrast);
    m.ChangeRGBOffset(brightness, brightness, brightness);
    m.GetColor(color);
    return color;
}

int grey(TColor32 c)
{
    return int(c & 0xFF);
}

TColor32 greyPixel(int v)
{
    return argb(255, v, v, v);
}
} // namespace

TEST(TRGBMatrixTest, BrightnessAndContrastCases)
{
    const struct
    {
        int brightness;
        int contrast;
        int in;
        int out;
    } cases[] = {
        {0, 100, 0, 0}, {0, 100, 77, 77}, {0, 100, 255, 255}, // unchanged
        {0, 0, 0, 100}, {0, 0, 255, 100},                     // contrast 0: grey 100 + brightness
        {40, 0, 200, 140}, {-150, 0, 200, 0}, {200, 0, 13, 255}, // ... clamped
        {255, 100, 0, 255}, {255, 100, 128, 255},             // brightness 255: white
        {0, 50, 1, 50}, {0, 50, 3, 52}, {0, 50, 5, 52},        // 0.5, 1.5, 2.5 to even, plus 50
        {0, 200, 100, 100}, {30, 170, 100, 130},              // 100 is the pivot
        {-20, 150, 10, 0}, {0, 150, 240, 255},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(grey(adjusted(greyPixel(c.in), c.brightness, c.contrast)), c.out)
            << "brightness " << c.brightness << ", contrast " << c.contrast << ", value " << c.in;
    }
}

TEST(TRGBMatrixTest, MapsChannelsAloneAndKeepsAlpha)
{
    const TColor32 in = argb(0x37, 10, 100, 200);
    EXPECT_EQ(adjusted(in, 0, 100), in);
    EXPECT_EQ(adjusted(in, 20, 50), argb(0x37, 75, 120, 170)) << "half of each value plus 100 - 50 + 20";
}

TEST(TRGBMatrixTest, ApplyToBitmapMapsEveryPixelLikeGetColor)
{
    TBitmap32 bitmap(3, 2);
    const TColor32 pixels[] = {argb(255, 0, 0, 0), argb(255, 255, 0, 0), argb(0, 1, 2, 3), argb(128, 90, 91, 92),
        argb(255, 255, 255, 255), argb(255, 100, 100, 100)};
    for (int i = 0; i < 6; ++i)
        bitmap.setPixel(i % 3, i / 3, pixels[i]);
    TRGBMatrix m;
    m.ChangeContrast(130);
    m.ChangeRGBOffset(-7, 3, 12);
    m.ApplyToBitmap32(bitmap);
    for (int i = 0; i < 6; ++i) {
        TColor32 expected = pixels[i];
        m.GetColor(expected);
        EXPECT_EQ(bitmap.pixel(i % 3, i / 3), expected) << i;
    }
    TBitmap32 empty;
    m.ApplyToBitmap32(empty);
    EXPECT_TRUE(empty.empty());
}

TEST(TRGBMatrixTest, OperationsComposeInTheirOrder)
{
    // Contrast then offset: 80 x 0.5 + 50, then + 10 = 100. The other order would be
    // (80 + 10) x 0.5 + 50 = 95.
    TRGBMatrix m;
    m.ChangeContrast(50);
    m.ChangeRGBOffset(10, 10, 10);
    TColor32 c = greyPixel(80);
    m.GetColor(c);
    EXPECT_EQ(grey(c), 100);

    // Saturation is put in front of what is there: greying first (100 x 0.3086 on every
    // channel), then the offset. Offset first would give rnd(110 x 0.3086) = 34 everywhere.
    TRGBMatrix s;
    s.ChangeRGBOffset(10, 0, 0);
    s.ChangeSaturation(0);
    TColor32 red = argb(255, 100, 0, 0);
    s.GetColor(red);
    EXPECT_EQ(red, argb(255, 41, 31, 31));
}

TEST(TRGBMatrixTest, ChangesNotifyAndMarkTheTablesStale)
{
    int calls = 0;
    TRGBMatrix m;
    EXPECT_TRUE(m.changed()) << "Create leaves the tables to be computed";
    m.OnChange = [&] { ++calls; };
    m.CalcLutTable();
    EXPECT_FALSE(m.changed());
    m.Reset();
    m.ChangeContrast(90);
    m.ChangeRGBOffset(1, 2, 3);
    m.ChangeBrightness(110);
    m.ChangeSaturation(80);
    m.ChangeHue(30);
    m.MakeGray();
    m.Sepia();
    EXPECT_EQ(calls, 8);
    EXPECT_TRUE(m.changed());
    TColor32 c = 0;
    m.GetColor(c);
    EXPECT_FALSE(m.changed()) << "mapping recomputes the tables once";
    EXPECT_EQ(calls, 8) << "recomputing the tables changes nothing";
}

TEST(TRGBMatrixTest, IdentityAndNeutralOperations)
{
    TRGBMatrix m;
    EXPECT_TRUE(m.IsMatrixIdent());
    m.ChangeContrast(100);
    m.ChangeRGBOffset(0, 0, 0);
    m.ChangeBrightness(100);
    m.ChangeSaturation(100);
    EXPECT_TRUE(m.IsMatrixIdent());
    m.ChangeRGBOffset(0, 0, 1);
    EXPECT_FALSE(m.IsMatrixIdent());
    m.Reset();
    EXPECT_TRUE(m.IsMatrixIdent());
}

TEST(TRGBMatrixTest, HueRotationKeepsGreyAndLuminance)
{
    for (float angle : {0.0f, 45.0f, 120.0f, 360.0f}) {
        TRGBMatrix m;
        m.ChangeHue(angle);
        TColor32 g = greyPixel(150);
        m.GetColor(g);
        // Each table entry is rounded on its own, so a channel may be one off.
        for (int shift : {0, 8, 16})
            EXPECT_NEAR(int((g >> shift) & 0xFF), 150, 1) << "grey stays grey at " << angle;
        // The luminance of every output is that of its input: M x lum = lum.
        const double lum[3] = {0.3086, 0.6094, 0.0820};
        for (size_t r = 0; r < 3; ++r) {
            double sum = 0;
            for (size_t c = 0; c < 3; ++c)
                sum += m.matrix()[r][c] * lum[c];
            EXPECT_NEAR(sum, lum[r], 1e-5) << "row " << r << " at " << angle;
        }
    }
    TRGBMatrix turn;
    turn.ChangeHue(120);
    TColor32 red = argb(255, 200, 0, 0);
    turn.GetColor(red);
    EXPECT_GT(int((red >> 8) & 0xFF), int((red >> 16) & 0xFF)) << "a third of a turn takes red towards green";
}

TEST(TRGBMatrixTest, GreyAndSepiaMatrices)
{
    TRGBMatrix g;
    g.MakeGray();
    TColor32 c = argb(255, 200, 100, 50);
    g.GetColor(c);
    const int y = int(std::nearbyint(200 * 0.3086)) + int(std::nearbyint(100 * 0.6094)) + int(std::nearbyint(50 * 0.0820));
    EXPECT_EQ(c, argb(255, y, y, y));

    TRGBMatrix s;
    s.Sepia();
    const float expected[3][3] = {{0.325803f, 0.271244f, 0.205359f}, {0.715943f, 0.598753f, 0.452768f},
        {0.098916f, 0.082430f, 0.062439f}};
    for (size_t r = 0; r < 3; ++r) {
        for (size_t col = 0; col < 3; ++col)
            EXPECT_NEAR(s.matrix()[r][col], expected[r][col], 1e-6) << r << "," << col;
    }
}
