#pragma once

#include "files/MIDIEvent.h"

// A controller change (volume is controller 7).
class ControllerEvent : public MIDIEvent {
public:
    ControllerEvent(std::uint32_t time, int channel, int controller, int value);
    int Rank() const override { return 0; }
};
