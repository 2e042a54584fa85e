#include "files/MIDIEvent.h"

MIDIEvent::MIDIEvent(std::uint32_t time, int status, int channel, int data1, int data2,
                     int dataCount)
    : Event(time),
      m_status(status),
      m_channel(channel),
      m_data1(data1),
      m_data2(data2),
      m_dataCount(dataCount) {}

void MIDIEvent::AppendBody(std::vector<std::uint8_t>& out) const {
    out.push_back(static_cast<std::uint8_t>((m_status & 0xF0) | (m_channel & 0x0F)));
    out.push_back(static_cast<std::uint8_t>(m_data1 & 0x7F));
    if (m_dataCount > 1) {
        out.push_back(static_cast<std::uint8_t>(m_data2 & 0x7F));
    }
}
