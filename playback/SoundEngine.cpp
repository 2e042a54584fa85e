#include "playback/SoundEngine.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <utility>

#include "files/PatternLibrary.h"
#include "model/DynamicLevels.h"
#include "model/DynamicMark.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/TieChain.h"
#include "model/Track.h"
#include "platform/DiagnosticLog.h"
#include "platform/ThreadPriority.h"
#include "platform/TimerService.h"
#include "playback/NoteHighlightEvent.h"
#include "playback/NoteMetroEvent.h"
#include "playback/NoteSoundEvent.h"
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
constexpr int kFullVolume = 100;

SoundEngine::Clock::duration Milliseconds(double ms) {
    return std::chrono::duration_cast<SoundEngine::Clock::duration>(
        std::chrono::duration<double, std::milli>(ms));
}
}  // namespace

SoundEngine& SoundEngine::Instance() {
    static SoundEngine engine;
    return engine;
}

SoundEngine::SoundEngine()
    : m_groups(std::make_shared<EventGroupTimers>(TimerService::Instance())) {
    SetTimeSignature(4, 4);
    SetTempo(60, false);
    ResetChannels();
}

SoundEngine::~SoundEngine() {
    Stop();
    WaitUntilStopped();
    CloseDevice();
    m_groups->ReleaseAll();
}

void SoundEngine::SetTempo(int bpm, bool notify) {
    m_tempo.store(bpm, std::memory_order_relaxed);
    m_msPerStep = bpm > 0 ? 60.0 / bpm / m_stepsPerBeat * 1000.0 : 0.0;
    if (notify) {
        Notify(TempoAspect);
    }
}

double SoundEngine::PlaybackMsPerStep() const {
    const int tempo = std::max(1, GetTempo());
    // Quarter notes per minute.
    const double quarters = m_unit == 2 ? 2.0 * tempo : m_unit == 8 ? 1.5 * tempo : tempo;
    return 60.0 / quarters / 24.0 * 1000.0;
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

// --- playback control ---

void SoundEngine::Play(Song* song) {
    if (song == nullptr) {
        return;
    }
    std::lock_guard lock(m_threadMutex);
    if (IsActive()) {
        return;
    }
    // The previous playback has set the state to Stopped; its thread may
    // still be telling observers so, and may itself be the caller (an
    // observer of its end), which cannot wait for itself.
    if (m_thread.joinable()) {
        if (m_thread.get_id() == std::this_thread::get_id()) {
            m_thread.detach();
        } else {
            m_thread.join();
        }
    }
    m_state.store(Preparing, std::memory_order_release);
    m_errorCode.store(NoError, std::memory_order_relaxed);
    m_ending.store(false, std::memory_order_release);
    m_pending.clear();
    m_stopRequest.store(false, std::memory_order_release);
    m_thread = std::thread([this, song] { PlaybackRoutine(song); });
}

void SoundEngine::Pause() {
    m_stopKind.store(PauseKind, std::memory_order_relaxed);
    m_startBar.store(CurrentBar(), std::memory_order_relaxed);
    m_stopRequest.store(true, std::memory_order_release);
    m_wake.Set();
}

void SoundEngine::Stop() {
    m_stopKind.store(StopKindFull, std::memory_order_relaxed);
    m_stopRequest.store(true, std::memory_order_release);
    m_wake.Set();
}

void SoundEngine::WaitUntilStopped() {
    std::lock_guard lock(m_threadMutex);
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id()) {
        m_thread.join();
    }
}

void SoundEngine::Rewind() {
    m_startBar.store(0, std::memory_order_relaxed);
    m_currentBar.store(0, std::memory_order_relaxed);
    m_counters.mainBeat.store(0, std::memory_order_relaxed);
    Notify(TempoAspect);
}

bool SoundEngine::ToggleMetronome() {
    // Only the user-interface thread toggles; playback just reads.
    const bool on = !m_metronome.load(std::memory_order_relaxed);
    m_metronome.store(on, std::memory_order_relaxed);
    return on;
}

SoundEngine::Clock::time_point SoundEngine::PlaybackOrigin() const {
    return Clock::time_point(Clock::duration(m_origin.load(std::memory_order_acquire)));
}

void SoundEngine::StartEventGroup(std::unique_ptr<NoteEvent> group) {
    m_groups->Start(std::move(group));
}

// --- the playback thread ---

