#pragma once

#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "model/Bar.h"
#include "model/LyricLine.h"
#include "model/NoteChord.h"
#include "model/PencilSettings.h"
#include "model/StepGrid.h"

// A bar that holds notes and rests on a StepGrid of one slot per step: the
// chords cover the bar from step 0 to the end without gap or overlap, with
// whole triplet groups. Also keeps one lyric per chord step while lyrics are
// shown, and at most one dynamic mark per step, never on a rest. Edits that
// refuse return null or false and leave the bar as it was.
class NoteBar : public Bar {
public:
    enum Clef { TrebleClef = 0, BassClef = 1, PercussionClef = 2 };

    // Where a note is drawn: its reference point, whether its head sits on a
    // staff line, and the ledger lines it needs (width 0 when there are none).
    struct Placement {
        int x = 0;
        int y = 0;
        bool onLine = false;
        int ledgerBelow = 0;
        int ledgerAbove = 0;
        int ledgerWidth = 0;
    };

    // What a click means. Outside is set when the point lay off the editable
    // staff positions; the letter and octave are then the nearest position's.
    struct Pitch {
        char letter = 'C';
        int octave = 5;
        int accidental = Note::NoAccidental;
        bool outside = false;
    };

    // The steps a triplet group covers; start -1 when there is none.
    using TripletGroup = StepGrid::TripletGroup;

    static constexpr int kLowestOctave = 0;
    static constexpr int kHighestOctave = 10;
    // Width of the space left of a bar that begins a line of the score.
    static constexpr int kHeaderWidth = 200;

    NoteBar(Track* track, int index, const Box& box);
    NoteBar(const NoteBar& other);
    NoteBar& operator=(const NoteBar&) = delete;

    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override;
    // Itself, then step by step the step's chord and lyric.
    void Attach(Observer* observer, int aspect) override;
    // A copy whose ties are cut at its start (1), end (2) or both (3).
    std::unique_ptr<SelObject> CloneUntied(int edges) const override;
    // Cuts the ties crossing either bar line, on both sides of it.
    void CutEdgeTies() override;
    // A melodic or percussion bar with as many steps.
    bool SameKindAs(const SelObject& source) const override;
    // Pastes the source from step 0, first cutting the ties that would
    // cross the start (edges 1), the end (2) or both (3) of the pasted range.
    void PasteIfSameKind(const SelObject& source, int edges) override;

    // Stores the box and places every note head and lyric again.
    void PlaceNotes(const Box& box) override;
    // Copies the source's chords, from its start, to this bar from the beat
    // on: a chord running into the beat is shortened, the last chord is cut at
    // the bar's end and a shorter source is followed by rests. Marks move with
    // their chords, shown lyrics take the source's syllables, and a drum bar
    // keeps one note per chord, on its line.
    void PasteFrom(const Bar& source, int beatOffset) override;
    // One whole-bar rest. Ties reaching the bar from its neighbours are cut;
    // shown lyrics keep one empty syllable.
    void ClearContent() override;
    // Each chord's notes in step order, with the step's lyric and first mark
    // on the step's last element. Reading replaces the content and checks that
    // the chords cover the bar exactly, with whole triplet groups.
    void Serialize(Archive& archive) override;

    // The key number the note sounds in this bar; -1 for a rest.
    virtual int MidiKeyOf(const Note& note) const = 0;
    // Where the note is drawn in this bar.
    virtual Placement PlaceNote(const Note& note) const = 0;
    // 0 treble, 1 bass, 2 percussion: the clef stored in the bar's notes.
    virtual int NoteClefCode() const = 0;
    // The pitch a pencil click at the point writes with these settings.
    virtual Pitch PitchAt(int x, int y, const PencilSettings& pencil) const = 0;
    // How far below the bar's top dynamic marks are drawn.
    virtual int MarkingOffset() const { return 100; }
    // The top of the text of the bar's dynamic marks: under the staff,
    // clear of its lowest line and of the lyrics.
    virtual int MarkTop() const { return GetBox().y + MarkingOffset() + 50; }

    // The bar's notes and rests with their stems, flags and beams, its
    // triplet marks, dynamics and lyrics (a NoteBarPainter draws them). The
    // caller draws the selection, the staff lines and the header first.
    void Draw(DeviceContext& dc) override;
    // Whether the chord's stem points down as drawn: alone, or with the
    // beamed group it belongs to.
    bool StemsDownAt(const NoteChord& chord) const;
    // The staff's lines across the bar or, with header, across the space
    // left of it where a line of the score begins.
    virtual void DrawStaffLines(DeviceContext& dc, bool header) const = 0;
    // What stands in that space: the clef, the key signature and, in the
    // track's first bar, the time signature.
    virtual void DrawHeader(DeviceContext& dc) const = 0;

