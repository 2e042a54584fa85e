#pragma once

#include <array>
#include <atomic>

// The tempo and time signature that playback paces by, and the step lengths
// they give (a quarter note is 24 steps). The tempo may be set and read from
// any thread, also while playing; the time signature only changes while
// nothing plays, as the playback thread reads it unguarded.
class PlaybackTiming {
public:
    static constexpr int kStepsPerQuarter = 24;

    PlaybackTiming();

    // Beats per minute.
    void SetTempo(int bpm);
    int Tempo() const { return m_tempo.load(std::memory_order_relaxed); }
    // Milliseconds per step with a beat of StepsPerBeat steps, as of the
    // last SetTempo; 0 for a tempo of 0 or less.
    double MsPerStep() const { return m_msPerStep.load(std::memory_order_relaxed); }
    // Milliseconds per step that playback paces by: the tempo counts half
    // notes in x/2, dotted quarters in x/8 and quarters otherwise.
    double PlaybackMsPerStep() const;

    // A signature with a part of 0 or less is refused.
    void SetTimeSignature(int beats, int unit);
    std::array<int, 2> TimeSignature() const { return {m_beats, m_unit}; }
    int StepsPerBar() const { return m_stepsPerBar; }
    int StepsPerBeat() const { return m_stepsPerBeat; }

private:
    std::atomic<int> m_tempo{60};
    std::atomic<double> m_msPerStep{0.0};
    int m_beats = 4;
    int m_unit = 4;
    int m_stepsPerBar = 96;
    int m_stepsPerBeat = 24;
};
