#pragma once

#include <string>

#include "files/MetaEvent.h"

// The name of a track (meta type 3).
class TrackName : public MetaEvent {
public:
    TrackName(std::uint32_t time, const std::string& name);
};
