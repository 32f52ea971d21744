#include "preview/BackImageCache.h"

BackImageCache::BackImageCache(qint64 maxBytes)
    : m_maxBytes(maxBytes)
{
}

qint64 BackImageCache::bytesOf(const TRotateRec& rec)
{
    return qint64(rec.imagerotated.width()) * rec.imagerotated.height() * 4;
}

const TRotateRec* BackImageCache::find(const TBackRec& key)
{
    const auto found = m_index.constFind(key);
    if (found == m_index.constEnd())
        return nullptr;
    m_entries.splice(m_entries.begin(), m_entries, *found);
    return &m_entries.front().second;
}

const TRotateRec& BackImageCache::insert(const TBackRec& key, TRotateRec rec)
{
    if (const auto found = m_index.constFind(key); found != m_index.constEnd()) {
        m_bytes -= bytesOf((*found)->second);
        m_entries.erase(*found);
    }
    m_bytes += bytesOf(rec);
    m_entries.emplace_front(key, std::move(rec));
    m_index.insert(key, m_entries.begin());
    while (m_bytes > m_maxBytes && m_entries.size() > 1) {
        m_bytes -= bytesOf(m_entries.back().second);
        m_index.remove(m_entries.back().first);
        m_entries.pop_back();
    }
    return m_entries.front().second;
}

void BackImageCache::clear()
{
    m_entries.clear();
    m_index.clear();
    m_bytes = 0;
}
