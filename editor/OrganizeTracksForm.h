#pragma once

#include <string>
#include <vector>

class Prompt;
class Song;
class UndoManager;

// The "Organize Tracks" dialog: moves the chosen track up or down one place
// at a time, on the song itself, keeping the accompaniment track on top. The
// moves are one edit: Finish records it when the dialog closes.
class OrganizeTracksForm {
public:
    explicit OrganizeTracksForm(Song& song);

    // "instrument or style - title" of every track, in the song's order as it
    // now stands.
    const std::vector<std::string>& Items() const { return m_items; }
    // The chosen item; -1 for none.
    int Chosen() const { return m_chosen; }
    void Choose(int item) { m_chosen = item; }

    // Each swaps the chosen track with its neighbour, keeps it chosen and lays
    // the song out again; true when it moved. Without a choice, or when the
    // move would put a track above the accompaniment track, a message says
    // why; moving the first track up or the last down does nothing.
    bool MoveUp(Prompt& prompt);
    bool MoveDown(Prompt& prompt);

    // Whether any track has moved since the form opened.
    bool Changed() const { return m_changed; }
    // When the dialog closes: records "Organize Tracks" for the moves not yet
    // recorded, and answers whether any track has moved.
    bool Finish(UndoManager& history);

private:
    bool Move(int from, int to, Prompt& prompt);
    void Refill();

    Song& m_song;
    std::vector<std::string> m_items;
    int m_chosen;
    bool m_changed = false;
    bool m_unrecorded = false;
};
