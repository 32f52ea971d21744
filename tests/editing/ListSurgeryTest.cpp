// Many items out of a list and back in one pass: the list must end as one removal or insertion
// after another would leave it.
#include "editing/ListSurgery.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
// Compared as vectors: QList's comparison hands memcmp a null pointer for an empty list.
std::vector<int> items(const QList<int>& list)
{
    return {list.begin(), list.end()};
}
} // namespace

TEST(ListSurgery, RemovedPositionsGoAndComeBackWhereTheyWere)
{
    const QList<int> original{10, 11, 12, 13, 14, 15, 16};
    const QList<QList<int>> positionSets{{6, 3, 2, 0}, {}, {6, 5, 4, 3, 2, 1, 0}, {0}, {6}};
    for (const QList<int>& positions : positionSets) {
        QList<RemovedItem<int>> removed;
        QList<int> oneByOne = original;
        for (int p : positions) // from the last position to the first, as the records keep them
            removed.append({p, oneByOne.takeAt(p)});
        QList<int> list = original;
        ListSurgery::remove(list, removed);
        EXPECT_EQ(items(list), items(oneByOne)) << positions.size();
        ListSurgery::restore(list, removed);
        EXPECT_EQ(items(list), items(original)) << positions.size();
    }
}
