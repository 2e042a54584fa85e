#pragma once

#include "files/MetaEvent.h"

// Closes a track (meta type 0x2F); sorts after every other event of its time.
class EndOfTrack : public MetaEvent {
public:
    explicit EndOfTrack(std::uint32_t time) : MetaEvent(time, 0x2F, {}) {}
    bool IsEndOfTrack() const override { return true; }
};
