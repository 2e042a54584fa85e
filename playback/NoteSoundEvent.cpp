#include "playback/NoteSoundEvent.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kNoteOff = 0x80;
}  // namespace

NoteSoundEvent::NoteSoundEvent(int channel, int key, int durationMs, int velocity,
                               midi::MidiOutput* output)
    : NoteEvent(durationMs),
      m_output(output),
      m_audible(output != nullptr && IsValidChannel(channel) && IsValidKey(key)) {
    if (m_audible) {
        const auto ch = static_cast<std::uint8_t>(channel);
        const auto k = static_cast<std::uint8_t>(key);
        const auto v = static_cast<std::uint8_t>(std::clamp(velocity, 0, 127));
        m_noteOn = midi::CShortMsg(kNoteOn, ch, k, v, 0);
        m_noteOff = midi::CShortMsg(kNoteOff, ch, k, v, 0);
    }
}

void NoteSoundEvent::Fire() {
    Send(m_noteOn);
}

void NoteSoundEvent::Release() {
    Send(m_noteOff);
}

void NoteSoundEvent::Send(const midi::CShortMsg& message) const {
    if (m_audible) {
        m_output->SendShort(message.Status(), message.Data1(), message.Data2());
    }
}