void SoundEngine::PlaybackRoutine(Song* song) {
    Song& playing = *song;
    const int startBar = ValidStartBar(playing, StartBar());
    m_startBar.store(startBar, std::memory_order_relaxed);
    const int error = PrepareToPlay(playing, startBar);
    if (error != NoError) {
        m_errorCode.store(error, std::memory_order_relaxed);
        Notify(ErrorAspect);
        EndPlayback(playing, false);
        return;
    }
    m_state.store(Playing, std::memory_order_release);
    Notify(StartAspect);

    if (ThreadPriority::RaiseToTimeCritical() != ThreadPriority::RealTime) {
        static std::once_flag told;
        std::call_once(told, [] {
            DiagnosticLog::Write(
                "playback runs without real-time priority; steps may come late on a busy "
                "computer");
        });
    }
    // Every step's moment is measured from one anchor, never from the step
    // before, so late wake-ups do not add up. A tempo change moves the
    // anchor to the last step played, so the music neither jumps nor stalls.
    Clock::time_point anchor = Clock::now() + std::chrono::milliseconds(LeadIn());
    m_origin.store(anchor.time_since_epoch().count(), std::memory_order_release);
    const long stepsPerBar = m_stepsPerBar;
    long anchorStep = startBar * stepsPerBar;
    long lastStep = anchorStep;
    double msPerStep = PlaybackMsPerStep();
    const int endBar = playing.GetNumBars() - 1;

    for (int bar = startBar; bar <= endBar; ++bar) {
        m_currentBar.store(bar, std::memory_order_relaxed);
        SetBeatCounters(-1);
        for (int step = 0; step < stepsPerBar; ++step) {
            if (StopRequested()) {
                EndPlayback(playing, m_stopKind.load(std::memory_order_relaxed) == StopKindFull);
                return;
            }
            const bool highlighted = CollectStepEvents(playing, bar, step, m_pending);
            if (m_pending.empty()) {
                continue;
            }
            const long absoluteStep = bar * stepsPerBar + step;
            if (const double now = PlaybackMsPerStep(); now != msPerStep) {
                anchor += Milliseconds(static_cast<double>(lastStep - anchorStep) * msPerStep);
                anchorStep = lastStep;
                msPerStep = now;
            }
            const Clock::time_point target =
                anchor + Milliseconds(static_cast<double>(absoluteStep - anchorStep) * msPerStep);
            if (!WaitFor(target)) {
                EndPlayback(playing, m_stopKind.load(std::memory_order_relaxed) == StopKindFull);
                return;
            }
            FireStep();
            lastStep = absoluteStep;
            if (step % m_stepsPerBeat == 0) {
                Notify(BeatAspect);
            }
            if (highlighted) {
                Notify(HighlightAspect);
            }
        }
    }
    // Let the last bar sound to its end: every note ends by then.
    const long endStep = (endBar + 1) * stepsPerBar;
    const bool finished =
        WaitFor(anchor + Milliseconds(static_cast<double>(endStep - anchorStep) * msPerStep));
    EndPlayback(playing, finished || m_stopKind.load(std::memory_order_relaxed) == StopKindFull);
}

bool SoundEngine::WaitFor(Clock::time_point moment) {
    while (!StopRequested()) {
        if (Clock::now() >= moment) {
            return true;
        }
        m_wake.WaitUntil(moment);
    }
    return false;
}

void SoundEngine::FireStep() {
    for (auto& group : GroupByDuration(m_pending)) {
        StartEventGroup(std::move(group));
    }
}

void SoundEngine::EndPlayback(Song& song, bool rewind) {
    m_ending.store(true, std::memory_order_release);
    ThreadPriority::RestoreNormal();
    // Events of a step that was never fired have nothing to undo: releasing
    // them would send Note Offs for notes that never started.
    m_pending.clear();
    m_groups->ReleaseAll();
    if (rewind) {
        m_currentBar.store(0, std::memory_order_relaxed);
        m_startBar.store(0, std::memory_order_relaxed);
    }
    SetBeatCounters(0);
    Notify(BeatAspect);
    Notify(HighlightAspect);
    FinishWithSong(song);
    m_state.store(Stopped, std::memory_order_release);
    Notify(EndAspect);
}

std::vector<std::unique_ptr<NoteEventCollection>> SoundEngine::GroupByDuration(EventList& events) {
    std::vector<std::unique_ptr<NoteEventCollection>> groups;
    for (auto& event : events) {
        const auto same = std::find_if(groups.begin(), groups.end(), [&](const auto& group) {
            return group->Duration() == event->Duration();
        });
        if (same != groups.end()) {
            (*same)->Add(event);
        } else {
            groups.push_back(std::make_unique<NoteEventCollection>());
            groups.back()->Add(event);
        }
    }
    events.clear();
    return groups;
}

// --- the event list ---

int SoundEngine::ValidStartBar(const Song& song, int bar) {
    return bar >= 0 && bar < song.GetNumBars() ? bar : 0;
}

