#pragma once

#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "playback/BeatCounters.h"
#include "playback/ChannelTable.h"
#include "playback/NoteEvent.h"
#include "playback/NoteEventCollection.h"
#include "playback/PlaybackTiming.h"
#include "playback/TrackDynamics.h"
#include "playback/midi/MidiOutput.h"

class Note;
class Song;
class Track;

// Builds, step by step, the events a song plays: a sound per note that
// sounds, a highlight per note or rest shown playing, and the metronome's
// click on each beat, at the velocities the song's dynamics give and on the
// channels of the channel table. Prepare gets a play ready: it expands the
// accompaniment from its style, finds the dynamics in force at the start bar
// and sends every program and volume to the output. Playback and offline
// rendering both build their events here.
//
// It reads the channel table and the timing and writes neither: what a play
// needs beyond them (the expanded tracks, their channels and scaled volumes,
// the dynamics as they unfold, the beat counters) it keeps itself. Used by one
// thread at a time: the playback thread while a play runs, else its owner's.
// The metronome switch and the beat counters may be used from any thread.
class StepEventBuilder {
public:
    using EventList = std::vector<std::unique_ptr<NoteEvent>>;

    enum PlayError { NoError = 0, NoAccompanimentStyle = 1, PatternUnreadable = 2 };

    static constexpr int kMetronomeProgram = 115;

    // The table, the timing and the output are not owned and must outlive
    // the builder.
    StepEventBuilder(const ChannelTable& table, const PlaybackTiming& timing,
                     midi::MidiOutput* output);
    ~StepEventBuilder();
    StepEventBuilder(const StepEventBuilder&) = delete;
    StepEventBuilder& operator=(const StepEventBuilder&) = delete;

    // Where events and Prepare's messages go. Not while a play runs.
    void SetOutput(midi::MidiOutput* output) { m_output = output; }
    midi::MidiOutput* Output() const { return m_output; }

    // Everything before the first step: the accompaniment expanded from the
    // style's pattern file, the dynamics in force at the start bar, programs
    // and volumes, the metronome's channel. PlayError when the song's
    // accompaniment cannot be played. The expansion lasts until Finish or the
    // next Prepare; the song must outlive it.
    int Prepare(const Song& song, int startBar, const std::string& styleName);
    // Lets go of what Prepare made: the expanded tracks and their channels.
    void Finish();
    // The tracks the accompaniment expanded to, numbered from 24.
    const std::vector<std::unique_ptr<Track>>& Expansion() const { return m_expansion; }

    // Applies one step's marks to the track's dynamics: the accent of the
    // step (SF or ACCENT, else none) and any level mark PPP to FFF.
    void ApplyMarkings(int trackNum, const std::vector<int>& markings);
    // Appends the events that begin at the step of the track's bar: a sound
    // event per note that sounds and, unless isAccompaniment, a highlight
    // event per note or rest; nothing for a muted track. True when a
    // highlight event was added.
    bool BuildStepEvents(const Track& track, int barIndex, int step, bool isAccompaniment,
                         EventList& events);
    // The events of one step of the song: every track in slot order (the
    // accompaniment track replaced by its expanded tracks), then the
    // metronome at the start of a beat. True when a highlight was added.
    bool CollectStepEvents(const Song& song, int barIndex, int step, EventList& events);
    // The metronome click for the current counters.
    std::unique_ptr<NoteEvent> MakeMetronomeEvent();
    // Groups events by duration, in order of first appearance, emptying the list.
    static std::vector<std::unique_ptr<NoteEventCollection>> GroupByDuration(EventList& events);

    // The dynamics built steps have reached on the track; defaults for a
    // number outside the table.
    TrackDynamics Dynamics(int trackNum) const;
    // Every track back to MF without accent.
    void ResetDynamics();

    void SetMetronome(bool on) { m_metronome.store(on, std::memory_order_relaxed); }
    bool IsMetronomeOn() const { return m_metronome.load(std::memory_order_relaxed); }
    // Where the clicks have counted to; clicks write them when fired.
    BeatCounters& Counters() { return m_counters; }
    const BeatCounters& Counters() const { return m_counters; }
    // Both counters, as at the start of a bar (-1) or after playback (0).
    void SetBeatCounters(int value) { m_counters.Set(value, value); }

private:
    int ExpandAccompaniment(const Song& song, const std::string& styleName);
    // The expanded tracks' channels and volumes, in a copy of the table.
    void AssignExpansionChannels(const Song& song);
    void ApplyDynamicsBefore(const Song& song, int startBar);
    void SendProgramsAndVolumes(const Song& song) const;
    void SendProgramAndVolume(const TrackEntry& entry) const;
    // The song's own tracks are found in the table, the expanded ones in the
    // play's copy.
    const TrackEntry* EntryOf(int trackNum) const;
    double VelocityFactor(const Track& track, const TrackEntry& entry,
                          const TrackDynamics& dynamics, bool isAccompaniment) const;
    static int SoundingSteps(const Note& note);

    const ChannelTable& m_table;
    const PlaybackTiming& m_timing;
    midi::MidiOutput* m_output;
    std::atomic<bool> m_metronome{false};
    BeatCounters m_counters;

    // The play's own.
    std::vector<std::unique_ptr<Track>> m_expansion;
    ChannelTable m_playChannels;
    std::array<TrackDynamics, ChannelTable::kNumEntries> m_dynamics{};
};
