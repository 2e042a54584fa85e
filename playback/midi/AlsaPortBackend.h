#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "playback/midi/OutputBackend.h"

class RtMidiOut;

namespace midi {

// An output port of the ALSA sequencer (a hardware synthesizer or keyboard,
// or a software synthesizer that listens there), reached through RtMidi with
// the ALSA API only: RtMidi's JACK back end crashes when no JACK server runs.
// The ports are numbered in the sequencer's order, by client then port
// number, which stays the same while the same devices are connected.
class AlsaPortBackend : public OutputBackend {
public:
    // Opens the port with this index in PortNames. Throws CMIDIOutException
    // with RtMidi's reason when there is no sequencer or no such port.
    explicit AlsaPortBackend(int portIndex);
    ~AlsaPortBackend() override;
    AlsaPortBackend(const AlsaPortBackend&) = delete;
    AlsaPortBackend& operator=(const AlsaPortBackend&) = delete;

    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                   int bytesOnWire) override;
    void SendLong(const std::uint8_t* data, std::size_t length) override;

    // Every output port's display name, in the sequencer's order; empty when
    // the machine has no sequencer (no /dev/snd/seq) or it cannot be reached.
    static std::vector<std::string> PortNames();
    // RtMidi names a port "Client:Port 20:0"; users know the client and the
    // port but not the numbers, which change between sessions, so they are
    // left out unless another port of the list has the same names.
    static std::vector<std::string> DisplayNames(const std::vector<std::string>& rtMidiNames);

private:
    static void OnError(int type, const std::string& text, void* self);
    // Throws CMIDIOutException with the error RtMidi reported since the last call, if any.
    void ThrowIfFailed(const std::string& what);

    std::unique_ptr<RtMidiOut> m_out;
    std::string m_error;
};

}  // namespace midi
