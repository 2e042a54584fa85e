#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "PlaybackSongs.h"
#include "model/DynamicMark.h"
#include "model/Track.h"
#include "playback/NoteHighlightEvent.h"
#include "playback/NoteMetroEvent.h"
#include "playback/NoteSoundEvent.h"

namespace {

using playback_test::BarOf;
using playback_test::MakeSong;
using playback_test::Put;
using Strings = std::vector<std::string>;

// "sound ch0 k60 v76 460ms", "light 460ms" or "click 30ms".
std::string Describe(const NoteEvent& event) {
    if (const auto* sound = dynamic_cast<const NoteSoundEvent*>(&event)) {
        return "sound ch" + std::to_string(sound->NoteOn().Channel()) + " k" +
               std::to_string(sound->NoteOn().Data1()) + " v" +
               std::to_string(sound->NoteOn().Data2()) + " " + std::to_string(event.Duration()) +
               "ms";
    }
    if (dynamic_cast<const NoteHighlightEvent*>(&event) != nullptr) {
        return "light " + std::to_string(event.Duration()) + "ms";
    }
    if (dynamic_cast<const NoteMetroEvent*>(&event) != nullptr) {
        return "click " + std::to_string(event.Duration()) + "ms";
    }
    return "unknown";
}

Strings Describe(const SoundEngine::EventList& events) {
    Strings out;
    for (const auto& event : events) {
        out.push_back(Describe(*event));
    }
    return out;
}

class StepEventsTest : public playback_test::PlaybackFixture {
protected:
    // The events of one step of one track, described.
    Strings Step(Song& song, int track, int bar, int step, bool accompaniment = false) {
        SoundEngine::EventList events;
        engine.BuildStepEvents(*song.GetTrack(track), bar, step, accompaniment, events);
        return Describe(events);
    }
};

// 60 / 120 / 24 * 1000 = 20.83 ms a step, taken as 20; a quarter note of 24
// steps sounds for 23 of them and leaves a one-step gap before the next.
TEST_F(StepEventsTest, QuarterNoteAtOneHundredTwentySoundsFourHundredSixtyMilliseconds) {
    auto song = MakeSong("T", 1, 120);
    engine.SetTempo(120, false);
    Put(*song, 0, 0, 0, "C5", 4);
    Put(*song, 0, 0, 24, "E5", 8, true);
    SoundEngine::EventList events;
    EXPECT_TRUE(engine.BuildStepEvents(*song->GetTrack(0), 0, 0, false, events));
    EXPECT_EQ(Describe(events), (Strings{"light 460ms", "sound ch0 k60 v76 460ms"}))
        << "MF plays at 60 %: velocity 76";
    EXPECT_EQ(Step(*song, 0, 0, 24), (Strings{"light 340ms", "sound ch0 k64 v76 340ms"}))
        << "a dotted eighth: 18 steps, 17 sounding";
    EXPECT_EQ(Step(*song, 0, 0, 12), Strings{}) << "no chord starts inside a note";

    engine.SetTimeSignature(6, 8);
    engine.SetTempo(60, false);
    EXPECT_NEAR(engine.PlaybackMsPerStep(), 60.0 / 90.0 / 24.0 * 1000.0, 1e-9)
        << "in 6/8 the tempo counts dotted quarters: 90 quarters a minute";
    engine.SetTimeSignature(2, 2);
    EXPECT_NEAR(engine.PlaybackMsPerStep(), 60.0 / 120.0 / 24.0 * 1000.0, 1e-9);
}

TEST_F(StepEventsTest, RestsAreHighlightedButNeverSounded) {
    auto song = MakeSong("TP", 1, 120);
    engine.SetTempo(120, false);
    Put(*song, 0, 0, 0, "S", 4);
    Put(*song, 0, 0, 24, "D5", 4);
    EXPECT_EQ(Step(*song, 0, 0, 0), (Strings{"light 460ms"}));
    EXPECT_EQ(Step(*song, 1, 0, 0), (Strings{"light 1900ms"})) << "a whole-bar rest";
}

TEST_F(StepEventsTest, TiedNotesSoundAsOneNoteAndTheRestOfTheTieIsOnlyHighlighted) {
    auto song = MakeSong("T", 2, 120);
    engine.SetTempo(120, false);
    Note* first = Put(*song, 0, 0, 0, "C5", 4);
    Put(*song, 0, 0, 24, "C5", 4);
    Note* third = Put(*song, 0, 0, 48, "G5", 2);
    Put(*song, 0, 1, 0, "G5", 4);
    Put(*song, 0, 1, 24, "G5", 8);
    Track& track = *song->GetTrack(0);
    ASSERT_TRUE(track.AddTie(first));
    ASSERT_TRUE(track.AddTie(third));
    ASSERT_TRUE(track.AddTie(BarOf(*song, 0, 1).GetChordAt(0)->GetNote(0)));

    EXPECT_EQ(Step(*song, 0, 0, 0), (Strings{"light 460ms", "sound ch0 k60 v76 920ms"}))
        << "23 + 23 = 46 steps";
    EXPECT_EQ(Step(*song, 0, 0, 24), (Strings{"light 460ms"}));
    EXPECT_EQ(Step(*song, 0, 0, 48), (Strings{"light 940ms", "sound ch0 k67 v76 1620ms"}))
        << "across the bar line: 47 + 23 + 11 = 81 steps";
    EXPECT_EQ(Step(*song, 0, 1, 0), (Strings{"light 460ms"}));
    EXPECT_EQ(Step(*song, 0, 1, 24), (Strings{"light 220ms"}));
}

TEST_F(StepEventsTest, DynamicsAndAccentsSetVelocities) {
    auto song = MakeSong("T", 1, 120);
    for (int step = 0; step < 96; step += 24) {
        Put(*song, 0, 0, step, "C5", 4);
    }
    NoteBar& bar = BarOf(*song, 0, 0);
    ASSERT_TRUE(bar.AddMark(0, DynamicMark::FF));
    ASSERT_TRUE(bar.AddMark(24, DynamicMark::Accent));
    ASSERT_TRUE(bar.AddMark(72, DynamicMark::SF));
    engine.SetTempo(120, false);
    EXPECT_EQ(Step(*song, 0, 0, 0)[1], "sound ch0 k60 v101 460ms") << "FF: 0.8 * 127";
    EXPECT_EQ(Step(*song, 0, 0, 24)[1], "sound ch0 k60 v116 460ms") << "FF accented: 0.92";
    EXPECT_EQ(Step(*song, 0, 0, 48)[1], "sound ch0 k60 v101 460ms")
        << "an accent is for its step only, the level stays";
    ASSERT_TRUE(bar.AddMark(48, DynamicMark::FFF));
    Step(*song, 0, 0, 48);
    EXPECT_EQ(Step(*song, 0, 0, 72)[1], "sound ch0 k60 v127 460ms")
        << "FFF with SF is 1.17, clipped to 1";
}

TEST_F(StepEventsTest, PercussionVelocityCarriesTheTrackVolume) {
    auto song = MakeSong("AP", 1, 120);
    engine.SetTempo(120, false);
    Put(*song, 1, 0, 0, "C5", 4);
    song->GetTrack(1)->SetVolume(50);
    EXPECT_EQ(Step(*song, 1, 0, 0), (Strings{"light 460ms", "sound ch9 k35 v38 460ms"}))
        << "0.5 * 0.6 = 0.3: velocity 38, on the drum of the track's instrument";

    // A drum track that plays the accompaniment is also scaled by the
    // accompaniment track's volume, and is never highlighted.
    song->GetTrack(1)->SetVolume(100);
    song->GetTrack(0)->SetVolume(50);
    EXPECT_EQ(Step(*song, 1, 0, 0, true), (Strings{"sound ch9 k35 v38 460ms"}));
}

TEST_F(StepEventsTest, MutedTracksAreNeitherHeardNorHighlightedButFollowTheirMarks) {
    auto song = MakeSong("T", 1, 120);
    engine.SetTempo(120, false);
    Put(*song, 0, 0, 0, "C5", 4);
    Put(*song, 0, 0, 24, "D5", 4);
    ASSERT_TRUE(BarOf(*song, 0, 0).AddMark(0, DynamicMark::PP));
    song->GetTrack(0)->SetMuted(true);
    SoundEngine::EventList events;
    EXPECT_FALSE(engine.BuildStepEvents(*song->GetTrack(0), 0, 0, false, events));
    EXPECT_TRUE(events.empty());
    song->GetTrack(0)->SetMuted(false);
    EXPECT_EQ(Step(*song, 0, 0, 24)[1], "sound ch0 k62 v38 460ms") << "PP: 0.3 * 127";
}

TEST_F(StepEventsTest, NotesThatCannotBeSentAreStillShownPlaying) {
    // 14 tracks of another song take every melodic channel.
    for (int t = 40; t < 54; ++t) {
        engine.SetTrackProgram(t, false, 0);
    }
    auto song = MakeSong("TT", 1, 120);
    engine.SetTempo(120, false);
    ASSERT_EQ(engine.TrackChannel(0), -1);
    Put(*song, 0, 0, 0, "C5", 4);
    EXPECT_EQ(Step(*song, 0, 0, 0), (Strings{"light 460ms"})) << "no channel: nothing to send";

    engine.ResetChannels();
    engine.SetTrackProgram(1, false, 0);
    Note* high = Put(*song, 1, 0, 0, "B10", 4);
    ASSERT_NE(high, nullptr);
    ASSERT_GT(high->MidiKeyOf(), 127) << "the test needs a key above the keyboard";
    Note* low = Put(*song, 1, 0, 24, "Cb0", 4);
    ASSERT_NE(low, nullptr);
    ASSERT_LT(low->MidiKeyOf(), 0);
    EXPECT_EQ(Step(*song, 1, 0, 0), (Strings{"light 460ms"}));
    EXPECT_EQ(Step(*song, 1, 0, 24), (Strings{"light 460ms"}));
}

TEST_F(StepEventsTest, AStepCollectsEveryTrackThenTheMetronomeOnBeats) {
    // The chord track holds no channel; the muted treble track holds channel
    // 0 and adds no events.
    auto song = MakeSong("ATTP", 1, 60, 6, 8);
    song->GetTrack(1)->SetMuted(true);
    Put(*song, 2, 0, 0, "C5", 4, true);
    Put(*song, 3, 0, 0, "C5", 8);
    SoundEngine::EventList events;
    EXPECT_TRUE(engine.CollectStepEvents(*song, 0, 0, events));
    EXPECT_EQ(Describe(events), (Strings{"light 945ms", "sound ch1 k60 v76 945ms", "light 297ms",
                                         "sound ch9 k35 v76 297ms", "click 30ms"}))
        << "the chord track has no notes of its own; 27 ms a step at 90 quarters a minute";
    int clicks = 0;
    for (int step = 1; step < 72; ++step) {
        events.clear();
        engine.CollectStepEvents(*song, 0, step, events);
        for (const auto& event : events) {
            if (dynamic_cast<const NoteMetroEvent*>(event.get()) != nullptr) {
                EXPECT_EQ(step % 12, 0) << "a click off the beat at step " << step;
                ++clicks;
            }
        }
    }
    EXPECT_EQ(clicks, 5) << "six clicks in a bar of 6/8, the first at step 0";
}

TEST_F(StepEventsTest, EventsGroupByDurationInOrderOfFirstAppearance) {
    SoundEngine::EventList events;
    for (const int ms : {460, 30, 460, 100, 30, 460}) {
        events.push_back(std::make_unique<NoteSoundEvent>(0, 60, ms, 80, &recorder));
    }
    const auto groups = SoundEngine::GroupByDuration(events);
    EXPECT_TRUE(events.empty());
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0]->Duration(), 460);
    EXPECT_EQ(groups[0]->Size(), 3u);
    EXPECT_EQ(groups[1]->Duration(), 30);
    EXPECT_EQ(groups[1]->Size(), 2u);
    EXPECT_EQ(groups[2]->Duration(), 100);
}

