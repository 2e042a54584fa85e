#include "files/ControllerEvent.h"

ControllerEvent::ControllerEvent(std::uint32_t time, int channel, int controller, int value)
    : MIDIEvent(time, 0xB0, channel, controller, value, 2) {}
