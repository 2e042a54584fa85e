#pragma once

#include <string>

#include "files/MetaEvent.h"

// A free text in the file (meta type 1).
class TextEvent : public MetaEvent {
public:
    TextEvent(std::uint32_t time, const std::string& text);
};
