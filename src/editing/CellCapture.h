#pragma once
#include "editing/CellValues.h"
#include <QHash>
#include <QPoint>
#include <optional>

// The value each position had before a gesture first touched it. A tool records a position
// before it writes there; the first touch wins and later touches change nothing, so undoing
// the gesture returns every position to its state from before the gesture, however often the
// gesture crossed it. At release the tool hands the capture to a history factory, which keeps
// a frozen copy (CellValues); the tool clears its own for the next gesture.
class CellCapture
{
public:
    // Records `value` for p unless p is already recorded; true when it was recorded now.
    bool record(const QPoint& p, quint32 value);
    bool contains(const QPoint& p) const { return m_values.contains(key(p)); }
    std::optional<quint32> value(const QPoint& p) const;
    bool remove(const QPoint& p) { return m_values.remove(key(p)); }
    void clear() { m_values.clear(); }

    int size() const { return int(m_values.size()); }
    bool isEmpty() const { return m_values.isEmpty(); }

    CellValues frozen() const;

private:
    static quint64 key(const QPoint& p) { return (quint64(quint32(p.y())) << 32) | quint32(p.x()); }

    QHash<quint64, quint32> m_values;
};
