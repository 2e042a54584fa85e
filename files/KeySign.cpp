#include "files/KeySign.h"

KeySign::KeySign(std::uint32_t time, int sharpsOrFlats, bool minor)
    : MetaEvent(time, 0x59,
                {static_cast<std::uint8_t>(static_cast<std::int8_t>(sharpsOrFlats)),
                 static_cast<std::uint8_t>(minor ? 1 : 0)}) {}
