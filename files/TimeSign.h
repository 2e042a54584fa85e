#pragma once

#include "files/MetaEvent.h"

// Time signature (meta type 0x58): numerator, the denominator as a power of
// two, MIDI clocks per metronome click and 32nd notes per quarter note.
class TimeSign : public MetaEvent {
public:
    TimeSign(std::uint32_t time, int numerator, int denominatorPower, int clocksPerClick,
             int thirtySecondsPerQuarter);
};