    NoteChord* GetChordAt(int step) const;
    const StepGrid::Chords& GetGrid() const { return m_grid.GetChords(); }
    const LyricLine::Entries& GetLyrics() const { return m_lyrics.GetEntries(); }
    const std::multimap<int, int>& GetMarks() const { return m_marks; }
    int GetNumBeats() const { return m_grid.Plan().NumBeats(); }
    int GetStepsPerBeat() const { return m_grid.Plan().StepsPerBeat(); }

    // The pencil: writes a note or rest of the settings at the chord column
    // under the point, a completed edit (NotifyChanged) when it succeeds.
    Note* InsertNoteAt(int x, int y, const PencilSettings& pencil);
    // Writes a note (letter 'S' for a rest) at the step, which must start a
    // chord. Returns the new note (the first member of a new triplet group),
    // or null, with nothing changed, for a value other than 1 to 32, a dotted
    // triplet, too few rest steps, left-over steps no rests could write, a
    // plain note on a triplet or a triplet onto a plain note, a triplet of
    // another member length than its group, or a note that differs in length
    // from the chord it joins or repeats one of its pitches.
    Note* InsertNote(int step, char letter, int octave, int accidental, int value, bool dotted,
                     bool triplet);
    // The eraser: erases the first note under the point, a completed edit
    // (NotifyChanged) when it succeeds.
    bool EraseNoteAt(int x, int y);
    // Erases one note of this bar; erasing a rest merges it with the rests
    // that follow it. Like InsertNote, a step of an edit: it repaints but
    // notifies nothing.
    bool EraseNote(Note* note);
    // Turns the chord at the step into a rest, or merges a rest with the
    // rests after it; false when no chord starts there.
    bool ReplaceWithRest(int step);
    // Fills the steps with rests, beat by beat (member by member in a triplet
    // group), the longer rests last.
    void FillRests(int start, int length, bool inTriplet);
    // Steps of rest from the step up to the next note, triplet group or the
    // bar's end (the group's end inside a group); 0 when the step holds no rest.
    int FreeLength(int step, bool inTriplet) const;
    // The triplet group covering the step.
    TripletGroup GroupAt(int step) const;

    // Puts a mark on the step's chord in place of any other; false (and the
    // step left without marks) on a rest, or when no chord starts there.
    bool AddMark(int step, int code);
    bool AddMarkByName(int step, std::string_view name);
    void RemoveMarks(int step);
    bool HasMark(int step, int code) const;

    void ShowLyrics();
    void HideLyrics();
    bool IsLyricShown() const { return m_lyrics.IsShown(); }
    // Gives every chord step a lyric, joins the text of lyrics whose step no
    // longer starts a chord onto the lyric before, and places them again.
    void SyncLyrics();

    // The first tied note of each pitch stops continuing a tie.
    void CutTiesAtStart();
    // The last tied note of each pitch stops starting a tie.
    void CutTiesAtEnd();
    // Clears everything from the beat on and fills it with rests; a chord
    // running into the beat is shortened to end there.
    void ClearFrom(int beat);

    NoteChord* FirstChord() const;
    NoteChord* LastChord() const;
    // The next or previous chord of this bar, or null.
    NoteChord* ChordAfter(const NoteChord& chord) const;
    NoteChord* ChordBefore(const NoteChord& chord) const;
    // The bar delta places away in this bar's track, when this bar is one of
    // the track's bars and that bar holds notes; otherwise null.
    NoteBar* NeighbourBar(int delta) const;

    // The x of a note: whole-bar rests are centred, everything else stands at
    // its step.
    int StepX(const Note& note) const;
    // The head box a placement gives the note.
    static Box HeadBox(const Placement& placement, bool rest);

protected:
    // Puts a new whole-bar rest at step 0 of an empty grid.
    void PutWholeBarRest();
    // Gives the note its head box from PlaceNote.
    void PlaceHead(Note& note) const;
    // Lets a bar kind fix the pitch of a note read from a file.
    virtual void NormalizeLoadedNote(Note& /*note*/) const {}
    // Lets a bar kind fix the pitch of a note being entered.
    virtual void NormalizeEnteredPitch(char& /*letter*/, int& /*octave*/,
                                       int& /*accidental*/) const {}
    // Makes the editing state forget hovered or selected objects of this bar
    // before they are deleted.
    void ReleaseToolReferences() const;

private:
    // Reading a file fills the chords, lyrics and marks directly.
    friend class NoteBarArchive;
    // So does rebuilding from an undo record.
    friend class SongRecordReader;

    Note* WriteNoteAt(int x, int y, const PencilSettings& pencil);
    // What the grid's edits need of this bar.
    StepGrid::EditContext GridEdit();
    // Clears the grid, the marks and the lyrics from the step on.
    void ClearFromStep(int step);
    void RefreshAccidentals(char letter, int octave);
    void SyncLyrics(bool shown);
    bool Holds(const Note* note) const;

    StepGrid m_grid;
    LyricLine m_lyrics;
    StepGrid::Marks m_marks;
};
