#include <gtest/gtest.h>

#include "model/TieChain.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;

namespace {

class TiesTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = MakeSong(4, 4);
        track = song->GetTrack(0);
    }

    std::unique_ptr<Song> song;
    Track* track = nullptr;
};

TEST_F(TiesTest, ATieJoinsTheSamePitchInTheNextChordAndCarriesTheAccidental) {
    MelodicBar& bar = Treble(*song);
    Note* first = Put(bar, 0, "F#5", 4);
    Note* second = Put(bar, 24, "F#5", 4);
    ASSERT_TRUE(track->AddTie(first));
    EXPECT_EQ(GridText(bar), "0:F5#~1/24 24:F5~3/24 48:S/24 72:S/24");
    EXPECT_EQ(second->MidiKeyOf(), 66);
    EXPECT_EQ(track->TieAccidental(*second), Note::Sharp);
    EXPECT_EQ(TieViolation(*track), "");
}

TEST_F(TiesTest, ATiedContinuationSoundsTheTiesAccidentalAcrossTheBarLine) {
    Put(Treble(*song, 0), 0, "F#5", 1);
    Note* continuation = Put(Treble(*song, 1), 0, "F#5", 2);
    ASSERT_TRUE(track->AddTie(Treble(*song, 0).GetChordAt(0)->First()));
    EXPECT_EQ(continuation->GetAccidental(), Note::NoAccidental);
    EXPECT_EQ(continuation->MidiKeyOf(), 66) << "the bar restarts from the key, the tie does not";

    // A later F in that bar sounds the carried sharp, so it is written out.
    Note* later = Put(Treble(*song, 1), 48, "F5", 2);
    EXPECT_EQ(later->GetAccidental(), Note::Sharp);
    EXPECT_EQ(later->MidiKeyOf(), 66);
    EXPECT_EQ(Put(Treble(*song, 2), 0, "F5", 4)->MidiKeyOf(), 65) << "the next bar starts afresh";
}

TEST_F(TiesTest, AccidentalsTheKeySignatureAlreadyWritesAreNotRepeated) {
    auto inG = MakeSong(4, 4, 4, 1);
    Track& g = *inG->GetTrack(0);
    Put(Treble(*inG, 0), 0, "F5", 1);
    Put(Treble(*inG, 1), 0, "F5", 2);
    ASSERT_TRUE(g.AddTie(Treble(*inG, 0).GetChordAt(0)->First()));
    Note* later = Put(Treble(*inG, 1), 48, "F5", 2);
    EXPECT_EQ(later->GetAccidental(), Note::NoAccidental);
    EXPECT_EQ(later->MidiKeyOf(), 66);

    // Made natural, the tie carries the natural and the later F shows it.
    ASSERT_TRUE(g.ApplyAccidental(At(Treble(*inG, 1), 0), Note::Natural));
    EXPECT_EQ(At(Treble(*inG, 0), 0)->GetAccidental(), Note::Natural);
    EXPECT_EQ(At(Treble(*inG, 1), 0)->MidiKeyOf(), 65);
    EXPECT_EQ(later->GetAccidental(), Note::Natural);
    EXPECT_EQ(later->MidiKeyOf(), 65);
}

TEST_F(TiesTest, TheLastBarIsRespelledLikeAnyOther) {
    Put(Treble(*song, 2), 0, "C#5", 1);
    Put(Treble(*song, 3), 0, "C#5", 4);
    ASSERT_TRUE(track->AddTie(At(Treble(*song, 2), 0)));
    Note* later = Put(Treble(*song, 3), 48, "C5", 4);
    EXPECT_EQ(later->MidiKeyOf(), 61);
    EXPECT_EQ(later->GetAccidental(), Note::Sharp);
}

