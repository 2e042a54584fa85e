#include "platform/StepPacer.h"

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

// Each wait forgets this share of the worst lateness seen, so a burst of
// load is remembered for a few seconds of steps and then let go.
constexpr double kDecay = 0.98;
// Spinning starts this long before the expected wake-up is due, above the
// lateness itself.
constexpr double kMarginUs = 300.0;

void Relax() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#elif defined(__aarch64__)
    asm volatile("yield");
#endif
}

}  // namespace

bool StepPacer::WaitUntil(Clock::time_point moment, AutoResetEvent& wake,
                          const std::function<bool()>& stopRequested) {
    while (!stopRequested()) {
        const Clock::time_point now = Clock::now();
        if (now >= moment) {
            return true;
        }
        const Clock::time_point wakeUp = moment - Lead();
        if (now < wakeUp) {
            if (!wake.WaitUntil(wakeUp)) {
                NoteWakeUp(Clock::now() - wakeUp);
            }
            continue;
        }
        // A sleep would wake too late on a busy computer: the kernel lets a
        // woken thread run only at its next scheduling tick. Spinning keeps
        // the processor instead.
        while (Clock::now() < moment) {
            if (stopRequested()) {
                return false;
            }
            Relax();
        }
        return true;
    }
    return false;
}

StepPacer::Clock::duration StepPacer::Lead() const {
    const auto lead = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::micro>(m_latenessUs + kMarginUs));
    return std::clamp(lead, kMinLead, kMaxLead);
}

void StepPacer::NoteWakeUp(Clock::duration lateness) {
    const double us = std::chrono::duration<double, std::micro>(lateness).count();
    m_latenessUs = std::max(us, m_latenessUs * kDecay);
}
