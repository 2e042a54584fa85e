#include "editor/SpaceKeyGesture.h"

void SpaceKeyGesture::Press(long long nowMs) {
    m_held = true;
    m_dragged = false;
    m_pressedAt = nowMs;
}

bool SpaceKeyGesture::Release(long long nowMs) {
    const bool tap = m_held && !m_dragged && nowMs - m_pressedAt <= kTapMs;
    m_held = false;
    m_dragged = false;
    return tap;
}
