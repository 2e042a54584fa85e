#pragma once

#include <map>
#include <memory>
#include <vector>

#include "model/Bar.h"
#include "model/LyricText.h"
#include "model/NoteChord.h"

// A bar that holds notes and rests on a grid of one slot per step. A chord
// sits in the slot of its first step and covers its length; after every edit
// the chords cover the bar from step 0 to the end without gap or overlap.
// Also keeps one lyric per chord step while lyrics are shown, and dynamic
// marks per step.
class NoteBar : public Bar {
public:
    enum Clef { TrebleClef = 0, BassClef = 1, PercussionClef = 2 };

    NoteBar(Track* track, int index, const Box& box);
    NoteBar(const NoteBar& other);
    NoteBar& operator=(const NoteBar&) = delete;

    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override;
    // Itself, then step by step the step's chord and lyric.
    void Attach(Observer* observer, int aspect) override;

    void PlaceNotes(const Box& box) override;
    void ClearContent() override;

    // 0 treble, 1 bass, 2 percussion: the clef stored in the bar's notes.
    virtual int NoteClefCode() const = 0;

    NoteChord* GetChordAt(int step) const;
    const std::vector<std::unique_ptr<NoteChord>>& GetGrid() const { return m_grid; }
    const std::map<int, std::unique_ptr<LyricText>>& GetLyrics() const { return m_lyrics; }
    const std::multimap<int, int>& GetMarks() const { return m_marks; }
    bool IsLyricShown() const { return !m_lyrics.empty(); }

protected:
    std::vector<std::unique_ptr<NoteChord>>& Grid() { return m_grid; }
    std::map<int, std::unique_ptr<LyricText>>& Lyrics() { return m_lyrics; }
    std::multimap<int, int>& Marks() { return m_marks; }
    // Puts a new whole-bar rest at step 0 of an empty grid.
    void PutWholeBarRest();
    // A new empty lyric under the chord at the step, joined to the bar's observers.
    std::unique_ptr<LyricText> MakeLyric(int step);

private:
    std::vector<std::unique_ptr<NoteChord>> m_grid;
    std::map<int, std::unique_ptr<LyricText>> m_lyrics;
    std::multimap<int, int> m_marks;
};
