#include "shell/forms/CaptionTable.h"

void CaptionTable::add(const QString& key, Setter setter, const QString& suffix)
{
    m_rows.append({key, suffix, std::move(setter)});
}

void CaptionTable::apply(const Translate& translate) const
{
    for (const Row& row : m_rows)
        row.setter(translate(row.key) + row.suffix);
}
