// Exporting Open Cross Stitch files and opening them again: a design with every kind of stitch
// comes back equal, and a second export gives the same bytes.
#include "files/OxsImport.h"
#include "files/OxsWriter.h"
#include "model/ColorUsage.h"
#include "support/QmkTestFiles.h"
#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace QmkTestFiles;

namespace {
// A thread the palette lacks, with a name XML has to carry as it is.
constexpr TColorRef kMoss = 0x235D4A;

QByteArray exported(const Design& design)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(OxsWriter::write(design, buffer));
    return buffer.data();
}

// The sample design with a comment that XML must escape and a thread of its own.
std::unique_ptr<Design> richSample()
{
    auto d = sampleDesign();
    TStitch& doc = d->stitch;
    doc.comment = {QStringLiteral("Grüße – 5 €"), QString(), QStringLiteral("say \"hi\" & <bye>\tnow")};
    TColorInfo moss;
    moss.colorName = QStringLiteral("Мох & «Moos»");
    moss.colorID = QStringLiteral("M-7");
    moss.matchColor = kMoss;
    moss.charID = 7;
    moss.orderID = 4; // the first place after the palette's threads
    doc.Colors.insert(kMoss, moss);
    d->BackStitchList.append({QPoint(1, 9), QPoint(15, 11), kMoss, 0});
    ColorUsage::CalcColorUsage(*d);
    return d;
}

void expectSameLayer(const TBitmap32& a, const TBitmap32& b, const char* name)
{
    ASSERT_EQ(a.width(), b.width()) << name;
    ASSERT_EQ(a.height(), b.height()) << name;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << name << " at " << x << "," << y;
    }
}

QList<QPair<TColorRef, TColorInfo>> usedColors(const TStitch& doc)
{
    QList<QPair<TColorRef, TColorInfo>> used;
    for (const auto& [color, info] : doc.Colors) {
        if (info.colorCount > 0)
            used.append({color, info});
    }
    std::sort(used.begin(), used.end(), [](const auto& a, const auto& b) { return a.second.orderID < b.second.orderID; });
    return used;
}

void expectSameDesign(const Design& a, const Design& b)
{
    expectSameLayer(a.CrossLayer, b.CrossLayer, "full stitches");
    expectSameLayer(a.QuarterLayer, b.QuarterLayer, "quarters");
    EXPECT_EQ(a.stitch.BackGroundColor, b.stitch.BackGroundColor);
    EXPECT_EQ(a.BackStitchList, b.BackStitchList);
    EXPECT_EQ(a.FrenchKnotList, b.FrenchKnotList);
    ASSERT_EQ(a.RhodeList.size(), b.RhodeList.size());
    for (int i = 0; i < a.RhodeList.size(); ++i) {
        EXPECT_EQ(a.RhodeList[i]->color, b.RhodeList[i]->color);
        ASSERT_EQ(a.RhodeList[i]->stitches.size(), b.RhodeList[i]->stitches.size());
        for (int k = 0; k < a.RhodeList[i]->stitches.size(); ++k) {
            EXPECT_EQ(a.RhodeList[i]->stitches[k].FromPoint, b.RhodeList[i]->stitches[k].FromPoint);
            EXPECT_EQ(a.RhodeList[i]->stitches[k].ToPoint, b.RhodeList[i]->stitches[k].ToPoint);
        }
    }
    EXPECT_EQ(usedColors(a.stitch), usedColors(b.stitch));
    EXPECT_EQ(a.stitch.Title, b.stitch.Title);
    EXPECT_EQ(a.stitch.comment, b.stitch.comment);
    EXPECT_EQ(a.stitch.colorsname(), b.stitch.colorsname());
    EXPECT_EQ(a.stitch.chars->CharsName, b.stitch.chars->CharsName);
    EXPECT_EQ(a.stitch.len, b.stitch.len);
    EXPECT_EQ(a.stitch.backlen, b.stitch.backlen);
    EXPECT_EQ(a.stitch.baseLen, b.stitch.baseLen);
}

class OxsRoundTrip : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(OxsRoundTrip, EveryKindOfStitchComesBackAndASecondExportIsTheSameBytes)
{
    const auto original = richSample();
    const QString file = path(QStringLiteral("sample.oxs"));
    ASSERT_TRUE(SaveOXS(*original, file));
    auto opened = freshDesign();
    QList<Status> warnings;
    const Status read = ReadOXS(file, *opened, &warnings);
    ASSERT_TRUE(read) << read.text().toStdString();
    EXPECT_TRUE(warnings.isEmpty()) << warnings.value(0).text().toStdString();
    expectSameDesign(*original, *opened);
    EXPECT_EQ(exported(*opened), readFile(file));
}

TEST_F(OxsRoundTrip, TheFileListsOnlyColoursInUseInPaletteOrderAndEscapesText)
{
    const QByteArray bytes = exported(*richSample());
    const QString text = QString::fromUtf8(bytes);
    const QStringList sections = {"<format", "<properties", "<palette>", "<fullstitches>", "<backstitches>",
        "<ornaments_inc_knots_and_beads>"};
    qsizetype last = -1;
    for (const QString& section : sections) {
        const qsizetype at = text.indexOf(section);
        EXPECT_GT(at, last) << section.toStdString();
        last = at;
    }
    // Black, red, green and white are the palette's first four threads; the moss comes after.
    const qsizetype black = text.indexOf(QStringLiteral("number=\"Test 100\""));
    const qsizetype moss = text.indexOf(QStringLiteral("number=\"Test M-7\""));
    EXPECT_GE(black, 0);
    EXPECT_GT(moss, black);
    EXPECT_TRUE(text.contains(QStringLiteral("say &quot;hi&quot; &amp; &lt;bye")));
    EXPECT_TRUE(text.contains(QStringLiteral("palettecount=\"5\"")));
}

TEST_F(OxsRoundTrip, AnEmptyDesignStillWritesItsSectionsAndCharactersXmlCannotHoldAreLeftOut)
{
    auto d = freshDesign();
    d->allocateLayers(3, 2);
    d->stitch.chars = std::make_unique<TCharacters>(QStringLiteral("ABC"));
    d->stitch.Title = QStringLiteral("bell\a and null") + QChar(0) + QStringLiteral("end");
    const QString text = QString::fromUtf8(exported(*d));
    for (const char* section : {"<properties", "<fullstitches", "<backstitches"})
        EXPECT_TRUE(text.contains(QLatin1String(section))) << section;
    EXPECT_TRUE(text.contains(QStringLiteral("charttitle=\"bell and nullend\"")));
}
