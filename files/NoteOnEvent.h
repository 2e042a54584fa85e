#pragma once

#include "files/MIDIEvent.h"

// A key pressed.
class NoteOnEvent : public MIDIEvent {
public:
    NoteOnEvent(std::uint32_t time, int channel, int key, int velocity);
    int Rank() const override { return 2; }
};
