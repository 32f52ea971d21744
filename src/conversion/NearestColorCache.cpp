#include "conversion/NearestColorCache.h"

namespace {
constexpr TColorRef kEmpty = 0xFFFFFFFFu; // never a thread colour: its top byte is not zero
constexpr size_t kMaxSlots = size_t(1) << 21;
} // namespace

NearestColorCache::NearestColorCache(const TColorTable& table, int expected)
    : m_search(table), m_answers(kEmpty, size_t(std::max(expected, 1)), kMaxSlots)
{
}

TColorRef NearestColorCache::find(TColorRef c)
{
    if (const TColorRef* known = m_answers.find(c))
        return *known;
    const TColorRef result = m_search.find(c);
    // Past its bound the table takes no more colours; those are searched afresh each time.
    if (TColorRef* slot = m_answers.insert(c))
        *slot = result;
    return result;
}
