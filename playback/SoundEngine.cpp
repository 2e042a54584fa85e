#include "playback/SoundEngine.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

#include "platform/DiagnosticLog.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/CShortMsg.h"

namespace {
constexpr int kProgramChange = 0xC0;
constexpr int kControlChange = 0xB0;
constexpr int kVolumeController = 7;
constexpr int kNoteOn = 0x90;
constexpr int kNoteOff = 0x80;
constexpr int kTestKey = 60;
constexpr int kTestVelocity = 80;
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

SoundEngine::~SoundEngine() {
    CloseDevice();
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

void SoundEngine::SendAllPrograms() {
    for (const TrackEntry& entry : m_tracks) {
        if (entry.channel >= 0) {
            const int program = entry.channel == kPercussionChannel ? 0 : entry.program;
            SendChannelMessage(kProgramChange, entry.channel, program, 0);
        }
    }
}

std::vector<std::string> SoundEngine::DeviceNames() const {
    return m_device.DeviceNames();
}

void SoundEngine::OpenDevice(int id, bool sendPrograms) {
    if (m_device.IsOpen() && m_device.DeviceId() == id) {
        return;
    }
    try {
        m_device.Open(id);
    } catch (const midi::CMIDIOutException& e) {
        DiagnosticLog::Write("MIDI output device " + std::to_string(id) +
                             " could not be opened: " + e.what());
        return;
    }
    if (sendPrograms) {
        SendAllPrograms();
    }
}

void SoundEngine::CloseDevice() {
    m_device.Close();
}

void SoundEngine::TestDevice(int id) {
    const int previousId = m_device.DeviceId();
    OpenDevice(id, false);
    // A device that would not open must not be "tested" on the one still open.
    if (m_device.DeviceId() == id) {
        try {
            midi::CShortMsg(kNoteOn, 0, kTestKey, kTestVelocity, 0).Send(m_device);
            std::this_thread::sleep_for(std::chrono::milliseconds(kTestNoteMs));
            midi::CShortMsg(kNoteOff, 0, kTestKey, kTestVelocity, 0).Send(m_device);
        } catch (const midi::CMIDIOutException& e) {
            DiagnosticLog::Write("MIDI output device " + std::to_string(id) +
                                 " failed its test note: " + e.what());
        }
    }
    if (previousId >= 0) {
        OpenDevice(previousId, false);
    } else {
        CloseDevice();
    }
}

void SoundEngine::SetDeviceDirectory(std::shared_ptr<const midi::DeviceDirectory> directory) {
    m_device.SetDirectory(std::move(directory));
}
