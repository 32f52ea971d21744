#include "shell/MRUList.h"
#include <gtest/gtest.h>

TEST(MRUList, InsertingMovesANameToTheFront)
{
    MRUList list;
    EXPECT_TRUE(list.insert(QStringLiteral("/a.qmk")));
    EXPECT_TRUE(list.insert(QStringLiteral("/b.qmk")));
    EXPECT_FALSE(list.insert(QStringLiteral("/B.QMK"))); // already first, compared without case
    EXPECT_TRUE(list.insert(QStringLiteral("/A.qmk")));
    EXPECT_EQ(list.files(), (QStringList{QStringLiteral("/A.qmk"), QStringLiteral("/b.qmk")}));
    EXPECT_EQ(list.caption(1), QStringLiteral("2 - /b.qmk"));
}

TEST(MRUList, HoldsAtMostElevenNames)
{
    MRUList list;
    for (int n = 1; n <= 12; ++n)
        list.insert(QStringLiteral("/f%1.qmk").arg(n));
    EXPECT_EQ(list.size(), 11);
    EXPECT_EQ(list.first(), QStringLiteral("/f12.qmk"));
    EXPECT_EQ(list.files().last(), QStringLiteral("/f2.qmk"));
    for (int n = 13; n <= 20; ++n)
        list.insert(QStringLiteral("/f%1.qmk").arg(n));
    EXPECT_EQ(list.size(), 11);
}

TEST(MRUList, StartFolderComesFromTheNewestEntry)
{
    MRUList list;
    EXPECT_EQ(list.startFolder(QStringLiteral("/save/")), QStringLiteral("/save/"));
    list.insert(QStringLiteral("/home/me/designs/rose.qmk"));
    EXPECT_EQ(list.startFolder(QStringLiteral("/save/")), QStringLiteral("/home/me/designs"));
}
