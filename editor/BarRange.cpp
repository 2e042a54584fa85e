#include "editor/BarRange.h"

void BarRange::SetFirst(int index) {
    m_first = index;
    if (m_first > m_last) {
        m_last = m_first;
    }
}

void BarRange::SetLast(int index) {
    m_last = index;
    if (m_last < m_first) {
        m_first = m_last;
    }
}

bool BarRange::FitsIn(int numBars) const {
    return 0 <= m_first && m_first <= m_last && m_last < numBars;
}
