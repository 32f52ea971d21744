// Files of every version the program ever wrote, built byte by byte, and the format's edge
// cases as one table.
#include "files/QmkFile.h"
#include "files/QmkLoader.h"
#include "files/QmkReader.h"
#include "files/QmkWriter.h"
#include "support/QmkTestFiles.h"
#include "support/TestDesigns.h"
#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace QmkTestFiles;

namespace {
// A 3 x 2 design with something in every block a version can have.
Content everyBlock(int version, int colorVersion)
{
    Content c;
    c.version = version;
    c.colorVersion = colorVersion;
    c.width = 3;
    c.height = 2;
    c.colors = paletteColors();
    c.pixels = {0, 1, -1, 2, 3, 0};
    c.quarters = QList<qint32>(24, -1);
    c.quarters[1] = 1;
    c.backStitches = {{1, 2, 3, 2, qint32(kRed)}};
    c.title = "Alt";
    c.lines = {"erste Zeile", "zweite"};
    c.knots = {{5, 3, qint32(kGreen)}};
    c.rhodes = {{2, 2, qint32(kBlack), {{0, 0, 2, 2}, {2, 0, 0, 2}}}};
    return c;
}

struct Loaded
{
    qmkFile record;
    std::unique_ptr<Design> design;
    QList<Status> warnings;
};

Loaded load(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("old.qmk"));
    writeFile(file, bytes);
    Loaded l;
    const Status read = ReadQMK(l.record, file);
    EXPECT_TRUE(read) << read.text().toStdString();
    l.design = freshDesign();
    const Status opened = LoadQMK(file, *l.design, &l.warnings);
    EXPECT_TRUE(opened) << opened.text().toStdString();
    return l;
}
} // namespace

TEST(QmkVersions, EveryHeadAndColourVersionLoadsWhatItHolds)
{
    for (int v = 0; v <= 6; ++v) {
        for (int cv = 0; cv <= 1; ++cv) {
            SCOPED_TRACE(QStringLiteral("HEAD version %1, COLO version %2").arg(v).arg(cv).toStdString());
            const Loaded l = load(build(everyBlock(v, cv)));
            const Design& d = *l.design;
            const TStitch& doc = d.stitch;
            EXPECT_TRUE(l.warnings.isEmpty());
            ASSERT_EQ(d.width(), 3);
            ASSERT_EQ(d.height(), 2);
            EXPECT_EQ(d.CrossLayer.canvasPixel(0, 0), kBlack);
            EXPECT_EQ(d.CrossLayer.canvasPixel(1, 0), kRed);
            EXPECT_TRUE(d.isEmptyCell(2, 0));
            EXPECT_EQ(d.CrossLayer.canvasPixel(1, 1), kWhite);
            EXPECT_EQ(doc.Colors.at(kWhite).colorID, cv == 0 ? QStringLiteral("5200") : QStringLiteral("B5200"));
            EXPECT_EQ(doc.Colors.at(kBlack).colorID, QStringLiteral("310"));

            EXPECT_DOUBLE_EQ(doc.len, v >= 1 ? 0.005 : 0.0);
            EXPECT_DOUBLE_EQ(doc.baseLen, v >= 1 ? 0.1 : 0.0);
            EXPECT_EQ(doc.BackGroundColor, v >= 2 ? color32FromColorRef(0xD0E0F0) : 0xFF000000u);
            EXPECT_DOUBLE_EQ(doc.backlen, v >= 3 ? 0.0025 : 0.0);

            if (v >= 3) {
                ASSERT_EQ(d.BackStitchList.size(), 1);
                const int scale = v < 6 ? 2 : 1;
                EXPECT_EQ(d.BackStitchList[0].FromPoint, QPoint(1, 2) * scale);
                EXPECT_EQ(d.BackStitchList[0].ToPoint, QPoint(3, 2) * scale);
            } else {
                EXPECT_TRUE(d.BackStitchList.isEmpty());
            }
            EXPECT_EQ(d.isEmptyQuarter(1, 0), v < 4);
            EXPECT_EQ(doc.Title, v >= 5 ? QStringLiteral("Alt") : QStringLiteral("Untitled"));
            EXPECT_EQ(doc.comment, v >= 5 ? (QStringList{"erste Zeile", "zweite"}) : QStringList());
            EXPECT_EQ(d.FrenchKnotList.size(), v >= 6 ? 1 : 0);
            EXPECT_EQ(d.RhodeList.size(), v >= 6 ? 1 : 0);
        }
    }
}

