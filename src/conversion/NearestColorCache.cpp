#include "conversion/NearestColorCache.h"
#include <algorithm>

namespace {
constexpr TColorRef kEmpty = 0xFFFFFFFFu; // never a thread colour: its top byte is not zero
constexpr size_t kMaxSlots = size_t(1) << 21;
} // namespace

NearestColorCache::NearestColorCache(const TColorTable& table, int expected) : m_search(table)
{
    size_t slots = 64;
    while (slots < kMaxSlots && slots < size_t(std::max(expected, 1)) * 2)
        slots *= 2;
    m_keys.assign(slots, kEmpty);
    m_values.assign(slots, 0);
    m_mask = slots - 1;
}

TColorRef NearestColorCache::find(TColorRef c)
{
    size_t slot = ((c * 0x9E3779B1u) >> 8) & m_mask;
    while (m_keys[slot] != kEmpty) {
        if (m_keys[slot] == c)
            return m_values[slot];
        slot = (slot + 1) & m_mask;
    }
    const TColorRef result = m_search.find(c);
    // Half full at most, so that probes stay short; beyond that colours are searched afresh.
    if (m_stored * 2 < m_keys.size()) {
        m_keys[slot] = c;
        m_values[slot] = result;
        ++m_stored;
    }
    return result;
}
