#include "playback/PlaybackTiming.h"

#include <algorithm>

PlaybackTiming::PlaybackTiming() {
    SetTempo(Tempo());
}

void PlaybackTiming::SetTempo(int bpm) {
    m_tempo.store(bpm, std::memory_order_relaxed);
    m_msPerStep.store(bpm > 0 ? 60.0 / bpm / m_stepsPerBeat * 1000.0 : 0.0,
                      std::memory_order_relaxed);
}

double PlaybackTiming::PlaybackMsPerStep() const {
    const int tempo = std::max(1, Tempo());
    // Quarter notes per minute.
    const double quarters = m_unit == 2 ? 2.0 * tempo : m_unit == 8 ? 1.5 * tempo : tempo;
    return 60.0 / quarters / kStepsPerQuarter * 1000.0;
}

void PlaybackTiming::SetTimeSignature(int beats, int unit) {
    if (beats <= 0 || unit <= 0) {
        return;
    }
    m_beats = beats;
    m_unit = unit;
    m_stepsPerBar = std::max(1, beats * 4 * kStepsPerQuarter / unit);
    m_stepsPerBeat = std::max(1, m_stepsPerBar / beats);
}
