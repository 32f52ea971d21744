#include "conversion/JobProgress.h"
#include <algorithm>

void JobProgress::begin(int steps)
{
    m_value = 0;
    m_maximum = std::max(1, steps);
}

bool JobProgress::advance()
{
    m_value = std::min(m_maximum.load(), m_value + 1);
    return !m_cancelled;
}