TEST_F(TiesTest, ATieNeedsANoteOfTheSameLetterOctaveAndKeyInTheNextChord) {
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "F#5", 8);
    Put(bar, 12, "Fn5", 8);
    Put(bar, 24, "E#5", 4);
    Put(bar, 48, "F5", 4);
    Put(Treble(*song, 3), 0, "G5", 1);
    ASSERT_EQ(GridText(bar), "0:F5#/12 12:F5n/12 24:E5#/24 48:F5/24 72:S/24");
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->AddTie(At(bar, 0)); })) << "F# then F";
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->AddTie(At(bar, 24)); }))
        << "E# and F sound alike but are other letters";
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->AddTie(At(bar, 48)); })) << "a rest next";
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->AddTie(At(bar, 72)); })) << "a rest";
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->AddTie(At(Treble(*song, 3), 0)); }))
        << "nothing follows the last bar";
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->AddTie(nullptr); }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return song->GetTrack(1)->AddTie(At(bar, 12)); }))
        << "a note of another track";
}

TEST_F(TiesTest, TiesChainThroughMiddleNotesAndAreErasedOneAtATime) {
    MelodicBar& bar = Treble(*song);
    for (int step : {0, 24, 48}) {
        Put(bar, step, "A5", 4);
    }
    ASSERT_TRUE(track->AddTie(At(bar, 0)));
    ASSERT_TRUE(track->AddTie(At(bar, 24)));
    EXPECT_EQ(GridText(bar), "0:A5~1/24 24:A5~2/24 48:A5~3/24 72:S/24");
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->AddTie(At(bar, 0)); })) << "tied already";
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->EraseTie(At(bar, 48)); })) << "an end";
    EXPECT_TRUE(Refused(*song, 0, [&] { return track->EraseTie(At(bar, 72)); }));

    ASSERT_TRUE(track->EraseTie(At(bar, 24)));
    EXPECT_EQ(GridText(bar), "0:A5~1/24 24:A5~3/24 48:A5/24 72:S/24");
    ASSERT_TRUE(track->EraseTie(At(bar, 0)));
    EXPECT_EQ(GridText(bar), "0:A5/24 24:A5/24 48:A5/24 72:S/24");
}

TEST_F(TiesTest, ErasingATiedNoteCutsItsTiesOnBothSides) {
    MelodicBar& bar = Treble(*song);
    for (int step : {0, 24, 48}) {
        Put(bar, step, "A5", 4);
    }
    track->AddTie(At(bar, 0));
    track->AddTie(At(bar, 24));
    ASSERT_TRUE(bar.EraseNote(At(bar, 24)));
    EXPECT_EQ(GridText(bar), "0:A5/24 24:S/24 48:A5/24 72:S/24");
    EXPECT_EQ(TieViolation(*track), "");
}

TEST_F(TiesTest, CuttingAtABarLineUntiesTheFirstOrLastTiedNoteOfEachPitch) {
    MelodicBar& before = Treble(*song, 0);
    MelodicBar& after = Treble(*song, 1);
    Put(before, 0, "C5", 1);
    Put(before, 0, "E5", 1);
    Put(after, 0, "C5", 4);
    Put(after, 0, "E5", 4);
    Put(after, 24, "C5", 4);
    track->AddTie(At(before, 0, 0));
    track->AddTie(At(before, 0, 1));
    track->AddTie(At(after, 0, 0));
    ASSERT_EQ(GridText(after), "0:C5~2+E5~3/24 24:C5~3/24 48:S/24 72:S/24");

    const auto untied = after.CloneUntied(1);
    EXPECT_EQ(GridText(static_cast<const NoteBar&>(*untied)),
              "0:C5~1+E5/24 24:C5~3/24 48:S/24 72:S/24");
    EXPECT_EQ(GridText(after), "0:C5~2+E5~3/24 24:C5~3/24 48:S/24 72:S/24")
        << "the original keeps its ties";

    after.CutTiesAtStart();
    before.CutTiesAtEnd();
    EXPECT_EQ(GridText(after), "0:C5~1+E5/24 24:C5~3/24 48:S/24 72:S/24");
    EXPECT_EQ(GridText(before), "0:C5+E5/96");
    EXPECT_EQ(TieViolation(*track), "");
}