TEST_F(StepEventsTest, PreparationSetsTheDynamicsInForceAtTheStartBar) {
    auto song = MakeSong("TTT", 4, 120);
    for (int bar = 0; bar < 4; ++bar) {
        for (int t = 0; t < 3; ++t) {
            Put(*song, t, bar, 0, "C5", 4);
            Put(*song, t, bar, 24, "D5", 4);
        }
    }
    ASSERT_TRUE(BarOf(*song, 0, 0).AddMark(0, DynamicMark::FF));
    ASSERT_TRUE(BarOf(*song, 0, 1).AddMark(0, DynamicMark::P));
    ASSERT_TRUE(BarOf(*song, 0, 1).AddMark(24, DynamicMark::Accent));
    ASSERT_TRUE(BarOf(*song, 1, 3).AddMark(0, DynamicMark::PPP));
    engine.ApplyMarkings(2, {DynamicMark::FFF});

    EXPECT_EQ(engine.PrepareToPlay(*song, 3), SoundEngine::NoError);
    EXPECT_EQ(engine.Entry(0)->dynamicLevel, DynamicMark::P)
        << "the last level before bar 3; the accent after it is not a level";
    EXPECT_EQ(engine.Entry(1)->dynamicLevel, DynamicMark::MF) << "its mark is in bar 3 itself";
    EXPECT_EQ(engine.Entry(2)->dynamicLevel, DynamicMark::MF)
        << "an earlier playback's level does not linger";

    EXPECT_EQ(engine.PrepareToPlay(*song, 1), SoundEngine::NoError);
    EXPECT_EQ(engine.Entry(0)->dynamicLevel, DynamicMark::FF);
}

