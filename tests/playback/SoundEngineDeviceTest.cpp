#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "FakeDeviceDirectory.h"
#include "LogCapture.h"
#include "playback/SoundEngine.h"
#include "playback/midi/MidiOutput.h"

namespace {

using Strings = std::vector<std::string>;

class SoundEngineDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine.SetOutput(nullptr);
        engine.ResetChannels();
        engine.SetDeviceDirectory(directory);
    }
    void TearDown() override {
        engine.SetDeviceDirectory(nullptr);
        engine.SetOutput(nullptr);
        engine.ResetChannels();
    }

    SoundEngine& engine = SoundEngine::Instance();
    std::shared_ptr<FakeDeviceDirectory> directory = std::make_shared<FakeDeviceDirectory>(
        std::vector<FakeDevice>{FakeDevice::Working("Synth A"), FakeDevice::Working("Port B"),
                                FakeDevice::FailingToOpen("Unplugged C", "device C is gone")});
};

TEST_F(SoundEngineDeviceTest, OpeningWithProgramsGivesTheNewDeviceEveryTracksInstrument) {
    engine.SetTrackProgram(0, false, 40);
    engine.SetTrackProgram(1, true, 35);
    engine.SetTrackProgram(2, false, 73);
    engine.SetTrackVolume(2, 50);
    engine.SetTrackProgram(30, false, 5);
    EXPECT_EQ(engine.DeviceNames(), (Strings{"Synth A", "Port B", "Unplugged C"}));

    engine.OpenDevice(1, true);
    EXPECT_TRUE(engine.IsDeviceOpen());
    EXPECT_EQ(engine.OpenDeviceId(), 1);
    EXPECT_EQ(directory->MessagesTo(1), (Strings{"C0 28", "C9 00", "C1 49", "C2 05"}))
        << "table order; the percussion channel gets program 0, the kit is chosen by key";

    engine.OpenDevice(0, false);
    EXPECT_TRUE(directory->MessagesTo(0).empty());
}

TEST_F(SoundEngineDeviceTest, ChoosingTheDeviceAlreadyOpenDoesNotReopenIt) {
    engine.SetTrackProgram(0, false, 40);
    engine.OpenDevice(1, true);
    directory->ClearJournal();
    engine.OpenDevice(1, true);
    EXPECT_TRUE(directory->Journal().empty()) << "neither reopened nor programs sent again";
}

TEST_F(SoundEngineDeviceTest, ChannelMessagesGoToTheOpenDeviceUnlessRedirected) {
    engine.OpenDevice(0, false);
    engine.SetTrackProgram(0, false, 19);
    engine.SetTrackVolume(0, 100);
    EXPECT_EQ(directory->MessagesTo(0), (Strings{"C0 13", "B0 07 7F"}));

    struct Recorder : midi::MidiOutput {
        void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override {
            messages.push_back({status, data1, data2});
        }
        std::vector<std::array<int, 3>> messages;
    } recorder;
    engine.SetOutput(&recorder);
    engine.SetTrackVolume(0, 0);
    EXPECT_EQ(recorder.messages, (std::vector<std::array<int, 3>>{{0xB0, 7, 0}}));
    EXPECT_EQ(directory->MessagesTo(0).size(), 2u);

    engine.SetOutput(nullptr);
    engine.SetTrackVolume(0, 50);
    EXPECT_EQ(directory->MessagesTo(0).back(), "B0 07 3F") << "null sends to the device again";
}

TEST_F(SoundEngineDeviceTest, ADeviceThatWillNotOpenIsReportedAndOtherwiseIgnored) {
    LogCapture log;
    engine.OpenDevice(2, true);
    EXPECT_FALSE(engine.IsDeviceOpen());
    EXPECT_EQ(engine.OpenDeviceId(), -1);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_NE(log.lines[0].find("device C is gone"), std::string::npos) << log.lines[0];

    engine.OpenDevice(1, false);
    engine.OpenDevice(2, true);
    EXPECT_EQ(engine.OpenDeviceId(), 1) << "the device that was open stays in use";

    engine.OpenDevice(7, true);
    EXPECT_EQ(engine.OpenDeviceId(), 1) << "a remembered id beyond the list changes nothing";
}

TEST_F(SoundEngineDeviceTest, WithoutADeviceMessagesAreDroppedSilently) {
    LogCapture log;
    engine.SetTrackProgram(0, false, 40);
    engine.SetTrackVolume(0, 80);
    engine.SendAllPrograms();
    EXPECT_TRUE(directory->Journal().empty());
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(SoundEngineDeviceTest, TestDevicePlaysMiddleCThereThenReturnsToThePreviousDevice) {
    engine.OpenDevice(0, false);
    directory->ClearJournal();
    engine.TestDevice(1);
    EXPECT_EQ(directory->Journal(),
              (Strings{"open 1", "close 0", "1: 90 3C 50", "1: 80 3C 50", "open 0", "close 1"}));
    EXPECT_EQ(engine.OpenDeviceId(), 0);

    directory->ClearJournal();
    engine.TestDevice(0);
    EXPECT_EQ(directory->Journal(), (Strings{"0: 90 3C 50", "0: 80 3C 50"}))
        << "testing the open device plays on it without reopening";
}

TEST_F(SoundEngineDeviceTest, TestDeviceOnADeviceThatWillNotOpenPlaysNothingAnywhere) {
    LogCapture log;
    engine.OpenDevice(0, false);
    directory->ClearJournal();
    engine.TestDevice(2);
    EXPECT_TRUE(directory->Journal().empty());
    EXPECT_EQ(engine.OpenDeviceId(), 0);
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST_F(SoundEngineDeviceTest, TestDeviceWithNothingOpenLeavesNothingOpen) {
    engine.TestDevice(1);
    EXPECT_EQ(directory->MessagesTo(1), (Strings{"90 3C 50", "80 3C 50"}));
    EXPECT_FALSE(engine.IsDeviceOpen());
}

TEST_F(SoundEngineDeviceTest, CloseDeviceForgetsTheOpenId) {
    engine.OpenDevice(1, false);
    engine.CloseDevice();
    EXPECT_FALSE(engine.IsDeviceOpen());
    EXPECT_EQ(engine.OpenDeviceId(), -1);
    EXPECT_EQ(directory->Journal().back(), "close 1");
    engine.OpenDevice(1, false);
    EXPECT_EQ(engine.OpenDeviceId(), 1) << "after closing, the same id opens again";
}

}  // namespace
