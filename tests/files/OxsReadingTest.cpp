// Opening Open Cross Stitch files written by hand the way other programs write them: what each
// kind of item becomes, which palette the threads choose, and the files that are refused.
#include "files/DesignFiles.h"
#include "files/OxsImport.h"
#include "files/OxsReader.h"
#include "support/QmkTestFiles.h"
#include "support/TestDesigns.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace QmkTestFiles;

namespace {
// Two threads of the test palette: index 1 black ("Test 100"), index 2 red ("Test 101").
const QByteArray kThreads = R"(<palette>
 <palette_item index="0" color="FFFFFF"/>
 <palette_item index="1" number="Test 100" name="k" color="000000"/>
 <palette_item index="2" number="Test 101" name="r" color="C72B3B"/>
</palette>)";

QByteArray chart(const QByteArray& inside, const QByteArray& properties = R"(chartwidth="4" chartheight="4")")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<chart>\n<properties " + properties + "/>\n" + inside + "\n</chart>\n";
}

// The stitched quarters row by row as "x,y:c" with c the palette index (1 black, 2 red).
QString quarters(const Design& d)
{
    QStringList cells;
    for (int y = 0; y < d.QuarterLayer.height(); ++y) {
        for (int x = 0; x < d.QuarterLayer.width(); ++x) {
            if (!d.isEmptyQuarter(x, y))
                cells << QStringLiteral("%1,%2:%3").arg(x).arg(y).arg(d.QuarterLayer.canvasPixel(x, y) == kBlack ? 1 : 2);
        }
    }
    return cells.join(QLatin1Char(' '));
}

QString fullStitches(const Design& d)
{
    QStringList cells;
    for (int y = 0; y < d.height(); ++y) {
        for (int x = 0; x < d.width(); ++x) {
            if (!d.isEmptyCell(x, y))
                cells << QStringLiteral("%1,%2").arg(x).arg(y);
        }
    }
    return cells.join(QLatin1Char(' '));
}

class OxsReading : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    // Opens the bytes as a file into the design, as the open command does.
    std::unique_ptr<Design> open(const QByteArray& bytes, std::unique_ptr<Design> design = freshDesign())
    {
        file = path(QStringLiteral("chart.oxs"));
        writeFile(file, bytes);
        const DesignFiles::LoadResult result = DesignFiles::load(file, *design);
        status = result.status;
        warnings = result.warnings;
        return design;
    }

    QString warningText() const
    {
        QStringList texts;
        for (const Status& w : warnings)
            texts << w.text();
        return texts.join(QLatin1Char('\n'));
    }

    QTemporaryDir m_dir;
    QString file;
    Status status;
    QList<Status> warnings;
};

struct ItemCase
{
    const char* name;
    QByteArray ornament;
    QString quarters; // expected, as quarters() writes them
    QString full = QString();
};
} // namespace

