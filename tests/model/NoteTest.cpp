#include <gtest/gtest.h>

#include "model/MelodicBar.h"
#include "model/NoteChord.h"
#include "model/Song.h"
#include "support/EngineReset.h"

namespace {

class NoteTest : public EngineReset {
protected:
    void SetUpSong(Song::TimeSignature ts) {
        song = std::make_unique<Song>("t", "a", 1, 100, ts, 0);
        song->AddTrebleTrack();
        bar = static_cast<NoteBar*>(song->GetBar(0, 0));
        chord = std::make_unique<NoteChord>(bar);
    }
    // A note built in the chord, as a bar builds it.
    std::unique_ptr<Note> Make(char letter, int value, bool dotted, bool triplet) {
        return std::make_unique<Note>(chord.get(), 0, letter, 5, value, Note::NoAccidental, dotted,
                                      0, triplet, 0);
    }

    std::unique_ptr<Song> song;
    NoteBar* bar = nullptr;
    std::unique_ptr<NoteChord> chord;
};

TEST_F(NoteTest, LengthFromWrittenValueDotAndTriplet) {
    SetUpSong({4, 4});
    struct Row {
        int value;
        bool dotted, triplet;
        int length;
    };
    const Row rows[] = {{1, false, false, 96}, {2, false, false, 48}, {4, false, false, 24},
                        {8, false, false, 12}, {16, false, false, 6}, {32, false, false, 3},
                        {1, true, false, 144}, {2, true, false, 72},  {4, true, false, 36},
                        {8, true, false, 18},  {16, true, false, 9},  {32, true, false, 4},
                        {2, false, true, 32},  {4, false, true, 16},  {8, false, true, 8},
                        {16, false, true, 4},  {32, false, true, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << (row.dotted ? " dotted" : "")
                                        << (row.triplet ? " triplet" : ""));
        EXPECT_EQ(Make('C', row.value, row.dotted, row.triplet)->GetLength(), row.length);
    }
}

TEST_F(NoteTest, WholeRestLastsTheBarButAWholeNoteDoesNot) {
    SetUpSong({6, 8});
    const auto rest = Make('S', 1, false, false);
    EXPECT_EQ(rest->GetLength(), 72);
    EXPECT_TRUE(rest->IsWholeBarRest());
    const auto note = Make('C', 1, false, false);
    EXPECT_EQ(note->GetLength(), 96);
    EXPECT_FALSE(note->IsWholeBarRest());
    const auto halfRest = Make('S', 2, true, false);
    EXPECT_EQ(halfRest->GetLength(), 72);
    EXPECT_TRUE(halfRest->IsWholeBarRest()) << "a rest filling the bar counts, whatever its value";
}

TEST_F(NoteTest, TimeValueRoundsUpToTheWrittenValue) {
    SetUpSong({3, 4});
    auto note = Make('C', 4, false, false);
    const std::pair<int, double> plain[] = {
        {24, 4.0}, {36, 96.0 / 36}, {72, 96.0 / 72}, {9, 96.0 / 9}};
    for (const auto& [length, value] : plain) {
        note->SetLengthRaw(length);
        EXPECT_DOUBLE_EQ(note->GetTimeValue(false), value) << length;
    }
    const std::pair<int, double> rounded[] = {{24, 4}, {36, 4}, {72, 2}, {9, 16}, {96, 1},
                                              {48, 2}, {18, 8}, {3, 32}, {4, 32}, {2, 48}};
    for (const auto& [length, value] : rounded) {
        note->SetLengthRaw(length);
        EXPECT_DOUBLE_EQ(note->GetTimeValue(true), value) << length;
    }
    const auto triplet = Make('C', 8, false, true);
    EXPECT_DOUBLE_EQ(triplet->GetTimeValue(false), 8.0);
    EXPECT_DOUBLE_EQ(triplet->GetTimeValue(true), 8.0);
    // A whole-bar rest of 3/4 reads as a half: IsWholeBarRest is the test for "fills the bar".
    const auto rest = Make('S', 1, false, false);
    EXPECT_DOUBLE_EQ(rest->GetTimeValue(true), 2.0);
    EXPECT_TRUE(rest->IsWholeBarRest());
}

TEST_F(NoteTest, PitchTieAndRestHelpers) {
    SetUpSong({4, 4});
    auto note = Make('E', 4, false, false);
    note->SetStep(24);
    EXPECT_EQ(note->GetEndStep(), 47);
    auto other = Make('E', 8, false, false);
    EXPECT_TRUE(note->IsSamePitch(*other));
    other->SetPitch(4, 'E');
    EXPECT_FALSE(note->IsSamePitch(*other));

    note->SetTieMode(Note::TieMiddle);
    EXPECT_TRUE(note->IsTied());
    EXPECT_TRUE(note->IsTieMiddle());
    EXPECT_FALSE(note->IsTieStart());

    note->SetAccidental(Note::Sharp);
    note->MakeRest();
    EXPECT_TRUE(note->IsRest());
    EXPECT_EQ(note->GetAccidental(), Note::NoAccidental);
    EXPECT_EQ(note->GetLength(), 24);
    EXPECT_EQ(note->GetOctave(), 5);
    EXPECT_EQ(Note::SemitoneOf('B'), 11);
    EXPECT_EQ(Note::SemitoneOf('S'), -1);
}

TEST_F(NoteTest, CopyKeepsEverythingButTheHighlight) {
    SetUpSong({4, 4});
    auto note = Make('G', 8, true, false);
    note->SetTieMode(Note::TieStart);
    note->SetBox({10, 20, 30, 40});
    note->SetHighlighted(true);
    const auto copy = std::unique_ptr<Note>(static_cast<Note*>(note->Clone().release()));
    EXPECT_FALSE(copy->IsHighlighted());
    EXPECT_EQ(copy->GetLength(), 18);
    EXPECT_TRUE(copy->IsDotted());
    EXPECT_EQ(copy->GetTieMode(), Note::TieStart);
    EXPECT_EQ(copy->GetBox(), note->GetBox());
    EXPECT_EQ(copy->GetParent(), note->GetParent());
}

TEST_F(NoteTest, HitOnTheEdgeMakesTheNoteTheHoverObject) {
    SetUpSong({4, 4});
    auto note = Make('C', 4, false, false);
    note->SetBox({100, 200, 20, 16});
    EXPECT_EQ(note->HitTest(121, 210), nullptr);
    EXPECT_EQ(ToolsManager::Instance().Hover(), nullptr);
    EXPECT_EQ(note->HitTest(120, 216), note.get());
    EXPECT_EQ(ToolsManager::Instance().Hover(), note.get());
    EXPECT_EQ(note->GetBoundingRect(), (Rect{70, 165, 130, 241}));
    note->MakeRest();
    EXPECT_EQ(note->GetBoundingRect(), (Rect{70, 150, 130, 256}));
}

TEST_F(NoteTest, ChordReadsItsFirstNoteAndMakeRestKeepsOne) {
    SetUpSong({4, 4});
    EXPECT_EQ(chord->GetStep(), -1);
    EXPECT_FALSE(chord->IsTriplet());
    for (char letter : {'C', 'E', 'G'}) {
        chord->AddNote(Make(letter, 2, false, false));
    }
    chord->GetNote(0)->SetBox({0, 300, 10, 10});
    chord->GetNote(1)->SetBox({0, 250, 10, 10});
    chord->GetNote(2)->SetBox({0, 280, 10, 10});
    EXPECT_EQ(chord->GetHighestNote(), chord->GetNote(1));
    EXPECT_EQ(chord->GetLowestNote(), chord->GetNote(0));
    EXPECT_TRUE(chord->HasPitch(5, 'E'));
    EXPECT_FALSE(chord->HasPitch(4, 'E'));
    EXPECT_FALSE(chord->HasTie());
    chord->GetNote(2)->SetTieMode(Note::TieEnd);
    EXPECT_TRUE(chord->HasTie());

    chord->SetStep(48);
    EXPECT_EQ(chord->GetNote(2)->GetStep(), 48);
    EXPECT_EQ(chord->GetEndStep(), 95);

    Note outsider(chord.get(), 0, 'A', 5, 4, Note::NoAccidental, false, 0, false, 0);
    EXPECT_FALSE(chord->RemoveNote(&outsider));
    EXPECT_TRUE(chord->RemoveNote(chord->GetNote(1)));
    EXPECT_EQ(chord->GetNoteCount(), 2);

    chord->MakeRest();
    ASSERT_EQ(chord->GetNoteCount(), 1);
    EXPECT_TRUE(chord->IsRest());
    EXPECT_EQ(chord->GetLength(), 48);
    EXPECT_EQ(chord->GetNote(1), nullptr);
}

}  // namespace
