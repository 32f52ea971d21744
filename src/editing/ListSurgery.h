#pragma once
#include "editing/RemovedItem.h"
#include <QList>
#include <vector>

// Many items taken out of a list, or put back, in one pass: k removals from n items cost n, not
// k x n / 2 as one removeAt after another would.
namespace ListSurgery {
// Takes out the items at the recorded positions (positions of the list as it is, each once).
template <typename T>
void remove(QList<T>& list, const QList<RemovedItem<T>>& removed)
{
    std::vector<bool> gone(size_t(list.size()), false);
    for (const RemovedItem<T>& r : removed)
        gone[size_t(r.position)] = true;
    QList<T> kept;
    kept.reserve(list.size() - removed.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!gone[size_t(i)])
            kept.append(std::move(list[i]));
    }
    list = std::move(kept);
}

// Puts the items back where `remove` took them from, so the list is again what it was.
// `removed` lists the positions from the last to the first, as the records keep them.
template <typename T>
void restore(QList<T>& list, const QList<RemovedItem<T>>& removed)
{
    const qsizetype total = list.size() + removed.size();
    QList<T> merged;
    merged.reserve(total);
    auto next = removed.crbegin();
    qsizetype kept = 0;
    for (qsizetype position = 0; position < total; ++position) {
        if (next != removed.crend() && next->position == position) {
            merged.append(next->item);
            ++next;
        } else {
            merged.append(std::move(list[kept++]));
        }
    }
    list = std::move(merged);
}
} // namespace ListSurgery