TEST_F(StepEventsTest, PreparationSendsProgramsVolumesAndTheMetronomeChannel) {
    auto song = MakeSong("TP", 1, 120);
    song->GetTrack(0)->SetProgram(40);
    song->GetTrack(0)->SetVolume(50);
    recorder.Clear();
    EXPECT_EQ(engine.PrepareToPlay(*song, 0), SoundEngine::NoError);
    std::vector<std::array<int, 3>> bytes;
    for (const auto& m : recorder.Messages()) {
        bytes.push_back({m.status, m.data1, m.data2});
    }
    EXPECT_EQ(bytes, (std::vector<std::array<int, 3>>{
                         {0xC0, 40, 0},
                         {0xB0, 7, 63},
                         {0xC9, 0, 0},
                         {0xB9, 7, 127},
                         {0xCF, 115, 0},
                         {0xBF, 7, 127},
                         {0xB9, 7, 127},
                     }));
}

TEST_F(StepEventsTest, AccompanimentWithoutAStyleCannotBePrepared) {
    auto song = MakeSong("AT", 1, 120);
    engine.SetStyleName("[N/A]");
    recorder.Clear();
    EXPECT_EQ(engine.PrepareToPlay(*song, 0), SoundEngine::NoAccompanimentStyle);
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST_F(StepEventsTest, AuditionPlaysTheChordAtOnceForOneHundredMilliseconds) {
    auto song = MakeSong("TP", 1, 120);
    Put(*song, 0, 0, 0, "C5", 4);
    Put(*song, 0, 0, 0, "E5", 4);
    Put(*song, 1, 0, 0, "S", 4);
    Put(*song, 1, 0, 24, "C5", 4);
    song->GetTrack(1)->SetVolume(70);
    recorder.Clear();
    engine.AuditionStep(BarOf(*song, 0, 0), 0);
    engine.AuditionStep(BarOf(*song, 1, 0), 24);
    engine.AuditionStep(BarOf(*song, 1, 0), 0);
    auto ons = recorder.NoteOns();
    ASSERT_EQ(ons.size(), 3u) << "a rest is not auditioned";
    EXPECT_EQ((std::array<int, 3>{ons[0].status, ons[0].data1, ons[0].data2}),
              (std::array<int, 3>{0x90, 60, 100}));
    EXPECT_EQ(ons[1].data1, 64);
    EXPECT_EQ((std::array<int, 3>{ons[2].status, ons[2].data1, ons[2].data2}),
              (std::array<int, 3>{0x99, 35, 70}))
        << "a drum sounds at the track's volume";
    for (int i = 0; i < 200 && engine.RunningGroupCount() > 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(engine.RunningGroupCount(), 0u);
    EXPECT_TRUE(recorder.Sounding().empty());
}

}  // namespace
