#pragma once

// An item a tool took out of one of the design's lists, with its position in the list at the
// moment it was removed. Undo puts the item itself back at that position, so the list returns
// exactly to what it was, Index fields included.
template <typename T>
struct RemovedItem
{
    int position = 0;
    T item;
};
