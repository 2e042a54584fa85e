#include "playback/midi/CShortMsg.h"

#include "playback/midi/CMIDIOutDevice.h"

namespace midi {

CShortMsg::CShortMsg(std::uint32_t timestamp) : CMIDIMsg(timestamp) {}

CShortMsg::CShortMsg(std::uint32_t packed, std::uint32_t timestamp)
    : CMIDIMsg(timestamp),
      m_bytes{static_cast<std::uint8_t>(packed & 0xFF),
              static_cast<std::uint8_t>((packed >> 8) & 0xFF),
              static_cast<std::uint8_t>((packed >> 16) & 0xFF)} {}

CShortMsg::CShortMsg(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                     std::uint32_t timestamp)
    : CMIDIMsg(timestamp), m_bytes{status, data1, data2} {}

CShortMsg::CShortMsg(std::uint8_t command, std::uint8_t channel, std::uint8_t data1,
                     std::uint8_t data2, std::uint32_t timestamp)
    : CMIDIMsg(timestamp),
      m_bytes{static_cast<std::uint8_t>((command & 0xF0) | (channel & 0x0F)), data1, data2} {}

void CShortMsg::Send(CMIDIOutDevice& device) const {
    device.SendShort(Msg());
}

void CShortMsg::SetMsg(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    m_bytes = {status, data1, data2};
}

std::uint32_t CShortMsg::Msg() const {
    return static_cast<std::uint32_t>(m_bytes[0]) | static_cast<std::uint32_t>(m_bytes[1]) << 8 |
           static_cast<std::uint32_t>(m_bytes[2]) << 16;
}

std::uint32_t CShortMsg::RunningStatusMsg() const {
    return static_cast<std::uint32_t>(m_bytes[1]) | static_cast<std::uint32_t>(m_bytes[2]) << 8;
}

int CShortMsg::BytesOnWire(std::uint8_t status) {
    if (status < 0x80) {
        return 0;
    }
    if (status < 0xF0) {
        const int command = status & 0xF0;
        return command == 0xC0 || command == 0xD0 ? 2 : 3;
    }
    switch (status) {
        case 0xF1:  // MTC quarter frame
        case 0xF3:  // song select
            return 2;
        case 0xF2:  // song position
            return 3;
        case 0xF6:  // tune request
        case 0xF8:
        case 0xFA:
        case 0xFB:
        case 0xFC:
        case 0xFE:
        case 0xFF:
            return 1;
        default:  // F0 and F7 frame system-exclusive data; F4, F5, F9, FD are undefined
            return 0;
    }
}

}  // namespace midi
