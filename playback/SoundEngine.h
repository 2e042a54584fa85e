#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "model/SoundSettings.h"
#include "model/Subject.h"
#include "platform/AutoResetEvent.h"
#include "platform/StepPacer.h"
#include "playback/ChannelTable.h"
#include "playback/EventGroupTimers.h"
#include "playback/NoteEvent.h"
#include "playback/NoteEventCollection.h"
#include "playback/PlaybackTiming.h"
#include "playback/StepEventBuilder.h"
#include "playback/TrackDynamics.h"
#include "playback/TrackEntry.h"
#include "playback/midi/CMIDIOutDevice.h"

class NoteBar;
class Song;
class Track;

// Plays the song through the MIDI output device it owns and keeps, for the
// whole program, the tempo, key and time signature and the table of track
// channels (ChannelTable). The events of each step come from its
// StepEventBuilder. One instance per process (Instance).
//
// Threads: the channel table, the device and Play are the user-interface
// thread's. Play starts a playback thread that walks the song step by step,
// sleeping until each step is due and then firing its events together; the
// timer service's thread releases them. The playback thread reads the channel
// table and never writes it. Pause, Stop, SetTempo, Rewind and the position
// getters may be used from any thread while it plays. The song and the channel
// table must not change (nor the song be destroyed) until playback has ended;
// the editor disables editing meanwhile, and WaitUntilStopped waits for the
// end.
//
// Notifications (aspects): 0 a step with highlighted notes has started, and
// playback ended; 1 a beat has started, and playback ended; 2 SetTempo with
// notify, Rewind (on the caller's thread); 3 playback cannot start
// (ErrorCode); 4 preparation is over and playing begins; 5 playback has
// ended and the state is Stopped. 0, 1, 3, 4 and 5 come on the playback
// thread: observers must only record or post from there, never wait for the
// user-interface thread.
class SoundEngine : public Subject, public SoundSettings {
public:
    static constexpr int kMetronomeProgram = StepEventBuilder::kMetronomeProgram;
    // By default the first step is due this long after playback starts, so
    // that the preparation's cost never shortens it.
    static constexpr int kDefaultLeadInMs = 500;
    // Tracks that play the accompaniment are numbered from here.
    static constexpr int kFirstAccompanimentTrackNum = 24;

    enum PlayState { Stopped = 0, Preparing = 1, Playing = 2 };
    using PlayError = StepEventBuilder::PlayError;
    using enum StepEventBuilder::PlayError;
    enum Aspect {
        HighlightAspect = 0,
        BeatAspect = 1,
        TempoAspect = 2,
        ErrorAspect = 3,
        StartAspect = 4,
        EndAspect = 5
    };

    using EventList = StepEventBuilder::EventList;
    using Clock = std::chrono::steady_clock;

    // A track's entry in the channel table with the dynamics its steps have
    // reached.
    struct TrackState : TrackEntry, TrackDynamics {};

    static SoundEngine& Instance();

    const char* GetClassName() const override { return "SoundEngine"; }

    // Tempo in beats per minute; notify sends aspect 2. While playing, the
    // next step is paced at the new tempo.
    void SetTempo(int bpm, bool notify) override;
    int GetTempo() const override { return m_timing.Tempo(); }
    // Milliseconds per step with a beat of StepsPerBeat steps.
    double MsPerStep() const { return m_timing.MsPerStep(); }
    // Milliseconds per step that playback paces by: the tempo counts half
    // notes in x/2, dotted quarters in x/8 and quarters otherwise.
    double PlaybackMsPerStep() const { return m_timing.PlaybackMsPerStep(); }
    // Not while playing: the playback thread reads the bar length unguarded.
    void SetTimeSignature(int beats, int unit) override { m_timing.SetTimeSignature(beats, unit); }
    std::array<int, 2> TimeSignature() const { return m_timing.TimeSignature(); }
    int StepsPerBar() const { return m_timing.StepsPerBar(); }
    int StepsPerBeat() const { return m_timing.StepsPerBeat(); }
    void SetKeySignature(int value) override { m_keySignature = static_cast<signed char>(value); }
    int KeySignature() const { return m_keySignature; }

    // The accompaniment style that playback and export use; "[N/A]" means none.
    void SetStyleName(const std::string& name) override { m_styleName = name; }
    const std::string& GetStyleName() const override { return m_styleName; }

