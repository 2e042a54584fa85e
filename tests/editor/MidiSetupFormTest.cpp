#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "editor/MidiSetupForm.h"
#include "platform/FixedPrompt.h"
#include "playback/FakeDeviceDirectory.h"
#include "playback/LogCapture.h"
#include "playback/SoundEngine.h"
#include "support/GatedDeviceDirectory.h"

namespace {

using Strings = std::vector<std::string>;

constexpr const char* kNoMidiOutput =
    "No MIDI output device found!\nYou will not be able to hear any playback sound.\nMake sure "
    "you have a MIDI output device and has its driver installed.\nThen, restart Quillsong.";

// The engine over three fake devices: "Synth A" (0), "Port B" (1) and
// "Unplugged C" (2), which will not open. The journal shows every open,
// close and message in order.
class MidiSetupFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine.SetOutput(nullptr);
        engine.ResetChannels();
        engine.SetDeviceDirectory(devices);
    }
    void TearDown() override {
        engine.SetDeviceDirectory(nullptr);
        engine.ResetChannels();
    }

    // Runs the job the start function begins to its end, as the dialog does
    // when the worker reports back.
    template <typename StartJob>
    void RunJob(MidiSetupForm& form, StartJob start) {
        std::promise<void> finished;
        start([&finished] { finished.set_value(); });
        ASSERT_EQ(finished.get_future().wait_for(std::chrono::seconds(20)),
                  std::future_status::ready);
        form.JobDone();
        EXPECT_FALSE(form.Busy());
    }
    void Test(MidiSetupForm& form) {
        RunJob(form, [&form](std::function<void()> done) { form.StartTest(std::move(done)); });
    }

    SoundEngine& engine = SoundEngine::Instance();
    std::shared_ptr<FakeDeviceDirectory> devices = std::make_shared<FakeDeviceDirectory>(
        std::vector<FakeDevice>{FakeDevice::Working("Synth A"), FakeDevice::Working("Port B"),
                                FakeDevice::FailingToOpen("Unplugged C", "device C is gone")});
    FixedPrompt prompt{Prompt::Ok};
};

TEST_F(MidiSetupFormTest, WithoutDevicesTheUserIsWarnedAndThereIsNothingToChoose) {
    engine.SetDeviceDirectory(std::make_shared<FakeDeviceDirectory>(std::vector<FakeDevice>{}));
    MidiSetupForm form(engine);
    EXPECT_FALSE(form.Load(prompt));
    ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(prompt.AskedSoFar()[0].text, kNoMidiOutput);
    EXPECT_EQ(prompt.AskedSoFar()[0].caption, "Warning");
    EXPECT_EQ(prompt.AskedSoFar()[0].icon, Prompt::WarningIcon);
    EXPECT_EQ(form.Selected(), -1);
}

TEST_F(MidiSetupFormTest, ListsTheDevicesInIdOrderWithTheOpenOneChosen) {
    engine.OpenDevice(1, false);
    MidiSetupForm form(engine);
    ASSERT_TRUE(form.Load(prompt));
    EXPECT_EQ(form.DeviceNames(), (Strings{"Synth A", "Port B", "Unplugged C"}));
    EXPECT_EQ(form.Selected(), 1);
    form.Select(9);
    EXPECT_EQ(form.Selected(), 2);
    EXPECT_TRUE(prompt.AskedSoFar().empty());

    engine.CloseDevice();
    MidiSetupForm closed(engine);
    ASSERT_TRUE(closed.Load(prompt));
    EXPECT_EQ(closed.Selected(), 0) << "nothing open: the first device";
}

TEST_F(MidiSetupFormTest, TestPlaysMiddleCOnTheChosenDeviceThenReturnsToTheOpenOne) {
    engine.OpenDevice(0, false);
    MidiSetupForm form(engine);
    ASSERT_TRUE(form.Load(prompt));
    form.Select(1);
    devices->ClearJournal();
    Test(form);
    EXPECT_EQ(devices->Journal(),
              (Strings{"open 1", "close 0", "1: 90 3C 50", "1: 80 3C 50", "open 0", "close 1"}));
    EXPECT_EQ(engine.OpenDeviceId(), 0);
}

