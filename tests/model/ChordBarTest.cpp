#include <gtest/gtest.h>

#include "model/ChordBar.h"
#include "model/Song.h"
#include "support/EngineReset.h"

namespace {

class ChordBarTest : public EngineReset {
protected:
    void MakeSong(int key, Song::TimeSignature ts = {4, 4}) {
        song = std::make_unique<Song>("t", "a", 3, 100, ts, key);
        song->AddAccompanimentTrack();
    }
    ChordBar* BarAt(int index) { return static_cast<ChordBar*>(song->GetBar(0, index)); }
    // Changes every chord bar's key and then the song's, as a transposition does.
    void ChangeKey(int key) {
        for (int b = 0; b < song->GetNumBars(); ++b) {
            ASSERT_TRUE(BarAt(b)->ChangeKey(key, true));
        }
        song->SetKeySignature(key);
    }
    std::unique_ptr<Song> song;
};

TEST_F(ChordBarTest, KeyChangeRespellsAndMovesChords) {
    MakeSong(1);  // G major
    ChordCombo* box = BarAt(0)->GetBeatBox(0);
    ASSERT_TRUE(box->SelectText("D", false));
    EXPECT_EQ(box->GetChordNumber(), 7);
    ChangeKey(-1);  // F major: tonic 5 - 7 = -2 semitones
    EXPECT_FALSE(box->UsesSharps());
    EXPECT_EQ(box->CurrentText(), "C");
    EXPECT_EQ(box->GetChordNumber(), 1);
    EXPECT_EQ(box->GetSubStyle(), ChordCombo::StyleA) << "sub-styles stay";
}

TEST_F(ChordBarTest, SeventhChordsWrapAroundTheOctave) {
    MakeSong(0);
    ChordCombo* box = BarAt(1)->GetBeatBox(2);
    box->SetChordNumber(36, false);  // B7
    ChangeKey(2);                    // D: two semitones up
    EXPECT_EQ(box->GetChordNumber(), 6);
    EXPECT_EQ(box->CurrentText(), "C#7");
    ChangeKey(-4);  // Ab: tonic 8 - 2 = +6 semitones
    EXPECT_EQ(box->CurrentText(), "G7");
    EXPECT_EQ(box->GetChordNumber(), 3 * 7 + 3);
}

TEST_F(ChordBarTest, EveryChordGoesThroughAllKeysAndBack) {
    MakeSong(0);
    const int keys[] = {6, 5, 4, 3, 2, 1, 0, -1, -2, -3, -4, -5, -6};
    for (int number = 1; number <= 36; ++number) {
        ChordCombo* box = BarAt(0)->GetBeatBox(1);
        box->SetChordNumber(number, false);
        for (int key : keys) {
            ChangeKey(key);
        }
        ChangeKey(0);
        EXPECT_EQ(box->GetChordNumber(), number);
        EXPECT_EQ(box->CurrentText(),
                  ChordCombo::ItemName(ChordCombo::ChordNumberToIndex(number), true));
    }
    EXPECT_EQ(BarAt(0)->GetBeatBox(0)->GetIndex(), 0) << "an empty box stays empty";
}

TEST_F(ChordBarTest, PasteCopiesBoxesFromTheBeatOnAndDropsTheOverflow) {
    MakeSong(0);
    ChordBar* source = BarAt(1);
    for (int beat = 0; beat < 4; ++beat) {
        source->GetBeatBox(beat)->SetChordNumber(1 + 3 * beat, false);
    }
    source->GetBeatBox(0)->SetSubStyle(ChordCombo::FillIn);
    ChordBar* target = BarAt(2);
    target->PasteFrom(*source, 2);
    EXPECT_EQ(target->GetBeatBox(0)->GetChordNumber(), 0);
    EXPECT_EQ(target->GetBeatBox(1)->GetChordNumber(), 0);
    EXPECT_EQ(target->GetBeatBox(2)->GetChordNumber(), 1);
    EXPECT_EQ(target->GetBeatBox(2)->GetSubStyle(), ChordCombo::FillIn)
        << "copies keep their sub-style";
    EXPECT_EQ(target->GetBeatBox(3)->GetChordNumber(), 4);
    EXPECT_EQ(target->GetBeatBox(3)->GetStep(), 72);
    EXPECT_EQ(target->GetBeatBox(3)->GetParent(), target);
    EXPECT_NE(target->GetBeatBox(3), source->GetBeatBox(1));

    target->PasteIfSameKind(*source, 3);
    for (int beat = 0; beat < 4; ++beat) {
        EXPECT_EQ(target->GetBeatBox(beat)->GetChordNumber(), 1 + 3 * beat);
    }
    // Changing the copy leaves the source alone.
    target->GetBeatBox(0)->SetChordNumber(5, false);
    EXPECT_EQ(source->GetBeatBox(0)->GetChordNumber(), 1);
}

TEST_F(ChordBarTest, OnlyChordBarsPasteIntoChordBars) {
    MakeSong(0);
    song->AddTrebleTrack();
    ChordBar* target = BarAt(0);
    target->GetBeatBox(0)->SetChordNumber(10, false);
    EXPECT_FALSE(target->SameKindAs(*song->GetBar(1, 0)));
    target->PasteIfSameKind(*song->GetBar(1, 0), 0);
    target->PasteFrom(*song->GetBar(1, 0), 0);
    EXPECT_EQ(target->GetBeatBox(0)->GetChordNumber(), 10);
    EXPECT_TRUE(target->SameKindAs(*BarAt(1)));
}

}  // namespace
