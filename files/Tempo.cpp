#include "files/Tempo.h"

Tempo::Tempo(std::uint32_t time, std::uint32_t microsecondsPerQuarter)
    : MetaEvent(time, 0x51,
                {static_cast<std::uint8_t>((microsecondsPerQuarter >> 16) & 0xFF),
                 static_cast<std::uint8_t>((microsecondsPerQuarter >> 8) & 0xFF),
                 static_cast<std::uint8_t>(microsecondsPerQuarter & 0xFF)}) {}
