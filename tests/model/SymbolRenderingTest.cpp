// Symbols of the shipped font rendered by TCharacters::CharToBitmap: the same pixels every time,
// and no antialiasing, so a symbol raster holds exactly two values.
#include "model/TCharacters.h"
#include "support/TestEnvironment.h"
#include <QFontDatabase>
#include <QFontMetrics>
#include <QSet>
#include <gtest/gtest.h>

namespace {
const QString kFont = QStringLiteral("VelwickArtSymbols110");

QSet<quint32> pixelValues(const TBitmap32& raster)
{
    QSet<quint32> values;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            values.insert(raster.pixel(x, y));
    return values;
}

// The first few characters that the font has a glyph for.
QString symbolsOfTheFont()
{
    const QFontMetrics metrics{QFont(kFont)};
    QString symbols;
    for (char16_t c = 33; c < 600 && symbols.size() < 6; ++c) {
        if (metrics.inFont(QChar(c)))
            symbols += QChar(c);
    }
    return symbols;
}
} // namespace

TEST(SymbolRendering, ShippedFontRendersTheSameTwoValuedPixelsEveryTime)
{
    ASSERT_TRUE(QFontDatabase::families().contains(kFont)) << "the shipped symbol font is not registered";
    const QString symbols = symbolsOfTheFont();
    ASSERT_FALSE(symbols.isEmpty());
    TCharacters chars(symbols);
    chars.ffontname = kFont;
    struct Case
    {
        TColorRef color;
        quint32 ink; // white on dark colours, colour value 1 on light ones
    };
    const Case cases[] = {{makeColorRef(20, 30, 40), 0xFFFFFFFFu}, {makeColorRef(240, 230, 200), 0xFF010000u}};
    for (const Case& c : cases) {
        for (int id = 0; id < symbols.size(); ++id) {
            for (int size = TCharacters::kSmallestSize; size <= TCharacters::kLargestSize; ++size) {
                SCOPED_TRACE(testing::Message() << "colour " << c.color << " symbol " << id << " size " << size);
                TColorInfo info;
                info.charID = id;
                const TBitmap32 first = chars.CharToBitmap(c.color, info, size);
                const TBitmap32 second = chars.CharToBitmap(c.color, info, size);
                EXPECT_EQ(first.height(), 2 * size - 1);
                EXPECT_TRUE(first.image() == second.image());
                EXPECT_EQ(pixelValues(first), (QSet<quint32>{0u, c.ink}));
            }
        }
    }
}

TEST(SymbolRendering, ColourWithoutAValidSymbolRendersNothing)
{
    TCharacters chars(QStringLiteral("AB"));
    chars.ffontname = kFont;
    for (int id : {-1, 2, 100}) {
        TColorInfo info;
        info.charID = id;
        EXPECT_EQ(pixelValues(chars.CharToBitmap(0, info, 9)), QSet<quint32>{0u}) << id;
    }
}
