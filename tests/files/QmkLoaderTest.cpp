// Turning a design file into the open design: the colour table, the palette, the symbol set and
// font, the drawing colour, and the counts of the colour list against a full recount.
#include "files/QmkLoader.h"
#include "support/QmkTestFiles.h"
#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace QmkTestFiles;

namespace {
class QmkLoading : public ::testing::Test
{
protected:
    std::unique_ptr<Design> open(const Content& c, QList<Status>* warnings = nullptr)
    {
        const QString file = QDir(m_dir.path()).filePath(QStringLiteral("d.qmk"));
        writeFile(file, build(c));
        auto d = freshDesign();
        prepare(*d);
        const Status s = LoadQMK(file, *d, warnings);
        EXPECT_TRUE(s) << s.text().toStdString();
        return d;
    }

    std::function<void(Design&)> prepare = [](Design&) {};
    QTemporaryDir m_dir;
};

Content twoColours()
{
    Content c;
    c.colors = {paletteColors()[1], paletteColors()[0]};
    c.colors[0].charID = 5;
    c.pixels = {0, 1, -1, -1};
    return c;
}

// The counts the colour list must show, worked out from the stitches independently of the
// recount: full cells 1, quarters rounded up by twos, back and rhode stitches their length,
// knots 1.
QHash<TColorRef, int> expectedCounts(const Design& d)
{
    QHash<TColorRef, int> full, quarters, counts;
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x)
            if (!d.isEmptyCell(x, y))
                ++full[d.CrossLayer.canvasPixel(x, y)];
    for (int y = 0; y < 2 * d.height(); ++y)
        for (int x = 0; x < 2 * d.width(); ++x)
            if (!d.isEmptyQuarter(x, y))
                ++quarters[d.QuarterLayer.canvasPixel(x, y)];
    const auto length = [](const TBackStitch& s) {
        const QPoint v = s.ToPoint - s.FromPoint;
        return int(std::floor(std::sqrt(double(v.x() * v.x() + v.y() * v.y()))));
    };
    for (auto it = full.begin(); it != full.end(); ++it)
        counts[it.key()] += it.value();
    for (auto it = quarters.begin(); it != quarters.end(); ++it)
        counts[it.key()] += (it.value() + 1) / 2;
    for (const TBackStitch& s : d.BackStitchList)
        counts[s.Color] += length(s);
    for (const TFrenchKnot& k : d.FrenchKnotList)
        counts[k.Color] += 1;
    for (const TRhodeRef& r : d.RhodeList)
        for (const TBackStitch& s : r->stitches)
            counts[r->color] += length(s);
    return counts;
}
} // namespace

TEST_F(QmkLoading, ColourListCountsAfterLoadMatchTheStitches)
{
    Content c;
    c.width = 4;
    c.height = 3;
    c.colors = paletteColors();
    c.pixels = {0, 0, 1, -1, 2, 3, 3, 3, -1, -1, 0, 1};
    c.quarters = QList<qint32>(48, -1);
    c.quarters[0] = 1;
    c.quarters[1] = 1;
    c.quarters[9] = 1;  // three quarters: two units
    c.quarters[20] = 2; // one quarter: one unit
    c.backStitches = {{0, 0, 3, 4, qint32(kRed)}, {0, 0, 1, 1, qint32(kRed)}, {2, 2, 8, 2, qint32(kBlack)}};
    c.knots = {{3, 3, qint32(kGreen)}, {5, 5, qint32(kGreen)}};
    c.rhodes = {{2, 2, qint32(kWhite), {{0, 0, 2, 2}, {2, 0, 0, 2}}}};
    auto d = open(c);

    const QHash<TColorRef, int> expected = expectedCounts(*d);
    int used = 0;
    for (const auto& [color, info] : d->stitch.Colors) {
        EXPECT_EQ(info.colorCount, expected.value(color)) << info.colorName.toStdString();
        used += info.colorCount >= 1 ? 1 : 0;
    }
    EXPECT_EQ(d->stitch.Colors.at(kRed).quarterStitchesCount, 3);
    EXPECT_EQ(d->stitch.Colors.at(kRed).backStitchesCount, 6);
    EXPECT_EQ(d->stitch.Colors.at(kWhite).backStitchesCount, 4);
    EXPECT_EQ(d->stitch.usedColors(), used);
    EXPECT_EQ(used, 4);
    for (int charID = 0; charID < 4; ++charID)
        EXPECT_EQ(d->stitch.chars->CharsUsed[size_t(charID)], 1) << charID;
}

