#pragma once

#include <chrono>
#include <functional>

#include "platform/AutoResetEvent.h"

// Waits for moments on the steady clock to within a fraction of a
// millisecond without needing real-time priority: it sleeps (interruptibly,
// on the caller's wake event) until shortly before the moment, then spins
// for the rest. How long before adapts to how late this computer's sleeps
// have woken lately, between kMinLead and kMaxLead, so a quiet computer
// spins half a millisecond per wait and a busy one two. Longer spins do
// not pay: on a computer with more runnable threads than processors the
// scheduler takes the processor away in the middle of them. One pacer per
// waiting thread.
class StepPacer {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr Clock::duration kMinLead = std::chrono::microseconds(500);
    static constexpr Clock::duration kMaxLead = std::chrono::microseconds(2000);

    // Returns true at the moment (at once when it has passed), false as soon
    // as stopRequested says so; it is asked whenever wake is set and
    // throughout the spin.
    bool WaitUntil(Clock::time_point moment, AutoResetEvent& wake,
                   const std::function<bool()>& stopRequested);
    // How long before a moment the pacer wakes now.
    Clock::duration Lead() const;

private:
    void NoteWakeUp(Clock::duration lateness);

    // A decaying maximum of how late recent sleeps woke.
    double m_latenessUs = 1000.0;
};
