// Damaged and cut design files: a file that cannot be read ends the load with a message naming
// it and leaves the open design as it was; a file that merely ends early loads up to the cut,
// with one warning.
#include "files/DesignFiles.h"
#include "files/QmkFile.h"
#include "files/QmkLoader.h"
#include "files/QmkReader.h"
#include "files/QmkWriter.h"
#include "model/DesignLimits.h"
#include "support/QmkTestFiles.h"
#include "support/RecordingListener.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

using namespace QmkTestFiles;

namespace {
Content sample()
{
    Content c;
    c.width = 3;
    c.height = 2;
    c.colors = paletteColors();
    c.pixels = {0, 1, -1, 2, 3, 0};
    c.quarters = QList<qint32>(24, -1);
    c.quarters[5] = 2;
    c.backStitches = {{0, 0, 2, 2, qint32(kRed)}, {2, 2, 4, 2, qint32(kBlack)}};
    c.title = "Cut title";
    c.lines = {"one", "two", "three"};
    c.knots = {{1, 1, qint32(kGreen)}, {3, 1, qint32(kBlack)}};
    c.rhodes = {{2, 2, qint32(kBlack), {{0, 0, 2, 2}, {2, 0, 0, 2}}}};
    return c;
}

void patch(QByteArray& bytes, qsizetype at, qint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// Offset of the HEAD field `width` (height follows) in a file built from `c`.
qsizetype widthOffset(const Content& c)
{
    return 36 + 3 * 4 + c.palette.size() + c.charsName.size() + c.font.size() + 2 + 2 + 4 + 4 + 4;
}

QByteArray sampleWith(const std::function<void(QByteArray&, const QList<qsizetype>&)>& damage)
{
    QByteArray bytes = build(sample());
    damage(bytes, blockOffsets(bytes));
    return bytes;
}

QByteArray sized(qint32 width, qint32 height)
{
    return sampleWith([width, height](QByteArray& b, const auto&) {
        patch(b, widthOffset(sample()), width);
        patch(b, widthOffset(sample()) + 4, height);
    });
}

// Every damaged file is tried against this open design, which must come out as it went in.
class QmkMalformed : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString good = path(QStringLiteral("open.qmk"));
        writeFile(good, build(sample()));
        ASSERT_TRUE(LoadQMK(good, *m_open));
        m_open->setListener(&m_listener);
        m_before = snapshot();
    }

    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    QByteArray snapshot()
    {
        QByteArray bytes;
        EXPECT_TRUE(QmkWriter::encode(*m_open, QRect(0, 0, m_open->width(), m_open->height()), m_open->CrossLayer, false, bytes));
        return bytes;
    }

    // Opens the file the way the open command does; the open design is replaced only on success.
    void expectRefused(const QString& file, const QString& expectedText)
    {
        auto fresh = freshDesign();
        const DesignFiles::LoadResult result = DesignFiles::load(file, *fresh);
        ASSERT_FALSE(result.status) << "loaded without error";
        const QString text = result.status.text();
        EXPECT_TRUE(text.contains(file)) << text.toStdString();
        EXPECT_TRUE(text.contains(expectedText)) << text.toStdString();
        EXPECT_EQ(snapshot(), m_before);
        EXPECT_EQ(m_open->stitch.Title, QStringLiteral("Cut title"));
        EXPECT_TRUE(m_listener.calls.isEmpty()) << m_listener.calls.join(QLatin1Char(',')).toStdString();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Design> m_open = freshDesign();
    RecordingListener m_listener;
    QByteArray m_before;
};
} // namespace

