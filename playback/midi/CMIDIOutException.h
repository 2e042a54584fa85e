#pragma once

#include <exception>
#include <string>

namespace midi {

// A MIDI output device refused to open or to take a message. The text is the
// reason the device or its back end gave, as a user could read it.
class CMIDIOutException : public std::exception {
public:
    explicit CMIDIOutException(std::string text) : m_text(std::move(text)) {}
    const char* what() const noexcept override { return m_text.c_str(); }

private:
    std::string m_text;
};

}  // namespace midi
