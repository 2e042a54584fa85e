#include "editor/SongHistory.h"

#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Song.h"

bool SongHistory::Undo(std::unique_ptr<Song>& song) {
    return Restore(song, Move::Back);
}

bool SongHistory::Redo(std::unique_ptr<Song>& song) {
    return Restore(song, Move::Forward);
}

bool SongHistory::Revert(std::unique_ptr<Song>& song) {
    return Restore(song, Move::Stay);
}

bool SongHistory::Restore(std::unique_ptr<Song>& song, Move move) {
    const bool possible = move == Move::Back      ? m_history.CanUndo()
                          : move == Move::Forward ? m_history.CanRedo()
                                                  : m_history.Current() != nullptr;
    if (!possible) {
        return false;
    }
    // The selection points into the song that is about to go.
    ToolsManager::Instance().ClearSelection(true);
    const Undoable* snapshot = move == Move::Back      ? m_history.Undo()
                               : move == Move::Forward ? m_history.Redo()
                                                       : m_history.Current();
    auto restored = Song::CopyOf(*snapshot);
    if (!restored) {
        return false;
    }
    song = std::move(restored);
    song->ApplyTrackSoundSettings();
    song->Relayout();
    return true;
}
