// Importing Tapisto design files: files are built byte by byte from the layout of the format,
// imported into a fresh design as the open command does, and the design is checked cell by cell.
// Damaged files are refused with a message naming them, and the open design stays as it was.
#include "files/DesignFiles.h"
#include "files/QmkWriter.h"
#include "files/StvImport.h"
#include "files/StvReader.h"
#include "support/QmkTestFiles.h"
#include "support/RecordingListener.h"
#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using QmkTestFiles::freshDesign;
using QmkTestFiles::writeFile;

namespace {
constexpr TColorRef kRed = 0x2010E0;   // red E0, green 10, blue 20
constexpr TColorRef kTeal = 0x908000;  // red 00, green 80, blue 90
constexpr TColorRef kCream = 0xC0F0FA; // red FA, green F0, blue C0

// The bytes of a file, written in the order of the format.
class StvBytes
{
public:
    StvBytes& text(const QByteArray& t)
    {
        m_bytes += t;
        m_bytes += '\0';
        return *this;
    }
    StvBytes& u16be(quint16 v)
    {
        m_bytes += char(v >> 8);
        m_bytes += char(v & 0xFF);
        return *this;
    }
    StvBytes& number(const QByteArray& keyword, quint16 v) { return text(keyword).u16be(v); }
    StvBytes& raw(const QByteArray& b)
    {
        m_bytes += b;
        return *this;
    }
    // A STICKCOL entry: white flag, character, grey, red, green, blue, unused, number (low byte first).
    StvBytes& colorEntry(char aChar, TColorRef color, quint16 colNumber, bool white = false)
    {
        const char entry[9] = {char(white ? 1 : 0), aChar, char(0x55), char(redOf(color)), char(greenOf(color)),
            char(blueOf(color)), char(0x77), char(colNumber & 0xFF), char(colNumber >> 8)};
        return raw(QByteArray(entry, 9));
    }
    StvBytes& beginning(quint16 version = 2) { return text("Tapisto").text("Stickvorlage").u16be(version).text("2.0"); }

    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// A complete 4 x 3 file: three colours (the third repeats the first's RGB), the cells below,
// characters "#*+", font and palette names, and a PALETTE section.
//   row 0: 0 1 1 .
//   row 1: 2 . 0 1       (. = index 255, which names no colour)
//   row 2: . . 2 2
QByteArray header(StvBytes& b, quint16 width = 4, quint16 height = 3, quint16 colors = 3)
{
    b.beginning()
        .number("WIDTH", width)
        .number("HEIGHT", height)
        .number("COLORS", colors)
        .number("BACKCOLOR", 0xF0FA)
        .text("FONT")
        .text("Tapisto Symbole")
        .u16be(1)
        .text("COLORTABEL")
        .text("Tapisto Garne")
        .text("ENDHEADER");
    return b.bytes();
}

const QByteArray kCells = QByteArray::fromHex("000101ff02ff0001ffff0202");

QByteArray sampleFile()
{
    StvBytes b;
    header(b);
    b.text("BEGINDATA")
        .text("PALETTE")
        .raw(QByteArray::fromHex("E0102000" "00809000" "E0102000"))
        .text("STICKCOL")
        .colorEntry('*', kRed, 0x0134)
        .colorEntry('+', kTeal, 0x0201, true)
        .colorEntry('#', kRed, 7)
        .text("DATA")
        .raw(kCells)
        .text("CHARACTERS")
        .text("#*+")
        .text("ENDDATA");
    return b.bytes();
}

class StvImport : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    // Imports the bytes into a fresh design as the open command does; fails the test on an error.
    std::unique_ptr<Design> imported(const QByteArray& bytes, QList<Status>* warnings = nullptr)
    {
        const QString file = path(QStringLiteral("design.stv"));
        writeFile(file, bytes);
        auto d = freshDesign();
        const DesignFiles::LoadResult result = DesignFiles::load(file, *d);
        EXPECT_TRUE(result.status) << result.status.text().toStdString();
        if (warnings)
            *warnings = result.warnings;
        return d;
    }

    QTemporaryDir m_dir;
};

TColor32 cell(const Design& d, int x, int y)
{
    return d.CrossLayer.pixel(x, y);
}
} // namespace

