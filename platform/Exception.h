#pragma once

#include <cstring>
#include <exception>
#include <string>

// An error with a message for the user, kept in a fixed buffer of 128 bytes
// (at most 127 characters) so that throwing it never allocates.
class Exception : public std::exception {
public:
    Exception() : Exception("Unspecified Exception") {}
    explicit Exception(const std::string& message) {
        const size_t n = std::min(message.size(), sizeof m_message - 1);
        std::memcpy(m_message, message.data(), n);
        m_message[n] = '\0';
    }

    const char* what() const noexcept override { return m_message; }
    const char* Message() const { return m_message; }

private:
    char m_message[128];
};

// A file could not be read or written.
class IOException : public Exception {
public:
    explicit IOException(const std::string& message) : Exception(message) {}
};
