#pragma once
#include "model/ColorDistance.h"
#include "imaging/ColorKeyTable.h"

// NearestColor over one fixed table for a pass that asks about the same colours again and
// again (dithering asks once per pixel): the answers of the exact search, remembered per colour.
class NearestColorCache
{
public:
    // `expected`: about how many different colours will be asked for; the memory is bounded.
    NearestColorCache(const TColorTable& table, int expected);

    TColorRef find(TColorRef c);

private:
    NearestColorSearch m_search;
    ColorKeyTable<TColorRef> m_answers;
};
