#pragma once

#include <array>

#include "playback/BeatCounters.h"
#include "playback/NoteEvent.h"
#include "playback/midi/CShortMsg.h"
#include "playback/midi/MidiOutput.h"

// One metronome click at the start of a beat, on the metronome's channel.
// Which beat it is comes from the counters as they stand when the event is
// built (the previous click's numbers, or -1 at the start of a bar); firing
// writes its own numbers back, so consecutive clicks count up. In 6/8 the
// click counts six beats and the main beat advances on the first and the
// fourth, which are stressed. With the metronome off the event is silent
// but still counts. Counters and output are not owned.
class NoteMetroEvent : public NoteEvent {
public:
    static constexpr int kDurationMs = 30;
    static constexpr int kChannel = 15;
    static constexpr int kDownbeatKey = 80;
    static constexpr int kBeatKey = 70;

    NoteMetroEvent(std::array<int, 2> timeSignature, BeatCounters& counters, bool metronomeOn,
                   midi::MidiOutput* output);

    void Fire() override;
    void Release() override;

    int MainBeat() const { return m_mainBeat; }
    int Beat() const { return m_beat; }
    int Key() const { return m_noteOn.Data1(); }
    int Velocity() const { return m_noteOn.Data2(); }

private:
    void Send(const midi::CShortMsg& message) const;

    BeatCounters& m_counters;
    midi::MidiOutput* m_output;
    bool m_on;
    int m_mainBeat = 0;
    int m_beat = 0;
    midi::CShortMsg m_noteOn;
    midi::CShortMsg m_noteOff;
};