TEST_F(OxsReading, EachKindOfItemBecomesTheStitchesItCovers)
{
    const ItemCase cases[] = {
        {"petit quarter", R"(<object objecttype="quarter" x1="1" y1="0.5" palindex="1" petit="true"/>)", "2,1:1"},
        {"quarter that is not petit", R"(<object objecttype="quarter" x1="1" y1="0.5" palindex="1" petit="False"/>)", "2,1:1"},
        {"part stitch /", R"(<object objecttype="partstitch" x1="1" y1="1" direction="3" palindex1="1" palindex2="2"/>)",
            "3,2:1 2,3:1"},
        {"part stitch \\", R"(<object objecttype="partstitch" x1="1" y1="1" direction="4" palindex1="1" palindex2="2"/>)",
            "2,2:1 3,3:1"},
        {"part stitch 2", R"(<object objecttype="partstitch" x1="1" y1="1" direction="2" palindex1="1" palindex2="2"/>)",
            "2,2:1 3,2:1 2,3:1 3,3:2"},
        {"part stitch 2, second colour only",
            R"(<object objecttype="partstitch" x1="1" y1="1" direction="2" palindex1="0" palindex2="2"/>)", "3,2:2 2,3:2 3,3:2"},
        {"part stitch 1", R"(<object objecttype="partstitch" x1="1" y1="1" direction="1" palindex1="1" palindex2="2"/>)",
            "2,2:1 3,2:2 2,3:1 3,3:1"},
        {"tent \\", R"(<object objecttype="tent" x1="0" y1="1" direction="1" palindex="2"/>)", "0,2:2 1,3:2"},
        {"tent /", R"(<object objecttype="tent" x1="0" y1="1" direction="2" palindex="2"/>)", "1,2:2 0,3:2"},
        {"full cross on a cell", R"(<object objecttype="fullcross" x1="2" y1="1" palindex="1"/>)", "", "2,1"},
        {"full cross on half cells", R"(<object objecttype="fullcross" x1="1.5" y1="1" palindex="1"/>)",
            "3,2:1 4,2:1 3,3:1 4,3:1"},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto d = open(chart(kThreads + "<ornaments_inc_knots_and_beads>" + c.ornament + "</ornaments_inc_knots_and_beads>"));
        ASSERT_TRUE(status) << status.text().toStdString();
        EXPECT_EQ(quarters(*d), c.quarters);
        EXPECT_EQ(fullStitches(*d), c.full);
        EXPECT_EQ(warningText(), QString());
    }
}

