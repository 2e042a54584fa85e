#pragma once

#include "files/MIDIEvent.h"

// A key released; sorts before a Note On of the same time.
class NoteOffEvent : public MIDIEvent {
public:
    NoteOffEvent(std::uint32_t time, int channel, int key, int velocity);
    int Rank() const override { return 1; }
};
