#include "editor/UndoManager.h"

UndoManager& UndoManager::Instance() {
    static UndoManager manager;
    return manager;
}

void UndoManager::Record(const Undoable& source, const std::string& name, const std::string& tag) {
    while (m_current < static_cast<int>(m_entries.size()) - 1) {
        m_entries.pop_back();
    }
    m_entries.push_back(UndoElem{source.Snapshot(), name, tag});
    ++m_current;
    while (static_cast<int>(m_entries.size()) > kLimit) {
        m_entries.pop_front();
        --m_current;
    }
    if (tag != kInitTag) {
        Notify(0);
    }
}

const Undoable* UndoManager::Undo() {
    if (!CanUndo()) {
        return nullptr;
    }
    --m_current;
    return Current();
}

const Undoable* UndoManager::Redo() {
    if (!CanRedo()) {
        return nullptr;
    }
    ++m_current;
    return Current();
}

const Undoable* UndoManager::Current() const {
    if (m_current < 0 || m_current >= static_cast<int>(m_entries.size())) {
        return nullptr;
    }
    return m_entries[static_cast<size_t>(m_current)].snapshot.get();
}

void UndoManager::Clear() {
    m_entries.clear();
    m_current = -1;
}
