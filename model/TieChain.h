#pragma once

class Note;
class NoteBar;
class Track;

// How ties link notes. A tie joins a note to the note of the same letter and
// octave in the chord that follows it: in the same bar or, across the bar
// line, in the first chord of the track's next bar. A chain runs from a
// start (mode 1) through middles (2) to an end (3). These functions walk,
// cut and mend chains; they never cross into a bar that is not in its
// track's list of bars (a bar being built, or a copy). The edits on a track
// (tying, erasing a tie, accidentals carried by ties) live here too, behind
// Track's methods of the same purpose; they refuse a note that is not in
// one of the track's bars.
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

    // Ties the note to the note of the same pitch in the next chord, which
    // may stand in the next bar. False, with nothing changed, when the note
    // is a rest, already ties forward, is not in the track, or the next
    // chord has no note of the same letter, octave and key number.
    static bool Add(Track& track, Note* note);
    // Cut, for a note of the track; other notes are left alone.
    static void CutInTrack(Track& track, Note* note, bool before, bool after);
    // Removes the tie that leaves the note; false unless the note starts or
    // continues a tie onwards. As a completed edit of its bar it notifies the
    // change; a command that records the edit under its own name does not.
    static bool Erase(Track& track, Note* note, bool completedEdit = true);
    // Writes the accidental on the note (on the first note of its tie, the
    // rest of the tie carrying it) and respells across the bar lines. False
    // on a percussion track, for a rest or an invalid code.
    static bool ApplyAccidental(Track& track, Note* note, int accidental);
    // After a change of the letter and octave's notes in the bar, writes out
    // the accidental a tie carries into a bar on the first later note of that
    // pitch where the tie ends, so the note is drawn as it sounds; looks at
    // the bar and the next one, and on while bars begin with such a tie.
    // Pitched tracks only.
    static void RefreshAccidentals(Track& track, int barIndex, char letter, int octave);
    // CutAtEnd and CutAtStart on the track's bar of that index, if it is a
    // note bar.
    static void CutAtEndOf(Track& track, int index);
    static void CutAtStartOf(Track& track, int index);

private:
    static NoteBar* NoteBarOf(const Track& track, int index);
    // The note's bar when it is one of the track's bars and holds the note.
    static NoteBar* HoldingBar(const Track& track, const Note& note);
    // Respells after a tie entering the bar; false when none enters.
    static bool RespellAfterTie(Track& track, int barIndex, char letter, int octave);
};
