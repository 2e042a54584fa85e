#include "playback/NoteMetroEvent.h"

#include <cstdint>

namespace {
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kNoteOff = 0x80;
constexpr int kLoud = 100;
constexpr int kSoft = 60;
}  // namespace

NoteMetroEvent::NoteMetroEvent(std::array<int, 2> timeSignature, BeatCounters& counters,
                               bool metronomeOn, midi::MidiOutput* output)
    : NoteEvent(kDurationMs), m_counters(counters), m_output(output), m_on(metronomeOn) {
    const bool sixEight = timeSignature[0] == 6 && timeSignature[1] == 8;
    m_beat = counters.beat.load(std::memory_order_relaxed) + 1;
    const int previousMain = counters.mainBeat.load(std::memory_order_relaxed);
    bool strong = true;
    if (sixEight) {
        strong = m_beat == 0 || m_beat == 3;
        m_mainBeat = strong ? previousMain + 1 : previousMain;
    } else {
        m_mainBeat = previousMain + 1;
    }
    int key = kDownbeatKey;
    int velocity = 0;
    if (m_on) {
        key = m_beat == 0 ? kDownbeatKey : kBeatKey;
        velocity = m_beat == 0 || (sixEight && strong) ? kLoud : kSoft;
    }
    m_noteOn = midi::CShortMsg(kNoteOn, kChannel, static_cast<std::uint8_t>(key),
                               static_cast<std::uint8_t>(velocity), 0);
    m_noteOff = midi::CShortMsg(kNoteOff, kChannel, static_cast<std::uint8_t>(key),
                                static_cast<std::uint8_t>(velocity), 0);
}

void NoteMetroEvent::Fire() {
    Send(m_noteOn);
    m_counters.Set(m_mainBeat, m_beat);
}

void NoteMetroEvent::Release() {
    Send(m_noteOff);
}

void NoteMetroEvent::Send(const midi::CShortMsg& message) const {
    if (m_on && m_output != nullptr) {
        m_output->SendShort(message.Status(), message.Data1(), message.Data2());
    }
}
