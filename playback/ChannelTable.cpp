#include "playback/ChannelTable.h"

#include <algorithm>
#include <cstddef>

void ChannelTable::Reset() {
    m_entries.fill(TrackEntry{});
    m_inUse.fill(false);
}

int ChannelTable::Allocate(bool isPercussion) {
    if (isPercussion) {
        m_inUse[kPercussionChannel] = true;
        return kPercussionChannel;
    }
    for (int channel = 0; channel < kNumChannels; ++channel) {
        if (channel == kPercussionChannel || channel == kMetronomeChannel) {
            continue;
        }
        if (!m_inUse[static_cast<std::size_t>(channel)]) {
            m_inUse[static_cast<std::size_t>(channel)] = true;
            return channel;
        }
    }
    return -1;
}

const TrackEntry* ChannelTable::SetProgram(int trackNum, bool isPercussion, int program) {
    if (!IsValidTrackNum(trackNum)) {
        return nullptr;
    }
    TrackEntry& entry = m_entries[static_cast<std::size_t>(trackNum)];
    const bool suits = entry.channel >= 0 && (entry.channel == kPercussionChannel) == isPercussion;
    if (!suits) {
        if (entry.channel >= 0) {
            m_inUse[static_cast<std::size_t>(entry.channel)] = false;
        }
        entry.channel = Allocate(isPercussion);
    }
    entry.program = program;
    return &entry;
}

const TrackEntry* ChannelTable::SetVolume(int trackNum, int volumePercent) {
    if (!IsValidTrackNum(trackNum)) {
        return nullptr;
    }
    TrackEntry& entry = m_entries[static_cast<std::size_t>(trackNum)];
    entry.volume = volumePercent;
    return &entry;
}

void ChannelTable::ReleaseFrom(int firstTrackNum) {
    for (int t = std::max(0, firstTrackNum); t < kNumEntries; ++t) {
        TrackEntry& entry = m_entries[static_cast<std::size_t>(t)];
        if (entry.channel >= 0 && entry.channel != kPercussionChannel) {
            m_inUse[static_cast<std::size_t>(entry.channel)] = false;
        }
        entry = TrackEntry{};
    }
}

int ChannelTable::Channel(int trackNum) const {
    return IsValidTrackNum(trackNum) ? m_entries[static_cast<std::size_t>(trackNum)].channel : -1;
}

int ChannelTable::Volume(int trackNum) const {
    return IsValidTrackNum(trackNum) ? m_entries[static_cast<std::size_t>(trackNum)].volume : -1;
}

const TrackEntry* ChannelTable::Entry(int trackNum) const {
    return IsValidTrackNum(trackNum) ? &m_entries[static_cast<std::size_t>(trackNum)] : nullptr;
}
