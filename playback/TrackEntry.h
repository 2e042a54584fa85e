#pragma once

// The sound engine's state for one track number: its channel, instrument,
// volume and the dynamics in force while it plays.
struct TrackEntry {
    static constexpr int kDefaultDynamicLevel = 4;  // MF
    static constexpr int kNoAccent = 12;            // NONE

    int channel = -1;  // 0-15, or -1 for none
    int program = -1;  // last General MIDI program set
    int volume = -1;   // percent
    int dynamicLevel = kDefaultDynamicLevel;
    int accent = kNoAccent;
};
