#pragma once

#include "files/MetaEvent.h"

// Key signature (meta type 0x59): sharps (positive) or flats (negative), and
// whether the key is minor.
class KeySign : public MetaEvent {
public:
    KeySign(std::uint32_t time, int sharpsOrFlats, bool minor);
};