TEST_F(StvImport, TheRecordHoldsEveryFieldInItsByteOrder)
{
    TSTVFile f;
    ASSERT_TRUE(StvReader::read(f, sampleFile(), QStringLiteral("sample.stv")));
    EXPECT_EQ(f.filetype, QStringLiteral("Tapisto"));
    EXPECT_EQ(f.version, 2);
    EXPECT_EQ(f.imagewidth, 4);
    EXPECT_EQ(f.imageheight, 3);
    EXPECT_EQ(f.colorscount, 3);
    EXPECT_EQ(f.backcolor, 0xF0FA);
    EXPECT_EQ(f.fontname, QStringLiteral("Tapisto Symbole"));
    EXPECT_EQ(f.fontstyle, 1);
    EXPECT_EQ(f.colortablename, QStringLiteral("Tapisto Garne"));
    EXPECT_EQ(f.characters, QStringLiteral("#*+"));
    // PALETTE entries read b0 b1 b2 as the high, middle and low byte.
    EXPECT_EQ(f.Palette, (std::vector<TColorRef>{0xE01020, 0x008090, 0xE01020}));
    ASSERT_EQ(f.Colors.size(), 3u);
    EXPECT_EQ(f.Colors[0].aRgbColor, kRed);
    EXPECT_EQ(f.Colors[0].aChar, '*');
    EXPECT_EQ(f.Colors[0].aGrayCol, 0x55);
    EXPECT_EQ(f.Colors[0].aColNumber, 0x0134) << "the colour number is stored low byte first";
    EXPECT_FALSE(f.Colors[0].isWhite);
    EXPECT_TRUE(f.Colors[1].isWhite);
    EXPECT_EQ(f.Colors[1].aColNumber, 0x0201);
    EXPECT_EQ(f.Pixels, std::vector<quint8>(kCells.begin(), kCells.end()));
}

TEST_F(StvImport, TheDesignHasTheFilesSizeBackgroundCellsAndNothingElse)
{
    QList<Status> warnings;
    const auto d = imported(sampleFile(), &warnings);
    ASSERT_EQ(d->width(), 4);
    ASSERT_EQ(d->height(), 3);
    EXPECT_EQ(d->QuarterLayer.width(), 8);
    EXPECT_EQ(d->QuarterLayer.height(), 6);
    // BACKCOLOR F0FA: red FA from the low byte, green F0 from the high byte, no blue.
    const TColor32 background = color32FromColorRef(0x00F0FA);
    EXPECT_EQ(d->stitch.BackGroundColor, background);

    const TColor32 red = stitchPixel(kRed), teal = stitchPixel(kTeal);
    const std::vector<std::vector<TColor32>> expected = {
        {red, teal, teal, background},
        {red, background, red, teal},
        {background, background, red, red},
    };
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(cell(*d, x, y), expected[y][x]) << "cell " << x << "," << y;
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x)
            EXPECT_TRUE(d->isEmptyQuarter(x, y));
    }
    EXPECT_TRUE(d->BackStitchList.isEmpty());
    EXPECT_TRUE(d->FrenchKnotList.isEmpty());
    EXPECT_TRUE(d->RhodeList.isEmpty());
    EXPECT_EQ(d->stitch.Title, QStringLiteral("Untitled"));

    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].text().contains(QStringLiteral("has 4 cells whose colour is missing"))) << warnings[0].text().toStdString();
}

TEST_F(StvImport, ColoursJoinTheTableOnceWithOneBasedSymbolPositionsAndAreCounted)
{
    const auto d = imported(sampleFile());
    const TStitch& doc = d->stitch;
    // The third entry repeats the first entry's RGB: it is not a colour of its own, and its
    // cells show the first entry's colour.
    EXPECT_EQ(doc.Colors.keys(), (std::vector<TColorRef>{kRed, kTeal}));
    const TColorInfo& red = doc.Colors.at(kRed);
    EXPECT_EQ(red.charID, 2) << "'*' is the second of \"#*+\"";
    EXPECT_EQ(red.colorCount, 5);
    EXPECT_TRUE(red.colorName.isEmpty());
    EXPECT_TRUE(red.colorID.isEmpty());
    EXPECT_EQ(red.matchColor, 0u);
    EXPECT_EQ(red.orderID, 0);
    const TColorInfo& teal = doc.Colors.at(kTeal);
    EXPECT_EQ(teal.charID, 3);
    EXPECT_EQ(teal.colorCount, 3);
    EXPECT_EQ(teal.orderID, 0);
    EXPECT_EQ(doc.usedColors(), 2);
    EXPECT_EQ(doc.drawcolor(), kRed);
}

