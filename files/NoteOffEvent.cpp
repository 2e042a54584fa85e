#include "files/NoteOffEvent.h"

NoteOffEvent::NoteOffEvent(std::uint32_t time, int channel, int key, int velocity)
    : MIDIEvent(time, 0x80, channel, key, velocity, 2) {}
