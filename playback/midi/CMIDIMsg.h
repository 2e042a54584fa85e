#pragma once

#include <cstddef>
#include <cstdint>

namespace midi {

class CMIDIOutDevice;

// A MIDI message that can be sent to an output device. The timestamp is
// carried for callers that schedule messages; the device sends at once.
class CMIDIMsg {
public:
    explicit CMIDIMsg(std::uint32_t timestamp = 0) : m_timestamp(timestamp) {}
    virtual ~CMIDIMsg() = default;

    // Hands the message to the device; throws CMIDIOutException when an open
    // device refuses it, does nothing when the device is closed.
    virtual void Send(CMIDIOutDevice& device) const = 0;
    // Number of bytes Data points at.
    virtual std::size_t Length() const = 0;
    // The message's bytes, valid while the message lives unchanged.
    virtual const std::uint8_t* Data() const = 0;

    std::uint32_t Timestamp() const { return m_timestamp; }
    void SetTimestamp(std::uint32_t timestamp) { m_timestamp = timestamp; }

protected:
    CMIDIMsg(const CMIDIMsg&) = default;
    CMIDIMsg& operator=(const CMIDIMsg&) = default;

private:
    std::uint32_t m_timestamp;
};

}  // namespace midi
