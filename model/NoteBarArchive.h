#pragma once

class Archive;
class NoteBar;

// Writes a note bar as a "Bar" element of the archive's current track, or
// reads it from the current one: each chord's notes in step order, with the
// step's lyric and first dynamic mark on the step's last element. Reading
// replaces the bar's content, keeps lyrics only while the bar shows them,
// and throws IOException (the "Read file error" text) for a missing bar, a
// note that does not fit the bar, or chords that do not cover it exactly
// with whole triplet groups. Lives for one call; a friend of NoteBar, whose
// chords, lyrics and marks it fills.
class NoteBarArchive {
public:
    explicit NoteBarArchive(NoteBar& bar) : m_bar(bar) {}

    // Stores or reads the bar as the archive is set; otherwise does nothing.
    void Serialize(Archive& archive);

private:
    void Store(Archive& archive) const;
    void Load(Archive& archive);
    void LoadElement(Archive& archive, bool lyricsShown);

    NoteBar& m_bar;
};
