#pragma once

#include <string>
#include <vector>

class Prompt;
class Song;
class UndoManager;

// The "Lyrics" dialog: a check list of the tracks that can carry a lyric
// line, checked where one is shown. OK shows and hides the lines to match,
// asking before it deletes a track's lyrics.
class LyricsForm {
public:
    explicit LyricsForm(Song& song);

    // "instrument or style - title" of every track but the accompaniment.
    const std::vector<std::string>& Items() const { return m_items; }
    bool IsChecked(int item) const;
    void SetChecked(int item, bool checked);

    // For each item in order: an unchecked track with lyrics asks "Are you
    // sure to delete track [item] ?" and loses them on Yes; a checked track
    // without gains them. Records "Lyric Settings" and answers true when
    // anything changed.
    bool Ok(Prompt& prompt, UndoManager& history) const;

private:
    Song& m_song;
    std::vector<std::string> m_items;
    std::vector<int> m_slots;
    std::vector<bool> m_checked;
};