TEST_F(OxsReading, LineLikeStitchesBecomeBackStitchesAndKnotsKeepTheirPoint)
{
    const auto d = open(chart(kThreads + R"(<ornaments_inc_knots_and_beads>
        <object objecttype="straightstitch" x1="0" y1="0" x2="1" y2="1" palindex="1"/>
        <object objecttype="daisy" x1="1" y1="0" x2="1" y2="1.5" palindex="2"/>
        <object objecttype="bugle" x1="2" y1="2" x2="3" y2="2" palindex="1"/>
        <object objecttype="knot" x1="1.5" y1="2" palindex="2"/>
        </ornaments_inc_knots_and_beads>)"));
    ASSERT_TRUE(status) << status.text().toStdString();
    EXPECT_EQ(d->BackStitchList, (QList<TBackStitch>{{QPoint(0, 0), QPoint(2, 2), kBlack, 0},
                                     {QPoint(2, 0), QPoint(2, 3), kRed, 0}, {QPoint(4, 4), QPoint(6, 4), kBlack, 0}}));
    EXPECT_EQ(d->FrenchKnotList, (QList<TFrenchKnot>{{QPoint(3, 4), kRed, 0}}));
}

TEST_F(OxsReading, RhodeLinesMakeARhodeOnlyWhenTheyAgree)
{
    const auto d = open(chart(kThreads + R"(<backstitches>
        <backstitch x1="0" y1="0" x2="1" y2="1" palindex="1" threadwright_rhode="2"/>
        <backstitch x1="1" y1="0" x2="0" y2="1" palindex="1" threadwright_rhode="2"/>
        <backstitch x1="2" y1="2" x2="3" y2="3" palindex="1" threadwright_rhode="1"/>
        <backstitch x1="3" y1="2" x2="2" y2="3" palindex="2" threadwright_rhode="1"/>
        <backstitch x1="0.2" y1="3" x2="1" y2="3" palindex="2" threadwright_rhode="3"/>
        </backstitches>)"));
    ASSERT_TRUE(status) << status.text().toStdString();
    ASSERT_EQ(d->RhodeList.size(), 1);
    EXPECT_EQ(d->RhodeList[0]->color, kBlack);
    EXPECT_EQ(d->RhodeList[0]->stitches.size(), 2);
    // Two threads in one rhode, or an end off the half-cell points: back stitches, in file order.
    ASSERT_EQ(d->BackStitchList.size(), 3);
    EXPECT_EQ(d->BackStitchList[0].Color, kBlack);
    EXPECT_EQ(d->BackStitchList[1].Color, kRed);
    EXPECT_EQ(d->BackStitchList[2].FromPoint, QPoint(0, 6));
}

struct PaletteCase
{
    const char* name;
    QByteArray threads;   // palette items after the background
    QByteArray properties;
    QString palette;      // expected choice
    QString redName = QString(); // expected name of the colour C72B3B, when it is used
};

TEST_F(OxsReading, TheThreadsChooseThePaletteTheyFitBest)
{
    // "Test v1" holds 100..103 (black, red, green, white); "Acme v1" 100..101 with other colours
    // and 900; "Acme Silk" 900 and 901. "Test v1" is the default palette.
    const auto withPalettes = [] {
        auto d = freshDesign();
        TColorTable acme = TestDesigns::palette({0x111111, 0x222222});
        TColorInfo extra = acme.at(0x222222);
        extra.colorID = QStringLiteral("900");
        extra.orderID = 2;
        acme.insert(0x333333, extra);
        d->stitch.ColorPalettes.insert(QStringLiteral("Acme v1"), acme);
        TColorTable silk = TestDesigns::palette({0x444444, 0x555555});
        silk.find(0x444444)->colorID = QStringLiteral("900");
        silk.find(0x555555)->colorID = QStringLiteral("901");
        d->stitch.ColorPalettes.insert(QStringLiteral("Acme Silk"), silk);
        d->stitch.defaultPalette = kPalette;
        return d;
    };
    const PaletteCase cases[] = {
        {"most matches", R"(<palette_item index="1" number="900" color="C72B3B"/><palette_item index="2" number="901" color="000000"/>)",
            "", "Acme Silk"},
        {"ties go to the default palette", R"(<palette_item index="1" number="100" color="C72B3B"/>)", "", "Test v1"},
        {"ties among others go to catalogue order", R"(<palette_item index="1" number="900" color="C72B3B"/>)", "",
            "Acme v1"},
        {"the brand narrows the palettes", R"(<palette_item index="1" number="acme 100" color="C72B3B"/>)", "", "Acme v1"},
        {"no match takes the default palette", R"(<palette_item index="1" number="Other 5" name="own" color="C72B3B"/>)", "",
            "Test v1", "own"},
        {"the program's own palette, matched by number and colour",
            R"(<palette_item index="1" number="Acme 101" name="kept" color="C72B3B"/>)", R"(threadwright_palette="Acme v1")",
            "Acme v1", "kept"},
        {"a thread matched by number takes the palette's entry", R"(<palette_item index="1" number="TEST 101" name="x" color="123456"/>)",
            "", "Test v1", "Colour 3b2bc7"},
    };
    for (const PaletteCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray body = "<palette><palette_item index=\"0\" color=\"FFFFFF\"/>" + c.threads
            + "</palette><fullstitches><stitch x=\"0\" y=\"0\" palindex=\"1\"/></fullstitches>";
        const auto d = open(chart(body, "chartwidth=\"2\" chartheight=\"2\" " + c.properties), withPalettes());
        ASSERT_TRUE(status) << status.text().toStdString();
        EXPECT_EQ(d->stitch.colorsname(), c.palette);
        if (!c.redName.isEmpty())
            EXPECT_EQ(d->stitch.Colors.value(0x3B2BC7).colorName, c.redName);
    }
}

TEST_F(OxsReading, AThreadOfTheFilesOwnKeepsItsDetailsAfterThePalettesThreads)
{
    const auto d = open(chart(R"(<palette><palette_item index="0" color="FFFFFF"/>
        <palette_item index="1" number="Test X9" name="Мох" color="4A5D23" threadwright_charid="99"/>
        <palette_item index="2" number="Test 101" color="C72B3B" blendcolor="000000"/></palette>
        <fullstitches><stitch x="0" y="0" palindex="1"/><stitch x="1" y="0" palindex="2"/></fullstitches>)"));
    ASSERT_TRUE(status) << status.text().toStdString();
    const TColorInfo moss = d->stitch.Colors.value(makeColorRef(0x4A, 0x5D, 0x23));
    EXPECT_EQ(moss.colorName, QStringLiteral("Мох"));
    EXPECT_EQ(moss.colorID, QStringLiteral("X9"));
    EXPECT_EQ(moss.orderID, 4);
    // The set has ten symbols, the palette takes 0..3; 99 is out of range.
    EXPECT_EQ(moss.charID, 4);
    EXPECT_EQ(d->stitch.Colors.value(kRed).colorName, d->stitch.palette(kPalette)->value(kRed).colorName);
    EXPECT_TRUE(warningText().contains(QStringLiteral("1 blended threads"))) << warningText().toStdString();
}

TEST_F(OxsReading, SizeGrowsToTheStitchesAndWhatLiesBeyondIsDropped)
{
    const auto d = open(chart(kThreads + R"(<fullstitches>
        <stitch x="6" y="1" palindex="1"/><stitch x="6" y="1" palindex="2"/><stitch x="-1" y="0" palindex="1"/>
        <stitch x="40000" y="0" palindex="1"/></fullstitches>)"));
    ASSERT_TRUE(status) << status.text().toStdString();
    EXPECT_EQ(d->width(), 7);
    EXPECT_EQ(d->height(), 4);
    EXPECT_EQ(fullStitches(*d), QStringLiteral("6,1"));
    EXPECT_EQ(d->CrossLayer.canvasPixel(6, 1), kRed);
    EXPECT_TRUE(warningText().contains(QStringLiteral("2 stitches outside the design"))) << warningText().toStdString();
}

struct MalformedCase
{
    const char* name;
    QByteArray bytes;
    const char* message;
};

TEST_F(OxsReading, MalformedFilesAreRefusedWithAMessageNamingThem)
{
    QByteArray deep = "<chart>";
    for (int i = 0; i < 70; ++i)
        deep += "<a>";
    for (int i = 0; i < 70; ++i)
        deep += "</a>";
    deep += "</chart>";
    QByteArray manyThreads = "<chart><palette>";
    for (int i = 0; i <= OxsReader::kMaxPaletteItems; ++i)
        manyThreads += "<palette_item/>";
    manyThreads += "</palette></chart>";
    const MalformedCase cases[] = {
        {"empty", "", "is not a well-formed chart"},
        {"not XML", "cross stitch", "is not a well-formed chart"},
        {"another root", "<design/>", "its outermost element is not chart"},
        {"no closing tag", "<chart><palette>", "is not a well-formed chart"},
        {"tags that do not match", "<chart></chrat>", "is not a well-formed chart"},
        {"a document type", "<!DOCTYPE chart [<!ENTITY a \"b\">]><chart/>", "document type declaration"},
        {"nested too deep", deep, "deeper than 64 levels"},
        {"too many threads", manyThreads, "more than 32767 palette entries"},
        {"a chart no design can be", chart(kThreads, R"(chartwidth="40000" chartheight="4")"), "larger than a design can be"},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.name);
        open(c.bytes);
        EXPECT_FALSE(status);
        EXPECT_TRUE(status.text().contains(file)) << status.text().toStdString();
        EXPECT_TRUE(status.text().contains(QLatin1String(c.message))) << status.text().toStdString();
    }
}

TEST_F(OxsReading, AFileLargerThanAnyChartIsRefusedBeforeItIsRead)
{
    const QString huge = path(QStringLiteral("huge.oxs"));
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(OxsReader::kMaxFileBytes + 1)); // sparse: takes no disk space
    f.close();
    OxsFile record;
    const Status read = OxsReader::read(record, huge);
    EXPECT_FALSE(read);
    EXPECT_TRUE(read.text().contains(QStringLiteral("larger than the 1024 MB"))) << read.text().toStdString();
}