TEST_F(StvImport, TheUnknownPaletteIsCataloguedAndTheDefaultSymbolsShowInTheFilesFont)
{
    const auto d = imported(sampleFile());
    const TStitch& doc = d->stitch;
    EXPECT_EQ(doc.colorsname(), QStringLiteral("Tapisto Garne"));
    const TColorTable* palette = doc.palette(QStringLiteral("Tapisto Garne"));
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->keys(), (std::vector<TColorRef>{kRed, kTeal}));
    ASSERT_TRUE(doc.chars);
    EXPECT_EQ(doc.chars->fcharacters, QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(doc.chars->CharsName, QStringLiteral("Standard"));
    EXPECT_EQ(doc.chars->ffontname, QStringLiteral("Tapisto Symbole"));
    EXPECT_EQ(doc.chars->CharsUsed, (std::vector<int>{0, 0, 1, 1, 0, 0, 0, 0, 0, 0}));
}

TEST_F(StvImport, AKnownPaletteAddsNoColoursToTheDesign)
{
    StvBytes b;
    b.beginning().number("WIDTH", 1).number("HEIGHT", 1).number("COLORS", 1).text("COLORTABEL").text("Test v1").text("ENDHEADER");
    b.text("BEGINDATA").text("STICKCOL").colorEntry('A', kCream, 1).text("DATA").raw(QByteArray(1, '\0')).text("ENDDATA");
    const auto d = imported(b.bytes());
    EXPECT_EQ(d->stitch.Colors.keys(), std::vector<TColorRef>{kCream});
    EXPECT_EQ(d->stitch.palette(QStringLiteral("Test v1"))->size(), 4) << "the catalogued palette stays as it was";
}

