#include "playback/midi/CLongMsg.h"

#include <algorithm>

#include "playback/midi/CMIDIOutDevice.h"

namespace midi {

CLongMsg::CLongMsg(std::uint32_t timestamp) : CMIDIMsg(timestamp) {}

CLongMsg::CLongMsg(const std::uint8_t* data, std::size_t length, std::uint32_t timestamp)
    : CMIDIMsg(timestamp) {
    SetMsg(data, length);
}

void CLongMsg::Send(CMIDIOutDevice& device) const {
    device.SendLong(m_data.data(), m_data.size());
}

void CLongMsg::SetMsg(const std::uint8_t* data, std::size_t length) {
    m_data.assign(data, data + length);
}

bool CLongMsg::IsComplete(const std::uint8_t* data, std::size_t length) {
    if (data == nullptr || length < 2 || data[0] != 0xF0 || data[length - 1] != 0xF7) {
        return false;
    }
    return std::all_of(data + 1, data + length - 1, [](std::uint8_t b) { return b < 0x80; });
}

}  // namespace midi
