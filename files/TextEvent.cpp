#include "files/TextEvent.h"

TextEvent::TextEvent(std::uint32_t time, const std::string& text)
    : MetaEvent(time, 0x01, std::vector<std::uint8_t>(text.begin(), text.end())) {}
