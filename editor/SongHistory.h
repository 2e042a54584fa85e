#pragma once

#include <memory>

class Song;
class UndoManager;

// Undo, redo and revert as the document performs them: the document's song
// is replaced by a song made anew from a recorded state (the record itself
// never changes, so the same entry can be restored again), the new song's
// instruments and volumes go to the sound engine and the score is laid out
// again. The caller then tells its observers that it holds another song.
class SongHistory {
public:
    explicit SongHistory(UndoManager& history) : m_history(history) {}

    // Each answers false and leaves the song alone when there is nothing to restore.
    bool Undo(std::unique_ptr<Song>& song);
    bool Redo(std::unique_ptr<Song>& song);
    // Back to the last recorded state without moving in the history; used when
    // a command fails half-way.
    bool Revert(std::unique_ptr<Song>& song);

private:
    enum class Move { Back, Forward, Stay };
    bool Restore(std::unique_ptr<Song>& song, Move move);

    UndoManager& m_history;
};
