#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "playback/SoundEngine.h"
#include "playback/midi/MidiOutput.h"
#include "support/EngineReset.h"

namespace {

class RecordingOutput : public midi::MidiOutput {
public:
    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override {
        messages.push_back({status, data1, data2});
    }
    std::vector<std::array<int, 3>> messages;
};

class SoundEngineChannelTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        SoundEngine::Instance().SetOutput(&output);
    }
    SoundEngine& engine = SoundEngine::Instance();
    RecordingOutput output;
};

TEST_F(SoundEngineChannelTest, PercussionSharesChannelNineAndMelodicTracksSkipIt) {
    for (int t = 0; t < 9; ++t) {
        engine.SetTrackProgram(t, false, t);
        EXPECT_EQ(engine.TrackChannel(t), t);
    }
    engine.SetTrackProgram(9, true, 35);
    engine.SetTrackProgram(10, true, 42);
    EXPECT_EQ(engine.TrackChannel(9), 9);
    EXPECT_EQ(engine.TrackChannel(10), 9);

    engine.SetTrackProgram(11, false, 40);
    EXPECT_EQ(engine.TrackChannel(11), 10) << "the tenth melodic track gets index 10";
    for (int t = 12; t < 16; ++t) {
        engine.SetTrackProgram(t, false, 0);
    }
    EXPECT_EQ(engine.TrackChannel(15), 14);
    engine.SetTrackProgram(16, false, 0);
    EXPECT_EQ(engine.TrackChannel(16), -1) << "15 is the metronome's, so nothing is free";
    EXPECT_EQ(engine.AllocateChannel(false), -1);
    EXPECT_EQ(engine.AllocateChannel(true), 9);
}

TEST_F(SoundEngineChannelTest, ProgramAndVolumeMessages) {
    engine.SetTrackProgram(0, false, 40);
    engine.SetTrackVolume(0, 50);
    engine.SetTrackProgram(1, true, 42);
    engine.SetTrackVolume(1, 80);
    const std::vector<std::array<int, 3>> expected = {
        {0xC0, 40, 0},  // program change on channel 0
        {0xB0, 7, 63},  // volume 50 % = 63
        {0xC9, 0, 0},   // percussion: program 0, the drum is chosen by key
    };
    EXPECT_EQ(output.messages, expected) << "percussion volume goes into velocities, not CC 7";
    EXPECT_EQ(engine.TrackVolume(1), 80);
    EXPECT_EQ(engine.Entry(1)->program, 42);
}

TEST_F(SoundEngineChannelTest, ATrackWithoutAChannelSendsNothing) {
    for (int t = 0; t < 14; ++t) {
        engine.SetTrackProgram(t, false, 0);
    }
    output.messages.clear();
    engine.SetTrackProgram(20, false, 5);
    engine.SetTrackVolume(20, 100);
    engine.SetTrackVolume(30, 100);
    EXPECT_EQ(engine.TrackChannel(20), -1);
    EXPECT_TRUE(output.messages.empty());
    engine.SetTrackProgram(64, false, 0);
    engine.SetTrackProgram(-1, false, 0);
    EXPECT_TRUE(output.messages.empty());
    EXPECT_EQ(engine.TrackChannel(64), -1);
}

TEST_F(SoundEngineChannelTest, ATrackKeepsASuitableChannelAndSwapsAnUnsuitableOne) {
    engine.SetTrackProgram(0, false, 1);
    engine.SetTrackProgram(0, false, 2);
    EXPECT_EQ(engine.TrackChannel(0), 0);
    engine.SetTrackProgram(0, true, 35);
    EXPECT_EQ(engine.TrackChannel(0), 9);
    engine.SetTrackProgram(1, false, 0);
    EXPECT_EQ(engine.TrackChannel(1), 0) << "channel 0 was freed";
    engine.ResetChannels();
    EXPECT_EQ(engine.TrackChannel(1), -1);
    EXPECT_EQ(engine.Entry(1)->volume, -1);
    EXPECT_EQ(engine.Entry(1)->dynamicLevel, 4);
}

TEST(SoundEngineConversions, PercentAndMidiTruncate) {
    EXPECT_EQ(SoundEngine::PercentToMidi(100), 127);
    EXPECT_EQ(SoundEngine::PercentToMidi(50), 63);
    EXPECT_EQ(SoundEngine::PercentToMidi(1), 1);
    EXPECT_EQ(SoundEngine::PercentToMidi(0), 0);
    EXPECT_EQ(SoundEngine::MidiToPercent(127), 100);
    EXPECT_EQ(SoundEngine::MidiToPercent(63), 49);
    EXPECT_EQ(SoundEngine::MidiToPercent(1), 0);
}

TEST_F(SoundEngineChannelTest, TempoAndTimeSignature) {
    engine.SetTimeSignature(6, 8);
    EXPECT_EQ(engine.StepsPerBar(), 72);
    EXPECT_EQ(engine.StepsPerBeat(), 12);
    engine.SetTimeSignature(4, 4);
    engine.SetTempo(120, false);
    EXPECT_DOUBLE_EQ(engine.MsPerStep(), 60.0 / 120 / 24 * 1000);
    engine.SetTimeSignature(0, 4);
    EXPECT_EQ(engine.StepsPerBar(), 96) << "an impossible signature is refused";
}

}  // namespace
