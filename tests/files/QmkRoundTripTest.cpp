// Saving and opening design files: every block survives a round trip, the bytes follow the
// layout of the format, excerpts keep what lies inside, and a failed save keeps the old file.
#include "files/QmkFile.h"
#include "files/QmkLoader.h"
#include "files/QmkReader.h"
#include "files/QmkWriter.h"
#include "model/ColorUsage.h"
#include "support/FileSizeLimit.h"
#include "support/QmkTestFiles.h"
#include "support/TestDesigns.h"
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace QmkTestFiles;

namespace {
qint32 i32At(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

QByteArray encoded(Design& design)
{
    QByteArray bytes;
    EXPECT_TRUE(QmkWriter::encode(design, QRect(0, 0, design.width(), design.height()), design.CrossLayer, false, bytes));
    return bytes;
}

class QmkRoundTrip : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    // Saves the design and opens the file into a fresh design.
    std::unique_ptr<Design> roundTrip(Design& design, QList<Status>* warnings = nullptr)
    {
        const QString file = path(QStringLiteral("design.qmk"));
        const Status saved = SaveQMK(design, file);
        EXPECT_TRUE(saved) << saved.text().toStdString();
        auto loaded = freshDesign();
        const Status opened = LoadQMK(file, *loaded, warnings);
        EXPECT_TRUE(opened) << opened.text().toStdString();
        return loaded;
    }

    QTemporaryDir m_dir;
};

QList<TColorRef> keys(const TColorTable& table)
{
    QList<TColorRef> result;
    for (const auto& [color, info] : table)
        result << color;
    return result;
}
} // namespace

TEST_F(QmkRoundTrip, EveryBlockSurvives)
{
    auto original = sampleDesign();
    ColorUsage::CalcColorUsage(*original);
    QList<Status> warnings;
    auto loaded = roundTrip(*original, &warnings);
    EXPECT_TRUE(warnings.isEmpty());

    EXPECT_EQ(loaded->width(), 8);
    EXPECT_EQ(loaded->height(), 6);
    EXPECT_EQ(loaded->stitch.BackGroundColor, original->stitch.BackGroundColor);
    EXPECT_TRUE(loaded->CrossLayer == original->CrossLayer);
    EXPECT_TRUE(loaded->QuarterLayer == original->QuarterLayer);
    EXPECT_EQ(loaded->BackStitchList, original->BackStitchList);
    EXPECT_EQ(loaded->FrenchKnotList, original->FrenchKnotList);
    ASSERT_EQ(loaded->RhodeList.size(), 1);
    const TRhode& rhode = *loaded->RhodeList[0];
    EXPECT_EQ(rhode.width, 2);
    EXPECT_EQ(rhode.height, 2);
    EXPECT_EQ(rhode.color, kBlack);
    ASSERT_EQ(rhode.stitches.size(), 2);
    EXPECT_EQ(rhode.stitches[1].FromPoint, QPoint(12, 6));
    EXPECT_EQ(rhode.stitches[1].ToPoint, QPoint(10, 8));

    const TStitch& doc = loaded->stitch;
    EXPECT_EQ(doc.Title, QStringLiteral("Rosen für Oma"));
    EXPECT_EQ(doc.comment, original->stitch.comment);
    EXPECT_DOUBLE_EQ(doc.len, 0.005);
    EXPECT_DOUBLE_EQ(doc.backlen, 0.0025);
    EXPECT_DOUBLE_EQ(doc.baseLen, 0.1);
    EXPECT_EQ(doc.colorsname(), kPalette);
    EXPECT_EQ(doc.chars->CharsName, QStringLiteral("Standard"));
    EXPECT_EQ(doc.chars->ffontname, QStringLiteral("VelwickArtSymbols110"));
    EXPECT_EQ(doc.chars->ffontcharset, 2);
    EXPECT_EQ(keys(doc.Colors), keys(original->stitch.Colors));
    for (const auto& [color, info] : original->stitch.Colors) {
        const TColorInfo& back = doc.Colors.at(color);
        EXPECT_EQ(back.colorName, info.colorName);
        EXPECT_EQ(back.colorID, info.colorID);
        EXPECT_EQ(back.charID, info.charID);
        EXPECT_EQ(back.orderID, info.orderID);
        EXPECT_EQ(back.colorCount, info.colorCount) << info.colorName.toStdString();
        EXPECT_EQ(back.quarterStitchesCount, info.quarterStitchesCount);
        EXPECT_EQ(back.backStitchesCount, info.backStitchesCount);
    }
    EXPECT_EQ(doc.usedColors(), original->stitch.usedColors());
}