TEST_F(QmkMalformed, DamagedFilesAreRefusedWithAMessageNamingThem)
{
    struct Damaged
    {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const QByteArray full = build(sample());
    const std::vector<Damaged> cases = {
        {"empty file", QByteArray(), "is not a design file"},
        {"other signature", QByteArray("HDSX") + full.mid(4), "is not a design file"},
        {"a text file", QByteArray("Just some words in a text file.\n"), "is not a design file"},
        {"only the signature", QByteArray("HDSF"), "ends before the size"},
        {"cut inside the container header", full.left(12), "ends before the size"},
        {"cut right before the height", full.left(widthOffset(sample()) + 4), "ends before the size"},
        {"negative length of the palette name", sampleWith([](QByteArray& b, const auto&) { patch(b, 36, -5); }),
            "does not fit in the file"},
        {"palette name longer than the file", sampleWith([](QByteArray& b, const auto&) { patch(b, 36, 5000); }),
            "does not fit in the file"},
        {"width 0", sized(0, 2), "a design must be 1 to 32767 cells"},
        {"negative height", sized(3, -3), "a design must be 1 to 32767 cells"},
        {"width beyond 32767", sized(40000, 2), "a design must be 1 to 32767 cells"},
        {"more than 16 777 216 cells", sized(5000, 5000), "a design must be 1 to 32767 cells"},
        {"more cells than the file holds", sized(100, 100), "cells does not fit in it"},
        {"negative colour count", sampleWith([](QByteArray& b, const auto& o) { patch(b, o[2] + 16, -1); }),
            "does not fit in the file"},
        {"colour count beyond the file",
            sampleWith([](QByteArray& b, const auto& o) { patch(b, o[2] + 16, 60000); }), "does not fit in the file"},
        {"colour count beyond any palette",
            sampleWith([](QByteArray& b, const auto& o) { patch(b, o[2] + 16, 0x7FFFFFFF); }),
            "is larger than any design file holds"},
        {"colour name longer than the file",
            sampleWith([](QByteArray& b, const auto& o) { patch(b, o[2] + 20, 9000); }), "does not fit in the file"},
        {"back-stitch count beyond the file",
            sampleWith([](QByteArray& b, const auto& o) { patch(b, o[4] + 16, 100000000); }), "does not fit in the file"},
        {"description line count beyond any title block",
            sampleWith([](QByteArray& b, const auto& o) { patch(b, o[6] + 16 + 4 + 9, 1000000000); }),
            "is larger than any design file holds"},
        {"negative french-knot count", sampleWith([](QByteArray& b, const auto& o) { patch(b, o[7] + 16, -1); }),
            "does not fit in the file"},
        {"rhode count beyond any chart",
            sampleWith([](QByteArray& b, const auto& o) { patch(b, o[8] + 16, 0x10000000); }),
            "is larger than any design file holds"},
        {"rhode count beyond the file", sampleWith([](QByteArray& b, const auto& o) { patch(b, o[8] + 16, 100000); }),
            "does not fit in the file"},
        {"rhode stitch count beyond the file",
            sampleWith([](QByteArray& b, const auto& o) { patch(b, o[8] + 16 + 4 + 12, 0x7FFFFFF0); }),
            "does not fit in the file"},
    };
    for (const Damaged& d : cases) {
        SCOPED_TRACE(d.name);
        const QString file = path(QStringLiteral("damaged.qmk"));
        writeFile(file, d.bytes);
        expectRefused(file, QString::fromLatin1(d.message));
    }
}

TEST_F(QmkMalformed, EveryFileOfTheCorpusIsRefused)
{
    QDirIterator it(TestEnvironment::fixture(QStringLiteral("qmk/malformed")), {QStringLiteral("*.qmk")}, QDir::Files);
    int files = 0;
    while (it.hasNext()) {
        const QString file = it.next();
        SCOPED_TRACE(file.toStdString());
        expectRefused(file, QString());
        ++files;
    }
    EXPECT_GE(files, 5);
}

TEST_F(QmkMalformed, AFileThatCannotBeReadIsRefused)
{
    expectRefused(path(QStringLiteral("missing.qmk")), QStringLiteral("Could not read the file"));
}

TEST_F(QmkMalformed, AFileCutAnywhereAfterItsSizeLoadsUpToTheCut)
{
    const QByteArray full = build(sample());
    qmkFile wholeRecord;
    ASSERT_TRUE(ReadQMK(wholeRecord, full, QStringLiteral("whole.qmk")));
    auto whole = freshDesign();
    QmkLoader::applyRecord(wholeRecord, *whole);
    const qsizetype sizeEnd = widthOffset(sample()) + 8;

    for (qsizetype cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE(QStringLiteral("cut after %1 of %2 bytes").arg(cut).arg(full.size()).toStdString());
        qmkFile record;
        const Status s = ReadQMK(record, full.left(cut), QStringLiteral("cut.qmk"));
        if (cut < sizeEnd) {
            EXPECT_FALSE(s);
            continue;
        }
        ASSERT_TRUE(s) << s.text().toStdString();
        EXPECT_TRUE(record.truncated);
        auto d = freshDesign();
        QmkLoader::applyRecord(record, *d);
        ASSERT_EQ(d->width(), 3);
        ASSERT_EQ(d->height(), 2);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                if (!d->isEmptyCell(x, y))
                    EXPECT_EQ(d->CrossLayer.pixel(x, y), whole->CrossLayer.pixel(x, y));
            }
        }
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                if (!d->isEmptyQuarter(x, y))
                    EXPECT_EQ(d->QuarterLayer.pixel(x, y), whole->QuarterLayer.pixel(x, y));
            }
        }
        EXPECT_EQ(d->BackStitchList, whole->BackStitchList.first(d->BackStitchList.size()));
        EXPECT_EQ(d->FrenchKnotList, whole->FrenchKnotList.first(d->FrenchKnotList.size()));
        EXPECT_EQ(whole->stitch.comment.first(d->stitch.comment.size()), d->stitch.comment);
        EXPECT_LE(d->RhodeList.size(), 1);
        for (const TRhodeRef& r : d->RhodeList)
            EXPECT_EQ(r->stitches.size(), 2) << "only whole rhodes are kept";
    }
}

