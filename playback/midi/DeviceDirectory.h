#pragma once

#include <memory>
#include <string>
#include <vector>

#include "playback/midi/OutputBackend.h"

namespace midi {

// The MIDI outputs this computer offers, numbered from 0. Ids are positions
// in Names at the time of the call; a directory keeps the order stable while
// the set of outputs does not change.
class DeviceDirectory {
public:
    virtual ~DeviceDirectory() = default;

    // The outputs' names as users know them, in id order. Never throws: an
    // output system that cannot be reached contributes no names.
    virtual std::vector<std::string> Names() const = 0;
    // Opens the output with this id. Throws CMIDIOutException when the id is
    // out of range or the output cannot be opened, with the reason.
    virtual std::unique_ptr<OutputBackend> Open(int id) const = 0;
};

}  // namespace midi
