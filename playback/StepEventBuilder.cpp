#include "playback/StepEventBuilder.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "files/PatternLibrary.h"
#include "model/DynamicLevels.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/TieChain.h"
#include "model/Track.h"
#include "playback/ChannelMessages.h"
#include "playback/NoteHighlightEvent.h"
#include "playback/NoteMetroEvent.h"
#include "playback/NoteSoundEvent.h"

namespace {
constexpr int kFullVolume = 100;
}  // namespace

StepEventBuilder::StepEventBuilder(const ChannelTable& table, const PlaybackTiming& timing,
                                   midi::MidiOutput* output)
    : m_table(table), m_timing(timing), m_output(output) {}

StepEventBuilder::~StepEventBuilder() = default;

// --- before the first step ---

int StepEventBuilder::Prepare(const Song& song, int startBar, const std::string& styleName) {
    Finish();
    if (song.HasAccompaniment()) {
        if (const int error = ExpandAccompaniment(song, styleName); error != NoError) {
            return error;
        }
    }
    ApplyDynamicsBefore(song, startBar);
    SendProgramsAndVolumes(song);
    return NoError;
}

void StepEventBuilder::Finish() {
    m_expansion.clear();
    m_playChannels.Reset();
}

int StepEventBuilder::ExpandAccompaniment(const Song& song, const std::string& styleName) {
    if (styleName == PatternLibrary::kNoStyle) {
        return NoAccompanimentStyle;
    }
    const Song::TimeSignature signature = song.GetTimeSignature();
    const int generated = PatternLibrary::ExpandStyle(
        song,
        PatternLibrary::PatternFileName(signature.numerator, signature.denominator, styleName),
        m_expansion);
    if (generated == -1) {
        return PatternUnreadable;
    }
    if (generated < 0) {
        return NoAccompanimentStyle;
    }
    AssignExpansionChannels(song);
    return NoError;
}

void StepEventBuilder::AssignExpansionChannels(const Song& song) {
    // The expanded tracks take the channels the song's tracks leave free. The
    // table is the user interface's, so they are given them in a copy.
    m_playChannels = m_table;
    m_playChannels.ReleaseFrom(Track::kFirstExpansionTrack);
    // The accompaniment's slider scales its melodic tracks' volumes; drums
    // take it in their velocities.
    const int accompanimentVolume = song.GetTrack(0)->GetVolume();
    for (const auto& track : m_expansion) {
        const int number = track->GetTrackNum();
        const bool percussion = track->IsPercussion();
        m_playChannels.SetProgram(number, percussion, track->GetMidiProgNum());
        m_playChannels.SetVolume(number, percussion
                                             ? track->GetVolume()
                                             : track->GetVolume() * accompanimentVolume / 100);
        if (ChannelTable::IsValidTrackNum(number)) {
            m_dynamics[static_cast<std::size_t>(number)] = TrackDynamics{};
        }
    }
}

void StepEventBuilder::ApplyDynamicsBefore(const Song& song, int startBar) {
    for (int slot = 0; slot < std::min(song.GetNumTracks(), ChannelTable::kNumEntries); ++slot) {
        const Track* track = song.GetTrack(slot);
        if (track == nullptr || track->IsAccompaniment() ||
            !ChannelTable::IsValidTrackNum(track->GetTrackNum())) {
            continue;
        }
        // Every play starts from the level the score says, not from where an
        // earlier play happened to stop.
        TrackDynamics& dynamics = m_dynamics[static_cast<std::size_t>(track->GetTrackNum())];
        dynamics = TrackDynamics{};
        bool found = false;
        for (int bar = startBar - 1; bar >= 0 && !found; --bar) {
            const auto* noteBar = dynamic_cast<const NoteBar*>(track->GetBar(bar));
            if (noteBar == nullptr) {
                continue;
            }
            const auto& marks = noteBar->GetMarks();
            for (auto mark = marks.rbegin(); mark != marks.rend() && !found; ++mark) {
                if (DynamicLevels::SetsLevel(mark->second)) {
                    dynamics.dynamicLevel = mark->second;
                    found = true;
                }
            }
        }
    }
}

void StepEventBuilder::SendProgramsAndVolumes(const Song& song) const {
    for (int t = 0; t < std::min(song.GetNumTracks(), ChannelTable::kNumEntries); ++t) {
        SendProgramAndVolume(*m_table.Entry(t));
    }
    for (const auto& track : m_expansion) {
        if (const TrackEntry* entry = m_playChannels.Entry(track->GetTrackNum())) {
            SendProgramAndVolume(*entry);
        }
    }
    ChannelMessages::SendProgram(m_output, ChannelTable::kMetronomeChannel, kMetronomeProgram);
    ChannelMessages::SendVolume(m_output, ChannelTable::kMetronomeChannel, kFullVolume);
    ChannelMessages::SendVolume(m_output, ChannelTable::kPercussionChannel, kFullVolume);
}