TEST_F(StvImport, QuirksOfStoredFilesAreHonoured)
{
    struct Quirk
    {
        const char* name;
        QByteArray bytes;
        std::function<void(const Design&)> check;
    };
    const auto oneColour = [](StvBytes& b, char aChar) {
        b.text("STICKCOL").colorEntry(aChar, kTeal, 1).text("DATA").raw(QByteArray::fromHex("0000"));
    };
    const std::vector<Quirk> quirks = {
        {"an unknown header keyword carries no value, so WIDTH right after it is read",
            StvBytes().beginning().text("AUTHOR").number("WIDTH", 2).number("HEIGHT", 1).number("COLORS", 1)
                .text("ENDHEADER").text("BEGINDATA").text("STICKCOL").colorEntry('A', kTeal, 1)
                .text("DATA").raw(QByteArray::fromHex("0000")).text("ENDDATA").bytes(),
            [](const Design& d) { EXPECT_EQ(d.width(), 2); }},
        {"BACKCOLOR 0 is an opaque black background",
            StvBytes().beginning().number("WIDTH", 1).number("HEIGHT", 1).number("BACKCOLOR", 0).text("ENDHEADER")
                .text("BEGINDATA").text("ENDDATA").bytes(),
            [](const Design& d) {
                EXPECT_EQ(d.stitch.BackGroundColor, 0xFF000000u);
                EXPECT_TRUE(d.isEmptyCell(0, 0));
            }},
        {"a character missing from CHARACTERS gives symbol 0", [&] {
             StvBytes b;
             b.beginning().number("WIDTH", 2).number("HEIGHT", 1).number("COLORS", 1).text("ENDHEADER").text("BEGINDATA");
             oneColour(b, 'Z');
             return b.text("CHARACTERS").text("ABC").text("ENDDATA").bytes();
         }(),
            [](const Design& d) { EXPECT_EQ(d.stitch.Colors.at(kTeal).charID, 0); }},
        {"without CHARACTERS every colour has symbol 0", [&] {
             StvBytes b;
             b.beginning().number("WIDTH", 2).number("HEIGHT", 1).number("COLORS", 1).text("ENDHEADER").text("BEGINDATA");
             oneColour(b, 'A');
             return b.text("ENDDATA").bytes();
         }(),
            [](const Design& d) { EXPECT_EQ(d.stitch.Colors.at(kTeal).charID, 0); }},
        {"any text opens the data part, unknown sections are passed over, and END ends it", [&] {
             StvBytes b;
             b.beginning().number("WIDTH", 2).number("HEIGHT", 1).number("COLORS", 1).text("ENDHEADER").text("DATEN");
             b.text("COMMENT");
             oneColour(b, 'B');
             return b.text("CHARACTERS").text("AB").text("END").raw("trailing bytes").bytes();
         }(),
            [](const Design& d) {
                EXPECT_EQ(cell(d, 1, 0), stitchPixel(kTeal));
                EXPECT_EQ(d.stitch.Colors.at(kTeal).charID, 2);
            }},
        {"an empty text ends the data part", [&] {
             StvBytes b;
             b.beginning().number("WIDTH", 2).number("HEIGHT", 1).number("COLORS", 1).text("ENDHEADER").text("BEGINDATA");
             oneColour(b, 'A');
             return b.text("").raw("anything").bytes();
         }(),
            [](const Design& d) { EXPECT_EQ(cell(d, 0, 0), stitchPixel(kTeal)); }},
        {"a later section of the same kind replaces an earlier one", [&] {
             StvBytes b;
             b.beginning().number("WIDTH", 2).number("HEIGHT", 1).number("COLORS", 1).text("ENDHEADER").text("BEGINDATA");
             oneColour(b, 'A');
             return b.text("DATA").raw(QByteArray::fromHex("ff00")).text("ENDDATA").bytes();
         }(),
            [](const Design& d) {
                EXPECT_TRUE(d.isEmptyCell(0, 0));
                EXPECT_EQ(cell(d, 1, 0), stitchPixel(kTeal));
            }},
        {"a file without DATA is an empty design",
            StvBytes().beginning().number("WIDTH", 3).number("HEIGHT", 2).text("ENDHEADER").text("BEGINDATA").text("ENDDATA").bytes(),
            [](const Design& d) {
                EXPECT_EQ(d.width(), 3);
                EXPECT_EQ(d.stitch.usedColors(), 0);
                EXPECT_TRUE(d.isEmptyCell(2, 1));
            }},
    };
    for (const Quirk& q : quirks) {
        SCOPED_TRACE(q.name);
        const auto d = imported(q.bytes);
        if (d->width() > 0)
            q.check(*d);
    }
}

TEST_F(StvImport, ImportingTwiceGivesTheSameDesign)
{
    const auto first = imported(sampleFile());
    const auto second = imported(sampleFile());
    QByteArray a, b;
    ASSERT_TRUE(QmkWriter::encode(*first, QRect(0, 0, 4, 3), first->CrossLayer, false, a));
    ASSERT_TRUE(QmkWriter::encode(*second, QRect(0, 0, 4, 3), second->CrossLayer, false, b));
    EXPECT_EQ(a, b);
}

namespace {
// Every damaged file is tried against this open design, which must come out as it went in.
class StvMalformed : public StvImport
{
protected:
    void SetUp() override
    {
        m_open = imported(sampleFile());
        m_open->setListener(&m_listener);
        m_before = snapshot();
    }

    QByteArray snapshot() const
    {
        QByteArray bytes;
        EXPECT_TRUE(QmkWriter::encode(*m_open, QRect(0, 0, m_open->width(), m_open->height()), m_open->CrossLayer, false, bytes));
        return bytes;
    }

    void expectRefused(const QByteArray& bytes, const QString& expectedText)
    {
        const QString file = path(QStringLiteral("damaged.stv"));
        writeFile(file, bytes);
        auto fresh = freshDesign();
        const DesignFiles::LoadResult result = DesignFiles::load(file, *fresh);
        ASSERT_FALSE(result.status) << "imported without error";
        const QString text = result.status.text();
        EXPECT_TRUE(text.contains(file)) << text.toStdString();
        EXPECT_TRUE(text.contains(expectedText)) << text.toStdString();
        EXPECT_EQ(snapshot(), m_before);
        EXPECT_TRUE(m_listener.calls.isEmpty());
    }

