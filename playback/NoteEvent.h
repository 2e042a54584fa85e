#pragma once

// Something playback does at a step and undoes a fixed time later: Fire when
// the step is reached, Release Duration() milliseconds after it. Events are
// made per step on the playback thread and released on the timer thread (or
// on the playback thread when playback ends); Fire and Release of one event
// never run at the same time.
class NoteEvent {
public:
    explicit NoteEvent(int durationMs) : m_durationMs(durationMs) {}
    virtual ~NoteEvent() = default;
    NoteEvent(const NoteEvent&) = delete;
    NoteEvent& operator=(const NoteEvent&) = delete;

    virtual void Fire() = 0;
    virtual void Release() = 0;
    // Milliseconds between Fire and Release.
    virtual int Duration() const { return m_durationMs; }

private:
    int m_durationMs;
};
