#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "files/MidiExporter.h"
#include "files/SongFiles.h"
#include "model/ChordBar.h"
#include "model/InstrumentCombo.h"
#include "model/NoteBar.h"
#include "platform/ProgramPaths.h"
#include "playback/SoundEngine.h"
#include "support/DenseSong.h"

// Exporting the largest song a user can make as a MIDI file, against opening
// the same song from its song file: the accompaniment track with a chord on
// every beat of its 64 bars, expanded by a three-track style that plays
// sixteenths, and 16 note tracks filled with sixteenths.
namespace {

namespace fs = std::filesystem;

constexpr int kSixteenth = 6;
constexpr const char* kChords[] = {"C", "Am", "F", "G7"};

// Sixteenths walking up the scale from the bar's own letter.
void FillWithSixteenths(NoteBar& bar, int barIndex, int octave) {
    for (int step = 0; step < bar.GetSteps(); step += kSixteenth) {
        const char letter = "CDEFGAB"[(step / kSixteenth + barIndex) % 7];
        bar.InsertNote(step, letter, octave, Note::NoAccidental, 16, false, false);
    }
}

void WriteStyle(const fs::path& file) {
    Song pattern("Bench", "Bench", Track::kMaxPatternRows, 120, {4, 4}, 0);
    pattern.AddTrebleTrack();
    pattern.AddBassTrack();
    pattern.AddPercussionTrack();
    static_cast<InstrumentCombo*>(pattern.GetTrack(1)->GetSelector())->SetProgram(33, false);
    static_cast<InstrumentCombo*>(pattern.GetTrack(2)->GetSelector())->SetProgram(42, false);
    for (int slot = 0; slot < 3; ++slot) {
        for (int p = 0; p < Track::kMaxPatternRows; ++p) {
            FillWithSixteenths(*static_cast<NoteBar*>(pattern.GetBar(slot, p)), p,
                               slot == 1 ? 3 : 5);
        }
    }
    SongFiles::Save(pattern, file.string());
}

// The densest song, with a chord on every beat of the accompaniment.
std::unique_ptr<Song> DenseSong() {
    auto song = BuildDenseSong(false);
    for (int b = 0; b < song->GetNumBars(); ++b) {
        auto* chords = static_cast<ChordBar*>(song->GetBar(0, b));
        for (int beat = 0; beat < 4; ++beat) {
            chords->GetBeatBox(beat)->SelectText(kChords[(b + beat) % 4], false);
        }
    }
    return song;
}

// The song, its file and the style, in a folder of their own for the run.
struct Workbench {
    Workbench() : dir(fs::temp_directory_path() / ("quillsong-bench-" + std::to_string(getpid()))) {
        fs::create_directories(dir / "Pattern");
        ProgramPaths::OverrideExecutableDir(dir.string());
        WriteStyle(dir / "Pattern" / "44_Bench.qsx");
        song = DenseSong();
        SongFiles::Save(*song, songFile.string());
        SoundEngine::Instance().SetStyleName("Bench");
    }
    ~Workbench() {
        ProgramPaths::OverrideExecutableDir("");
        fs::remove_all(dir);
    }

    fs::path dir;
    fs::path songFile = dir / "dense.qs";
    fs::path midiFile = dir / "dense.mid";
    std::unique_ptr<Song> song;
};

Workbench& Bench() {
    static Workbench bench;
    return bench;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void BM_MidiExportDenseSong(benchmark::State& state) {
    Workbench& bench = Bench();
    for (auto _ : state) {
        MidiExporter::WriteFile(*bench.song, bench.midiFile.string());
    }
    state.counters["file_KB"] = static_cast<double>(fs::file_size(bench.midiFile)) / 1024.0;
}
BENCHMARK(BM_MidiExportDenseSong)->Unit(benchmark::kMillisecond);

void BM_MidiExportLoadSameSong(benchmark::State& state) {
    Workbench& bench = Bench();
    for (auto _ : state) {
        auto loaded = SongFiles::Load(bench.songFile.string(), nullptr);
        benchmark::DoNotOptimize(loaded.get());
        // Freeing the song is not part of opening it.
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    state.counters["file_KB"] = static_cast<double>(fs::file_size(bench.songFile)) / 1024.0;
}
BENCHMARK(BM_MidiExportLoadSameSong)->Unit(benchmark::kMillisecond);

double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Both in turn, so the two figures and their ratio come from the same
// moments. Wall time includes waiting for the disk (the export syncs its
// file) and for a busy machine; CPU time is the work itself.
void BM_MidiExportAgainstLoad(benchmark::State& state) {
    Workbench& bench = Bench();
    using Clock = std::chrono::steady_clock;
    Clock::duration exporting{};
    Clock::duration loading{};
    double exportingCpu = 0;
    double loadingCpu = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double startCpu = ThreadCpuMilliseconds();
        auto loaded = SongFiles::Load(bench.songFile.string(), nullptr);
        const auto loadedAt = Clock::now();
        const double loadedCpu = ThreadCpuMilliseconds();
        MidiExporter::WriteFile(*loaded, bench.midiFile.string());
        const auto exportedAt = Clock::now();
        exportingCpu += ThreadCpuMilliseconds() - loadedCpu;
        loadingCpu += loadedCpu - startCpu;
        loading += loadedAt - start;
        exporting += exportedAt - loadedAt;
        state.SetIterationTime(std::chrono::duration<double>(exportedAt - start).count());
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["export_ms"] = Milliseconds(exporting) / runs;
    state.counters["load_ms"] = Milliseconds(loading) / runs;
    state.counters["export_per_load"] = Milliseconds(exporting) / Milliseconds(loading);
    state.counters["export_cpu_ms"] = exportingCpu / runs;
    state.counters["load_cpu_ms"] = loadingCpu / runs;
    state.counters["export_per_load_cpu"] = exportingCpu / loadingCpu;
    state.counters["file_KB"] = static_cast<double>(fs::file_size(bench.midiFile)) / 1024.0;
}
BENCHMARK(BM_MidiExportAgainstLoad)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
