#pragma once

#include "files/MetaEvent.h"

// Tempo (meta type 0x51) in microseconds per quarter note, three bytes.
class Tempo : public MetaEvent {
public:
    Tempo(std::uint32_t time, std::uint32_t microsecondsPerQuarter);
};
