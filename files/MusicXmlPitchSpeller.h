#pragma once

class Note;
class NoteBar;

// How a note of a melodic bar is written in MusicXML: its letter as written
// in the score, the alteration it sounds with (the key signature, the last
// accidental of its letter and octave earlier in the bar, or the accidental
// its tie carries over the bar line) and the accidental drawn beside it, if
// any. The octave counts as MusicXML does, middle C in octave 4.
class MusicXmlPitchSpeller {
public:
    struct Spelling {
        char step = 'C';
        int alter = 0;
        int octave = 4;
        const char* accidental = nullptr;  // the drawn sign; null when none is drawn
    };

    // The note must be a pitched note (not a rest) of the bar.
    static Spelling Spell(const NoteBar& bar, const Note& note);
    // The MusicXML name of a written accidental code; null for none written.
    static const char* AccidentalName(int accidental);
};