void StepEventBuilder::SendProgramAndVolume(const TrackEntry& entry) const {
    if (entry.channel < 0) {
        return;
    }
    // The drum is chosen by the key, so the percussion channel keeps program 0.
    const bool percussion = entry.channel == ChannelTable::kPercussionChannel;
    ChannelMessages::SendProgram(m_output, entry.channel, percussion ? 0 : entry.program);
    ChannelMessages::SendVolume(m_output, entry.channel, entry.volume);
}

// --- the steps ---

const TrackEntry* StepEventBuilder::EntryOf(int trackNum) const {
    return trackNum >= Track::kFirstExpansionTrack ? m_playChannels.Entry(trackNum)
                                                   : m_table.Entry(trackNum);
}

void StepEventBuilder::ApplyMarkings(int trackNum, const std::vector<int>& markings) {
    if (!ChannelTable::IsValidTrackNum(trackNum)) {
        return;
    }
    TrackDynamics& dynamics = m_dynamics[static_cast<std::size_t>(trackNum)];
    dynamics.accent = TrackDynamics::kNoAccent;
    for (const int code : markings) {
        if (DynamicLevels::IsAccent(code)) {
            dynamics.accent = code;
        } else if (DynamicLevels::SetsLevel(code)) {
            dynamics.dynamicLevel = code;
        }
        // CRESC and DIM carry no level of their own; taking them as one
        // would give a negative velocity.
    }
}

double StepEventBuilder::VelocityFactor(const Track& track, const TrackEntry& entry,
                                        const TrackDynamics& dynamics, bool isAccompaniment) const {
    double factor = DynamicLevels::VelocityPercent(dynamics.dynamicLevel) / 100.0;
    if (track.IsPercussion()) {
        // The percussion channel is shared, so its volume cannot be a
        // controller; it goes into the velocity instead.
        factor = entry.volume / 100.0 * factor;
        if (isAccompaniment) {
            factor *= m_table.Volume(0) / 100.0;
        }
    }
    factor *= DynamicLevels::AccentFactor(dynamics.accent);
    return std::clamp(factor, 0.0, 1.0);
}

int StepEventBuilder::SoundingSteps(const Note& note) {
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

bool StepEventBuilder::BuildStepEvents(const Track& track, int barIndex, int step,
                                       bool isAccompaniment, EventList& events) {
    const int trackNum = track.GetTrackNum();
    const auto* bar = dynamic_cast<const NoteBar*>(track.GetBar(barIndex));
    const TrackEntry* entry = EntryOf(trackNum);
    if (entry == nullptr || bar == nullptr) {
        return false;
    }
    const auto [first, last] = bar->GetMarks().equal_range(step);
    if (first != last) {
        std::vector<int> markings;
        for (auto mark = first; mark != last; ++mark) {
            markings.push_back(mark->second);
        }
        ApplyMarkings(trackNum, markings);
    }
    TrackDynamics& dynamics = m_dynamics[static_cast<std::size_t>(trackNum)];
    bool highlighted = false;
    const NoteChord* chord = bar->GetChordAt(step);
    if (chord != nullptr && !track.IsMuted()) {
        const int velocity =
            static_cast<int>(VelocityFactor(track, *entry, dynamics, isAccompaniment) * 127);
        const int msPerStep = static_cast<int>(m_timing.PlaybackMsPerStep());
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
            if (NoteSoundEvent::IsValidKey(key) && NoteSoundEvent::IsValidChannel(entry->channel)) {
                events.push_back(std::make_unique<NoteSoundEvent>(
                    entry->channel, key, msPerStep * SoundingSteps(*note), velocity, m_output));
            }
        }
    }
    dynamics.accent = TrackDynamics::kNoAccent;
    return highlighted;
}

std::unique_ptr<NoteEvent> StepEventBuilder::MakeMetronomeEvent() {
    return std::make_unique<NoteMetroEvent>(m_timing.TimeSignature(), m_counters, IsMetronomeOn(),
                                            m_output);
}

bool StepEventBuilder::CollectStepEvents(const Song& song, int barIndex, int step,
                                         EventList& events) {
    bool highlighted = false;
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        const Track* track = song.GetTrack(slot);
        if (track == nullptr) {
            continue;
        }
        if (!track->IsAccompaniment()) {
            highlighted = BuildStepEvents(*track, barIndex, step, false, events) || highlighted;
            continue;
        }
        for (const auto& expanded : m_expansion) {
            BuildStepEvents(*expanded, barIndex, step, true, events);
        }
    }
    if (step % m_timing.StepsPerBeat() == 0) {
        events.push_back(MakeMetronomeEvent());
    }
    return highlighted;
}

std::vector<std::unique_ptr<NoteEventCollection>> StepEventBuilder::GroupByDuration(
    EventList& events) {
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

// --- dynamics ---

TrackDynamics StepEventBuilder::Dynamics(int trackNum) const {
    return ChannelTable::IsValidTrackNum(trackNum) ? m_dynamics[static_cast<std::size_t>(trackNum)]
                                                   : TrackDynamics{};
}

void StepEventBuilder::ResetDynamics() {
    m_dynamics.fill(TrackDynamics{});
}
