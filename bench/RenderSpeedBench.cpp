#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "files/MidiExporter.h"
#include "model/ChordBar.h"
#include "model/ChordCombo.h"
#include "playback/OfflineRenderer.h"
#include "playback/SoundEngine.h"
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
    // The renderer plays with the engine's channel table, as playback does.
    song->ApplyTrackSoundSettings();
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

// The song exported as a MIDI file and rendered by FluidSynth's own program.
void BM_FluidsynthProgramRendersTheExportedMidiFile(benchmark::State& state) {
    const auto soundFont = midi::FluidSynthBackend::FindSoundFont();
    if (std::system("command -v fluidsynth > /dev/null") != 0 || !soundFont) {
        state.SkipWithError("the fluidsynth program or a SoundFont is not installed");
        return;
    }
    auto song = BuildRenderSong(state.range(0) == 1);
    const fs::path mid = Scratch(".mid");
    const fs::path wav = Scratch("-fluidsynth.wav");
    MidiExporter::WriteFile(*song, mid.string());
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
    const double audio = double(fs::file_size(wav) - 44) / (44100 * 4);
    fs::remove(mid);
    fs::remove(wav);
    state.counters["audio_s"] = audio;
    state.counters["times_real_time"] = audio / wall;
}
BENCHMARK(BM_FluidsynthProgramRendersTheExportedMidiFile)
    ->ArgName("dense")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
