#pragma once

#include <map>
#include <memory>

#include "model/LyricText.h"

class NoteBar;

// The syllables under a note bar: one LyricText per chord step while lyrics
// are shown, none while they are hidden (so an empty line means hidden).
// Owns its texts; their parent is the bar.
class LyricLine {
public:
    using Entries = std::map<int, std::unique_ptr<LyricText>>;

    LyricLine() = default;
    // Clones every text for the bar that owns the copy.
    LyricLine(const LyricLine& other, SelObject* bar);
    LyricLine(const LyricLine&) = delete;
    LyricLine& operator=(const LyricLine&) = delete;

    bool IsShown() const { return !m_entries.empty(); }
    const Entries& GetEntries() const { return m_entries; }
    LyricText* At(int step) const;

    void Clear() { m_entries.clear(); }
    // Deletes the texts of the step and every later one.
    void EraseFrom(int step);
    // A new empty text under the step's chord, observed like the bar; it
    // replaces any text the step had.
    LyricText& Add(NoteBar& bar, int step);
    // Puts a text rebuilt from an undo record under the step, as it was,
    // replacing any text the step had.
    void Put(int step, std::unique_ptr<LyricText> lyric) { m_entries[step] = std::move(lyric); }
    // Brings the line in line with the bar's chords: the text of a step that
    // no longer starts a chord is appended to the nearest earlier text, every
    // chord step gets a text, and all are placed under their notes.
    void Sync(NoteBar& bar);
    // Moves every text under its step's first note.
    void Place(const NoteBar& bar);

    // Where the text of a step stands: under the chord's first note head,
    // 190 below the bar's top (110 on a drum staff), 60 high.
    static Box BoxUnder(const NoteBar& bar, int step);

private:
    Entries m_entries;
};
