#pragma once

#include <cstdint>

namespace midi {

// Where channel messages go: the open output device, or a recorder in tests.
class MidiOutput {
public:
    virtual ~MidiOutput() = default;

    // Sends one channel message; data bytes are 0-127. Must not throw.
    virtual void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) = 0;
    // Forgets the messages sent for a later moment (SendTime) that have not
    // sounded yet and ends every note they started: playback stops at once.
    // Must not throw.
    virtual void DropScheduled() {}
};

}  // namespace midi
