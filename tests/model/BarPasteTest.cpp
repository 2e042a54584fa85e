#include <gtest/gtest.h>

#include "model/ChordBar.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;

namespace {

class BarPasteTest : public EngineReset {};

TEST_F(BarPasteTest, NoteBarsAcceptNoteBarsOfTheSameLengthOnly) {
    auto common = MakeSong(4, 4);
    auto waltz = MakeSong(3, 4);
    auto withChords = MakeSong(4, 4);
    withChords->AddAccompanimentTrack();
    EXPECT_TRUE(Treble(*common, 1).SameKindAs(Treble(*common, 2)));
    EXPECT_TRUE(Treble(*common).SameKindAs(Drums(*common)));
    EXPECT_TRUE(BassBar(*common).SameKindAs(Treble(*common)));
    EXPECT_FALSE(Treble(*common).SameKindAs(Treble(*waltz))) << "another time signature";
    EXPECT_FALSE(Treble(*common).SameKindAs(*withChords->GetBar(0, 0))) << "a chord bar";
    EXPECT_FALSE(Treble(*common).SameKindAs(*common->GetTrack(1)));
}

TEST_F(BarPasteTest, PastingCopiesChordsMarksAndTheTextOfShownLyrics) {
    auto song = MakeSong(4, 4);
    MelodicBar& source = Treble(*song, 0);
    Put(source, 0, "C5", 4);
    Put(source, 24, "E5", 8, false, false);
    source.AddMark(0, 2);
    source.ShowLyrics();
    source.GetLyrics().at(0)->SetText("Twin");
    source.GetLyrics().at(24)->SetText("kle");

    MelodicBar& shown = Treble(*song, 1);
    shown.ShowLyrics();
    shown.PasteFrom(source, 0);
    EXPECT_EQ(GridText(shown), GridText(source));
    EXPECT_EQ(MarksText(shown), "0:2");
    EXPECT_EQ(LyricsText(shown), "0:Twin 24:kle 36: 48: 72:");
    EXPECT_EQ(At(shown, 24)->GetChord()->GetParent(), &shown);

    MelodicBar& hidden = Treble(*song, 2);
    hidden.PasteFrom(source, 0);
    EXPECT_FALSE(hidden.IsLyricShown()) << "a bar without lyrics takes none";

    MelodicBar& bass = BassBar(*song);
    bass.PasteFrom(source, 0);
    EXPECT_EQ(At(bass, 0)->NoteClefCode(), NoteBar::BassClef);
    EXPECT_EQ(At(bass, 0)->GetBox(), NoteBar::HeadBox(bass.PlaceNote(*At(bass, 0)), false))
        << "heads are placed on the new staff";
    EXPECT_EQ(GridViolation(bass), "");
}

TEST_F(BarPasteTest, PastingFromABeatKeepsWhatComesBeforeIt) {
    auto song = MakeSong(4, 4);
    MelodicBar& source = Treble(*song, 0);
    Put(source, 0, "C5", 4);
    Put(source, 48, "G5", 2);
    source.AddMark(0, 7);
    source.AddMark(48, 1);
    MelodicBar& bar = Treble(*song, 1);
    Put(bar, 0, "A4", 1);
    bar.AddMark(0, 3);

    bar.PasteFrom(source, 1);
    // The whole note is cut at beat 1; the source's second half would run
    // past the bar's end and is cut there.
    EXPECT_EQ(GridText(bar), "0:A4/24 24:C5/24 48:S/24 72:G5/24");
    EXPECT_EQ(MarksText(bar), "0:3 24:7 72:1") << "marks travel with their chords";
    EXPECT_EQ(GridViolation(bar), "");
}

TEST_F(BarPasteTest, ClearingFromABeatShortensTheChordThatRunsIntoIt) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 1);
    bar.AddMark(0, 4);
    bar.ShowLyrics();
    bar.ClearFrom(2);
    EXPECT_EQ(GridText(bar), "0:C5/48 48:S/24 72:S/24");
    EXPECT_EQ(MarksText(bar), "0:4");
    EXPECT_EQ(LyricsText(bar), "0: 48: 72:");
    bar.ClearFrom(0);
    EXPECT_EQ(GridText(bar), "0:S/96");
    EXPECT_TRUE(bar.IsLyricShown());
    EXPECT_TRUE(Refused(*song, 0, [&] {
        bar.ClearFrom(4);
        return false;
    })) << "beat 4 lies past the bar";
}

TEST_F(BarPasteTest, PastingABarIntoItselfChangesNothing) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 8, false, true);
    Put(bar, 24, "D5", 4, true);
    const std::string before = GridText(bar);
    bar.PasteFrom(bar, 0);
    EXPECT_EQ(GridText(bar), before);
}

TEST_F(BarPasteTest, AShorterSourceLeavesRestsAtTheEnd) {
    auto song = MakeSong(4, 4);
    auto waltz = MakeSong(3, 4);
    Put(Treble(*waltz), 0, "E5", 2, true);
    MelodicBar& bar = Treble(*song);
    bar.PasteFrom(Treble(*waltz), 0);
    EXPECT_EQ(GridText(bar), "0:E5./72 72:S/24");
    EXPECT_EQ(GridViolation(bar), "");
}

}  // namespace
