#pragma once

#include <string>
#include <vector>

class Prompt;
class Song;
class UndoManager;

// The "Delete Track" dialog: every track listed as "instrument or style -
// title"; the chosen one is deleted once the user confirms.
class DeleteTrackForm {
public:
    explicit DeleteTrackForm(Song& song);

    // One item per track, in track order.
    const std::vector<std::string>& Items() const { return m_items; }

    // Asks "Are you sure to delete [item] ?" with No as the default answer;
    // Yes deletes the track, records "Delete Track" and answers true (the
    // dialog closes with OK). False, with the song unchanged, on No or when
    // no item is chosen.
    bool Delete(int chosen, Prompt& prompt, UndoManager& history) const;

private:
    Song& m_song;
    std::vector<std::string> m_items;
    std::vector<int> m_slots;
};
