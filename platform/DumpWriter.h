#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>

// Writes text to an open file descriptor using only calls that are safe in a
// signal handler: no heap, no stdio, no locale; numbers and times are
// formatted by hand into a buffer on the object itself. Remembers whether
// every write succeeded.
class DumpWriter {
public:
    explicit DumpWriter(int fd) : m_fd(fd) {}
    ~DumpWriter() { Flush(); }
    DumpWriter(const DumpWriter&) = delete;
    DumpWriter& operator=(const DumpWriter&) = delete;

    DumpWriter& Text(const char* text);
    DumpWriter& Decimal(std::int64_t value);
    // "0x" and sixteen lower-case digits.
    DumpWriter& Hex(std::uintptr_t value);
    // UTC as "2026-12-07T08:15:03Z".
    DumpWriter& Time(std::time_t seconds);
    // Writes what is buffered; call before writing to the descriptor directly.
    void Flush();
    // Whether everything so far reached the descriptor.
    bool Ok() const { return m_ok; }

private:
    void Append(char c);
    void Digits(std::uint64_t value, int minimumWidth);

    int m_fd;
    bool m_ok = true;
    std::size_t m_used = 0;
    char m_buffer[256];
};
