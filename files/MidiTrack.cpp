#include "files/MidiTrack.h"

#include <algorithm>

namespace {

void AppendBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

}  // namespace

void MidiTrack::AppendChunk(std::vector<std::uint8_t>& out) {
    std::stable_sort(m_events.begin(), m_events.end(), [](const auto& a, const auto& b) {
        if (a->Time() != b->Time()) {
            return a->Time() < b->Time();
        }
        if (a->IsEndOfTrack() != b->IsEndOfTrack()) {
            return b->IsEndOfTrack();
        }
        return a->Rank() < b->Rank();
    });
    std::uint32_t length = 0;
    std::uint32_t previous = 0;
    for (auto& event : m_events) {
        event->Encode(event->Time() - previous);
        previous = event->Time();
        length += static_cast<std::uint32_t>(event->Size());
    }
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    AppendBigEndian32(out, length);
    for (const auto& event : m_events) {
        out.insert(out.end(), event->Bytes().begin(), event->Bytes().end());
    }
}
