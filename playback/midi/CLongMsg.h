#pragma once

#include <cstdint>
#include <vector>

#include "playback/midi/CMIDIMsg.h"

namespace midi {

// A system-exclusive message: the whole message from F0 to F7, copied in.
class CLongMsg : public CMIDIMsg {
public:
    explicit CLongMsg(std::uint32_t timestamp = 0);
    CLongMsg(const std::uint8_t* data, std::size_t length, std::uint32_t timestamp = 0);

    void Send(CMIDIOutDevice& device) const override;
    std::size_t Length() const override { return m_data.size(); }
    const std::uint8_t* Data() const override { return m_data.data(); }

    void SetMsg(const std::uint8_t* data, std::size_t length);

    // True when the bytes are one framed system-exclusive message: F0, data
    // bytes below 0x80, F7.
    static bool IsComplete(const std::uint8_t* data, std::size_t length);

private:
    std::vector<std::uint8_t> m_data;
};

}  // namespace midi
