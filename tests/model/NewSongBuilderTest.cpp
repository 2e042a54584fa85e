#include <gtest/gtest.h>

#include "model/NewSongBuilder.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "support/EngineReset.h"

namespace {

class NewSongBuilderTest : public EngineReset {
protected:
    static NewSongSettings Counts(const char* treble, const char* bass, const char* accompaniment,
                                  const char* percussion) {
        // Built in place: assigning each count over its default string makes
        // GCC 12 warn of a (false) overlapping copy in optimised builds.
        return {.trebleCount = treble,
                .bassCount = bass,
                .accompanimentCount = accompaniment,
                .percussionCount = percussion};
    }
};

TEST_F(NewSongBuilderTest, TrackLimitsRefuseWithTheirMessages) {
    auto outcome = NewSongBuilder::Build(Counts("5", "5", "0", "0"));
    EXPECT_EQ(outcome.song, nullptr);
    EXPECT_EQ(outcome.messageId, ids::kMaxPitchedTracks);
    EXPECT_EQ(StringTable::Get(outcome.messageId),
              "The maximum number of pitched tracks (treble + bass) is 9");

    outcome = NewSongBuilder::Build(Counts("9", "0", "0", "8"));
    EXPECT_EQ(outcome.song, nullptr);
    EXPECT_EQ(StringTable::Get(outcome.messageId),
              "The maximum number of non accompaniment tracks (treble + bass + percussion) is 16");

    outcome = NewSongBuilder::Build(Counts("9", "0", "1", "7"));
    ASSERT_NE(outcome.song, nullptr);
    EXPECT_EQ(outcome.song->GetNumTracks(), 17);
    EXPECT_EQ(outcome.messageId, 0);
}

TEST_F(NewSongBuilderTest, NegativeCountsCannotSmuggleTracksPastALimit) {
    auto outcome = NewSongBuilder::Build(Counts("-5", "14", "0", "0"));
    EXPECT_EQ(outcome.song, nullptr);
    EXPECT_EQ(outcome.messageId, ids::kMaxPitchedTracks) << "14 basses exceed the limit";
    outcome = NewSongBuilder::Build(Counts("-1", "2", "0", "0"));
    ASSERT_NE(outcome.song, nullptr);
    EXPECT_EQ(outcome.song->GetNumTracks(), 2) << "a negative count counts as none";
}

TEST_F(NewSongBuilderTest, TempoBoundsAreInclusive) {
    for (const char* tempo : {"20", "208"}) {
        NewSongSettings settings;
        settings.tempo = tempo;
        const auto outcome = NewSongBuilder::Build(settings);
        ASSERT_NE(outcome.song, nullptr) << tempo;
        EXPECT_EQ(outcome.song->GetTempo(), std::stoi(tempo));
        EXPECT_EQ(SoundEngine::Instance().GetTempo(), std::stoi(tempo));
    }
    for (const char* tempo : {"19", "209", "", "fast"}) {
        NewSongSettings settings;
        settings.tempo = tempo;
        const auto outcome = NewSongBuilder::Build(settings);
        EXPECT_EQ(outcome.song, nullptr) << tempo;
        EXPECT_EQ(outcome.messageId, ids::kTempoRange);
        EXPECT_TRUE(outcome.focusTempo);
    }
    EXPECT_EQ(StringTable::Get(ids::kTempoRange), "The tempo must be within 20 and 208");
}

TEST_F(NewSongBuilderTest, BuildsTracksInSlotOrderWithTheChosenSignatures) {
    NewSongSettings settings = Counts("2", "1", "1", "2");
    settings.timeSignatureIndex = 4;
    settings.keyIndex = 9;
    settings.tempo = "90";
    const auto outcome = NewSongBuilder::Build(settings);
    ASSERT_NE(outcome.song, nullptr);
    const Song& song = *outcome.song;
    const int expected[] = {AccompanimentTrack, TrebleTrack,     TrebleTrack,
                            BassTrack,          PercussionTrack, PercussionTrack};
    ASSERT_EQ(song.GetNumTracks(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(song.GetTrack(i)->GetTrackType(), expected[i]) << i;
    }
    EXPECT_EQ(song.GetNumBars(), 16);
    EXPECT_EQ(song.GetTitleText()->GetText(), "My Great Music");
    EXPECT_EQ(song.GetAuthorText()->GetText(), "little musician");
    EXPECT_EQ(song.GetTimeSignature().numerator, 6);
    EXPECT_EQ(song.GetTimeSignature().denominator, 8);
    EXPECT_EQ(song.GetKeySignature(), -3);
    EXPECT_EQ(SoundEngine::Instance().KeySignature(), -3);
    EXPECT_EQ(SoundEngine::Instance().StepsPerBar(), 72);
}

TEST_F(NewSongBuilderTest, SignatureListsMapInOrder) {
    const std::pair<int, int> times[] = {{2, 2}, {2, 4}, {3, 4}, {4, 4}, {6, 8}};
    for (int i = 0; i < 5; ++i) {
        const auto ts = NewSongBuilder::TimeSignatureAt(i);
        EXPECT_EQ(std::make_pair(ts.numerator, ts.denominator), times[i]);
    }
    for (int i = 0; i <= 12; ++i) {
        EXPECT_EQ(NewSongBuilder::KeySignatureAt(i), 6 - i);
    }
}

TEST_F(NewSongBuilderTest, FirstStartSongHasOneTrebleTrack) {
    const auto song = NewSongBuilder::FirstStartSong();
    ASSERT_EQ(song->GetNumTracks(), 1);
    EXPECT_EQ(song->GetTrack(0)->GetTrackType(), TrebleTrack);
    EXPECT_EQ(song->GetTempo(), 114);
    EXPECT_EQ(song->GetNumBars(), 16);
    EXPECT_EQ(song->GetKeySignature(), 0);
    EXPECT_EQ(song->GetNumOfStepsPerBar(), 96);
}

TEST_F(NewSongBuilderTest, CountsReadLikeDecimalFields) {
    EXPECT_EQ(NewSongBuilder::ParseCount(" 12abc"), 12);
    EXPECT_EQ(NewSongBuilder::ParseCount("-3"), -3);
    EXPECT_EQ(NewSongBuilder::ParseCount("x1"), 0);
    EXPECT_EQ(NewSongBuilder::ParseCount("99999999999999999999"), 2147483647);
}

}  // namespace