int SoundEngine::PrepareToPlay(Song& song, int startBar) {
    m_expanded = false;
    if (song.HasAccompaniment()) {
        if (m_styleName == PatternLibrary::kNoStyle) {
            return NoAccompanimentStyle;
        }
        const Song::TimeSignature signature = song.GetTimeSignature();
        const int generated = PatternLibrary::ApplyStyle(
            song, PatternLibrary::PatternFileName(signature.numerator, signature.denominator,
                                                  m_styleName));
        if (generated == -1) {
            return PatternUnreadable;
        }
        if (generated < 0) {
            return NoAccompanimentStyle;
        }
        m_expanded = true;
    }
    ApplyDynamicsBefore(song, startBar);
    SendProgramsAndVolumes(song);
    return NoError;
}

void SoundEngine::FinishWithSong(Song& song) {
    if (!m_expanded) {
        return;
    }
    song.FreeAccompaniment();
    // The expanded tracks are gone, so their channels are free again for the
    // song's own tracks; the percussion channel stays shared.
    for (int t = kFirstAccompanimentTrackNum; t < kNumTrackEntries; ++t) {
        TrackEntry& entry = m_tracks[static_cast<size_t>(t)];
        if (entry.channel >= 0 && entry.channel != kPercussionChannel) {
            m_channelInUse[static_cast<size_t>(entry.channel)] = false;
        }
        entry = TrackEntry{};
    }
    m_expanded = false;
}

void SoundEngine::ApplyDynamicsBefore(const Song& song, int startBar) {
    for (int slot = 0; slot < std::min(song.GetNumTracks(), kNumTrackEntries); ++slot) {
        const Track* track = song.GetTrack(slot);
        if (track == nullptr || track->IsAccompaniment()) {
            continue;
        }
        // Every play starts from the level the score says, not from where an
        // earlier play happened to stop.
        TrackEntry& entry = m_tracks[static_cast<size_t>(track->GetTrackNum())];
        entry.dynamicLevel = TrackEntry::kDefaultDynamicLevel;
        entry.accent = TrackEntry::kNoAccent;
        bool found = false;
        for (int bar = startBar - 1; bar >= 0 && !found; --bar) {
            const auto* noteBar = dynamic_cast<const NoteBar*>(track->GetBar(bar));
            if (noteBar == nullptr) {
                continue;
            }
            const auto& marks = noteBar->GetMarks();
            for (auto mark = marks.rbegin(); mark != marks.rend() && !found; ++mark) {
                if (DynamicLevels::SetsLevel(mark->second)) {
                    entry.dynamicLevel = mark->second;
                    found = true;
                }
            }
        }
    }
}

void SoundEngine::SendProgramsAndVolumes(Song& song) {
    for (int t = 0; t < std::min(song.GetNumTracks(), kNumTrackEntries); ++t) {
        const TrackEntry& entry = m_tracks[static_cast<size_t>(t)];
        if (entry.channel < 0) {
            continue;
        }
        const int program = entry.channel == kPercussionChannel ? 0 : entry.program;
        SendChannelMessage(kProgramChange, entry.channel, program, 0);
        SendChannelMessage(kControlChange, entry.channel, kVolumeController,
                           PercentToMidi(entry.volume));
    }
    if (m_expanded) {
        // The accompaniment's slider scales its melodic tracks through their
        // own sliders, which tell the engine; drums take it in velocity.
        const int accompanimentVolume = song.GetTrack(0)->GetVolume();
        for (const auto& track : song.GeneratedAccompaniment()) {
            if (!track->IsPercussion()) {
                track->SetVolume(track->GetVolume() * accompanimentVolume / 100);
            }
        }
    }
    SendChannelMessage(kProgramChange, kMetronomeChannel, kMetronomeProgram, 0);
    SendChannelMessage(kControlChange, kMetronomeChannel, kVolumeController,
                       PercentToMidi(kFullVolume));
    SendChannelMessage(kControlChange, kPercussionChannel, kVolumeController,
                       PercentToMidi(kFullVolume));
}

void SoundEngine::ApplyMarkings(int trackNum, const std::vector<int>& markings) {
    if (!IsValidTrackNum(trackNum)) {
        return;
    }
    TrackEntry& entry = m_tracks[trackNum];
    entry.accent = TrackEntry::kNoAccent;
    for (const int code : markings) {
        if (DynamicLevels::IsAccent(code)) {
            entry.accent = code;
        } else if (DynamicLevels::SetsLevel(code)) {
            entry.dynamicLevel = code;
        }
        // CRESC and DIM carry no level of their own; taking them as one
        // would give a negative velocity.
    }
}

double SoundEngine::VelocityFactor(const Track& track, const TrackEntry& entry,
                                   bool isAccompaniment) const {
    double factor = DynamicLevels::VelocityPercent(entry.dynamicLevel) / 100.0;
    if (track.IsPercussion()) {
        // The percussion channel is shared, so its volume cannot be a
        // controller; it goes into the velocity instead.
        factor = entry.volume / 100.0 * factor;
        if (isAccompaniment) {
            factor *= m_tracks[0].volume / 100.0;
        }
    }
    factor *= DynamicLevels::AccentFactor(entry.accent);
    return std::clamp(factor, 0.0, 1.0);
}

