#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "files/Event.h"

// One track chunk ("MTrk") of a MIDI file: its events, owned, and the channel
// its channel events use.
class MidiTrack {
public:
    void AddEvent(std::unique_ptr<Event> event) { m_events.push_back(std::move(event)); }
    void SetChannel(int channel) { m_channel = channel; }
    int Channel() const { return m_channel; }
    const std::vector<std::unique_ptr<Event>>& Events() const { return m_events; }

    // Sorts the events by time, then rank (End of Track last of its time;
    // equal events keep the order they were added in), encodes each with its
    // delta time and appends the whole chunk.
    void AppendChunk(std::vector<std::uint8_t>& out);

private:
    std::vector<std::unique_ptr<Event>> m_events;
    int m_channel = 0;
};