TEST_F(MidiSetupFormTest, TestOnADeviceThatWillNotOpenPlaysNowhere) {
    LogCapture log;
    engine.OpenDevice(0, false);
    MidiSetupForm form(engine);
    ASSERT_TRUE(form.Load(prompt));
    form.Select(2);
    devices->ClearJournal();
    Test(form);
    EXPECT_TRUE(devices->Journal().empty());
    EXPECT_EQ(engine.OpenDeviceId(), 0);
}

// The test runs beside the caller: StartTest returns while the device is
// still opening, and the form stays busy until JobDone.
TEST_F(MidiSetupFormTest, TestLeavesTheCallersThreadFree) {
    auto gated = std::make_shared<GatedDeviceDirectory>(devices, 1);
    engine.SetDeviceDirectory(gated);
    engine.OpenDevice(0, false);
    MidiSetupForm form(engine);
    ASSERT_TRUE(form.Load(prompt));
    form.Select(1);
    devices->ClearJournal();

    std::promise<void> finished;
    form.StartTest([&finished] { finished.set_value(); });
    EXPECT_TRUE(form.Busy());
    EXPECT_TRUE(devices->Journal().empty()) << "StartTest waited for the device to open";
    gated->OpenGate();
    ASSERT_EQ(finished.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_TRUE(form.Busy()) << "busy until the caller has taken the end";
    form.JobDone();
    EXPECT_FALSE(form.Busy());
    EXPECT_EQ(devices->MessagesTo(1), (Strings{"90 3C 50", "80 3C 50"}));
    EXPECT_EQ(engine.OpenDeviceId(), 0);
}

TEST_F(MidiSetupFormTest, OkOnTheOpenDeviceDoesNotReopenIt) {
    engine.SetTrackProgram(0, false, 40);
    engine.OpenDevice(1, true);
    MidiSetupForm form(engine);
    ASSERT_TRUE(form.Load(prompt));
    devices->ClearJournal();
    EXPECT_FALSE(form.StartOk([] { ADD_FAILURE() << "no job was needed"; }));
    EXPECT_FALSE(form.Busy());
    EXPECT_TRUE(devices->Journal().empty()) << "neither reopened nor programs sent again";
}

TEST_F(MidiSetupFormTest, OkOpensTheChosenDeviceAndSendsItEveryProgram) {
    engine.SetTrackProgram(0, false, 40);
    engine.SetTrackProgram(1, true, 35);
    engine.OpenDevice(0, true);
    MidiSetupForm form(engine);
    ASSERT_TRUE(form.Load(prompt));
    form.Select(1);
    devices->ClearJournal();
    RunJob(form,
           [&form](std::function<void()> done) { EXPECT_TRUE(form.StartOk(std::move(done))); });
    EXPECT_EQ(devices->Journal(), (Strings{"open 1", "close 0", "1: C0 28", "1: C9 00"}));
    EXPECT_EQ(engine.OpenDeviceId(), 1);
}

TEST_F(MidiSetupFormTest, OkOnADeviceThatWillNotOpenKeepsTheOpenOneWithoutResendingPrograms) {
    LogCapture log;
    engine.SetTrackProgram(0, false, 40);
    engine.OpenDevice(0, true);
    MidiSetupForm form(engine);
    ASSERT_TRUE(form.Load(prompt));
    form.Select(2);
    devices->ClearJournal();
    RunJob(form,
           [&form](std::function<void()> done) { EXPECT_TRUE(form.StartOk(std::move(done))); });
    EXPECT_TRUE(devices->Journal().empty());
    EXPECT_EQ(engine.OpenDeviceId(), 0);
    EXPECT_EQ(log.lines.size(), 1u);
}

}  // namespace
