#pragma once

#include <array>
#include <cstdint>

#include "playback/midi/CMIDIMsg.h"

namespace midi {

// One short message (a channel message, or a system common or real-time one)
// packed as the wire expects it in one 32-bit word: status in bits 0-7
// (command in the high nibble, channel 0-15 in the low one), first data byte
// in bits 8-15, second in bits 16-23.
class CShortMsg : public CMIDIMsg {
public:
    // An empty message (all bytes 0), to be filled in with SetMsg.
    explicit CShortMsg(std::uint32_t timestamp = 0);
    CShortMsg(std::uint32_t packed, std::uint32_t timestamp);
    CShortMsg(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, std::uint32_t timestamp);
    // Status is command | channel; a channel above 15 or a command with low
    // bits set cannot spill into the other nibble.
    CShortMsg(std::uint8_t command, std::uint8_t channel, std::uint8_t data1, std::uint8_t data2,
              std::uint32_t timestamp);

    void Send(CMIDIOutDevice& device) const override;
    // Always 3, as the packed word holds three bytes; see BytesOnWire for how
    // many of them the message really uses.
    std::size_t Length() const override { return 3; }
    const std::uint8_t* Data() const override { return m_bytes.data(); }

    void SetMsg(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

    std::uint32_t Msg() const;
    // The two data bytes alone (first in bits 0-7), for sending under running
    // status.
    std::uint32_t RunningStatusMsg() const;
    std::uint8_t Status() const { return m_bytes[0]; }
    std::uint8_t Command() const { return m_bytes[0] & 0xF0; }
    std::uint8_t Channel() const { return m_bytes[0] & 0x0F; }
    std::uint8_t Data1() const { return m_bytes[1]; }
    std::uint8_t Data2() const { return m_bytes[2]; }

    // How many bytes a message with this status byte has on a MIDI cable:
    // 3, 2 (program change, channel pressure, MTC quarter frame, song select)
    // or 1 (tune request, real-time); 0 when status is no short message's
    // status (a data byte, the system-exclusive bytes, the undefined ones).
    static int BytesOnWire(std::uint8_t status);

private:
    std::array<std::uint8_t, 3> m_bytes{};
};

}  // namespace midi
