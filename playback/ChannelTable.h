#pragma once

#include <array>

#include "model/SoundSettings.h"
#include "playback/TrackEntry.h"

// The table of track channels: for each of the 64 track numbers the MIDI
// channel, program and volume it plays with, and which channels are taken.
// Percussion always shares channel 9, channel 15 is kept for the metronome,
// and other tracks take the lowest free channel. The table only keeps
// entries; its owner sends the messages that go with them.
//
// Threads: a plain value, used by one thread at a time. The sound engine's
// table is the user-interface thread's; playback only reads it, and what a
// play adds (the accompaniment's expanded tracks) goes into a copy of its own.
class ChannelTable {
public:
    static constexpr int kNumEntries = SoundSettings::kNumTrackEntries;
    static constexpr int kNumChannels = SoundSettings::kNumChannels;
    static constexpr int kPercussionChannel = SoundSettings::kPercussionChannel;
    static constexpr int kMetronomeChannel = SoundSettings::kMetronomeChannel;

    ChannelTable() = default;

    static bool IsValidTrackNum(int trackNum) { return trackNum >= 0 && trackNum < kNumEntries; }

    // Every entry to its reset values and every channel free.
    void Reset();
    // Percussion gets channel 9 (shared); other tracks the lowest free
    // channel among 0-8 and 10-14, or -1 when none is free. The channel
    // returned counts as taken.
    int Allocate(bool isPercussion);
    // Gives the track a channel that suits it (keeping the one it has when it
    // does) and records the program. The entry, or null for a number outside
    // the table, which changes nothing.
    const TrackEntry* SetProgram(int trackNum, bool isPercussion, int program);
    // Records the volume in percent; the entry, or null as above.
    const TrackEntry* SetVolume(int trackNum, int volumePercent);
    // Frees the channels held from this track number on (the shared
    // percussion channel stays taken) and resets those entries.
    void ReleaseFrom(int firstTrackNum);

    // -1 for a number outside the table.
    int Channel(int trackNum) const;
    int Volume(int trackNum) const;
    // Null for a number outside the table.
    const TrackEntry* Entry(int trackNum) const;

private:
    std::array<TrackEntry, kNumEntries> m_entries{};
    std::array<bool, kNumChannels> m_inUse{};
};
