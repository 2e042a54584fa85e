#include "playback/ChannelMessages.h"

#include <algorithm>
#include <cstdint>

#include "model/SoundSettings.h"

void ChannelMessages::Send(midi::MidiOutput* output, int status, int channel, int data1,
                           int data2) {
    if (output == nullptr || channel < 0 || channel >= SoundSettings::kNumChannels) {
        return;
    }
    output->SendShort(static_cast<std::uint8_t>(status | channel),
                      static_cast<std::uint8_t>(std::clamp(data1, 0, 127)),
                      static_cast<std::uint8_t>(std::clamp(data2, 0, 127)));
}

void ChannelMessages::SendProgram(midi::MidiOutput* output, int channel, int program) {
    Send(output, kProgramChange, channel, program, 0);
}

void ChannelMessages::SendVolume(midi::MidiOutput* output, int channel, int volumePercent) {
    Send(output, kControlChange, channel, kVolumeController,
         SoundSettings::PercentToMidi(volumePercent));
}
