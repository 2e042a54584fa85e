#include "files/MidiExporter.h"

#include <algorithm>
#include <array>
#include <memory>

#include "files/ControllerEvent.h"
#include "files/EndOfTrack.h"
#include "files/KeySign.h"
#include "files/LarkArchive.h"
#include "files/MidiFile.h"
#include "files/NoteOffEvent.h"
#include "files/NoteOnEvent.h"
#include "files/PatternLibrary.h"
#include "files/ProgramChangeEvent.h"
#include "files/Tempo.h"
#include "files/TextEvent.h"
#include "files/TimeSign.h"
#include "files/TrackName.h"
#include "model/DynamicLevels.h"
#include "model/DynamicMark.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/SoundSettings.h"
#include "model/TieChain.h"

namespace {

constexpr const char* kCreatedWith = "Created with Quillsong3";
constexpr int kVolumeController = 7;
constexpr int kMaxDataValue = 127;
constexpr int kThirtySecondsPerQuarter = 8;
constexpr std::uint64_t kMicrosecondsPerMinute = 60'000'000;
// A tempo event holds three bytes.
constexpr std::uint64_t kLongestQuarter = 0xFFFFFF;
constexpr int kNumChannels = SoundSettings::kNumChannels;
constexpr int kPercussionChannel = SoundSettings::kPercussionChannel;
// Playback keeps this one for its metronome and gives it to no track.
constexpr int kMetronomeChannel = SoundSettings::kMetronomeChannel;

// The share of full velocity of the levels PPP (20 percent) to FFF (90).
int LevelPercent(int level) {
    return DynamicLevels::VelocityPercent(level);
}

// What an accent adds to the velocity factor, in percent.
int AccentPercent(int accent) {
    return DynamicLevels::IsAccent(accent) ? DynamicLevels::VelocityPercent(accent) : 0;
}

bool SuitsTrack(int channel, bool percussion) {
    if (percussion) {
        return channel == kPercussionChannel;
    }
    return channel >= 0 && channel < kNumChannels && channel != kPercussionChannel;
}

// The note's length together with the notes it is tied to, which follow it
// without a gap, possibly across bar lines.
int TiedLength(const Note& first) {
    int length = first.GetLength();
    const Note* current = &first;
    while (current->IsTieStart() || current->IsTieMiddle()) {
        const Note* next = TieChain::Next(*current);
        if (next == nullptr || !(next->IsTieMiddle() || next->IsTieEnd())) {
            break;
        }
        length += next->GetLength();
        current = next;
    }
    return length;
}

int DenominatorPower(int denominator) {
    int power = 0;
    while ((2 << power) <= denominator) {
        ++power;
    }
    return power;
}

// The tempo counts half notes in x/2, quarter notes in x/4 and dotted
// quarters in x/8; any other beat unit counts its beat as the song does.
std::uint32_t MicrosecondsPerQuarter(const Song& song) {
    const int unit = song.GetTimeSignature().denominator;
    std::uint64_t quartersPerBeat = 1;
    std::uint64_t per = 1;
    if (unit == 2) {
        quartersPerBeat = 2;
    } else if (unit == 8) {
        quartersPerBeat = 3;
        per = 2;
    } else if (unit != 4) {
        quartersPerBeat = static_cast<std::uint64_t>(song.GetNumOfStepsPerBeat());
        per = MidiFile::kDivision;
    }
    const auto tempo = static_cast<std::uint64_t>(std::max(1, song.GetTempo()));
    return static_cast<std::uint32_t>(
        std::min(kLongestQuarter, kMicrosecondsPerMinute * per / (tempo * quartersPerBeat)));
}

// Frees the tracks the accompaniment expanded to when the export ends, also
// when it ends by an exception.
class AccompanimentRelease {
public:
    explicit AccompanimentRelease(Song& song) : m_song(song) {}
    ~AccompanimentRelease() { m_song.FreeAccompaniment(); }
    AccompanimentRelease(const AccompanimentRelease&) = delete;
    AccompanimentRelease& operator=(const AccompanimentRelease&) = delete;

private:
    Song& m_song;
};

}  // namespace

MidiExporter::MidiExporter(LarkArchive& archive) : m_archive(archive) {}

void MidiExporter::WriteFile(Song& song, const std::string& path) {
    LarkArchive archive;
    archive.Open(path, LarkArchive::ExportMidi);
    MidiExporter(archive).Export(song);
    archive.Close();
}

void MidiExporter::Export(Song& song) {
    MidiFile* file = m_archive.GetMidiFile();
    if (file == nullptr) {
        return;
    }
    song.SetTempo(SoundSettings::Instance().GetTempo());
    const AccompanimentRelease release(song);
    ExpandAccompaniment(song);
    std::vector<PlannedTrack> plan = PlanTracks(song);
    AssignChannels(plan);

    file->SetTrackCount(1 + static_cast<int>(plan.size()));
    AddConductorTrack(song);
    if (song.HasAccompaniment()) {
        m_archive.SetAccompanimentVolume(song.GetTrack(0)->GetVolume());
    }
    for (const PlannedTrack& planned : plan) {
        ExportTrack(planned);
    }
}

