#pragma once

#include <chrono>

namespace midi {

// The moment the messages sent on this thread are meant to sound, while an
// instance lives: playback sets it around firing a step and releasing a
// group, so an output that can schedule (the built-in synthesizer) places
// them at their own moment instead of whenever they arrive. Without one a
// message sounds as soon as it can. The origin names the playback the moment
// belongs to: every moment of one playback has the same origin, so an output
// keeps one fixed delay for all of them.
class SendTime {
public:
    using Clock = std::chrono::steady_clock;

    SendTime(Clock::time_point origin, Clock::time_point due)
        : m_origin(origin), m_due(due), m_previous(t_current) {
        t_current = this;
    }
    ~SendTime() { t_current = m_previous; }
    SendTime(const SendTime&) = delete;
    SendTime& operator=(const SendTime&) = delete;

    // The innermost moment set on this thread, or null.
    static const SendTime* Current() { return t_current; }

    Clock::time_point Origin() const { return m_origin; }
    Clock::time_point Due() const { return m_due; }

private:
    static inline thread_local const SendTime* t_current = nullptr;
    Clock::time_point m_origin;
    Clock::time_point m_due;
    const SendTime* m_previous;
};

}  // namespace midi
