#pragma once

#include "model/NoteBar.h"

// A bar of a treble or bass track: notes with pitches on a five-line staff.
// It maps the 18 staff positions the mouse can reach to letters and octaves,
// applies the song's key signature and the accidentals written in the bar,
// and rewrites its notes for a new key, a diatonic shift or a transposition.
// Key alterations are worked out from the song's key signature on demand, so
// nothing about the key is cached in the bar.
class MelodicBar : public NoteBar {
public:
    static constexpr int kNumStaffPositions = 18;

    MelodicBar(Track* track, int index, const Box& box, bool isBass);
    MelodicBar(const MelodicBar&) = default;

    const char* GetClassName() const override { return "MelodicBar"; }
    std::unique_ptr<SelObject> Clone() const override;
    int NoteClefCode() const override { return m_clef; }

    // Moves every note by the letter distance between the two keys' tonics
    // (up or down as asked) and respells written accidentals for the new key.
    // False, with nothing changed, when a note would need more than a double
    // sharp or flat, or the key is outside -6 to +6.
    bool ChangeKey(int newKey, bool upward) override;
    // Octave x 12 + letter + the alteration in force at the note's step: the
    // key signature, then each accidental written on that letter and octave
    // earlier in the bar (a tied continuation takes the tie's accidental).
    int MidiKeyOf(const Note& note) const override;
    Placement PlaceNote(const Note& note) const override;
    // Positions 0 to 17 from the bottom, 10 units apart; a point off them (or
    // off the bar) is outside and gives the nearer end position.
    Pitch PitchAt(int x, int y, const PencilSettings& pencil) const override;
    // Five lines, on staff positions 5 to 13.
    void DrawStaffLines(DeviceContext& dc, bool header) const override;
    // The clef, the song's key signature and the time signature.
    void DrawHeader(DeviceContext& dc) const override;

    bool IsBass() const { return m_clef == BassClef; }
    char StaffLetter(int position) const;
    int StaffOctave(int position) const;
    // The staff position of a note's letter and octave (0 is the lowest
    // editable position; lines are at 5, 7, 9, 11 and 13).
    int StaffPositionOf(const Note& note) const;
    // What the song's key signature writes on the letter.
    int KeyAccidentalOf(char letter) const;

    // Moves every note by diatonic steps, keeping octaves within 0 to 10.
    void ShiftSteps(int steps);
    // Moves the notes of the steps by semitones, spelled with sharps and
    // always written out. A note that would fall below key 0 falls silent: it
    // leaves its chord, and a chord left without notes becomes a rest.
    void TransposeSemitones(int semitones, int firstStep, int lastStep);

    // Moves a letter and octave by diatonic steps (B to C raises the octave).
    static void MoveDiatonic(char& letter, int& octave, int steps);

    // A drag of a written note: gives it the letter and octave of the staff
    // position at the height y (the positions PitchAt reads, whatever x), no
    // written accidental and no ties, and repaints the bar; it notifies
    // nothing, as the drag is recorded when it ends. False, with nothing
    // changed, for a rest, a note of another bar, a height off the staff, or
    // a position the note or another note of its chord already takes.
    bool MoveNoteToStaffPoint(Note& note, int y);

private:
    // The staff position whose band holds the height; off the staff it lies
    // outside 0 to 17.
    int PositionAtHeight(int y) const;
    bool IsOwnNote(const Note& note) const;
    // Cuts the note's ties on both sides and repaints the bars they reached.
    void UntieForMove(Note& note);
    // Lets the track respell the tie accidentals of the letter and octave.
    void RefreshTieAccidentals(char letter, int octave);
    // The diatonic number (7 x octave + rank) of staff position 0.
    int BottomDiatonic() const;
    void DrawKeySignature(DeviceContext& dc) const;

    int m_clef;
};
