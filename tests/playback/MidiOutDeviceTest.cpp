#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FakeDeviceDirectory.h"
#include "LogCapture.h"
#include "playback/midi/CLongMsg.h"
#include "playback/midi/CMIDIOutDevice.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/CMIDIOutMemFailure.h"
#include "playback/midi/CShortMsg.h"

namespace {

using midi::CMIDIOutDevice;
using midi::CShortMsg;
using Strings = std::vector<std::string>;

class MidiOutDeviceTest : public ::testing::Test {
protected:
    std::shared_ptr<FakeDeviceDirectory> directory = std::make_shared<FakeDeviceDirectory>(
        std::vector<FakeDevice>{FakeDevice::Working("Synth A"), FakeDevice::Working("Port B"),
                                FakeDevice::FailingToOpen("Unplugged C", "device C is gone"),
                                FakeDevice::RefusingSends("Broken D", "device D refuses")});
    CMIDIOutDevice device{directory};
};

TEST_F(MidiOutDeviceTest, MessagesReachTheOpenDeviceWithTheirBytesOnWire) {
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(device.DeviceId(), -1);
    device.Open(1);
    EXPECT_TRUE(device.IsOpen());
    EXPECT_EQ(device.DeviceId(), 1);

    CShortMsg(0xC0, 0, 40, 0, 0).Send(device);
    CShortMsg(0x90, 9, 36, 100, 0).Send(device);
    const std::uint8_t reset[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    midi::CLongMsg(reset, sizeof reset).Send(device);
    device.SendShort(0xFF, 0, 0);

    EXPECT_EQ(directory->MessagesTo(1),
              (Strings{"C0 28", "99 24 64", "sysex F0 7E 7F 09 01 F7", "FF"}))
        << "a program change is two bytes: a third would be read as another program change";
}

TEST_F(MidiOutDeviceTest, AClosedDeviceDropsEverything) {
    device.Open(0);
    device.Close();
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(device.DeviceId(), -1);
    device.SendShort(0x643C90u);
    device.SendShort(0x90, 60, 100);
    const std::uint8_t notFramed[] = {0x41};
    EXPECT_NO_THROW(device.SendLong(notFramed, sizeof notFramed));
    EXPECT_NO_THROW(device.SendShort(0x00000012u)) << "nothing is checked when nothing is open";
    EXPECT_EQ(directory->Journal(), (Strings{"open 0", "close 0"}));
    device.Close();
    EXPECT_EQ(directory->Journal().size(), 2u) << "closing twice closes once";
}

TEST_F(MidiOutDeviceTest, SwitchingOpensTheNewDeviceBeforeClosingTheOld) {
    device.Open(0);
    device.Open(1);
    EXPECT_EQ(directory->Journal(), (Strings{"open 0", "open 1", "close 0"}));
    EXPECT_EQ(device.DeviceId(), 1);
}

TEST_F(MidiOutDeviceTest, AFailedOpenLeavesThePreviousDeviceOpenAndInUse) {
    device.Open(0);
    try {
        device.Open(2);
        FAIL() << "device C cannot be opened";
    } catch (const midi::CMIDIOutException& e) {
        EXPECT_STREQ(e.what(), "device C is gone");
    }
    EXPECT_THROW(device.Open(9), midi::CMIDIOutException);
    EXPECT_EQ(device.DeviceId(), 0);
    device.SendShort(0x90, 60, 1);
    EXPECT_EQ(directory->MessagesTo(0), Strings{"90 3C 01"});
    EXPECT_EQ(directory->Journal().front(), "open 0");
    EXPECT_EQ(std::count(directory->Journal().begin(), directory->Journal().end(), "close 0"), 0);
}

TEST_F(MidiOutDeviceTest, MalformedMessagesAreRefusedBeforeTheyReachTheDevice) {
    device.Open(1);
    EXPECT_THROW(device.SendShort(0x00003C40u), midi::CMIDIOutException) << "no status byte";
    EXPECT_THROW(device.SendShort(0x000000F0u), midi::CMIDIOutException) << "sysex start";
    const std::uint8_t unterminated[] = {0xF0, 0x41, 0x10};
    EXPECT_THROW(device.SendLong(unterminated, sizeof unterminated), midi::CMIDIOutException);
    EXPECT_TRUE(directory->MessagesTo(1).empty());
}

TEST_F(MidiOutDeviceTest, ARefusedSendThrowsOnTheDirectPathAndIsLoggedOnceOnPlaybacksPath) {
    LogCapture log;
    device.Open(3);
    EXPECT_THROW(device.SendShort(0x643C90u), midi::CMIDIOutException);
    EXPECT_THROW(device.SendShort(0x643C90u), midi::CMIDIOutException);
    EXPECT_TRUE(log.lines.empty()) << "the direct path leaves reporting to its caller";

    for (int i = 0; i < 5; ++i) {
        EXPECT_NO_THROW(device.SendShort(0x90, 60, 100));
    }
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_NE(log.lines[0].find("device D refuses"), std::string::npos) << log.lines[0];
    EXPECT_NE(log.lines[0].find("device 3"), std::string::npos) << log.lines[0];

    device.Open(1);
    device.Open(3);
    device.SendShort(0x90, 60, 100);
    device.SendShort(0x90, 60, 100);
    EXPECT_EQ(log.lines.size(), 2u) << "a new opening gets its own first report";
}

TEST_F(MidiOutDeviceTest, RunningOutOfMemoryIsReportedAsTheDevicesMemoryFailure) {
    auto hungry = std::make_shared<FakeDeviceDirectory>(
        std::vector<FakeDevice>{FakeDevice::OutOfMemory("Hungry")});
    CMIDIOutDevice hungryDevice(hungry);
    hungryDevice.Open(0);
    EXPECT_THROW(hungryDevice.SendShort(0x643C90u), midi::CMIDIOutMemFailure);
    const std::uint8_t sysex[] = {0xF0, 0xF7};
    EXPECT_THROW(hungryDevice.SendLong(sysex, sizeof sysex), midi::CMIDIOutMemFailure);
    LogCapture log;
    EXPECT_NO_THROW(hungryDevice.SendShort(0x90, 60, 100));
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST_F(MidiOutDeviceTest, TheListOfDevicesComesFromTheDirectoryInIdOrder) {
    EXPECT_EQ(device.DeviceCount(), 4);
    EXPECT_EQ(device.DeviceNames(), (Strings{"Synth A", "Port B", "Unplugged C", "Broken D"}));
    EXPECT_EQ(device.DeviceCaps(1).productName, "Port B");
    EXPECT_THROW(device.DeviceCaps(4), midi::CMIDIOutException);
    EXPECT_THROW(device.DeviceCaps(-1), midi::CMIDIOutException);
}

TEST_F(MidiOutDeviceTest, ChangingTheDirectoryClosesTheDeviceAndDestroyingItToo) {
    device.Open(0);
    auto other =
        std::make_shared<FakeDeviceDirectory>(std::vector<FakeDevice>{FakeDevice::Working("Only")});
    device.SetDirectory(other);
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(directory->Journal().back(), "close 0");
    EXPECT_EQ(device.DeviceNames(), Strings{"Only"});
    {
        CMIDIOutDevice scoped(other);
        scoped.Open(0);
    }
    EXPECT_EQ(other->Journal(), (Strings{"open 0", "close 0"}));
}

}  // namespace
