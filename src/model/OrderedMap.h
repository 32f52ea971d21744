#pragma once
// A map that iterates in insertion order. Colour tables and catalogues use it wherever a rule
// breaks ties by "the map's iteration order": palettes iterate in file order, so the same files
// always give the same design.
#include <QHash>
#include <QString>
#include <utility>
#include <vector>

template <typename K, typename V>
class OrderedMap
{
public:
    using Entry = std::pair<K, V>;
    using iterator = typename std::vector<Entry>::iterator;
    using const_iterator = typename std::vector<Entry>::const_iterator;

    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    bool contains(const K& key) const { return m_index.contains(key); }

    // Adds the key at the end, or replaces the value of a key already present (keeping its place).
    V& insert(const K& key, V value)
    {
        const auto it = m_index.constFind(key);
        if (it != m_index.constEnd()) {
            m_entries[size_t(*it)].second = std::move(value);
            return m_entries[size_t(*it)].second;
        }
        m_index.insert(key, int(m_entries.size()));
        m_entries.emplace_back(key, std::move(value));
        return m_entries.back().second;
    }

    V* find(const K& key)
    {
        const auto it = m_index.constFind(key);
        return it == m_index.constEnd() ? nullptr : &m_entries[size_t(*it)].second;
    }
    const V* find(const K& key) const
    {
        const auto it = m_index.constFind(key);
        return it == m_index.constEnd() ? nullptr : &m_entries[size_t(*it)].second;
    }

    // The value of key; the key must be present.
    V& at(const K& key) { return m_entries[size_t(m_index.value(key))].second; }
    const V& at(const K& key) const { return m_entries[size_t(m_index.value(key))].second; }

    // Position of a key in the order, or -1; entries are reached by position with entryAt.
    int indexOf(const K& key) const { return m_index.value(key, -1); }
    Entry& entryAt(int index) { return m_entries[size_t(index)]; }
    const Entry& entryAt(int index) const { return m_entries[size_t(index)]; }

    V value(const K& key, const V& fallback = V()) const
    {
        const V* v = find(key);
        return v ? *v : fallback;
    }

    // Removing is linear: it keeps the order of the rest.
    bool remove(const K& key)
    {
        const auto it = m_index.constFind(key);
        if (it == m_index.constEnd())
            return false;
        const int pos = *it;
        m_entries.erase(m_entries.begin() + pos);
        m_index.remove(key);
        for (auto i = m_index.begin(); i != m_index.end(); ++i) {
            if (*i > pos)
                --*i;
        }
        return true;
    }

    void clear()
    {
        m_entries.clear();
        m_index.clear();
    }

    std::vector<K> keys() const
    {
        std::vector<K> result;
        result.reserve(m_entries.size());
        for (const Entry& e : m_entries)
            result.push_back(e.first);
        return result;
    }

    iterator begin() { return m_entries.begin(); }
    iterator end() { return m_entries.end(); }
    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }

    bool operator==(const OrderedMap& other) const { return m_entries == other.m_entries; }

private:
    std::vector<Entry> m_entries;
    QHash<K, int> m_index;
};

// The wanted key when catalogued; otherwise the catalogued key first in ordinal (code-unit)
// order; empty for an empty catalogue. New designs fall back this way for palettes and sets.
template <typename V>
QString keyOrSmallest(const OrderedMap<QString, V>& catalogue, const QString& wanted)
{
    if (catalogue.contains(wanted) || catalogue.isEmpty())
        return catalogue.contains(wanted) ? wanted : QString();
    QString smallest = catalogue.begin()->first;
    for (const auto& entry : catalogue) {
        if (QString::compare(entry.first, smallest, Qt::CaseSensitive) < 0)
            smallest = entry.first;
    }
    return smallest;
}
