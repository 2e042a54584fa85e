#include "editor/SelectorEditing.h"

#include <utility>
#include <vector>

#include "editor/SongMembers.h"
#include "editor/ToolsManager.h"
#include "model/FloatingCombo.h"
#include "model/ScoreWindow.h"

void SelectorEditing::Begin(FloatingCombo& combo) {
    m_combo = &combo;
    m_chosen = -1;
}

void SelectorEditing::Close(int item) {
    if (m_combo == nullptr) {
        return;
    }
    m_chosen = item;
    ToolsManager::Instance().ClearSelection(true);
}

bool SelectorEditing::MustCommit() const {
    const std::vector<SelObject*>& selection = ToolsManager::Instance().Selection();
    return m_combo != nullptr && (selection.empty() || selection.front() != m_combo);
}

bool SelectorEditing::Commit() {
    FloatingCombo* combo = std::exchange(m_combo, nullptr);
    const int item = std::exchange(m_chosen, -1);
    const Song* song = m_window.GetSong();
    if (combo == nullptr || song == nullptr || !SongMembers::Holds(*song, combo)) {
        return false;
    }
    if (item < 0 || item >= combo->ItemCount() || item == combo->GetIndex()) {
        return false;
    }
    combo->SetIndex(item, true);
    ToolsManager::Instance().AddDirtyRect(combo->GetBoundingRect());
    combo->Notify(10);
    combo->Notify(8);
    return true;
}
