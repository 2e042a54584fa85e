#include <gtest/gtest.h>

#include "editor/ShiftNotesForm.h"
#include "editor/TransposeSongForm.h"
#include "editor/UndoManager.h"
#include "model/ChordBar.h"
#include "platform/FixedPrompt.h"
#include "support/NoteBarTestKit.h"
#include "support/SongEquality.h"

namespace {

using namespace notebar_test;

class TransposeTest : public EngineReset {
protected:
    void Start(int key) {
        song = MakeSong(4, 4, 4, key);
        history.Record(*song, "Init", "Init");
    }
    std::unique_ptr<Song> song;
    UndoManager history;
};

TEST_F(TransposeTest, SemitonesUpFromGToCMoveNotesUpThreeLetters) {
    Start(1);
    Put(Treble(*song), 0, "G4", 4);
    TransposeSongForm form(1);
    form.SetMode(TransposeSongForm::Mode::Semitones);
    form.SetSemitoneIndex(4);  // 5 semitones
    FixedPrompt prompt(Prompt::No);
    EXPECT_EQ(form.Ok(song, prompt, history), TransposeSongForm::Outcome::Transposed);
    EXPECT_EQ(song->GetKeySignature(), 0);
    EXPECT_EQ(NoteText(*At(Treble(*song), 0)), "C5");
    EXPECT_TRUE(prompt.AskedSoFar().empty());
    EXPECT_EQ(history.NameAt(history.CurrentIndex()), "Transpose Song");
}

TEST_F(TransposeTest, TheTritoneAsksSharpOrFlat) {
    Start(0);
    Put(Treble(*song), 0, "C5", 4);
    TransposeSongForm form(0);
    form.SetMode(TransposeSongForm::Mode::Semitones);
    form.SetSemitoneIndex(5);  // 6 semitones
    form.SetUpward(false);

    FixedPrompt cancel(Prompt::Cancel);
    EXPECT_EQ(form.Ok(song, cancel, history), TransposeSongForm::Outcome::StayOpen);
    ASSERT_EQ(cancel.AskedSoFar().size(), 1u);
    EXPECT_EQ(cancel.AskedSoFar()[0].buttons, Prompt::YesNoCancelButtons);
    EXPECT_EQ(cancel.AskedSoFar()[0].caption, "");
    EXPECT_EQ(song->GetKeySignature(), 0);
    EXPECT_EQ(history.CurrentIndex(), 0) << "nothing recorded";

    FixedPrompt no(Prompt::No);
    EXPECT_EQ(form.Ok(song, no, history), TransposeSongForm::Outcome::Transposed);
    EXPECT_EQ(song->GetKeySignature(), -6);
    EXPECT_EQ(NoteText(*At(Treble(*song), 0)), "G4");
    EXPECT_EQ(Treble(*song).MidiKeyOf(*At(Treble(*song), 0)), 54) << "G flat by the key";

    int key = 0;
    FixedPrompt yes(Prompt::Yes);
    ASSERT_TRUE(form.NewKey(0, yes, key));
    EXPECT_EQ(key, 6);
}

TEST_F(TransposeTest, ChoosingTheSameKeyFromTheMinorListMovesNothing) {
    Start(0);
    Put(Treble(*song), 0, "F#5", 4);
    const Song before(*song);
    TransposeSongForm form(0);
    EXPECT_EQ(form.KeyIndex(), 6);
    form.ShowMajor(false);
    EXPECT_EQ(TransposeSongForm::MinorKeys()[static_cast<size_t>(form.KeyIndex())], "A");
    FixedPrompt prompt(Prompt::No);
    EXPECT_EQ(form.Ok(song, prompt, history), TransposeSongForm::Outcome::Transposed);
    EXPECT_EQ(SongEquality(true).Difference(before, *song), "");
}

TEST_F(TransposeTest, AFailedTranspositionLeavesTheSongExactlyAsBefore) {
    Start(-1);
    song->AddAccompanimentTrack();
    static_cast<ChordBar*>(song->GetBar(0, 0))->GetBeatBox(0)->SelectText("F", false);
    const auto melody = [&](int bar) -> MelodicBar& {
        return static_cast<MelodicBar&>(*song->GetBar(1, bar));
    };
    Put(melody(0), 0, "E5", 4);
    // B is flat in F major and plain in C: a written double sharp on it has
    // no spelling in the new key.
    melody(2).InsertNote(0, 'B', 5, Note::DoubleSharp, 4, false, false);
    history.Record(*song, "Edit", "Edit");
    const Song before(*song);

    TransposeSongForm form(-1);
    form.SetKeyIndex(6);  // C major
    FixedPrompt prompt(Prompt::No);
    EXPECT_EQ(form.Ok(song, prompt, history), TransposeSongForm::Outcome::Failed);
    EXPECT_EQ(SongEquality().Difference(before, *song), "");
    ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(prompt.AskedSoFar()[0].text,
              "Cannot transpose the score.\n Error occurred during transposition.\nPlease "
              "transpose to another key instead.");
    EXPECT_EQ(prompt.AskedSoFar()[0].caption, "Error");
    EXPECT_EQ(prompt.AskedSoFar()[0].icon, Prompt::ErrorIcon);
    EXPECT_EQ(history.NameAt(history.CurrentIndex()), "Edit");
}

TEST_F(TransposeTest, DialogModesEnableTheirLists) {
    TransposeSongForm form(3);
    EXPECT_EQ(form.KeyIndex(), 3);
    EXPECT_TRUE(form.KeyListsEnabled());
    EXPECT_FALSE(form.SemitoneListEnabled());
    form.SetMode(TransposeSongForm::Mode::Semitones);
    EXPECT_FALSE(form.KeyListsEnabled());
    form.ShowMajor(true);
    EXPECT_TRUE(form.KeyListsEnabled()) << "choosing a key list goes back to the key mode";
    EXPECT_EQ(TransposeSongForm::MajorKeys().size(), 13u);
    EXPECT_EQ(TransposeSongForm::MajorKeys()[3], "A");
}

class ShiftTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = MakeSong(4, 4, 5);
        history.Record(*song, "Init", "Init");
    }
    std::unique_ptr<Song> song;
    UndoManager history;
};

