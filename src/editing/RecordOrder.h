#pragma once
#include <QtGlobal>

// The history's protocol, checked in debug builds: a record is made with its change in the
// design, and Undo and Execute then alternate. A record that is undone twice would find the
// design in a state it never left and write its values into the wrong places.
class RecordOrder
{
public:
    void undoing()
    {
        Q_ASSERT(m_applied);
        m_applied = false;
    }
    void executing()
    {
        Q_ASSERT(!m_applied);
        m_applied = true;
    }

private:
    bool m_applied = true;
};