TEST_F(QmkMalformed, OpeningACutFileWarnsOnce)
{
    const QByteArray full = build(sample());
    const QList<qsizetype> blocks = blockOffsets(full);
    // Inside the cells, inside the description, and one byte short of the end.
    for (const qsizetype cut : {blocks[3] + 20, blocks[6] + 30, full.size() - 1}) {
        SCOPED_TRACE(cut);
        const QString file = path(QStringLiteral("cut.qmk"));
        writeFile(file, full.left(cut));
        auto d = freshDesign();
        QList<Status> warnings;
        ASSERT_TRUE(LoadQMK(file, *d, &warnings));
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_EQ(warnings[0].text(),
            QStringLiteral("The file %1 is cut short; everything after the cut was left empty.").arg(file));
    }
}

TEST_F(QmkMalformed, ABrokenByteAnywhereReadsOrIsRefusedButNeverCrashes)
{
    Content small = sample();
    small.width = 2;
    small.height = 1;
    small.pixels = {0, 1};
    small.quarters = {};
    const QByteArray full = build(small);
    const QString name = QStringLiteral("broken.qmk");
    for (qsizetype at = 0; at < full.size(); ++at) {
        for (const char value : {'\x80', '\xff'}) {
            SCOPED_TRACE(QStringLiteral("byte %1 set to %2").arg(at).arg(quint8(value)).toStdString());
            QByteArray broken = full;
            broken[at] = value;
            qmkFile record;
            const Status s = ReadQMK(record, broken, name);
            if (!s) {
                EXPECT_TRUE(s.text().contains(name)) << s.text().toStdString();
                continue;
            }
            auto d = freshDesign();
            QmkLoader::applyRecord(record, *d);
            EXPECT_TRUE(DesignLimits::sizeAllowed(d->width(), d->height()));
            EXPECT_EQ(d->QuarterLayer.width(), 2 * d->width());
        }
    }
}
