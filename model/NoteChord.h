#pragma once

#include <memory>
#include <vector>

#include "model/Note.h"
#include "model/SelObject.h"

// The notes of a bar that start at the same step and last equally long; a
// rest is a chord of one rest note. Owns its notes. What a bar needs to know
// (step, length, triplet, rest) it reads from the first note.
class NoteChord : public SelObject {
public:
    // The stem of a chord drawn on its own: the note that carries it (null
    // for a rest), its direction and length.
    struct StemPlan {
        Note* note = nullptr;
        bool down = false;
        int length = 0;
    };

    explicit NoteChord(SelObject* bar);
    NoteChord(SelObject* bar, std::unique_ptr<Note> first);
    NoteChord(const NoteChord& other);
    NoteChord& operator=(const NoteChord&) = delete;

    const char* GetClassName() const override { return "NoteChord"; }
    std::unique_ptr<SelObject> Clone() const override;
    SelObject* HitTest(int x, int y) override;
    // A chord is never repainted as a whole; its notes are.
    Rect GetBoundingRect() const override { return {}; }

    // Takes ownership and becomes the note's parent.
    Note* AddNote(std::unique_ptr<Note> note);
    // Stores every note in order.
    void Serialize(Archive& archive);
    // Deletes the note; false when it is not in this chord.
    bool RemoveNote(const Note* note);
    // The first note becomes a rest; every other note is deleted.
    void MakeRest();

    int GetNoteCount() const { return static_cast<int>(m_notes.size()); }
    Note* GetNote(int i) const;
    Note* First() const { return m_notes.empty() ? nullptr : m_notes.front().get(); }

    // -1 for a chord without notes.
    int GetStep() const;
    bool IsTriplet() const;
    int GetTripletLength() const;
    bool IsDotted() const;
    // These need a note.
    int GetLength() const { return First()->GetLength(); }
    int GetEndStep() const { return First()->GetEndStep(); }
    bool IsRest() const { return First()->IsRest(); }
    bool IsWholeBarRest() const { return First()->IsWholeBarRest(); }
    double GetTimeValue(bool round) const { return First()->GetTimeValue(round); }

    bool HasTie() const;
    bool HasPitch(int octave, char letter) const;
    // The chord's note of this octave and letter, or null.
    Note* FindPitch(int octave, char letter) const;

    void SetStep(int step);
    void SetTripletLength(int length);
    void SetClef(int clef);
    void SetLengthRaw(int length);

    // Highest and lowest on screen (smallest and largest note-head y).
    Note* GetHighestNote() const;
    Note* GetLowestNote() const;

    // The stem as the staff positions of the notes decide: down for mostly
    // high notes, carried by the head farthest from the stem's tip, long
    // enough to span the chord and reach the staff's middle line.
    StemPlan PlanStem() const;
    // Draws every note in the score font; with stems, the stem note carries
    // the stem, its flag and the step's accent.
    void DrawChord(DeviceContext& dc, bool withStems, bool noAccent);
    // Draws every note with the planned stem (none without a stem note) in
    // the current font and pen, for callers that planned the stem already.
    void DrawPlanned(DeviceContext& dc, const StemPlan& stem, bool noAccent);
    // The point the bar placed a note at (its glyph's reference), read back
    // from the note's box.
    static Point PlacedAt(const Note& note);

private:
    std::vector<std::unique_ptr<Note>> m_notes;
};