TEST_F(QmkLoading, ALargeDesignLoadsCellForCellWithItsCounts)
{
    // Large enough for the layers to be built by two threads, with a width that leaves a tail
    // after the groups of four cells, and runs of one colour.
    Content c;
    c.width = 301;
    c.height = 230;
    c.colors = paletteColors();
    for (int i = 0; i < c.width * c.height; ++i)
        c.pixels << ((i / 7) % 5 == 4 ? -1 : (i / 7) % 4);
    for (int i = 0; i < 4 * c.width * c.height; ++i)
        c.quarters << (i % 3 == 0 ? i % 4 : -1);
    const QString file = QDir(m_dir.path()).filePath(QStringLiteral("large.qmk"));
    writeFile(file, build(c));
    auto d = freshDesign();
    ASSERT_TRUE(LoadQMK(file, *d));

    for (int i = 0; i < c.width * c.height; i += 97) {
        const int x = i % c.width, y = i / c.width;
        if (c.pixels[i] < 0)
            EXPECT_TRUE(d->isEmptyCell(x, y)) << x << "," << y;
        else
            EXPECT_EQ(d->CrossLayer.canvasPixel(x, y), TColorRef(c.colors[c.pixels[i]].matchColor)) << x << "," << y;
    }
    const QHash<TColorRef, int> expected = expectedCounts(*d);
    for (const auto& [color, info] : d->stitch.Colors)
        EXPECT_EQ(info.colorCount, expected.value(color)) << info.colorName.toStdString();
}

TEST_F(QmkLoading, AColourTwiceKeepsTheFirstEntryUnlessOnlyTheLaterHasASymbol)
{
    Content c = twoColours();
    c.colors = {
        {"Red first", "1", 0, qint32(kRed), -1},
        {"Red second", "2", 0, qint32(kRed), 4},
        {"Red third", "3", 0, qint32(kRed), 6},
        {"Black first", "4", 0, qint32(kBlack), 2},
        {"Black second", "5", 0, qint32(kBlack), 3},
    };
    c.pixels = {0, 1, 2, 4};
    auto d = open(c);
    EXPECT_EQ(d->stitch.Colors.at(kRed).colorName, QStringLiteral("Red second"));
    EXPECT_EQ(d->stitch.Colors.at(kRed).charID, 4);
    EXPECT_EQ(d->stitch.Colors.at(kBlack).colorName, QStringLiteral("Black first"));
    EXPECT_EQ(d->stitch.Colors.at(kRed).colorCount, 3) << "cells of every entry of a colour are that colour";
}

TEST_F(QmkLoading, ACataloguedPaletteCompletesTheTableAnUnknownOneIsCatalogued)
{
    auto known = open(twoColours());
    EXPECT_EQ(known->stitch.Colors.size(), 4);
    EXPECT_EQ(known->stitch.Colors.begin()->first, kRed) << "the file's colours come first";
    EXPECT_EQ(known->stitch.Colors.at(kRed).charID, 5) << "the file's entry wins over the palette's";
    EXPECT_EQ(known->stitch.Colors.at(kGreen).colorName, QStringLiteral("Colour 00a000"));
    EXPECT_EQ(known->stitch.ColorPalettes.size(), 1);

    Content c = twoColours();
    c.palette = "Silk v3";
    auto unknown = open(c);
    EXPECT_EQ(unknown->stitch.Colors.size(), 2);
    EXPECT_EQ(unknown->stitch.colorsname(), QStringLiteral("Silk v3"));
    const TColorTable* registered = unknown->stitch.palette(QStringLiteral("Silk v3"));
    ASSERT_NE(registered, nullptr);
    ASSERT_EQ(registered->keys(), unknown->stitch.Colors.keys());
    EXPECT_EQ(registered->at(kRed).colorName, QStringLiteral("Red"));
    EXPECT_EQ(registered->at(kRed).charID, 5);
}

