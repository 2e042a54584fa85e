#pragma once

#include "files/MIDIEvent.h"

// Chooses the channel's instrument.
class ProgramChangeEvent : public MIDIEvent {
public:
    ProgramChangeEvent(std::uint32_t time, int channel, int program);
};
