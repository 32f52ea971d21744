#pragma once
#include <QPoint>
#include <QtGlobal>
#include <vector>

// The frozen form of a cell map that an undo record keeps: positions with one 32-bit value
// each, sorted row by row, 12 bytes per entry and nothing else. Values are in the stitch
// primitives' terms: a thread colour value, or the background value for an empty cell.
class CellValues
{
public:
    struct Entry
    {
        qint32 x;
        qint32 y;
        quint32 value;

        QPoint pos() const { return QPoint(x, y); }
        bool operator==(const Entry&) const = default;
    };
    using const_iterator = std::vector<Entry>::const_iterator;

    CellValues() = default;
    // Takes the entries in any order; a position must occur once.
    explicit CellValues(std::vector<Entry> entries);

    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    bool contains(const QPoint& p) const;
    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }

    long long heldBytes() const { return (long long)(m_entries.capacity() * sizeof(Entry)); }

private:
    std::vector<Entry> m_entries;
};
