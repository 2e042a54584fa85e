#pragma once

#include "files/Event.h"

// A channel event: a status byte (kind and channel) and one or two data bytes.
// Running status is never used, so every event carries its status byte.
class MIDIEvent : public Event {
public:
    MIDIEvent(std::uint32_t time, int status, int channel, int data1, int data2, int dataCount);

    int Channel() const { return m_channel; }
    int Data1() const { return m_data1; }

protected:
    void AppendBody(std::vector<std::uint8_t>& out) const override;

private:
    int m_status;
    int m_channel;
    int m_data1;
    int m_data2;
    int m_dataCount;
};
