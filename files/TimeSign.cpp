#include "files/TimeSign.h"

TimeSign::TimeSign(std::uint32_t time, int numerator, int denominatorPower, int clocksPerClick,
                   int thirtySecondsPerQuarter)
    : MetaEvent(time, 0x58,
                {static_cast<std::uint8_t>(numerator), static_cast<std::uint8_t>(denominatorPower),
                 static_cast<std::uint8_t>(clocksPerClick),
                 static_cast<std::uint8_t>(thirtySecondsPerQuarter)}) {}
