#include "files/TrackName.h"

TrackName::TrackName(std::uint32_t time, const std::string& name)
    : MetaEvent(time, 0x03, std::vector<std::uint8_t>(name.begin(), name.end())) {}
