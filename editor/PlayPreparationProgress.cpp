#include "editor/PlayPreparationProgress.h"

bool PlayPreparationProgress::Tick(bool preparing) {
    if (!preparing) {
        return false;
    }
    m_position = m_position >= kMaximum ? 0 : m_position + kStep;
    return true;
}
