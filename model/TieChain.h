#pragma once

class Note;
class NoteBar;

// How ties link notes. A tie joins a note to the note of the same letter and
// octave in the chord that follows it: in the same bar or, across the bar
// line, in the first chord of the track's next bar. A chain runs from a
// start (mode 1) through middles (2) to an end (3). These functions walk,
// cut and mend chains; they never cross into a bar that is not in its
// track's list of bars (a bar being built, or a copy).
class TieChain {
public:
    // The note a tie from this note would reach, or null.
    static Note* Next(const Note& note);
    // The note a tie into this note would come from, or null.
    static Note* Previous(const Note& note);
    // The start of the chain through the note (the note itself when untied).
    static Note* First(Note& note);
    // The end of the chain through the note (the note itself when untied).
    static Note* Last(Note& note);
    // Cuts the ties between the note and its neighbours on the chosen sides;
    // the note's own mode is left to the caller.
    static void Cut(Note& note, bool before, bool after);
    // The accidental a tie carries: the one in force on the chain's first
    // note, looked up backwards in its bar, else the key signature's.
    static int TieAccidental(const Note& note);

    // The first tied note of each pitch in the bar stops continuing a tie.
    static void CutAtStart(NoteBar& bar);
    // The last tied note of each pitch in the bar stops starting a tie.
    static void CutAtEnd(NoteBar& bar);
    // Unties notes whose partner inside the bar is missing; ties across the
    // bar lines are left alone.
    static void MendWithin(NoteBar& bar);

    static NoteBar* BarOf(const Note& note);
};