TEST_F(TiesTest, ReplacingABarsContentCutsTheTiesThatReachedIt) {
    Put(Treble(*song, 0), 0, "D5", 1);
    Put(Treble(*song, 1), 0, "D5", 1);
    Put(Treble(*song, 2), 0, "D5", 1);
    track->AddTie(At(Treble(*song, 0), 0));
    track->AddTie(At(Treble(*song, 1), 0));
    Treble(*song, 1).ClearContent();
    EXPECT_EQ(TieViolation(*track), "");
    EXPECT_EQ(GridText(Treble(*song, 0)), "0:D5/96");
    EXPECT_EQ(GridText(Treble(*song, 2)), "0:D5/96");

    Put(Treble(*song, 1), 0, "D5", 1);
    track->AddTie(At(Treble(*song, 0), 0));
    track->AddTie(At(Treble(*song, 1), 0));
    auto source = MakeSong(4, 4);
    Put(Treble(*source), 0, "G5", 1);
    Treble(*song, 1).PasteIfSameKind(Treble(*source), 3);
    EXPECT_EQ(TieViolation(*track), "");
    EXPECT_EQ(GridText(Treble(*song, 1)), "0:G5/96");

    Put(Treble(*song, 2), 0, "G5", 1);
    ASSERT_EQ(GridText(Treble(*song, 2)), "0:D5+G5/96");
    ASSERT_TRUE(track->AddTie(At(Treble(*song, 1), 0)));
    Treble(*song, 1).CutEdgeTies();
    EXPECT_EQ(TieViolation(*track), "");
    EXPECT_EQ(GridText(Treble(*song, 1)), "0:G5/96");
    EXPECT_EQ(GridText(Treble(*song, 2)), "0:D5+G5/96");
}

TEST_F(TiesTest, TheTieAccidentalIsTheOneInForceOnTheFirstNote) {
    auto inG = MakeSong(4, 4, 4, 1);
    Track& g = *inG->GetTrack(0);
    MelodicBar& bar = Treble(*inG);
    Put(bar, 0, "S", 4);
    Put(bar, 24, "F5", 4);
    Put(bar, 48, "F5", 4);
    g.AddTie(At(bar, 24));
    EXPECT_EQ(g.TieAccidental(*At(bar, 48)), Note::Sharp) << "from the key signature";

    Put(bar, 0, "Fn5", 4);
    EXPECT_EQ(g.TieAccidental(*At(bar, 48)), Note::Natural) << "written earlier in the bar";
    EXPECT_EQ(At(bar, 48)->MidiKeyOf(), 65);
}

TEST_F(TiesTest, AnAccidentalOnATiedNoteGoesToTheTiesFirstNote) {
    Put(Treble(*song, 0), 0, "S", 4);
    Put(Treble(*song, 0), 72, "G#5", 4);
    Put(Treble(*song, 1), 0, "G#5", 4);
    Put(Treble(*song, 1), 24, "G#5", 4);
    track->AddTie(At(Treble(*song, 0), 72));
    track->AddTie(At(Treble(*song, 1), 0));
    ASSERT_TRUE(track->ApplyAccidental(At(Treble(*song, 1), 24), Note::Flat));
    EXPECT_EQ(At(Treble(*song, 0), 72)->GetAccidental(), Note::Flat);
    EXPECT_EQ(At(Treble(*song, 1), 0)->GetAccidental(), Note::NoAccidental);
    EXPECT_EQ(At(Treble(*song, 1), 24)->GetAccidental(), Note::NoAccidental);
    EXPECT_EQ(At(Treble(*song, 1), 24)->MidiKeyOf(), 66);

    EXPECT_TRUE(Refused(*song, 0, [&] {
        return track->ApplyAccidental(At(Treble(*song, 2), 0), 1);
    })) << "a rest";
    EXPECT_TRUE(Refused(*song, 0, [&] {
        return track->ApplyAccidental(At(Treble(*song, 1), 24), Note::DoubleFlat + 1);
    }));
    Note* drum = Put(Drums(*song), 0, "C5", 4);
    EXPECT_TRUE(Refused(*song, 2, [&] {
        return song->GetTrack(2)->ApplyAccidental(drum, Note::Sharp);
    })) << "drums have no pitch";
}

}  // namespace
