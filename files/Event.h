#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One event of a Standard MIDI File track at an absolute time in ticks. Encode
// builds its bytes (the delta time as a variable-length quantity, then the
// event's own bytes); Rank orders events of equal time when the track is
// sorted (note off 1 before note on 2; other events 0).
class Event {
public:
    explicit Event(std::uint32_t time) : m_time(time) {}
    virtual ~Event() = default;

    virtual void Encode(std::uint32_t delta);
    virtual int Rank() const { return 0; }
    // End of Track sorts after every other event of its time.
    virtual bool IsEndOfTrack() const { return false; }

    std::uint32_t Time() const { return m_time; }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    size_t Size() const { return m_bytes.size(); }

    // Appends value as 1 to 4 bytes of 7 bits, most significant first, every
    // byte but the last with bit 7 set (values above 0x0FFFFFFF are cut).
    static void AppendVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value);

protected:
    // The event's bytes after the delta time.
    virtual void AppendBody(std::vector<std::uint8_t>& out) const = 0;

private:
    std::uint32_t m_time;
    std::vector<std::uint8_t> m_bytes;
};