    std::unique_ptr<Design> m_open;
    RecordingListener m_listener;
    QByteArray m_before;
};

QByteArray withSize(quint16 width, quint16 height)
{
    return StvBytes().beginning().number("WIDTH", width).number("HEIGHT", height).text("ENDHEADER")
        .text("BEGINDATA").text("ENDDATA").bytes();
}

// The sample's header and data opening, then `rest`.
QByteArray sampleWithData(const QByteArray& rest)
{
    StvBytes b;
    header(b);
    return b.text("BEGINDATA").raw(rest).bytes();
}
} // namespace

TEST_F(StvMalformed, DamagedFilesAreRefusedWithAMessageNamingThem)
{
    struct Damaged
    {
        const char* name;
        QByteArray bytes;
        QString message;
    };
    StvBytes plainHeader;
    const qsizetype dataAt = header(plainHeader).size() + qsizetype(sizeof "BEGINDATA");
    const QString headerEnd = QStringLiteral("ends before the end of its header");
    const QString dataEnd = QStringLiteral("ends before the end of its data");
    const QString size = QStringLiteral("a design must be 1 to 32767 cells wide and high");
    const std::vector<Damaged> cases = {
        {"empty file", QByteArray(), headerEnd},
        {"a text without its end", QByteArray("Tapisto"), headerEnd},
        {"cut inside the version", StvBytes().text("Tapisto").text("x").raw("\x01").bytes(), headerEnd},
        {"no ENDHEADER", StvBytes().beginning().number("WIDTH", 2).number("HEIGHT", 2).bytes(), headerEnd},
        {"a header value cut short", StvBytes().beginning().text("WIDTH").raw("\x01").bytes(), headerEnd},
        {"the font style missing", StvBytes().beginning().text("FONT").text("Symbole").bytes(), headerEnd},
        {"a picture renamed", QByteArray::fromHex("89504e470d0a1a0a") + QByteArray(40, 'x'), headerEnd},
        {"width 0", withSize(0, 3), size},
        {"height 0", withSize(3, 0), size},
        {"no size at all", StvBytes().beginning().text("ENDHEADER").text("BEGINDATA").text("ENDDATA").bytes(), size},
        {"width beyond 32767", withSize(40000, 2), size},
        {"more than 16 777 216 cells", withSize(20000, 20000), size},
        {"no text after the header", StvBytes().beginning().number("WIDTH", 1).number("HEIGHT", 1).text("ENDHEADER").bytes(), dataEnd},
        {"no end of the data part", sampleFile().chopped(int(sizeof "ENDDATA")), dataEnd},
        {"CHARACTERS without its end", sampleWithData(QByteArray("CHARACTERS\0#*+", 14)), dataEnd},
        {"STICKCOL longer than the file",
            sampleWithData(StvBytes().text("STICKCOL").colorEntry('A', kRed, 1).colorEntry('B', kTeal, 2).bytes()),
            QStringLiteral("the section STICKCOL at byte %1 is longer than the file").arg(dataAt)},
        {"PALETTE longer than the file", sampleWithData(StvBytes().text("PALETTE").raw(QByteArray(11, '\x01')).bytes()),
            QStringLiteral("the section PALETTE at byte %1").arg(dataAt)},
        {"DATA shorter than the design", sampleWithData(StvBytes().text("DATA").raw(QByteArray(11, '\0')).bytes()),
            QStringLiteral("the section DATA at byte %1").arg(dataAt)},
    };
    for (const Damaged& d : cases) {
        SCOPED_TRACE(d.name);
        expectRefused(d.bytes, d.message);
    }
}

TEST_F(StvMalformed, EveryCutOfAGoodFileIsRefused)
{
    const QByteArray full = sampleFile();
    for (qsizetype cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE(QStringLiteral("cut after %1 of %2 bytes").arg(cut).arg(full.size()).toStdString());
        TSTVFile f;
        EXPECT_FALSE(StvReader::read(f, full.left(cut), QStringLiteral("cut.stv")));
    }
}

TEST_F(StvMalformed, AFileThatCannotBeReadIsRefused)
{
    auto fresh = freshDesign();
    const QString missing = path(QStringLiteral("missing.stv"));
    const Status s = ReadSTV(missing, *fresh);
    ASSERT_FALSE(s);
    EXPECT_TRUE(s.text().contains(QStringLiteral("Could not read the file %1").arg(missing))) << s.text().toStdString();
}
