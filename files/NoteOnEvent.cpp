#include "files/NoteOnEvent.h"

NoteOnEvent::NoteOnEvent(std::uint32_t time, int channel, int key, int velocity)
    : MIDIEvent(time, 0x90, channel, key, velocity, 2) {}