TEST_F(QmkRoundTrip, SavingAgainGivesTheSameBytes)
{
    auto original = sampleDesign();
    ColorUsage::CalcColorUsage(*original);
    auto loaded = roundTrip(*original);
    EXPECT_EQ(encoded(*loaded).toHex().toStdString(), encoded(*original).toHex().toStdString());
}

TEST_F(QmkRoundTrip, ColoursAreWrittenInPaletteOrderAndCellsNameTheirOrd)
{
    auto d = TestDesigns::fromRows({"abc"}, {{'a', kBlack}, {'b', kRed}, {'c', kGreen}});
    d->stitch.Colors.at(kBlack).orderID = 7;
    d->stitch.Colors.at(kRed).orderID = 2;
    d->stitch.Colors.at(kGreen).orderID = 5;
    const QByteArray bytes = encoded(*d);
    EXPECT_EQ(d->stitch.Colors.at(kRed).Ord, 0);
    EXPECT_EQ(d->stitch.Colors.at(kGreen).Ord, 1);
    EXPECT_EQ(d->stitch.Colors.at(kBlack).Ord, 2);

    qmkFile file;
    ASSERT_TRUE(ReadQMK(file, bytes, QStringLiteral("x.qmk")));
    ASSERT_EQ(file.Colors.size(), 3u);
    EXPECT_EQ(TColorRef(file.Colors[0].matchColor), kRed);
    EXPECT_EQ((QList<qint16>{file.pixel(0, 0), file.pixel(1, 0), file.pixel(2, 0)}), (QList<qint16>{2, 0, 1}));
}

