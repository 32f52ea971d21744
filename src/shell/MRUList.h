#pragma once
#include <QStringList>

// The recently used files, newest first. Inserting first drops names from the end while more
// than ten are kept, then moves an existing name (compared without regard to case) to the front,
// so the list holds at most eleven names.
class MRUList
{
public:
    // True when the list changed (the "Reopen ..." menu is rebuilt then).
    bool insert(const QString& fileName);
    void assign(const QStringList& files) { m_files = files; }

    const QStringList& files() const { return m_files; }
    QString first() const { return m_files.value(0); }
    bool isEmpty() const { return m_files.isEmpty(); }
    int size() const { return int(m_files.size()); }

    // Menu caption of an entry: its 1-based position, " - " and the file name.
    QString caption(int index) const;

    // Starting folder of the open and save dialogs: the folder of the newest entry, or the
    // given fallback when the list is empty.
    QString startFolder(const QString& fallback) const;

private:
    QStringList m_files;
};
