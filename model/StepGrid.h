#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "model/NoteChord.h"
#include "model/RestPlan.h"

class SelObject;

// The chords on a bar's steps, one slot per step, and the rules that keep
// them whole: a chord sits in the slot of its first step and covers its
// length; after every edit the chords cover the bar from step 0 to the end
// without gap or overlap; a triplet group is three equal members inside the
// group length, the first carrying that length. Steps an edit frees are
// written as rests as the bar's RestPlan says. Owns the chords (their parent
// is the bar); what only the bar knows comes with each edit as an
// EditContext. An edit the grid refuses changes nothing.
class StepGrid {
public:
    using Chords = std::vector<std::unique_ptr<NoteChord>>;
    // The bar's dynamic marks: a code by step.
    using Marks = std::multimap<int, int>;

    // The octave a rest is written with.
    static constexpr int kRestOctave = 5;

    // The steps a triplet group covers; start -1 when there is none.
    struct TripletGroup {
        int start = -1;
        int length = 0;
    };

    // A note to write at the step: letter 'S' for a rest, a pitch the bar
    // has checked and normalised.
    struct Entry {
        int step = 0;
        char letter = 'C';
        int octave = kRestOctave;
        int accidental = Note::NoAccidental;
        int value = 4;
        bool dotted = false;
        bool triplet = false;
    };

    // An entry the grid takes and how: the note's length in steps (the
    // whole group's for a new group), the group it joins, and how many rest
    // steps from its step it rewrites (0 when it joins a chord of notes).
    struct Insertion {
        Entry entry;
        int length = 0;
        bool newGroup = false;
        TripletGroup joined;
        int free = 0;
    };

    // What an edit needs of the bar: the parent of new chords (whose
    // observers they copy), the clef of new notes, what gives a note its
    // head box, and the marks, which leave with the chords they stand on.
    struct EditContext {
        SelObject& bar;
        int clef;
        std::function<void(Note&)> placeHead;
        Marks& marks;
    };

    // An empty grid; the bar puts its first rest in.
    StepGrid(int steps, const RestPlan& plan);
    // Copies every chord for the bar that owns the copy.
    StepGrid(const StepGrid& other, SelObject* bar);
    StepGrid(const StepGrid&) = delete;
    StepGrid& operator=(const StepGrid&) = delete;

    int Steps() const { return static_cast<int>(m_chords.size()); }
    const RestPlan& Plan() const { return m_plan; }
    const Chords& GetChords() const { return m_chords; }

    // The chord starting at the step, or null (also off the bar).
    NoteChord* At(int step) const;
    NoteChord* First() const;
    NoteChord* Last() const;
    // The next or previous chord, or null.
    NoteChord* After(const NoteChord& chord) const;
    NoteChord* Before(const NoteChord& chord) const;

    // Steps of rest from the step up to the next note, triplet group or the
    // bar's end (the group's end inside a group); 0 when the step holds no rest.
    int FreeLength(int step, bool inTriplet) const;
    // The triplet group covering the step.
    TripletGroup GroupAt(int step) const;
    // Whether the chords tile the bar, every note of a chord shares its
    // length and triplet flag (a rest stands alone), and triplet chords lie
    // inside whole groups, as a file must leave them.
    bool IsConsistent() const;

    // Whether the entry can be written, and how; nothing for a value other
    // than 1 to 32, a dotted triplet, too few rest steps, left-over steps no
    // rests could write, a plain note on a triplet or a triplet onto a plain
    // note, a triplet of another member length than its group, or a note
    // that differs in length from the chord it joins or repeats one of its
    // pitches.
    std::optional<Insertion> PlanInsert(const Entry& entry) const;
    // Writes a planned entry; returns the new note (the first member of a
    // new group).
    Note* Insert(const Insertion& plan, const EditContext& context);
    // One whole-bar rest at step 0 of an empty grid.
    void PutWholeBarRest(const EditContext& context);
    // Takes a note of this grid out of its chord: the chord's last note
    // leaves a rest, and a rest merges with the rests after it. A step left
    // with a rest or nothing loses its mark.
    void Remove(Note& note, const EditContext& context);
    // The chord at the step, which must exist, becomes one untied rest
    // without mark; a rest merges with the rests after it instead.
    void ToRest(int step, const EditContext& context);
    // Writes the steps as rests (member by member inside the group when
    // inTriplet); the range must start in the bar and is cut at its end.
    void FillRests(int start, int length, bool inTriplet, const EditContext& context);
    // Deletes the chords starting in the range and writes it as rests, beat
    // by beat, the longer rests last; memberLength > 0 fills inside a
    // triplet group of such members.
    void FillRange(int start, int length, int memberLength, const EditContext& context);
    // Deletes the chords and marks from the step on; a chord running into
    // the step is shortened to end there. Leaves a hole for the caller.
    void ClearFrom(int step, const EditContext& context);
    // Copies the source's chords of steps 0 to count - 1 to the steps from
    // the offset on, which must be empty, in the context's clef; oneDrumNote
    // keeps one note per chord, on the drum line. Then the last chord is cut
    // at the bar's end, or rests fill the steps after it.
    void Paste(const StepGrid& source, int offset, int count, bool oneDrumNote,
               const EditContext& context);
    // Deletes every chord.
    void Clear();
    // Adds a note read from a file to the chord at its step, which must lie
    // in the bar, starting an unobserved chord of the bar when there is none.
    void AddRead(std::unique_ptr<Note> note, SelObject& bar);
    // Puts a chord rebuilt from an undo record in the step's slot, replacing
    // any chord there; the chord comes with its notes and its parent set.
    void Put(int step, std::unique_ptr<NoteChord> chord);

private:
    NoteChord& NewChord(int step, const EditContext& context);
    Note* AddNewNote(NoteChord& chord, const Entry& note, int groupLength, int length,
                     const EditContext& context);
    void DeleteChords(int first, int count, Marks& marks);
    // A rest merges with the rests after it; a triplet group whose members
    // are all rests dissolves.
    void MergeRests(int step, const EditContext& context);

    Chords m_chords;
    RestPlan m_plan;
};
