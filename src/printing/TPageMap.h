#pragma once
#include "printing/TMyPage.h"
#include <QPoint>
#include <map>

// Orders page positions row by row, each row left to right: the order pages are printed in.
struct PageOrder
{
    bool operator()(const QPoint& a, const QPoint& b) const
    {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    }
};

// The page table: page position (x = page column, y = page row, both from 0) to its page.
// Iterating it walks the pages in printing order; positions without a page are gaps.
using TPageMap = std::map<QPoint, TMyPage, PageOrder>;
