#pragma once

#include <string>

#include "playback/midi/DeviceDirectory.h"
#include "playback/midi/FluidSynthBackend.h"

namespace midi {

// The outputs a user of this computer can choose: id 0 is the built-in
// synthesizer when a General MIDI SoundFont is installed, the ALSA
// sequencer's output ports follow in the sequencer's order.
class SystemDeviceDirectory : public DeviceDirectory {
public:
    explicit SystemDeviceDirectory(
        std::string soundFontFolder = FluidSynthBackend::kSoundFontFolder);

    std::vector<std::string> Names() const override;
    std::unique_ptr<OutputBackend> Open(int id) const override;

private:
    std::string m_soundFontFolder;
};

}  // namespace midi