TEST_F(ShiftTest, TheTrackListHoldsTrebleAndBassTracksOnly) {
    song->AddAccompanimentTrack();
    ShiftNotesForm form(*song);
    EXPECT_EQ(form.TrackItems(), (std::vector<std::string>{"Track 1 - [1]Acoustic Grand Piano",
                                                           "Track 2 - [1]Acoustic Grand Piano"}));
    EXPECT_TRUE(form.OkEnabled());
    Song drumsOnly("t", "a", 2, 100, {4, 4}, 0);
    drumsOnly.AddPercussionTrack();
    EXPECT_FALSE(ShiftNotesForm(drumsOnly).OkEnabled());
    EXPECT_EQ(form.BarItems().back(), "5");
    form.SetLastBar(2);
    form.SetFirstBar(4);
    EXPECT_EQ(form.LastBar(), 4);
    form.SetLastBar(1);
    EXPECT_EQ(form.FirstBar(), 1);
}

TEST_F(ShiftTest, LimitsAndRange) {
    Put(Treble(*song, 0), 0, "A4", 4);
    const Song before(*song);
    ShiftNotesForm form(*song);
    FixedPrompt prompt(Prompt::Ok);
    form.SetStepsText("9");
    EXPECT_FALSE(form.Ok(*song, prompt, history));
    form.SetUpward(false);
    EXPECT_FALSE(form.Ok(*song, prompt, history));
    ASSERT_EQ(prompt.AskedSoFar().size(), 2u);
    EXPECT_EQ(prompt.AskedSoFar()[1].text, "The number of shift is restricted to 8 steps");
    EXPECT_EQ(SongEquality().Difference(before, *song), "");

    form.SetStepsText("8");
    EXPECT_TRUE(form.Ok(*song, prompt, history));
    EXPECT_EQ(NoteText(*At(Treble(*song, 0), 0)), "G3");
    EXPECT_EQ(history.NameAt(history.CurrentIndex()), "Shift Notes");
}

TEST_F(ShiftTest, TiesAreCutAtTheRangeEdgesEvenWithoutAShift) {
    // Ties from bar 2 into bar 3 and from bar 3 into bar 4 (indices 1-3).
    for (int bar = 1; bar <= 3; ++bar) {
        Put(Treble(*song, bar), 0, "S", 4);  // quarter rests: every beat starts a chord
    }
    Put(Treble(*song, 1), 72, "C5", 4);
    Put(Treble(*song, 2), 0, "C5", 4);
    Put(Treble(*song, 2), 72, "E5", 4);
    Put(Treble(*song, 3), 0, "E5", 4);
    Track& track = *song->GetTrack(0);
    ASSERT_TRUE(track.AddTie(At(Treble(*song, 1), 72)));
    ASSERT_TRUE(track.AddTie(At(Treble(*song, 2), 72)));
    ShiftNotesForm form(*song);
    form.SetFirstBar(2);
    form.SetLastBar(2);
    form.SetStepsText("0");
    FixedPrompt prompt(Prompt::Ok);
    ASSERT_TRUE(form.Ok(*song, prompt, history));
    EXPECT_FALSE(At(Treble(*song, 1), 72)->IsTied());
    EXPECT_FALSE(At(Treble(*song, 2), 0)->IsTied());
    EXPECT_FALSE(At(Treble(*song, 2), 72)->IsTied());
    EXPECT_FALSE(At(Treble(*song, 3), 0)->IsTied());
    EXPECT_EQ(TieViolation(track), "");
}

TEST_F(ShiftTest, TypedStepsReadLikeTheDialogReadsThem) {
    Put(Treble(*song, 0), 0, "C5", 4);
    ShiftNotesForm form(*song);
    FixedPrompt prompt(Prompt::Ok);
    form.SetStepsText("2 steps");
    ASSERT_TRUE(form.Ok(*song, prompt, history));
    EXPECT_EQ(NoteText(*At(Treble(*song, 0), 0)), "E5");
    form.SetStepsText("lots");
    ASSERT_TRUE(form.Ok(*song, prompt, history));
    EXPECT_EQ(NoteText(*At(Treble(*song, 0), 0)), "E5") << "text that is no number shifts by 0";
    form.SetStepsText(std::string(60, '9'));
    EXPECT_FALSE(form.Ok(*song, prompt, history)) << "a huge number is refused, not wrapped";
}

}  // namespace
