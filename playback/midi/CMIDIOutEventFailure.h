#pragma once

#include <exception>

namespace midi {

// The device could not create the signalling event that tells it when a
// system-exclusive buffer has been sent. Our back ends send synchronously and
// need no such event, so nothing here throws it today; it stays so that code
// catching the device's failures keeps one complete set to catch.
class CMIDIOutEventFailure : public std::exception {
public:
    const char* what() const noexcept override {
        return "Unable to create a signalling event for CMIDIOutDevice object.";
    }
};

}  // namespace midi
