#pragma once

#include <atomic>

// Where playback stands inside the bar, for the transport panel: the main
// beat (the dotted-quarter beat in 6/8) and the metronome beat. Written by
// metronome events on the playback thread, read from any thread.
struct BeatCounters {
    std::atomic<int> mainBeat{0};
    std::atomic<int> beat{0};

    void Set(int main, int metronomeBeat) {
        mainBeat.store(main, std::memory_order_relaxed);
        beat.store(metronomeBeat, std::memory_order_relaxed);
    }
};