void MidiExporter::ExpandAccompaniment(Song& song) {
    if (!song.HasAccompaniment()) {
        return;
    }
    const Song::TimeSignature time = song.GetTimeSignature();
    const std::string style = SoundSettings::Instance().GetStyleName();
    // A style that cannot be read leaves the accompaniment out of the file.
    if (PatternLibrary::ApplyStyle(
            song, PatternLibrary::PatternFileName(time.numerator, time.denominator, style)) < 0) {
        song.FreeAccompaniment();
    }
}

std::vector<MidiExporter::PlannedTrack> MidiExporter::PlanTracks(const Song& song) {
    std::vector<PlannedTrack> plan;
    if (song.HasAccompaniment()) {
        for (const auto& expansion : song.GeneratedAccompaniment()) {
            plan.push_back({expansion.get(), true, -1});
        }
    }
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        const Track* track = song.GetTrack(slot);
        if (!track->IsAccompaniment()) {
            plan.push_back({track, false, -1});
        }
    }
    return plan;
}

void MidiExporter::AssignChannels(std::vector<PlannedTrack>& plan) {
    // The file should sound as playback does, so a track keeps the channel
    // playback gave it. A track playback has none for (or a stale one) gets
    // the channel playback would give it next, worked out here: asking the
    // sound settings for one would send a Program Change to the open device
    // in the middle of an export.
    std::array<bool, kNumChannels> held = ChannelsHeldForPlayback();
    for (PlannedTrack& planned : plan) {
        planned.channel = PlaybackChannel(*planned.track);
        if (planned.channel < 0) {
            planned.channel = NextPlaybackChannel(*planned.track, held);
        }
    }
    for (PlannedTrack& planned : plan) {
        if (planned.channel < 0) {
            planned.channel = SpareChannel(plan, *planned.track);
        }
    }
}

std::array<bool, MidiExporter::kChannelCount> MidiExporter::ChannelsHeldForPlayback() {
    std::array<bool, kNumChannels> held{};
    const SoundSettings& sound = SoundSettings::Instance();
    for (int number = 0; number < SoundSettings::kNumTrackEntries; ++number) {
        const int channel = sound.TrackChannel(number);
        if (channel >= 0 && channel < kNumChannels) {
            held[static_cast<size_t>(channel)] = true;
        }
    }
    return held;
}

int MidiExporter::PlaybackChannel(const Track& track) {
    const int channel = SoundSettings::Instance().TrackChannel(track.GetTrackNum());
    return SuitsTrack(channel, track.IsPercussion()) ? channel : -1;
}

int MidiExporter::NextPlaybackChannel(const Track& track, std::array<bool, kChannelCount>& held) {
    if (track.IsPercussion()) {
        return kPercussionChannel;
    }
    for (int channel = 0; channel < kNumChannels; ++channel) {
        if (channel != kPercussionChannel && channel != kMetronomeChannel &&
            !held[static_cast<size_t>(channel)]) {
            held[static_cast<size_t>(channel)] = true;
            return channel;
        }
    }
    return -1;
}

int MidiExporter::SpareChannel(const std::vector<PlannedTrack>& plan, const Track& track) {
    // The engine ran out of melodic channels (it keeps one for the metronome,
    // which a file does not need). Take a channel no track of the file uses;
    // failing that, share one with a track of the same instrument, which
    // then sounds right, else the last channel.
    std::array<bool, kNumChannels> used{};
    used[kPercussionChannel] = true;
    for (const PlannedTrack& planned : plan) {
        if (planned.channel >= 0) {
            used[static_cast<size_t>(planned.channel)] = true;
        }
    }
    for (int channel = 0; channel < kNumChannels; ++channel) {
        if (!used[static_cast<size_t>(channel)]) {
            return channel;
        }
    }
    for (const PlannedTrack& planned : plan) {
        if (planned.channel >= 0 && !planned.track->IsPercussion() &&
            planned.track->GetMidiProgNum() == track.GetMidiProgNum()) {
            return planned.channel;
        }
    }
    return kNumChannels - 1;
}

void MidiExporter::AddConductorTrack(const Song& song) {
    auto track = std::make_unique<MidiTrack>();
    const Song::TimeSignature time = song.GetTimeSignature();
    track->AddEvent(std::make_unique<TextEvent>(0, kCreatedWith));
    track->AddEvent(
        std::make_unique<TimeSign>(0, time.numerator, DenominatorPower(time.denominator),
                                   song.GetNumOfStepsPerBeat(), kThirtySecondsPerQuarter));
    track->AddEvent(std::make_unique<KeySign>(0, song.GetKeySignature(), false));
    track->AddEvent(std::make_unique<Tempo>(0, MicrosecondsPerQuarter(song)));
    track->AddEvent(std::make_unique<EndOfTrack>(0));
    m_archive.GetMidiFile()->AddTrack(std::move(track));
}

