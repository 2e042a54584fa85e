#pragma once

#include "playback/NoteEvent.h"
#include "playback/midi/CShortMsg.h"
#include "playback/midi/MidiOutput.h"

// One sounding note: Note On when fired, Note Off with the same key and
// velocity when released, both built once at construction. A note that
// cannot be sent (no channel, or a key outside 0-127, which a very high or
// low written note can give) stays silent instead of sending a message that
// would mean something else. The output is not owned and must outlive the
// event.
class NoteSoundEvent : public NoteEvent {
public:
    // The velocity is clipped to 0-127.
    NoteSoundEvent(int channel, int key, int durationMs, int velocity, midi::MidiOutput* output);

    void Fire() override;
    void Release() override;

    // Whether Fire and Release send anything.
    bool IsAudible() const { return m_audible; }
    const midi::CShortMsg& NoteOn() const { return m_noteOn; }
    const midi::CShortMsg& NoteOff() const { return m_noteOff; }

    static bool IsValidKey(int key) { return key >= 0 && key <= 127; }
    static bool IsValidChannel(int channel) { return channel >= 0 && channel <= 15; }

private:
    void Send(const midi::CShortMsg& message) const;

    midi::CShortMsg m_noteOn;
    midi::CShortMsg m_noteOff;
    midi::MidiOutput* m_output;
    bool m_audible;
};
