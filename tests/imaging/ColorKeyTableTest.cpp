// The colour-keyed table behind colour counts, file writing and the nearest-colour cache.
#include "imaging/ColorKeyTable.h"
#include <QHash>
#include <gtest/gtest.h>

TEST(ColorKeyTable, KeepsEveryKeyThroughGrowthLikeAHash)
{
    constexpr quint32 kEmpty = 0xFFFFFFFFu;
    ColorKeyTable<qint64> table(kEmpty, 4);
    QHash<quint32, qint64> expected;
    // Keys that collide in the low bits and keys that differ only above them.
    for (quint32 i = 0; i < 5000; ++i) {
        const quint32 key = (i % 3 == 0) ? i << 20 : i * 0x01010101u;
        *table.insert(key) += i;
        expected[key] += i;
    }
    EXPECT_EQ(table.size(), size_t(expected.size()));
    QHash<quint32, qint64> seen;
    table.forEach([&](quint32 key, qint64 value) { seen.insert(key, value); });
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(table.find(0x12345678u), nullptr);
    ASSERT_NE(table.view().find(3u << 20), nullptr);
    EXPECT_EQ(*table.view().find(3u << 20), 3);
}

TEST(ColorKeyTable, ABoundedTableStopsTakingKeysAtHalfItsSlots)
{
    ColorKeyTable<int> table(0u, 4, 64);
    int taken = 0;
    for (quint32 key = 1; key <= 100; ++key) {
        if (int* value = table.insert(key)) {
            *value = int(key);
            ++taken;
        }
    }
    EXPECT_EQ(taken, 32);
    ASSERT_NE(table.find(1), nullptr);
    EXPECT_EQ(*table.find(1), 1);
    EXPECT_EQ(table.find(100), nullptr);
    ASSERT_NE(table.insert(5), nullptr) << "a stored key is still found at the bound";
}