TEST_F(QmkLoading, SymbolSetAndFontFollowTheFileWithTheirFallbacks)
{
    struct Row
    {
        QByteArray charsName;
        QByteArray font;
        QString characters;
        QString fontApplied;
    };
    const QString standard = QStringLiteral("ABCDEFGHIJ");
    const QString other = QStringLiteral("0123456789");
    const std::vector<Row> rows = {
        {"Other", "Wingdings", other, "Wingdings"},
        {"Standard Symbole", "VelwickStitchSymbols", standard, "VelwickArtSymbols110"},
        {"standard art symbole", "velwickartsymbols", standard, "VelwickArtSymbols110"},
        {"Not catalogued", "VELWICKARTSYMBOLS110", standard, "VelwickArtSymbols110"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.charsName.toStdString());
        Content c = twoColours();
        c.charsName = row.charsName;
        c.font = row.font;
        c.fontCharset = 77;
        auto d = open(c);
        EXPECT_EQ(d->stitch.chars->fcharacters, row.characters);
        EXPECT_EQ(d->stitch.chars->ffontname, row.fontApplied);
        EXPECT_EQ(d->stitch.chars->CharsName, QString::fromLatin1(row.charsName)) << "the file's name is kept";
        EXPECT_EQ(d->stitch.chars->ffontcharset, 77);
    }
}

TEST_F(QmkLoading, WithoutTheDefaultSymbolSetTheFirstOrBuiltInSetIsUsed)
{
    Content c = twoColours();
    c.charsName = "Not catalogued";
    prepare = [](Design& d) { d.stitch.defaultCharacters = QStringLiteral("Gone"); };
    EXPECT_EQ(open(c)->stitch.chars->fcharacters, QStringLiteral("0123456789")) << "smallest name: Other";
    prepare = [](Design& d) { d.stitch.characters.clear(); };
    EXPECT_EQ(open(c)->stitch.chars->fcharacters.size(), 180) << "the built-in set";
}

TEST_F(QmkLoading, TheDrawingColourIsTheColourListsFirstColour)
{
    // The red entry with a symbol replaces the first, and brings its place in the file along.
    Content c = twoColours();
    c.colors = {
        {"Red", "1", 0, qint32(kRed), -1},
        {"Black", "2", 0, qint32(kBlack), 0},
        {"Red again", "3", 0, qint32(kRed), 4},
    };
    c.palette = "Not catalogued";
    auto d = open(c);
    EXPECT_EQ(d->stitch.Colors.at(kRed).orderID, 2);
    EXPECT_EQ(d->stitch.drawcolor(), kBlack) << "the lowest orderID";

    Content none = twoColours();
    none.colors.clear();
    none.palette = "Empty";
    none.pixels = {};
    EXPECT_EQ(open(none)->stitch.drawcolor(), 0xFFFFFFu) << "no colour chosen yet";
}

TEST_F(QmkLoading, StitchColoursMissingFromTheTableGetNamelessEntriesAndOneWarning)
{
    Content c = twoColours();
    c.palette = "Not catalogued";
    c.backStitches = {{0, 0, 2, 0, 0x112233}, {0, 2, 2, 2, 0x112233}};
    c.knots = {{1, 1, 0x445566}};
    c.rhodes = {{2, 2, 0x778899, {{0, 0, 2, 2}}}};
    QList<Status> warnings;
    auto d = open(c, &warnings);
    for (TColorRef color : {0x112233u, 0x445566u, 0x778899u}) {
        ASSERT_TRUE(d->stitch.Colors.contains(color));
        EXPECT_EQ(d->stitch.Colors.at(color).charID, -1);
        EXPECT_EQ(d->stitch.Colors.at(color).colorName, QString());
    }
    EXPECT_EQ(d->stitch.Colors.at(0x112233).colorCount, 4);
    EXPECT_EQ(d->BackStitchList.size(), 2);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].text().contains(QStringLiteral("3 colours"))) << warnings[0].text().toStdString();
}