    // --- the channel table (not while playing) ---

    // Every table entry to its reset values, every channel free, and the
    // dynamics steps have reached forgotten.
    void ResetChannels() override;
    // Percussion always gets channel 9 (shared); other tracks the lowest free
    // channel among 0-8 and 10-14, or -1 when none is free.
    int AllocateChannel(bool isPercussion) { return m_channels.Allocate(isPercussion); }
    // (Re)assigns the track's channel when needed and sends Program Change.
    void SetTrackProgram(int trackNum, bool isPercussion, int program) override;
    // Stores the volume and, except on the percussion channel, sends Control Change 7.
    void SetTrackVolume(int trackNum, int volumePercent) override;
    int TrackChannel(int trackNum) const override { return m_channels.Channel(trackNum); }
    int TrackVolume(int trackNum) const { return m_channels.Volume(trackNum); }
    // None for a number outside the table.
    std::optional<TrackState> Entry(int trackNum) const;
    const ChannelTable& Channels() const { return m_channels; }

    // Program Change for every track that has a channel (0 on the percussion
    // channel), so that a freshly opened device plays the right instruments.
    void SendAllPrograms();

    // --- playback ---

    // Starts playing the song from the start bar on a thread of its own;
    // does nothing while playback is active. The song is not owned. Meant
    // for the user-interface thread (an observer of the end may call it too,
    // as long as nobody is waiting in WaitUntilStopped meanwhile).
    void Play(Song* song);
    // Ends playback at the next step; the next Play starts at the bar that
    // was playing.
    void Pause();
    // Ends playback at the next step; the next Play starts at bar 0.
    void Stop();
    // Blocks until the playback thread has ended (at once when none runs, or
    // when called on the playback thread itself). Ask it to end first.
    void WaitUntilStopped();
    // Start and current bar to 0, main beat to 0; aspect 2.
    void Rewind();
    // Where the next Play starts; a bar outside the song plays from 0.
    void SetStartBar(int bar) { m_startBar.store(bar, std::memory_order_relaxed); }
    int StartBar() const { return m_startBar.load(std::memory_order_relaxed); }

    int State() const { return m_state.load(std::memory_order_acquire); }
    bool IsPreparing() const { return State() == Preparing; }
    bool IsActive() const { return State() != Stopped; }
    // From the moment playback winds down (releasing, rewinding and telling
    // observers) until the next Play: aspects 0 and 1 sent meanwhile are the
    // end's, not a step's.
    bool IsEnding() const { return m_ending.load(std::memory_order_acquire); }
    // Why the last Play could not start (PlayError).
    // The message for a PlayError, as the user reads it.
    static std::string ErrorText(int code);
    int ErrorCode() const { return m_errorCode.load(std::memory_order_relaxed); }

    bool ToggleMetronome();
    bool IsMetronomeOn() const { return m_builder.IsMetronomeOn(); }

    // How long after Play the first step is due (kDefaultLeadInMs); tests
    // and benchmarks that play many times shorten it.
    void SetLeadIn(int ms) { m_leadInMs.store(std::max(0, ms), std::memory_order_relaxed); }
    int LeadIn() const { return m_leadInMs.load(std::memory_order_relaxed); }

    int CurrentBar() const { return m_currentBar.load(std::memory_order_relaxed); }
    int MainBeat() const { return m_builder.Counters().mainBeat.load(std::memory_order_relaxed); }
    int Beat() const { return m_builder.Counters().beat.load(std::memory_order_relaxed); }
    // When the first step of the current playback was due; pacing measures
    // every step's moment from here.
    Clock::time_point PlaybackOrigin() const;

    // Fires the group now and releases it after its duration, from the timer
    // thread.
    void StartEventGroup(std::unique_ptr<NoteEvent> group);
    // Started groups not yet released; 0 whenever playback has ended and no
    // audition or test note is sounding.
    std::size_t RunningGroupCount() const { return m_groups->Count(); }

    // --- the step events, on the caller's thread while nothing plays ---