TEST(QmkVersions, EdgeCasesOfTheFormat)
{
    struct EdgeCase
    {
        const char* name;
        std::function<QByteArray()> bytes;
        std::function<void(const Loaded&)> check;
    };
    const auto withVersion = [](int v) {
        return [v] {
            Content c = everyBlock(v, 1);
            c.backStitches = {{1, 2, 3, 2, qint32(kRed)}};
            return build(c);
        };
    };
    const auto doubled = [](const Loaded& l) {
        ASSERT_EQ(l.design->BackStitchList.size(), 1);
        EXPECT_EQ(l.design->BackStitchList[0].FromPoint, QPoint(2, 4));
        EXPECT_EQ(l.design->BackStitchList[0].ToPoint, QPoint(6, 4));
    };
    const auto written = [](const std::function<void(Design&)>& shape, const QRect& area = QRect()) {
        return [shape, area] {
            auto d = TestDesigns::empty(40, 30, {kBlack, kRed});
            shape(*d);
            QByteArray bytes;
            EXPECT_TRUE(QmkWriter::encode(*d, area.isNull() ? QRect(0, 0, 40, 30) : area, d->CrossLayer, !area.isNull(), bytes));
            return bytes;
        };
    };
    const auto cellsOf = [](QList<qint32> pixels, QList<qint32> quarters = {}) {
        return [pixels, quarters] {
            Content c = everyBlock(6, 1);
            c.pixels = pixels;
            c.quarters = quarters;
            return build(c);
        };
    };

    const std::vector<EdgeCase> cases = {
        {"a design without back stitches, knots or rhodes writes those blocks with count 0",
            written([](Design&) {}),
            [](const Loaded& l) {
                EXPECT_EQ(l.record.BackStitchesBlockHeader.tag(), QByteArray("BACK"));
                EXPECT_EQ(l.record.BackStitchesBlockHeader.LLength, 20);
                EXPECT_EQ(l.record.FrenchKnotsBlockHeader.tag(), QByteArray("FRKN"));
                EXPECT_EQ(l.record.FrenchKnotsBlockHeader.LLength, 20);
                EXPECT_EQ(l.record.RhodesBlockHeader.tag(), QByteArray("BACK"));
                EXPECT_EQ(l.record.RhodesBlockHeader.LLength, 20);
            }},
        {"the second BACK block after FRKN holds the rhodes", withVersion(6),
            [](const Loaded& l) {
                EXPECT_EQ(l.record.RhodesBlockHeader.tag(), QByteArray("BACK"));
                ASSERT_EQ(l.design->BackStitchList.size(), 1);
                EXPECT_EQ(l.design->BackStitchList[0].Color, kRed);
                ASSERT_EQ(l.design->RhodeList.size(), 1);
                EXPECT_EQ(l.design->RhodeList[0]->color, kBlack);
                EXPECT_EQ(l.design->RhodeList[0]->stitches.size(), 2);
            }},
        {"HEAD version 3: back-stitch points in cells are doubled", withVersion(3), doubled},
        {"HEAD version 4: back-stitch points in cells are doubled", withVersion(4), doubled},
        {"HEAD version 5: back-stitch points in cells are doubled", withVersion(5), doubled},
        {"HEAD version 0: thread lengths 0", withVersion(0),
            [](const Loaded& l) {
                EXPECT_EQ(l.record.stitchLen, 0.0);
                EXPECT_EQ(l.design->stitch.len, 0.0);
                EXPECT_EQ(l.design->stitch.baseLen, 0.0);
                EXPECT_EQ(l.design->stitch.backlen, 0.0);
            }},
        {"HEAD version 1: background 0, opaque black", withVersion(1),
            [](const Loaded& l) {
                EXPECT_EQ(l.record.bg, 0);
                EXPECT_EQ(l.design->stitch.BackGroundColor, 0xFF000000u);
                EXPECT_TRUE(l.design->isEmptyCell(2, 0));
                EXPECT_FALSE(l.design->isEmptyCell(0, 0)) << "a black stitch on the black background stays a stitch";
            }},
        {"COLO version 0: the number 310 becomes \"310\"",
            [] { return build(everyBlock(6, 0)); },
            [](const Loaded& l) { EXPECT_EQ(l.record.Colors[0].colorID, QStringLiteral("310")); }},
        {"PIXD 65535 reads as -1, an empty cell", cellsOf({65535, 0, 0, 0, 0, 0}),
            [](const Loaded& l) {
                EXPECT_EQ(l.record.pixel(0, 0), -1);
                EXPECT_TRUE(l.design->isEmptyCell(0, 0));
            }},
        {"only the low 16 bits of a cell count", cellsOf({0x10001, 0, 0, 0, 0, 0}),
            [](const Loaded& l) { EXPECT_EQ(l.design->CrossLayer.canvasPixel(0, 0), kRed); }},
        {"cells naming no colour stay empty", cellsOf({4, -2, 32767, 0, 0, 0}, {7, 65534}),
            [](const Loaded& l) {
                for (int x = 0; x < 3; ++x)
                    EXPECT_TRUE(l.design->isEmptyCell(x, 0)) << x;
                EXPECT_TRUE(l.design->isEmptyQuarter(0, 0));
                EXPECT_TRUE(l.design->isEmptyQuarter(1, 0));
                EXPECT_TRUE(l.warnings.isEmpty());
            }},
        {"an excerpt (10, 5, 30, 25) is 20 x 20 and moves (20, 10) to (0, 0)",
            written(
                [](Design& d) {
                    d.CrossLayer.setCanvasPixel(10, 5, kRed);
                    d.BackStitchList = {{QPoint(20, 10), QPoint(22, 12), kRed, 0}};
                },
                QRect(QPoint(10, 5), QPoint(29, 24))),
            [](const Loaded& l) {
                EXPECT_EQ(l.record.width, 20);
                EXPECT_EQ(l.record.height, 20);
                EXPECT_EQ(l.design->CrossLayer.canvasPixel(0, 0), kRed);
                ASSERT_EQ(l.design->BackStitchList.size(), 1);
                EXPECT_EQ(l.design->BackStitchList[0].FromPoint, QPoint(0, 0));
            }},
        {"the header's title stays apart from the TITL title, which opening makes the design's",
            [] {
                Content c = everyBlock(6, 1);
                c.headTitle = "Header title";
                c.headDescription = "Header text";
                return build(c);
            },
            [](const Loaded& l) {
                EXPECT_EQ(l.record.Title, QStringLiteral("Header title"));
                EXPECT_EQ(l.record.Description, QStringLiteral("Header text"));
                EXPECT_EQ(l.record.titleBlockTitle, QStringLiteral("Alt"));
                EXPECT_EQ(l.design->stitch.Title, QStringLiteral("Alt"));
                EXPECT_EQ(l.design->stitch.comment, (QStringList{"erste Zeile", "zweite"}));
            }},
        {"a string longer than the writer's clip is read whole",
            [] {
                Content c = everyBlock(6, 1);
                c.lines = {QByteArray(20000, 'x')};
                return build(c);
            },
            [](const Loaded& l) {
                EXPECT_TRUE(l.warnings.isEmpty());
                EXPECT_EQ(l.design->stitch.comment, QStringList{QString(20000, QLatin1Char('x'))});
            }},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(load(c.bytes()));
    }
}

