#include "playback/SoundEngine.h"

#include "platform/StringIds.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <utility>

#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/Track.h"
#include "platform/DiagnosticLog.h"
#include "platform/SignalStack.h"
#include "platform/ThreadPriority.h"
#include "platform/TimerService.h"
#include "playback/ChannelMessages.h"
#include "playback/NoteSoundEvent.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/CShortMsg.h"
#include "playback/midi/SendTime.h"

namespace {
constexpr int kNoteOn = 0x90;
constexpr int kNoteOff = 0x80;
constexpr int kTestKey = 60;
constexpr int kTestVelocity = 80;

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
    m_timing.SetTempo(bpm);
    if (notify) {
        Notify(TempoAspect);
    }
}

void SoundEngine::ResetChannels() {
    m_channels.Reset();
    m_builder.ResetDynamics();
}

void SoundEngine::SetTrackProgram(int trackNum, bool isPercussion, int program) {
    if (const TrackEntry* entry = m_channels.SetProgram(trackNum, isPercussion, program)) {
        ChannelMessages::SendProgram(m_output, entry->channel, isPercussion ? 0 : program);
    }
}

void SoundEngine::SetTrackVolume(int trackNum, int volumePercent) {
    const TrackEntry* entry = m_channels.SetVolume(trackNum, volumePercent);
    if (entry != nullptr && entry->channel != kPercussionChannel) {
        ChannelMessages::SendVolume(m_output, entry->channel, volumePercent);
    }
}

std::optional<SoundEngine::TrackState> SoundEngine::Entry(int trackNum) const {
    const TrackEntry* entry = m_channels.Entry(trackNum);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return TrackState{*entry, m_builder.Dynamics(trackNum)};
}

void SoundEngine::SendAllPrograms() {
    for (int t = 0; t < kNumTrackEntries; ++t) {
        const TrackEntry& entry = *m_channels.Entry(t);
        if (entry.channel >= 0) {
            const int program = entry.channel == kPercussionChannel ? 0 : entry.program;
            ChannelMessages::SendProgram(m_output, entry.channel, program);
        }
    }
}

void SoundEngine::SetOutput(midi::MidiOutput* output) {
    m_output = output != nullptr ? output : &m_device;
    m_builder.SetOutput(m_output);
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
    // The style is read here, on the user-interface thread that sets it.
    m_thread = std::thread([this, song, style = m_styleName] {
        // So that the crash handler can report a stack overflow here too.
        const SignalStack signalStack;
        PlaybackRoutine(song, style);
    });
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
    m_builder.Counters().mainBeat.store(0, std::memory_order_relaxed);
    Notify(TempoAspect);
}

bool SoundEngine::ToggleMetronome() {
    // Only the user-interface thread toggles; playback just reads.
    const bool on = !m_builder.IsMetronomeOn();
    m_builder.SetMetronome(on);
    return on;
}

SoundEngine::Clock::time_point SoundEngine::PlaybackOrigin() const {
    return Clock::time_point(Clock::duration(m_origin.load(std::memory_order_acquire)));
}

void SoundEngine::StartEventGroup(std::unique_ptr<NoteEvent> group) {
    m_groups->Start(std::move(group));
}

// --- the playback thread ---

void SoundEngine::PlaybackRoutine(Song* song, const std::string& styleName) {
    const Song& playing = *song;
    const int startBar = ValidStartBar(playing, StartBar());
    m_startBar.store(startBar, std::memory_order_relaxed);
    const int error = m_builder.Prepare(playing, startBar, styleName);
    if (error != NoError) {
        m_errorCode.store(error, std::memory_order_relaxed);
        Notify(ErrorAspect);
        EndPlayback(false, true);
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
    const long stepsPerBar = StepsPerBar();
    long anchorStep = startBar * stepsPerBar;
    long lastStep = anchorStep;
    double msPerStep = PlaybackMsPerStep();
    const int endBar = playing.GetNumBars() - 1;

    for (int bar = startBar; bar <= endBar; ++bar) {
        m_currentBar.store(bar, std::memory_order_relaxed);
        m_builder.SetBeatCounters(-1);
        for (int step = 0; step < stepsPerBar; ++step) {
            if (StopRequested()) {
                EndPlayback(m_stopKind.load(std::memory_order_relaxed) == StopKindFull, true);
                return;
            }
            const bool highlighted = m_builder.CollectStepEvents(playing, bar, step, m_pending);
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
                EndPlayback(m_stopKind.load(std::memory_order_relaxed) == StopKindFull, true);
                return;
            }
            FireStep(target);
            lastStep = absoluteStep;
            if (step % StepsPerBeat() == 0) {
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
    EndPlayback(finished || m_stopKind.load(std::memory_order_relaxed) == StopKindFull, !finished);
}

bool SoundEngine::WaitFor(Clock::time_point moment) {
    return m_pacer.WaitUntil(moment, m_wake, [this] { return StopRequested(); });
}

void SoundEngine::FireStep(Clock::time_point due) {
    // Every message of the step is meant for this moment, whenever it
    // actually leaves; an output that can schedule places it there.
    const midi::SendTime at(PlaybackOrigin(), due);
    for (auto& group : StepEventBuilder::GroupByDuration(m_pending)) {
        StartEventGroup(std::move(group));
    }
}

void SoundEngine::EndPlayback(bool rewind, bool cut) {
    m_ending.store(true, std::memory_order_release);
    ThreadPriority::RestoreNormal();
    // Events of a step that was never fired have nothing to undo: releasing
    // them would send Note Offs for notes that never started.
    m_pending.clear();
    if (cut) {
        // Notes the output holds for later must not start after the stop,
        // and the Note Offs below must not wait behind them.
        m_output->DropScheduled();
        m_groups->ReleaseAll();
    } else {
        // The song's last notes end after what the output still holds.
        const midi::SendTime at(PlaybackOrigin(), Clock::now());
        m_groups->ReleaseAll();
    }
    if (rewind) {
        m_currentBar.store(0, std::memory_order_relaxed);
        m_startBar.store(0, std::memory_order_relaxed);
    }
    m_builder.SetBeatCounters(0);
    Notify(BeatAspect);
    Notify(HighlightAspect);
    m_builder.Finish();
    m_state.store(Stopped, std::memory_order_release);
    Notify(EndAspect);
}

// --- the step events ---

int SoundEngine::ValidStartBar(const Song& song, int bar) {
    return bar >= 0 && bar < song.GetNumBars() ? bar : 0;
}

int SoundEngine::PrepareToPlay(Song& song, int startBar) {
    return m_builder.Prepare(song, startBar, m_styleName);
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

std::string SoundEngine::ErrorText(int code) {
    switch (code) {
        case NoAccompanimentStyle:
            return StringTable::Get(ids::kNoAccompanimentStyle);
        case PatternUnreadable:
            return StringTable::Get(ids::kFailedReadingAccompaniment);
        default:
            return StringTable::Get(ids::kPlayError);
    }
}