void MidiExporter::ExportTrack(const PlannedTrack& planned) {
    const Track& track = *planned.track;
    auto owned = std::make_unique<MidiTrack>();
    owned->SetChannel(planned.channel);
    MidiTrack* midi = m_archive.GetMidiFile()->AddTrack(std::move(owned));
    m_archive.SetCurrentMidiTrack(midi);

    midi->AddEvent(std::make_unique<TrackName>(0, track.GetTitle()));
    midi->AddEvent(std::make_unique<ControllerEvent>(0, planned.channel, kVolumeController,
                                                     VolumeControllerValue(planned)));
    const int program = track.IsPercussion() ? 0 : track.GetMidiProgNum();
    midi->AddEvent(std::make_unique<ProgramChangeEvent>(0, planned.channel,
                                                        std::clamp(program, 0, kMaxDataValue)));

    m_dynamics = {DynamicMark::MF, DynamicMark::None};
    const auto& bars = track.Bars();
    for (size_t b = 0; b < bars.size(); ++b) {
        if (const auto* bar = dynamic_cast<const NoteBar*>(bars[b].get())) {
            ExportBar(*bar, static_cast<int>(b), planned);
        }
    }
    const int steps = bars.empty() ? 0 : bars.front()->GetSteps();
    midi->AddEvent(std::make_unique<EndOfTrack>(static_cast<std::uint32_t>(steps) *
                                                static_cast<std::uint32_t>(bars.size())));
}

int MidiExporter::VolumeControllerValue(const PlannedTrack& planned) const {
    // Drums are balanced through their velocities instead.
    if (planned.track->IsPercussion()) {
        return kMaxDataValue;
    }
    int volume = planned.track->GetVolume();
    if (planned.expansion) {
        volume = volume * m_archive.AccompanimentVolume() / 100;
    }
    return SoundSettings::PercentToMidi(volume);
}

void MidiExporter::ExportBar(const NoteBar& bar, int barIndex, const PlannedTrack& planned) {
    const auto barStart = static_cast<std::uint32_t>(bar.GetSteps() * barIndex);
    const auto& grid = bar.GetGrid();
    for (size_t step = 0; step < grid.size(); ++step) {
        const NoteChord* chord = grid[step].get();
        if (chord == nullptr || chord->GetNoteCount() == 0) {
            continue;
        }
        ApplyMarks(bar, static_cast<int>(step));
        if (!chord->IsRest()) {
            for (int i = 0; i < chord->GetNoteCount(); ++i) {
                ExportNote(bar, *chord->GetNote(i), barStart + static_cast<std::uint32_t>(step),
                           planned);
            }
        }
        m_dynamics.accent = DynamicMark::None;
    }
}

void MidiExporter::ApplyMarks(const NoteBar& bar, int step) {
    const auto [first, last] = bar.GetMarks().equal_range(step);
    for (auto mark = first; mark != last; ++mark) {
        const int code = mark->second;
        if (code == DynamicMark::SF || code == DynamicMark::Accent) {
            m_dynamics.accent = code;
        } else if (code >= DynamicMark::PPP && code <= DynamicMark::FFF) {
            // Crescendo, diminuendo and "none" name no level of their own.
            m_dynamics.level = code;
        }
    }
}

void MidiExporter::ExportNote(const NoteBar& bar, const Note& note, std::uint32_t time,
                              const PlannedTrack& planned) {
    // The first note of a tie sounds for the whole tie.
    if (note.IsTieMiddle() || note.IsTieEnd()) {
        return;
    }
    const int key = bar.MidiKeyOf(note);
    if (key < 0 || key > kMaxDataValue) {
        return;
    }
    const int velocity = Velocity(planned);
    MidiTrack* midi = m_archive.CurrentMidiTrack();
    midi->AddEvent(std::make_unique<NoteOnEvent>(time, planned.channel, key, velocity));
    const auto end = time + static_cast<std::uint32_t>(TiedLength(note));
    midi->AddEvent(std::make_unique<NoteOffEvent>(end, planned.channel, key, 0));
}

int MidiExporter::Velocity(const PlannedTrack& planned) const {
    // factor = level% [x track volume% x accompaniment volume%] + accent%,
    // at most 1, times 127. Worked in millionths, so that sums such as
    // 0.7 + 0.3 come to exactly 1 and products are truncated where they should be.
    std::int64_t millionths = std::int64_t{LevelPercent(m_dynamics.level)} * 100 * 100;
    if (planned.track->IsPercussion()) {
        const int accompaniment = planned.expansion ? m_archive.AccompanimentVolume() : 100;
        millionths = std::int64_t{LevelPercent(m_dynamics.level)} *
                     std::clamp(planned.track->GetVolume(), 0, 100) *
                     std::clamp(accompaniment, 0, 100);
    }
    millionths += std::int64_t{AccentPercent(m_dynamics.accent)} * 100 * 100;
    if (millionths >= 1'000'000) {
        return kMaxDataValue;
    }
    return static_cast<int>(millionths * kMaxDataValue / 1'000'000);
}
