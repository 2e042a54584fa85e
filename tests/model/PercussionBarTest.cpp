#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;

namespace {

class PercussionBarTest : public EngineReset {};

TEST_F(PercussionBarTest, EveryNoteIsACOnTheOneLineWhateverTheClickOrTool) {
    auto song = MakeSong(4, 4);
    PercussionBar& bar = Drums(*song);
    const Box box = bar.GetBox();
    ToolsManager::Instance().SetAccidental(Note::Sharp);
    const NoteBar::Pitch pitch = bar.PitchAt(box.x - 500, box.y + 999, Pencil());
    EXPECT_EQ(std::string{pitch.letter} + std::to_string(pitch.octave), "C5");
    EXPECT_EQ(pitch.accidental, Note::NoAccidental);
    EXPECT_FALSE(pitch.outside);

    ASSERT_NE(bar.InsertNoteAt(box.x + 10, box.y + 3, Pencil()), nullptr);
    ASSERT_NE(bar.InsertNote(12, 'E', 7, Note::Flat, 8, false, false), nullptr);
    EXPECT_EQ(GridText(bar), "0:C5/12 12:C5/12 24:S/24 48:S/24 72:S/24");
    EXPECT_EQ(At(bar, 0)->NoteClefCode(), NoteBar::PercussionClef);
    EXPECT_TRUE(Refused(*song, 2, [&] { return Put(bar, 0, "G5", 8); }))
        << "a second drum note in one chord is the same C";
}

TEST_F(PercussionBarTest, EveryNoteSoundsTheTracksDrum) {
    auto song = MakeSong(4, 4);
    PercussionBar& bar = Drums(*song);
    Note* first = Put(bar, 0, "C5", 4);
    Note* second = Put(Drums(*song, 3), 0, "C5", 2);
    EXPECT_EQ(first->MidiKeyOf(), 35) << "Acoustic Bass Drum";
    song->GetTrack(2)->SetProgram(42);
    EXPECT_EQ(first->MidiKeyOf(), 42) << "Closed Hi-Hat";
    EXPECT_EQ(second->MidiKeyOf(), 42);
    EXPECT_EQ(At(bar, 24)->MidiKeyOf(), -1) << "a rest";
}

TEST_F(PercussionBarTest, HeadsSitOnTheLineAndAWholeBarRestLower) {
    auto song = MakeSong(6, 8);
    PercussionBar& bar = Drums(*song);
    const Box box = bar.GetBox();
    const NoteBar::Placement whole = bar.PlaceNote(*At(bar, 0));
    EXPECT_EQ(whole.x, box.x + box.width / 2);
    EXPECT_EQ(whole.y, box.y + 100);
    Put(bar, 0, "C5", 8);
    const NoteBar::Placement note = bar.PlaceNote(*At(bar, 0));
    EXPECT_EQ(note.y, box.y + 80);
    EXPECT_TRUE(note.onLine);
    EXPECT_EQ(note.ledgerBelow + note.ledgerAbove + note.ledgerWidth, 0);
    // 36 x 340 / 72 = 170.
    EXPECT_EQ(bar.PlaceNote(*At(bar, 36)).x, box.x + 40 + 170);
    EXPECT_EQ(bar.PlaceNote(*At(bar, 36)).y, box.y + 80);
    EXPECT_EQ(bar.MarkingOffset(), 60);
    EXPECT_EQ(Treble(*song).MarkingOffset(), 100);
}

TEST_F(PercussionBarTest, KeysAndAccidentalsLeaveDrumsAlone) {
    auto song = MakeSong(4, 4);
    PercussionBar& bar = Drums(*song);
    Put(bar, 0, "C5", 4);
    EXPECT_TRUE(bar.ChangeKey(-4, false));
    EXPECT_EQ(GridText(bar), "0:C5/24 24:S/24 48:S/24 72:S/24");
    EXPECT_TRUE(Refused(
        *song, 2, [&] { return song->GetTrack(2)->ApplyAccidental(At(bar, 0), Note::Flat); }));
}

TEST_F(PercussionBarTest, APastedMelodicBarKeepsItsRhythmOnTheDrum) {
    auto song = MakeSong(4, 4);
    MelodicBar& melody = Treble(*song);
    Put(melody, 0, "E5", 4);
    Put(melody, 0, "G#5", 4);
    Put(melody, 24, "A4", 8);
    melody.AddMark(24, 5);
    PercussionBar& drums = Drums(*song);
    ASSERT_TRUE(drums.SameKindAs(melody));
    drums.PasteIfSameKind(melody, 3);
    EXPECT_EQ(GridText(drums), "0:C5/24 24:C5/12 36:S/12 48:S/24 72:S/24");
    EXPECT_EQ(MarksText(drums), "24:5");
    EXPECT_EQ(At(drums, 0)->NoteClefCode(), NoteBar::PercussionClef);
    EXPECT_EQ(GridViolation(drums), "");
}

}  // namespace
