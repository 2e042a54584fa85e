#include "playback/SoundEngine.h"

#include <algorithm>

#include "playback/midi/MidiOutput.h"

namespace {
constexpr int kProgramChange = 0xC0;
constexpr int kControlChange = 0xB0;
constexpr int kVolumeController = 7;
}  // namespace

SoundEngine& SoundEngine::Instance() {
    static SoundEngine engine;
    return engine;
}

SoundEngine::SoundEngine() {
    SetTimeSignature(4, 4);
    SetTempo(60, false);
    ResetChannels();
}

void SoundEngine::SetTempo(int bpm, bool notify) {
    m_tempo = bpm;
    m_msPerStep = bpm > 0 ? 60.0 / bpm / m_stepsPerBeat * 1000.0 : 0.0;
    if (notify) {
        Notify(2);
    }
}

void SoundEngine::SetTimeSignature(int beats, int unit) {
    if (beats <= 0 || unit <= 0) {
        return;
    }
    m_beats = beats;
    m_unit = unit;
    m_stepsPerBar = std::max(1, beats * 96 / unit);
    m_stepsPerBeat = std::max(1, m_stepsPerBar / beats);
}

void SoundEngine::ResetChannels() {
    m_tracks.fill(TrackEntry{});
    m_channelInUse.fill(false);
}

int SoundEngine::AllocateChannel(bool isPercussion) {
    if (isPercussion) {
        m_channelInUse[kPercussionChannel] = true;
        return kPercussionChannel;
    }
    for (int channel = 0; channel < kNumChannels; ++channel) {
        if (channel == kPercussionChannel || channel == kMetronomeChannel) {
            continue;
        }
        if (!m_channelInUse[channel]) {
            m_channelInUse[channel] = true;
            return channel;
        }
    }
    return -1;
}

void SoundEngine::SetTrackProgram(int trackNum, bool isPercussion, int program) {
    if (!IsValidTrackNum(trackNum)) {
        return;
    }
    TrackEntry& entry = m_tracks[trackNum];
    const bool suits = entry.channel >= 0 && (entry.channel == kPercussionChannel) == isPercussion;
    if (!suits) {
        if (entry.channel >= 0) {
            m_channelInUse[entry.channel] = false;
        }
        entry.channel = AllocateChannel(isPercussion);
    }
    entry.program = program;
    entry.dynamicLevel = TrackEntry::kDefaultDynamicLevel;
    SendChannelMessage(kProgramChange, entry.channel, isPercussion ? 0 : program, 0);
}

void SoundEngine::SetTrackVolume(int trackNum, int volumePercent) {
    if (!IsValidTrackNum(trackNum)) {
        return;
    }
    TrackEntry& entry = m_tracks[trackNum];
    entry.volume = volumePercent;
    if (entry.channel != kPercussionChannel) {
        SendChannelMessage(kControlChange, entry.channel, kVolumeController,
                           PercentToMidi(volumePercent));
    }
}

int SoundEngine::TrackChannel(int trackNum) const {
    return IsValidTrackNum(trackNum) ? m_tracks[trackNum].channel : -1;
}

int SoundEngine::TrackVolume(int trackNum) const {
    return IsValidTrackNum(trackNum) ? m_tracks[trackNum].volume : -1;
}

const TrackEntry* SoundEngine::Entry(int trackNum) const {
    return IsValidTrackNum(trackNum) ? &m_tracks[trackNum] : nullptr;
}

int SoundEngine::PercentToMidi(int percent) {
    return std::clamp(percent, 0, 100) * 127 / 100;
}

int SoundEngine::MidiToPercent(int value) {
    return std::clamp(value, 0, 127) * 100 / 127;
}

void SoundEngine::SendChannelMessage(int status, int channel, int data1, int data2) {
    // A track without a channel has nowhere to send; a status byte built from
    // -1 would not be a channel message at all.
    if (m_output == nullptr || channel < 0 || channel >= kNumChannels) {
        return;
    }
    m_output->SendShort(static_cast<std::uint8_t>(status | channel),
                        static_cast<std::uint8_t>(std::clamp(data1, 0, 127)),
                        static_cast<std::uint8_t>(std::clamp(data2, 0, 127)));
}
