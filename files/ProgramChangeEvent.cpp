#include "files/ProgramChangeEvent.h"

ProgramChangeEvent::ProgramChangeEvent(std::uint32_t time, int channel, int program)
    : MIDIEvent(time, 0xC0, channel, program, 0, 1) {}