TEST_F(QmkRoundTrip, BytesFollowTheBlockLayout)
{
    auto d = TestDesigns::fromRows({"a."}, {{'a', kRed}});
    d->stitch.Title = QStringLiteral("T");
    const QByteArray bytes = encoded(*d);

    EXPECT_EQ(bytes.left(4), QByteArray("HDSF"));
    EXPECT_EQ(bytes.mid(4, 4), QByteArray("QMKT"));
    EXPECT_EQ(i32At(bytes, 12), bytes.size() - 4);
    EXPECT_EQ(i32At(bytes, 16), bytes.size() - 4);

    const QList<qsizetype> blocks = blockOffsets(bytes);
    QList<QByteArray> tags;
    QList<int> versions;
    for (qsizetype at : blocks) {
        tags << bytes.mid(at, 4);
        versions << int(quint8(bytes[at + 4]));
        EXPECT_EQ(i32At(bytes, at + 8), i32At(bytes, at + 12)) << "logical and physical lengths differ";
        EXPECT_EQ(bytes.mid(at + 5, 3), QByteArray(3, '\0'));
    }
    EXPECT_EQ(tags, (QList<QByteArray>{"HEAD", "CHAR", "COLO", "PIXD", "BACK", "QUAR", "TITL", "FRKN", "BACK"}));
    EXPECT_EQ(versions, (QList<int>{6, 0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(blocks.last() + i32At(bytes, blocks.last() + 8), bytes.size());

    // No back stitches, knots or rhodes: each list block is its header and a count of 0.
    for (int k : {4, 7, 8}) {
        EXPECT_EQ(i32At(bytes, blocks[k] + 8), 20);
        EXPECT_EQ(i32At(bytes, blocks[k] + 16), 0);
    }
    // PIXD: the stitched cell names the colour's place, the empty one is -1.
    const int redOrd = d->stitch.Colors.at(kRed).Ord;
    EXPECT_EQ(i32At(bytes, blocks[3] + 16), redOrd);
    EXPECT_EQ(i32At(bytes, blocks[3] + 20), -1);

    qmkFile file;
    ASSERT_TRUE(ReadQMK(file, bytes, QStringLiteral("x.qmk")));
    EXPECT_EQ(file.Title, QString()) << "the header's title stays empty; the title is in TITL";
    EXPECT_EQ(file.titleBlockTitle, QStringLiteral("T"));
    EXPECT_EQ(file.tfontname, QStringLiteral("Arial"));
    EXPECT_EQ(file.tfontSize, 16);
    EXPECT_EQ(file.TFontCharset, 1);
    EXPECT_EQ(file.cfontSize, 12);
    EXPECT_EQ(file.fontstyle, 1);
    EXPECT_EQ(file.bg, 0xFFFFFF);
}

TEST_F(QmkRoundTrip, TheBuilderAndTheWriterAgreeByteForByte)
{
    auto d = TestDesigns::fromRows({"ab", ".a"}, {{'a', kBlack}, {'b', kRed}});
    d->stitch.setColorsname(kPalette);
    d->stitch.chars->CharsName = QStringLiteral("Standard");
    d->stitch.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
    d->stitch.chars->ffontcharset = 2;
    d->stitch.chars->fcharacters = QStringLiteral("ABCDEFGH");
    d->stitch.len = 0.005;
    d->stitch.baseLen = 0.1;
    d->stitch.backlen = 0.0025;
    d->stitch.BackGroundColor = color32FromColorRef(0xD0E0F0);
    d->allocateLayers(2, 2);
    d->CrossLayer.setCanvasPixel(0, 0, kBlack);
    d->CrossLayer.setCanvasPixel(1, 0, kRed);
    d->CrossLayer.setCanvasPixel(1, 1, kBlack);
    d->QuarterLayer.setCanvasPixel(3, 3, kRed);
    d->BackStitchList = {{QPoint(0, 0), QPoint(4, 4), kRed, 9}};
    d->stitch.Title = QStringLiteral("Title");
    d->stitch.comment = {QStringLiteral("one"), QStringLiteral("two")};
    ColorUsage::CalcColorUsage(*d);

    Content c;
    c.colors = {{"Colour 000000", "100", 0, qint32(kBlack), 0}, {"Colour 3b2bc7", "101", 0, qint32(kRed), 1}};
    c.pixels = {0, 1, -1, 0};
    c.quarters = QList<qint32>(16, -1);
    c.quarters[15] = 1;
    c.backStitches = {{0, 0, 4, 4, qint32(kRed)}};
    c.title = "Title";
    c.lines = {"one", "two"};
    c.usedColors = 2;
    EXPECT_EQ(encoded(*d).toHex().toStdString(), build(c).toHex().toStdString());
}

TEST_F(QmkRoundTrip, StringsAreWindows1252AndClippedAt9999Bytes)
{
    auto d = TestDesigns::fromRows({"a"}, {{'a', kRed}});
    d->stitch.Title = QString(12000, QLatin1Char('x'));
    d->stitch.comment = {QStringLiteral("€ Ÿ ü – ok"), QStringLiteral("日本")};
    auto loaded = roundTrip(*d);
    EXPECT_EQ(loaded->stitch.Title, QString(9999, QLatin1Char('x')));
    EXPECT_EQ(loaded->stitch.comment, (QStringList{QStringLiteral("€ Ÿ ü – ok"), QStringLiteral("??")}));
}

TEST_F(QmkRoundTrip, ExcerptKeepsTheAreaAndWhatLiesWhollyInside)
{
    auto d = TestDesigns::empty(40, 30, {kBlack, kRed});
    d->CrossLayer.setCanvasPixel(10, 5, kRed);   // the excerpt's corner
    d->CrossLayer.setCanvasPixel(29, 24, kBlack); // its last cell
    d->CrossLayer.setCanvasPixel(30, 24, kBlack); // just outside
    d->QuarterLayer.setCanvasPixel(20, 10, kBlack);
    d->QuarterLayer.setCanvasPixel(59, 49, kRed);
    d->QuarterLayer.setCanvasPixel(60, 10, kRed); // outside
    d->BackStitchList = {
        {QPoint(20, 10), QPoint(60, 50), kRed, 0}, // corner to corner: inside
        {QPoint(19, 10), QPoint(24, 10), kRed, 0}, // starts outside
        {QPoint(30, 30), QPoint(61, 30), kBlack, 0}, // ends outside
    };
    d->FrenchKnotList = {{QPoint(20, 10), kBlack, 0}, {QPoint(61, 20), kBlack, 0}};
    auto inside = std::make_shared<TRhode>();
    inside->color = kRed;
    inside->stitches = {{QPoint(22, 12), QPoint(24, 14), 0, 0}};
    auto across = std::make_shared<TRhode>();
    across->color = kRed;
    across->stitches = {{QPoint(22, 12), QPoint(24, 14), 0, 0}, {QPoint(58, 48), QPoint(62, 50), 0, 0}};
    d->RhodeList = {inside, across};

    const QString file = path(QStringLiteral("excerpt.qmk"));
    ASSERT_TRUE(SaveQMK(*d, file, QRect(QPoint(10, 5), QPoint(29, 24)), d->CrossLayer));
    auto loaded = freshDesign();
    ASSERT_TRUE(LoadQMK(file, *loaded));

    EXPECT_EQ(loaded->width(), 20);
    EXPECT_EQ(loaded->height(), 20);
    EXPECT_EQ(loaded->CrossLayer.canvasPixel(0, 0), kRed);
    EXPECT_EQ(loaded->CrossLayer.canvasPixel(19, 19), kBlack);
    EXPECT_EQ(loaded->QuarterLayer.canvasPixel(0, 0), kBlack);
    EXPECT_EQ(loaded->QuarterLayer.canvasPixel(39, 39), kRed);
    int stitchedCells = 0, stitchedQuarters = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            stitchedQuarters += loaded->isEmptyQuarter(x, y) ? 0 : 1;
            if (x < 20 && y < 20)
                stitchedCells += loaded->isEmptyCell(x, y) ? 0 : 1;
        }
    }
    EXPECT_EQ(stitchedCells, 2);
    EXPECT_EQ(stitchedQuarters, 2);
    ASSERT_EQ(loaded->BackStitchList.size(), 1);
    EXPECT_EQ(loaded->BackStitchList[0].FromPoint, QPoint(0, 0));
    EXPECT_EQ(loaded->BackStitchList[0].ToPoint, QPoint(40, 40));
    ASSERT_EQ(loaded->FrenchKnotList.size(), 1);
    EXPECT_EQ(loaded->FrenchKnotList[0].Center, QPoint(0, 0));
    ASSERT_EQ(loaded->RhodeList.size(), 1);
    EXPECT_EQ(loaded->RhodeList[0]->stitches[0].FromPoint, QPoint(2, 2));
}

TEST_F(QmkRoundTrip, AnExcerptOutsideTheDesignIsRefusedAndNothingIsWritten)
{
    auto d = TestDesigns::empty(10, 10, {kRed});
    const QString file = path(QStringLiteral("out.qmk"));
    const Status s = SaveQMK(*d, file, QRect(5, 5, 10, 10), d->CrossLayer);
    EXPECT_FALSE(s);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(QmkRoundTrip, StitchColoursMissingFromTheTableAreKeptWithNamelessEntries)
{
    auto d = TestDesigns::fromRows({"ab"}, {{'a', kBlack}, {'b', kRed}});
    d->CrossLayer.setCanvasPixel(1, 0, 0x123456); // a colour the table lacks
    d->QuarterLayer.setCanvasPixel(0, 0, 0x123456);
    QList<Status> warnings;
    auto loaded = roundTrip(*d, &warnings);
    EXPECT_FALSE(d->stitch.Colors.contains(0x123456)) << "saving must not change the design's colour table";
    EXPECT_EQ(loaded->CrossLayer.canvasPixel(1, 0), 0x123456u);
    EXPECT_EQ(loaded->QuarterLayer.canvasPixel(0, 0), 0x123456u);
    ASSERT_TRUE(loaded->stitch.Colors.contains(0x123456));
    EXPECT_EQ(loaded->stitch.Colors.at(0x123456).charID, -1);
    EXPECT_EQ(loaded->stitch.Colors.at(0x123456).colorName, QString());
    EXPECT_EQ(loaded->stitch.Colors.at(0x123456).colorCount, 2);
}

TEST_F(QmkRoundTrip, AFailedSaveLeavesTheOldFileWholeAndTheDesignUnsaved)
{
    const QString file = path(QStringLiteral("keep.qmk"));
    auto small = TestDesigns::fromRows({"a"}, {{'a', kRed}});
    ASSERT_TRUE(SaveQMK(*small, file));
    const QByteArray before = readFile(file);

    auto large = TestDesigns::empty(100, 100, {kRed});
    large->stitch.setFileSaved(false);
    Status s;
    {
        FileSizeLimit limit(rlim_t(before.size() + 1000));
        s = SaveQMK(*large, file);
    }
    ASSERT_FALSE(s);
    EXPECT_TRUE(s.text().contains(file)) << s.text().toStdString();
    EXPECT_EQ(readFile(file), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.qmk")})
        << "no temporary file may be left behind";
    EXPECT_FALSE(large->stitch.fileSaved());
}
