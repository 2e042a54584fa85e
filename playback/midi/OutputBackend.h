#pragma once

#include <cstddef>
#include <cstdint>

namespace midi {

// One open MIDI output: a synthesizer or a sequencer port. A back end is open
// from construction (which throws CMIDIOutException when it cannot open) to
// destruction. CMIDIOutDevice never calls one from two threads at once.
class OutputBackend {
public:
    virtual ~OutputBackend() = default;

    // Sends one short message; bytesOnWire (1-3, from CShortMsg::BytesOnWire)
    // says how many of status, data1, data2 it has. Throws CMIDIOutException
    // when the output refuses it.
    virtual void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                           int bytesOnWire) = 0;
    // Sends one complete system-exclusive message, F0 to F7. Throws
    // CMIDIOutException when the output refuses it.
    virtual void SendLong(const std::uint8_t* data, std::size_t length) = 0;
    // Forgets the messages sent for a later moment (SendTime) that have not
    // sounded yet and ends every note at once: playback stops. Outputs that
    // send everything at once have nothing to forget.
    virtual void DropScheduled() {}
};

}  // namespace midi
