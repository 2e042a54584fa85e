#pragma once

#include <deque>
#include <memory>
#include <string>

#include "editor/UndoElem.h"
#include "model/Subject.h"

// The undo history: up to four recorded states of the song, oldest first,
// and the index of the one that equals the document's song. A state is what
// the song's Snapshot gives (a flat SongRecord, cheap to make and to drop).
// Observers hear aspect 0 for every recorded edit (not for a song's base
// entry, tagged "Init"). One instance per process; user-interface thread only.
class UndoManager : public Subject {
public:
    static constexpr int kLimit = 4;
    static constexpr const char* kInitTag = "Init";

    static UndoManager& Instance();
    UndoManager() = default;

    const char* GetClassName() const override { return "UndoManager"; }

    // Records the source's state as the new current entry, dropping the redo
    // branch and the oldest entries beyond the limit.
    void Record(const Undoable& source, const std::string& name, const std::string& tag);
    // Step back or forward; the snapshot stays owned by its entry. Callers
    // check CanUndo / CanRedo first; out of range they answer null.
    const Undoable* Undo();
    const Undoable* Redo();
    const Undoable* Current() const;
    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current < static_cast<int>(m_entries.size()) - 1; }
    void Clear();

    int CurrentIndex() const { return m_current; }
    int Count() const { return static_cast<int>(m_entries.size()); }
    const std::string& NameAt(int index) const {
        return m_entries.at(static_cast<size_t>(index)).name;
    }

private:
    std::deque<UndoElem> m_entries;
    int m_current = -1;
};
