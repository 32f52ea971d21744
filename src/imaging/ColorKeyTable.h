#pragma once
#include <QtGlobal>
#include <algorithm>
#include <bit>
#include <cstddef>
#include <vector>

// A map from 32-bit colour values (or keys made of them) to small values, for loops that meet
// millions of pixels but a few hundred distinct colours: open addressing over a power-of-two
// table that stays in the processor's cache, each slot holding key and value side by side, so
// that a look-up is usually one memory access. The table grows at half full; with a bound on
// its slots it stops taking keys there instead.
//
// `empty` marks a free slot and is never stored as a key.
template <typename Value>
class ColorKeyTable
{
    struct Slot
    {
        quint32 key;
        Value value;
    };

public:
    static constexpr size_t kUnbounded = size_t(1) << 31;

    // `expected`: about how many keys will be stored; `maxSlots` (a power of two) bounds memory.
    explicit ColorKeyTable(quint32 empty, size_t expected = 16, size_t maxSlots = kUnbounded)
        : m_empty(empty), m_maxSlots(maxSlots)
    {
        resize(std::min(maxSlots, std::bit_ceil(std::max<size_t>(16, 2 * expected))));
    }

    // A read-only look at the table for a hot loop: plain values the compiler keeps in
    // registers even while the loop writes through other pointers. Valid until the next insert.
    struct View
    {
        const Slot* slots;
        size_t mask;
        int shift;
        quint32 empty;

        // The value of `key`, or null.
        const Value* find(quint32 key) const
        {
            for (size_t i = slotOf(key, shift);; i = (i + 1) & mask) {
                const Slot& s = slots[i];
                if (s.key == key)
                    return &s.value;
                if (s.key == empty)
                    return nullptr;
            }
        }
    };
    View view() const { return {m_slots.data(), m_mask, m_shift, m_empty}; }

    const Value* find(quint32 key) const { return view().find(key); }

    // The value of `key`, added as Value{} when it is new; null when the table is at its bound.
    Value* insert(quint32 key)
    {
        for (;;) {
            size_t i = slotOf(key, m_shift);
            while (m_slots[i].key != key && m_slots[i].key != m_empty)
                i = (i + 1) & m_mask;
            if (m_slots[i].key == key)
                return &m_slots[i].value;
            if (2 * (m_count + 1) <= m_slots.size()) {
                ++m_count;
                m_slots[i] = {key, Value{}};
                return &m_slots[i].value;
            }
            if (m_slots.size() * 2 > m_maxSlots)
                return nullptr;
            grow();
        }
    }

    size_t size() const { return m_count; }

    // Calls f(key, value) for every stored key, in no particular order.
    template <typename F>
    void forEach(F f) const
    {
        for (const Slot& s : m_slots) {
            if (s.key != m_empty)
                f(s.key, s.value);
        }
    }

private:
    static size_t slotOf(quint32 key, int shift) { return size_t(quint32(key * 0x9E3779B1u) >> shift); }

    void resize(size_t capacity)
    {
        m_slots.assign(capacity, Slot{m_empty, Value{}});
        m_mask = capacity - 1;
        m_shift = 32 - std::countr_zero(capacity);
        m_count = 0;
    }

    void grow()
    {
        const std::vector<Slot> old = std::move(m_slots);
        resize(old.size() * 2);
        for (const Slot& s : old) {
            if (s.key != m_empty)
                *insert(s.key) = s.value;
        }
    }

    quint32 m_empty;
    size_t m_maxSlots;
    std::vector<Slot> m_slots;
    size_t m_mask = 0;
    int m_shift = 0;
    size_t m_count = 0;
};
