#include <gtest/gtest.h>
#include <rtmidi/RtMidi.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "playback/midi/AlsaPortBackend.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/FluidSynthBackend.h"
#include "playback/midi/SystemDeviceDirectory.h"

// The computer's own outputs: the built-in synthesizer and the ALSA
// sequencer's ports. Build machines have no sequencer; where one exists the
// last test sends through a real port.
namespace {

using midi::AlsaPortBackend;
using midi::SystemDeviceDirectory;
using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

bool HasSequencer() {
    return fs::exists("/dev/snd/seq");
}

TEST(AlsaPortNames, ShowClientAndPortWithoutTheNumbersUnlessTwoWouldLookAlike) {
    EXPECT_EQ(AlsaPortBackend::DisplayNames({"Midi Through:Midi Through Port-0 14:0",
                                             "CASIO USB-MIDI:CASIO USB-MIDI MIDI 1 20:0",
                                             "FLUID Synth (1234):Synth input port (1234:0) 128:0"}),
              (Strings{"Midi Through:Midi Through Port-0", "CASIO USB-MIDI:CASIO USB-MIDI MIDI 1",
                       "FLUID Synth (1234):Synth input port (1234:0)"}));
    EXPECT_EQ(AlsaPortBackend::DisplayNames(
                  {"Keys:Keys MIDI 1 20:0", "Keys:Keys MIDI 1 24:0", "Other:Out 2:1"}),
              (Strings{"Keys:Keys MIDI 1 20:0", "Keys:Keys MIDI 1 24:0", "Other:Out"}))
        << "two identical keyboards keep their addresses apart";
    EXPECT_TRUE(AlsaPortBackend::DisplayNames({}).empty());
}

TEST(SystemDevices, WithoutASoundFontOnlyTheSequencersPortsAreListed) {
    const SystemDeviceDirectory directory("/nonexistent/quillsong-sf2");
    const Strings ports = AlsaPortBackend::PortNames();
    EXPECT_EQ(directory.Names(), ports);
    if (!HasSequencer()) {
        EXPECT_TRUE(ports.empty()) << "no sequencer, no ports, and no exception";
    }
    EXPECT_THROW(directory.Open(static_cast<int>(ports.size())), midi::CMIDIOutException);
    EXPECT_THROW(directory.Open(-1), midi::CMIDIOutException);
}

TEST(SystemDevices, TheBuiltInSynthesizerComesFirstWhenASoundFontIsInstalled) {
    const SystemDeviceDirectory directory;
    const auto soundFont = midi::FluidSynthBackend::FindSoundFont();
    ASSERT_TRUE(soundFont.has_value()) << "scripts/setup.sh installs fluid-soundfont-gm";
    const Strings names = directory.Names();
    const Strings ports = AlsaPortBackend::PortNames();
    ASSERT_EQ(names.size(), ports.size() + 1);
    EXPECT_EQ(names[0], "Built-in synthesizer (FluidR3_GM)");
    EXPECT_TRUE(std::equal(ports.begin(), ports.end(), names.begin() + 1));
    EXPECT_THROW(directory.Open(static_cast<int>(names.size())), midi::CMIDIOutException);
    EXPECT_THROW(directory.Open(-1), midi::CMIDIOutException);
}

TEST(SystemDevices, WithoutASequencerOpeningAPortFailsWithRtMidisReason) {
    if (HasSequencer()) {
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    }
    try {
        AlsaPortBackend port(0);
        FAIL() << "there is no sequencer to open a port on";
    } catch (const midi::CMIDIOutException& e) {
        EXPECT_NE(std::string(e.what()).find("ALSA sequencer"), std::string::npos) << e.what();
    }
}

TEST(SystemDevices, APortReceivesMessagesWithTheirOwnLength) {
    if (!HasSequencer()) {
        GTEST_SKIP() << "no ALSA sequencer (/dev/snd/seq) on this machine";
    }
    RtMidiIn listener(RtMidi::LINUX_ALSA, "Quillsong test");
    listener.ignoreTypes(false, true, true);
    listener.openVirtualPort("Quillsong test input");
    const Strings ports = AlsaPortBackend::PortNames();
    const auto it = std::find_if(ports.begin(), ports.end(), [](const std::string& name) {
        return name.find("Quillsong test input") != std::string::npos;
    });
    ASSERT_NE(it, ports.end());
    AlsaPortBackend port(static_cast<int>(it - ports.begin()));
    port.SendShort(0xC0, 40, 0, 2);
    port.SendShort(0x90, 60, 100, 3);
    const std::uint8_t sysex[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    port.SendLong(sysex, sizeof sysex);

    std::vector<std::vector<unsigned char>> received;
    // Delivery is asynchronous; wait for the three messages, for a bounded while.
    for (int tries = 0; tries < 500 && received.size() < 3; ++tries) {
        std::vector<unsigned char> message;
        listener.getMessage(&message);
        if (message.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else {
            received.push_back(message);
        }
    }
    EXPECT_EQ(received, (std::vector<std::vector<unsigned char>>{
                            {0xC0, 40}, {0x90, 60, 100}, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}}));
}

}  // namespace
