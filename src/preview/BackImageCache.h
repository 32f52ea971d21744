#pragma once
#include "preview/TBackRec.h"
#include "preview/TRotateRec.h"
#include <QHash>
#include <list>

// The turned back-stitch images of one cell size, by TBackRec, so that equal stitches share
// one image. It holds at most `maxBytes` of pixels: inserting past that drops the images used
// longest ago (never the one just inserted). A record stays valid until the next insert.
class BackImageCache
{
public:
    static constexpr qint64 kDefaultBytes = qint64(64) << 20;

    explicit BackImageCache(qint64 maxBytes = kDefaultBytes);

    // The cached record, now the most recently used; null when there is none.
    const TRotateRec* find(const TBackRec& key);
    const TRotateRec& insert(const TBackRec& key, TRotateRec rec);
    void clear();

    qsizetype size() const { return m_entries.size(); }
    qint64 bytes() const { return m_bytes; }

private:
    using Entry = std::pair<TBackRec, TRotateRec>;
    static qint64 bytesOf(const TRotateRec& rec);

    qint64 m_maxBytes;
    qint64 m_bytes = 0;
    std::list<Entry> m_entries; // most recently used first
    QHash<TBackRec, std::list<Entry>::iterator> m_index;
};
