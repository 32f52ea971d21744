// The bounded reader under every binary reader: values in both byte orders, strings in the
// 8-bit code page, and the two ways input can fail (cut short, or a count that cannot be).
#include "files/BoundedReader.h"
#include <QBuffer>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {
QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}
} // namespace

TEST(BoundedReader, ReadsLittleAndBigEndianValues)
{
    BoundedReader r(hex("ff" "3412" "feffffff" "78563412" "000000000000f03f" "1234" "fffffffe" "3ff0000000000000"));
    EXPECT_EQ(r.u8(), 0xFF);
    EXPECT_EQ(r.u16(), 0x1234);
    EXPECT_EQ(r.i32(), -2);
    EXPECT_EQ(r.u32(), 0x12345678u);
    EXPECT_EQ(r.f64(), 1.0);
    EXPECT_EQ(r.u16BE(), 0x1234);
    EXPECT_EQ(r.i32BE(), -2);
    EXPECT_EQ(r.f64BE(), 1.0);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.bytesLeft(), 0);
}

TEST(BoundedReader, StringsAreWindows1252WithAnyLengthUpToTheEnd)
{
    QByteArray bytes = hex("05000000") + QByteArray("\x80 \xfc\x96x");
    bytes += hex("00000000");
    const QByteArray big(20000, 'a');
    bytes += hex("204e0000") + big;
    BoundedReader r(bytes);
    EXPECT_EQ(r.str(), QStringLiteral("€ ü–x"));
    EXPECT_EQ(r.str(), QString());
    EXPECT_EQ(r.str().size(), 20000);
    EXPECT_TRUE(r.ok());
}

TEST(BoundedReader, AReadPastTheEndIsTruncatedAndLaterReadsGiveNothing)
{
    BoundedReader r(hex("0100000002"));
    EXPECT_EQ(r.i32(), 1);
    EXPECT_EQ(r.i32(), 0);
    EXPECT_TRUE(r.truncated());
    EXPECT_FALSE(r.refused());
    EXPECT_EQ(r.u8(), 0) << "after the cut nothing more is read, not even the byte that is there";
    EXPECT_EQ(r.bytes(1), QByteArray());
}

TEST(BoundedReader, TakeGivesWhatIsThereWhenTheInputEndsEarly)
{
    BoundedReader r(hex("0102030405"));
    EXPECT_EQ(r.take(2).toByteArray(), hex("0102"));
    EXPECT_EQ(r.take(10).toByteArray(), hex("030405"));
    EXPECT_TRUE(r.truncated());
}

TEST(BoundedReader, CountsAndLengthsThatCannotFitAreRefusedBeforeAnythingIsRead)
{
    struct Case
    {
        const char* name;
        qint64 count;
        qint64 itemBytes;
        bool fits;
    };
    const Case cases[] = {
        {"all that is left", 2, 4, true},
        {"one item more", 3, 4, false},
        {"negative", -1, 4, false},
        {"a count whose byte size overflows", qint64(1) << 62, 8, false},
        {"no items", 0, 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoundedReader r(QByteArray(8, '\0'));
        EXPECT_EQ(r.fits(c.count, c.itemBytes), c.fits);
        EXPECT_EQ(r.refused(), !c.fits);
        EXPECT_EQ(r.pos(), 0);
    }
}

TEST(BoundedReader, NegativeOrOverlongStringLengthsAreRefused)
{
    for (const char* length : {"ffffffff", "00000080", "09000000"}) {
        SCOPED_TRACE(length);
        BoundedReader r(hex(length) + QByteArray(8, 'x'));
        EXPECT_EQ(r.str(), QString());
        EXPECT_TRUE(r.refused());
        EXPECT_EQ(r.i32(), 0) << "nothing is read after a refusal";
    }
}

TEST(BoundedReader, AClaimedSizeJudgesCountsWhileReadsStopAtTheRealEnd)
{
    BoundedReader r(hex("0a000000" "41424344"));
    r.claimSize(100);
    EXPECT_EQ(r.claimedLeft(), 100);
    EXPECT_EQ(r.str(), QString()) << "a string cut by the end is empty";
    EXPECT_TRUE(r.truncated());
    EXPECT_FALSE(r.refused());

    BoundedReader cut(hex("10000000"));
    cut.claimSize(68);
    EXPECT_TRUE(cut.fits(16, 4));
    EXPECT_EQ(cut.itemsPresent(16, 4), 1) << "only what is really there may be reserved";
    EXPECT_FALSE(cut.fits(18, 4));
}

TEST(BoundedReader, ReadsDevicesAndFiles)
{
    QByteArray bytes;
    QBuffer buffer;
    buffer.setData(hex("0102030405"));
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    buffer.seek(2);
    ASSERT_TRUE(BoundedReader::readAll(buffer, QStringLiteral("buffer"), bytes));
    EXPECT_EQ(bytes, hex("030405"));

    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write("abc");
    file.close();
    ASSERT_TRUE(BoundedReader::readFile(file.fileName(), bytes));
    EXPECT_EQ(bytes, QByteArray("abc"));

    const Status missing = BoundedReader::readFile(QStringLiteral("/nonexistent/x.qmk"), bytes);
    EXPECT_FALSE(missing);
    EXPECT_TRUE(missing.text().contains(QStringLiteral("/nonexistent/x.qmk")));
}

TEST(BoundedReader, LargeFilesReadWholeInTheirOrder)
{
    // Large files are read in two halves at once; sizes around the threshold and odd ones.
    for (const qint64 size : {(qint64(8) << 20) - 1, qint64(8) << 20, (qint64(8) << 20) + 7}) {
        SCOPED_TRACE(size);
        QByteArray content(size, Qt::Uninitialized);
        for (qint64 i = 0; i < size; ++i)
            content[i] = char((i * 131) >> 3);
        QTemporaryFile file;
        ASSERT_TRUE(file.open());
        ASSERT_EQ(file.write(content), size);
        file.close();
        QByteArray bytes;
        ASSERT_TRUE(BoundedReader::readFile(file.fileName(), bytes));
        EXPECT_TRUE(bytes == content);
    }
}
