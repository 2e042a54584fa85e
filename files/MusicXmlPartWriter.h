#pragma once

#include <string>

#include "files/MusicXmlRhythm.h"

class ChordBar;
class Note;
class NoteBar;
class NoteChord;
class Song;
class Track;
class XmlOutput;
class MusicXmlBeams;

// Writes one track of a song as a MusicXML <part>: one measure per bar, the
// clef, key and time in the first, then every chord of every bar in step
// order as notes and rests (pitch spelled as written, duration, type, dots,
// triplet marks, ties, beams as drawn, accidentals as drawn), the dynamic
// marks as directions and accents as articulations, and the lyric line with
// its syllables joined where a syllable ends in "-". Given the chord track,
// it also writes the chords as <harmony> elements at their beats. A track
// without note bars (the chord track alone) is written as measure rests.
// Reads the song, never changes it.
class MusicXmlPartWriter {
public:
    // What the part is called in the part list and how its notes name
    // their instrument.
    struct Ids {
        std::string part;        // "P1"
        std::string instrument;  // "P1-I1"
    };

    MusicXmlPartWriter(XmlOutput& out, const Song& song, const Track& track, Ids ids);

    // The chord track whose chords this part carries above its notes.
    void CarryHarmonies(const Track* chordTrack) { m_chordTrack = chordTrack; }
    // Whether the first measure also gives the tempo.
    void GiveTempo(bool give) { m_giveTempo = give; }

    void Write();

private:
    void WriteMeasure(int index);
    void WriteAttributes();
    void WriteClef();
    void WriteTempo();
    void WriteRestMeasure();
    void WriteBar(const NoteBar& bar);
    void WriteChord(const NoteBar& bar, const NoteChord& chord, const MusicXmlBeams& beams);
    void WriteNote(const NoteBar& bar, const NoteChord& chord, int index,
                   const MusicXmlBeams& beams);
    void WritePitch(const NoteBar& bar, const Note& note);
    void WriteNotations(const NoteBar& bar, const NoteChord& chord, const Note& note, bool first,
                        const MusicXmlRhythm::Rhythm& rhythm);
    void WriteMarks(const NoteBar& bar, int step);
    void WriteLyric(const NoteBar& bar, int step);
    // The harmonies of the chord track's bar that fall in [first, end),
    // placed relative to first.
    void WriteHarmonies(int barIndex, int first, int end);
    void WriteHarmony(const std::string& name, int offset);
    void WriteDirection(const char* dynamics, const char* words);
    void WriteFinalBarline();

    XmlOutput& m_out;
    const Song& m_song;
    const Track& m_track;
    Ids m_ids;
    const Track* m_chordTrack = nullptr;
    bool m_giveTempo = false;
    int m_measure = 0;
    // The last syllable ended in "-": the next one continues its word.
    bool m_wordOpen = false;
};
