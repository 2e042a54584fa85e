#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "files/EndOfTrack.h"
#include "files/MIDIEvent.h"
#include "files/MidiFile.h"
#include "files/MidiTrack.h"
#include "files/Tempo.h"
#include "model/ChordBar.h"
#include "model/ChordCombo.h"
#include "playback/NoteHighlightEvent.h"
#include "playback/OfflineRenderer.h"
#include "playback/SoundEngine.h"
#include "playback/midi/CShortMsg.h"
#include "playback/midi/FluidSynthBackend.h"
#include "support/DenseSong.h"

namespace {

namespace fs = std::filesystem;

// With dense (state.range(0) = 1), the densest song: accompaniment and 16
// tracks of sixteenths, 64 bars at tempo 120 (128 seconds). Otherwise a
// song as beginners write them: accompaniment, a melody in quarter notes,
// a bass in half notes and a drum on every beat, as long. Either way a chord
// in every bar, so that the accompaniment plays too.
std::unique_ptr<Song> BuildRenderSong(bool dense) {
    std::unique_ptr<Song> song;
    if (dense) {
        song = BuildDenseSong(false);
    } else {
        song = std::make_unique<Song>("Light", "Bench", 64, 120, Song::TimeSignature{4, 4}, 0);
        song->AddAccompanimentTrack();
        song->AddTrebleTrack();
        song->AddBassTrack();
        song->AddPercussionTrack();
        for (int bar = 0; bar < song->GetNumBars(); ++bar) {
            auto* melody = static_cast<NoteBar*>(song->GetBar(1, bar));
            auto* bass = static_cast<NoteBar*>(song->GetBar(2, bar));
            auto* drum = static_cast<NoteBar*>(song->GetBar(3, bar));
            for (int step = 0; step < 96; step += 24) {
                melody->InsertNote(step, "CDEFGAB"[(bar + step / 24) % 7], 5, Note::NoAccidental, 4,
                                   false, false);
                drum->InsertNote(step, 'C', 5, Note::NoAccidental, 4, false, false);
            }
            for (int step = 0; step < 96; step += 48) {
                bass->InsertNote(step, "CFG"[bar % 3], 3, Note::NoAccidental, 2, false, false);
            }
        }
    }
    static const char* const kChords[] = {"C", "Am", "F", "G7"};
    for (int bar = 0; bar < song->GetNumBars(); ++bar) {
        static_cast<ChordBar*>(song->GetBar(0, bar))
            ->GetBeatBox(0)
            ->SelectText(kChords[bar % 4], false);
    }
    SoundEngine::Instance().SetTimeSignature(4, 4);
    SoundEngine::Instance().SetTempo(song->GetTempo(), false);
    return song;
}

fs::path Scratch(const std::string& name) {
    return fs::temp_directory_path() / ("quillsong-bench-" + std::to_string(::getpid()) + name);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_RenderWav(benchmark::State& state) {
    auto song = BuildRenderSong(state.range(0) == 1);
    const fs::path wav = Scratch(".wav");
    double audio = 0.0;
    double wall = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        audio = OfflineRenderer::RenderToWav(*song, wav.string()).seconds;
        wall = SecondsSince(start);
    }
    fs::remove(wav);
    state.counters["audio_s"] = audio;
    state.counters["times_real_time"] = audio / wall;
}
BENCHMARK(BM_RenderWav)
    ->ArgName("dense")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// Songs cannot be exported as MIDI files yet, so the file fluidsynth renders
// is written here from the same events, played on a virtual clock as the
// offline render plays them: one tick a millisecond.
class TimedMessages : public midi::MidiOutput {
public:
    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override {
        const auto tick = static_cast<std::uint32_t>(std::lround(now));
        const int count = midi::CShortMsg::BytesOnWire(status) - 1;
        track->AddEvent(
            std::make_unique<MIDIEvent>(tick, status & 0xF0, status & 0x0F, data1, data2, count));
        end = std::max(end, tick);
    }
    double now = 0.0;
    std::uint32_t end = 0;
    std::unique_ptr<MidiTrack> track = std::make_unique<MidiTrack>();
};

double WriteMidiFile(Song& song, const fs::path& path) {
    SoundEngine& engine = SoundEngine::Instance();
    TimedMessages messages;
    // 24 ticks to a quarter note of 24 ms: a tick is a millisecond.
    messages.track->AddEvent(std::make_unique<Tempo>(0, 24000));
    engine.SetOutput(&messages);
    song.ApplyTrackSoundSettings();
    engine.PrepareToPlay(song, 0);
    const double msPerStep = engine.PlaybackMsPerStep();
    std::multimap<double, std::unique_ptr<NoteEvent>> releases;
    SoundEngine::EventList events;
    for (int bar = 0; bar < song.GetNumBars(); ++bar) {
        engine.SetBeatCounters(-1);
        for (int step = 0; step < engine.StepsPerBar(); ++step) {
            engine.CollectStepEvents(song, bar, step, events);
            std::erase_if(events, [](const auto& e) {
                return dynamic_cast<const NoteHighlightEvent*>(e.get()) != nullptr;
            });
            if (events.empty()) {
                continue;
            }
            const double now = (bar * engine.StepsPerBar() + step) * msPerStep;
            while (!releases.empty() && releases.begin()->first <= now) {
                messages.now = releases.begin()->first;
                releases.begin()->second->Release();
                releases.erase(releases.begin());
            }
            messages.now = now;
            for (auto& group : SoundEngine::GroupByDuration(events)) {
                group->Fire();
                releases.emplace(now + std::max(0, group->Duration() - 1), std::move(group));
            }
        }
    }
    for (auto& [moment, group] : releases) {
        messages.now = moment;
        group->Release();
    }
    engine.FinishWithSong(song);
    engine.SetOutput(nullptr);
    const double seconds = song.GetNumBars() * engine.StepsPerBar() * msPerStep / 1000.0 +
                           OfflineRenderer::kTailMs / 1000.0;
    messages.track->AddEvent(
        std::make_unique<EndOfTrack>(static_cast<std::uint32_t>(seconds * 1000.0)));
    MidiFile file;
    file.SetTrackCount(1);
    file.AddTrack(std::move(messages.track));
    file.Write(path.string());
    return seconds;
}

// The same events rendered by FluidSynth's own program from a MIDI file.
void BM_FluidsynthProgramRendersTheSameEvents(benchmark::State& state) {
    const auto soundFont = midi::FluidSynthBackend::FindSoundFont();
    if (std::system("command -v fluidsynth > /dev/null") != 0 || !soundFont) {
        state.SkipWithError("the fluidsynth program or a SoundFont is not installed");
        return;
    }
    auto song = BuildRenderSong(state.range(0) == 1);
    const fs::path mid = Scratch(".mid");
    const fs::path wav = Scratch("-fluidsynth.wav");
    const double audio = WriteMidiFile(*song, mid);
    const std::string command = "fluidsynth -ni -q -r 44100 -F " + wav.string() + " " + *soundFont +
                                " " + mid.string() + " > /dev/null 2>&1";
    double wall = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("fluidsynth failed");
        }
        wall = SecondsSince(start);
    }
    fs::remove(mid);
    fs::remove(wav);
    state.counters["audio_s"] = audio;
    state.counters["times_real_time"] = audio / wall;
}
BENCHMARK(BM_FluidsynthProgramRendersTheSameEvents)
    ->ArgName("dense")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
