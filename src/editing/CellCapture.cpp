#include "editing/CellCapture.h"

bool CellCapture::record(const QPoint& p, quint32 value)
{
    const quint64 k = key(p);
    if (m_values.contains(k))
        return false;
    m_values.insert(k, value);
    return true;
}

std::optional<quint32> CellCapture::value(const QPoint& p) const
{
    const auto it = m_values.constFind(key(p));
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

CellValues CellCapture::frozen() const
{
    std::vector<CellValues::Entry> entries;
    entries.reserve(size_t(m_values.size()));
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it)
        entries.push_back({qint32(quint32(it.key())), qint32(quint32(it.key() >> 32)), it.value()});
    return CellValues(std::move(entries));
}
