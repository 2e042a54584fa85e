#include "playback/midi/SystemDeviceDirectory.h"

#include <utility>

#include "playback/midi/AlsaPortBackend.h"
#include "playback/midi/CMIDIOutException.h"

namespace midi {

SystemDeviceDirectory::SystemDeviceDirectory(std::string soundFontFolder)
    : m_soundFontFolder(std::move(soundFontFolder)) {}

std::vector<std::string> SystemDeviceDirectory::Names() const {
    std::vector<std::string> names;
    if (const auto soundFont = FluidSynthBackend::FindSoundFont(m_soundFontFolder)) {
        names.push_back(FluidSynthBackend::DisplayName(*soundFont));
    }
    for (std::string& port : AlsaPortBackend::PortNames()) {
        names.push_back(std::move(port));
    }
    return names;
}

std::unique_ptr<OutputBackend> SystemDeviceDirectory::Open(int id) const {
    int portIndex = id;
    if (const auto soundFont = FluidSynthBackend::FindSoundFont(m_soundFontFolder)) {
        if (id == 0) {
            return std::make_unique<FluidSynthBackend>(*soundFont,
                                                       FluidSynthBackend::Audio::System);
        }
        portIndex = id - 1;
    }
    if (portIndex < 0) {
        throw CMIDIOutException("There is no MIDI output device with id " + std::to_string(id) +
                                ".");
    }
    return std::make_unique<AlsaPortBackend>(portIndex);
}

}  // namespace midi