int SoundEngine::SoundingSteps(const Note& note) const {
    int steps = note.GetLength() - 1;
    if (!note.IsTieStart()) {
        return steps;
    }
    // A tie sounds as one note to the end of its last member, less the
    // one-step gap each member leaves.
    const Note* current = &note;
    while (current->IsTieStart() || current->IsTieMiddle()) {
        const Note* next = TieChain::Next(*current);
        if (next == nullptr || !(next->IsTieMiddle() || next->IsTieEnd())) {
            break;
        }
        steps += next->GetLength() - 1;
        current = next;
    }
    return steps;
}

bool SoundEngine::BuildStepEvents(const Track& track, int barIndex, int step, bool isAccompaniment,
                                  EventList& events) {
    const int trackNum = track.GetTrackNum();
    const auto* bar = dynamic_cast<const NoteBar*>(track.GetBar(barIndex));
    if (!IsValidTrackNum(trackNum) || bar == nullptr) {
        return false;
    }
    TrackEntry& entry = m_tracks[trackNum];
    const auto [first, last] = bar->GetMarks().equal_range(step);
    if (first != last) {
        std::vector<int> markings;
        for (auto mark = first; mark != last; ++mark) {
            markings.push_back(mark->second);
        }
        ApplyMarkings(trackNum, markings);
    }
    bool highlighted = false;
    const NoteChord* chord = bar->GetChordAt(step);
    if (chord != nullptr && !track.IsMuted()) {
        const int velocity = static_cast<int>(VelocityFactor(track, entry, isAccompaniment) * 127);
        const int msPerStep = static_cast<int>(PlaybackMsPerStep());
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            Note* note = chord->GetNote(i);
            const int length = note->GetLength() - 1;
            if (!isAccompaniment) {
                events.push_back(std::make_unique<NoteHighlightEvent>(msPerStep * length, note));
                highlighted = true;
            }
            if (note->IsTieMiddle() || note->IsTieEnd()) {
                continue;
            }
            const int key = bar->MidiKeyOf(*note);
            // A rest has no key; a key beyond 127 would be taken as another
            // message's data, so such a note is shown playing but not heard.
            if (NoteSoundEvent::IsValidKey(key) && NoteSoundEvent::IsValidChannel(entry.channel)) {
                events.push_back(std::make_unique<NoteSoundEvent>(
                    entry.channel, key, msPerStep * SoundingSteps(*note), velocity, m_output));
            }
        }
    }
    entry.accent = TrackEntry::kNoAccent;
    return highlighted;
}

std::unique_ptr<NoteEvent> SoundEngine::MakeMetronomeEvent() {
    return std::make_unique<NoteMetroEvent>(TimeSignature(), m_counters, IsMetronomeOn(), m_output);
}

bool SoundEngine::CollectStepEvents(const Song& song, int barIndex, int step, EventList& events) {
    bool highlighted = false;
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        const Track* track = song.GetTrack(slot);
        if (track == nullptr) {
            continue;
        }
        if (!track->IsAccompaniment()) {
            highlighted = BuildStepEvents(*track, barIndex, step, false, events) || highlighted;
        } else if (m_expanded) {
            for (const auto& generated : song.GeneratedAccompaniment()) {
                BuildStepEvents(*generated, barIndex, step, true, events);
            }
        }
    }
    if (step % m_stepsPerBeat == 0) {
        events.push_back(MakeMetronomeEvent());
    }
    return highlighted;
}

void SoundEngine::AuditionStep(const NoteBar& bar, int step) {
    const Track* track = bar.GetTrack();
    const NoteChord* chord = bar.GetChordAt(step);
    if (track == nullptr || chord == nullptr) {
        return;
    }
    const int trackNum = track->GetTrackNum();
    const int channel = TrackChannel(trackNum);
    const int velocity = track->IsPercussion() ? TrackVolume(trackNum) : kAuditionVelocity;
    auto group = std::make_unique<NoteEventCollection>();
    for (int i = 0; i < chord->GetNoteCount(); ++i) {
        const int key = bar.MidiKeyOf(*chord->GetNote(i));
        if (NoteSoundEvent::IsValidKey(key) && NoteSoundEvent::IsValidChannel(channel)) {
            std::unique_ptr<NoteEvent> sound =
                std::make_unique<NoteSoundEvent>(channel, key, kAuditionMs, velocity, m_output);
            group->Add(sound);
        }
    }
    if (!group->Empty()) {
        StartEventGroup(std::move(group));
    }
}

// --- the device ---

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
    if (!m_device.IsOpen()) {
        return;
    }
    if (IsActive()) {
        Stop();
    }
    WaitUntilStopped();
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
