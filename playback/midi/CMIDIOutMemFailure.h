#pragma once

#include <new>

namespace midi {

// The device, or the synthesizer behind it, ran out of memory.
class CMIDIOutMemFailure : public std::bad_alloc {
public:
    const char* what() const noexcept override {
        return "Memory allocation within a CMIDIOutDevice object failed.";
    }
};

}  // namespace midi
