#pragma once

// One track number's line of the channel table: the channel it plays on, its
// instrument and its volume.
struct TrackEntry {
    int channel = -1;  // 0-15, or -1 for none
    int program = -1;  // last General MIDI program set
    int volume = -1;   // percent
};