    // StepEventBuilder's, on the engine's table, timing and output.
    void ApplyMarkings(int trackNum, const std::vector<int>& markings) {
        m_builder.ApplyMarkings(trackNum, markings);
    }
    bool BuildStepEvents(const Track& track, int barIndex, int step, bool isAccompaniment,
                         EventList& events) {
        return m_builder.BuildStepEvents(track, barIndex, step, isAccompaniment, events);
    }
    bool CollectStepEvents(const Song& song, int barIndex, int step, EventList& events) {
        return m_builder.CollectStepEvents(song, barIndex, step, events);
    }
    static std::vector<std::unique_ptr<NoteEventCollection>> GroupByDuration(EventList& events) {
        return StepEventBuilder::GroupByDuration(events);
    }
    // The start bar playback really uses: 0 for a bar outside the song.
    static int ValidStartBar(const Song& song, int bar);
    // What Play does before the first step, with the style set here:
    // StepEventBuilder::Prepare.
    int PrepareToPlay(Song& song, int startBar);

    // Plays the notes of one step at once, for 100 ms, as the pencil writes them.
    void AuditionStep(const NoteBar& bar, int step);
    static constexpr int kAuditionMs = 100;
    static constexpr int kAuditionVelocity = 100;

    // --- the device ---

    // The names of the devices the user can choose, in id order; empty when
    // the computer offers none.
    std::vector<std::string> DeviceNames() const;
    // Opens the device with this id in place of the open one and, when
    // sendPrograms, sends every track's program to it. Nothing happens when
    // that device is already open. A device that will not open is reported to
    // the diagnostic log and otherwise ignored: the device open before stays
    // in use, and with none open playback runs silently.
    void OpenDevice(int id, bool sendPrograms);
    // Stops playback, waiting for it to end, then closes the device.
    void CloseDevice();
    bool IsDeviceOpen() const { return m_device.IsOpen(); }
    // -1 when no device is open.
    int OpenDeviceId() const { return m_device.DeviceId(); }
    // Plays middle C for kTestNoteMs on the device with this id so the user
    // can hear it, then returns to the device open before (or to none).
    // Blocks the caller for that long.
    void TestDevice(int id);
    static constexpr int kTestNoteMs = 400;

    // Where the devices come from (null: the computer's own); closes the
    // open device.
    void SetDeviceDirectory(std::shared_ptr<const midi::DeviceDirectory> directory);

    // Sends channel messages to output instead of the device until called
    // with null, which goes back to the device. Not owned. Not while playing.
    void SetOutput(midi::MidiOutput* output);
    midi::MidiOutput* Output() const { return m_output; }

private:
    enum StopKind { PauseKind = 0, StopKindFull = 1 };

    SoundEngine();
    ~SoundEngine() override;
    // The playback thread.
    void PlaybackRoutine(Song* song, const std::string& styleName);
    // Waits until the moment or a stop request; false when asked to stop.
    bool WaitFor(Clock::time_point moment);
    bool StopRequested() const { return m_stopRequest.load(std::memory_order_acquire); }
    // Fires the pending events, due at this moment.
    void FireStep(Clock::time_point due);
    // Releases everything, positions for the next Play and tells observers.
    // A stop (cut) silences at once what the output has scheduled; the end
    // of the song lets it sound out.
    void EndPlayback(bool rewind, bool cut);

    PlaybackTiming m_timing;
    signed char m_keySignature = 0;
    std::string m_styleName;
    ChannelTable m_channels;

    // Playback position and control, shared between threads.
    std::atomic<int> m_state{Stopped};
    std::atomic<int> m_errorCode{NoError};
    std::atomic<bool> m_stopRequest{false};
    std::atomic<bool> m_ending{false};
    std::atomic<int> m_stopKind{PauseKind};
    std::atomic<int> m_startBar{0};
    std::atomic<int> m_currentBar{0};
    std::atomic<int> m_leadInMs{kDefaultLeadInMs};
    std::atomic<Clock::rep> m_origin{0};
    AutoResetEvent m_wake;
    // The playback thread's.
    StepPacer m_pacer;
    // Guards m_thread: Play starts it, WaitUntilStopped and Play join it.
    std::mutex m_threadMutex;
    std::thread m_thread;

    std::shared_ptr<EventGroupTimers> m_groups;
    midi::CMIDIOutDevice m_device;
    midi::MidiOutput* m_output = &m_device;

    // The playback thread's own while a play runs.
    StepEventBuilder m_builder{m_channels, m_timing, m_output};
    EventList m_pending;
};
