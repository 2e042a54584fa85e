#include "playback/midi/AlsaPortBackend.h"

#include <RtMidi.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

#include "playback/midi/CMIDIOutException.h"

namespace midi {

namespace {

constexpr const char* kClientName = "Quillsong";

// The name without RtMidi's trailing " client:port" numbers, if it has them.
std::string WithoutAddress(const std::string& name) {
    const std::size_t space = name.rfind(' ');
    if (space == std::string::npos) {
        return name;
    }
    const std::string address = name.substr(space + 1);
    const std::size_t colon = address.find(':');
    const auto isNumber = [](const std::string& text) {
        return !text.empty() && std::all_of(text.begin(), text.end(),
                                            [](unsigned char c) { return std::isdigit(c) != 0; });
    };
    if (colon == std::string::npos || !isNumber(address.substr(0, colon)) ||
        !isNumber(address.substr(colon + 1))) {
        return name;
    }
    return name.substr(0, space);
}

// Throws RtMidiError when the sequencer cannot be opened.
std::unique_ptr<RtMidiOut> OpenClient() {
    return std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
}

}  // namespace

AlsaPortBackend::AlsaPortBackend(int portIndex) {
    try {
        m_out = OpenClient();
    } catch (const RtMidiError& e) {
        throw CMIDIOutException("The ALSA sequencer cannot be reached. " + e.getMessage());
    }
    // From here on RtMidi reports errors to OnError instead of throwing, and
    // reports the failures of sends it would otherwise only print.
    m_out->setErrorCallback([](RtMidiError::Type type, const std::string& text,
                               void* self) { OnError(static_cast<int>(type), text, self); },
                            this);
    if (portIndex < 0 || static_cast<unsigned>(portIndex) >= m_out->getPortCount()) {
        throw CMIDIOutException("The ALSA sequencer has no output port number " +
                                std::to_string(portIndex) + ".");
    }
    m_out->openPort(static_cast<unsigned>(portIndex), "Quillsong output");
    ThrowIfFailed("The ALSA port could not be opened.");
}

AlsaPortBackend::~AlsaPortBackend() = default;

void AlsaPortBackend::OnError(int type, const std::string& text, void* self) {
    // Debug warnings are RtMidi talking to itself.
    if (type == RtMidiError::DEBUG_WARNING) {
        return;
    }
    auto* backend = static_cast<AlsaPortBackend*>(self);
    if (backend->m_error.empty()) {
        backend->m_error = text;
    }
}

void AlsaPortBackend::ThrowIfFailed(const std::string& what) {
    if (!m_error.empty()) {
        throw CMIDIOutException(what + " " + std::exchange(m_error, {}));
    }
}

void AlsaPortBackend::SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                                int bytesOnWire) {
    // A third byte after a two-byte message would be read as a second
    // message under running status: program change 40 would be followed by
    // program change 0.
    const std::uint8_t bytes[3] = {status, data1, data2};
    m_out->sendMessage(bytes, static_cast<std::size_t>(bytesOnWire));
    ThrowIfFailed("The ALSA port refused a message.");
}

void AlsaPortBackend::SendLong(const std::uint8_t* data, std::size_t length) {
    m_out->sendMessage(data, length);
    ThrowIfFailed("The ALSA port refused a system-exclusive message.");
}

std::vector<std::string> AlsaPortBackend::PortNames() {
    std::vector<std::string> names;
    try {
        std::unique_ptr<RtMidiOut> out = OpenClient();
        const unsigned count = out->getPortCount();
        for (unsigned i = 0; i < count; ++i) {
            names.push_back(out->getPortName(i));
        }
    } catch (const RtMidiError&) {
        // No sequencer on this machine: no ports.
        return {};
    }
    return DisplayNames(names);
}

std::vector<std::string> AlsaPortBackend::DisplayNames(
    const std::vector<std::string>& rtMidiNames) {
    std::vector<std::string> shortNames;
    std::map<std::string, int> uses;
    for (const std::string& name : rtMidiNames) {
        shortNames.push_back(WithoutAddress(name));
        ++uses[shortNames.back()];
    }
    for (std::size_t i = 0; i < shortNames.size(); ++i) {
        if (uses[shortNames[i]] > 1) {
            shortNames[i] = rtMidiNames[i];
        }
    }
    return shortNames;
}

}  // namespace midi
