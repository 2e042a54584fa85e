#pragma once

#include "playback/midi/MidiOutput.h"

// The channel messages the sound engine and the step-event builder send
// outside of notes: Program Change and the volume controller. A message for a
// channel outside 0-15 (a track without one) or to no output is dropped, as a
// status byte built from -1 would not be a channel message at all; data bytes
// are clipped to 0-127.
class ChannelMessages {
public:
    static constexpr int kProgramChange = 0xC0;
    static constexpr int kControlChange = 0xB0;
    static constexpr int kVolumeController = 7;

    static void Send(midi::MidiOutput* output, int status, int channel, int data1, int data2);
    static void SendProgram(midi::MidiOutput* output, int channel, int program);
    // Controller 7 at the percentage's value.
    static void SendVolume(midi::MidiOutput* output, int channel, int volumePercent);
};
