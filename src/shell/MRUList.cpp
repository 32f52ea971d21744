#include "shell/MRUList.h"
#include <QFileInfo>

bool MRUList::insert(const QString& fileName)
{
    while (m_files.size() > 10)
        m_files.removeLast();
    for (int i = 0; i < m_files.size(); ++i) {
        if (m_files[i].compare(fileName, Qt::CaseInsensitive) != 0)
            continue;
        if (i == 0)
            return false;
        m_files.removeAt(i);
        break;
    }
    m_files.prepend(fileName);
    return true;
}

QString MRUList::caption(int index) const
{
    return QString::number(index + 1) + QStringLiteral(" - ") + m_files.value(index);
}

QString MRUList::startFolder(const QString& fallback) const
{
    return m_files.isEmpty() ? fallback : QFileInfo(m_files.first()).absolutePath();
}
