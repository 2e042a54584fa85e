#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "files/MidiExporter.h"
#include "files/MusicXmlWriter.h"
#include "model/ChordBar.h"
#include "playback/SoundEngine.h"
#include "support/DenseSong.h"

// Exporting the densest song as MusicXML against exporting it as a MIDI
// file, as `quillsong -o` does either: 16 note tracks of 64 bars of
// sixteenths with a syllable under every note, and a chord on every beat of
// the chord track. The MIDI file expands the chords through the "Pop" style
// found beside the program; MusicXML writes them as harmonies.
namespace {

namespace fs = std::filesystem;

constexpr const char* kChords[] = {"C", "Am", "F", "G7"};

struct Workbench {
    Workbench()
        : dir(fs::temp_directory_path() / ("quillsong-musicxml-bench-" + std::to_string(getpid()))),
          song(BuildDenseSong(true)) {
        fs::create_directories(dir);
        for (int b = 0; b < song->GetNumBars(); ++b) {
            auto* chords = static_cast<ChordBar*>(song->GetBar(0, b));
            for (int beat = 0; beat < chords->GetNumBeats(); ++beat) {
                chords->GetBeatBox(beat)->SelectText(kChords[(b + beat) % 4], false);
            }
        }
        SoundEngine::Instance().SetStyleName("Pop");
    }
    ~Workbench() { fs::remove_all(dir); }

    fs::path dir;
    std::unique_ptr<Song> song;
    fs::path musicXml = dir / "dense.musicxml";
    fs::path mxl = dir / "dense.mxl";
    fs::path midi = dir / "dense.mid";
};

Workbench& Bench() {
    static Workbench bench;
    return bench;
}

double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double KiB(const fs::path& file) {
    return static_cast<double>(fs::file_size(file)) / 1024.0;
}

void BM_MusicXmlExportDenseSong(benchmark::State& state) {
    Workbench& bench = Bench();
    for (auto _ : state) {
        MusicXmlWriter::WriteFile(*bench.song, bench.musicXml.string());
    }
    state.counters["file_KB"] = KiB(bench.musicXml);
}
BENCHMARK(BM_MusicXmlExportDenseSong)->Unit(benchmark::kMillisecond);

void BM_MusicXmlCompressedExportDenseSong(benchmark::State& state) {
    Workbench& bench = Bench();
    for (auto _ : state) {
        MusicXmlWriter::WriteFile(*bench.song, bench.mxl.string());
    }
    state.counters["file_KB"] = KiB(bench.mxl);
}
BENCHMARK(BM_MusicXmlCompressedExportDenseSong)->Unit(benchmark::kMillisecond);

void BM_MidiExportDenseSongWithLyrics(benchmark::State& state) {
    Workbench& bench = Bench();
    for (auto _ : state) {
        MidiExporter::WriteFile(*bench.song, bench.midi.string());
    }
    state.counters["file_KB"] = KiB(bench.midi);
}
BENCHMARK(BM_MidiExportDenseSongWithLyrics)->Unit(benchmark::kMillisecond);

// Both in turn, so the two figures and their ratio come from the same
// moments. Wall time includes waiting for the disk (both sync their file)
// and for a busy machine; CPU time is the work itself.
void BM_MusicXmlAgainstMidi(benchmark::State& state) {
    Workbench& bench = Bench();
    using Clock = std::chrono::steady_clock;
    Clock::duration musicXml{};
    Clock::duration midi{};
    double musicXmlCpu = 0;
    double midiCpu = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double startCpu = ThreadCpuMilliseconds();
        MusicXmlWriter::WriteFile(*bench.song, bench.musicXml.string());
        const auto middle = Clock::now();
        const double middleCpu = ThreadCpuMilliseconds();
        MidiExporter::WriteFile(*bench.song, bench.midi.string());
        const auto end = Clock::now();
        midiCpu += ThreadCpuMilliseconds() - middleCpu;
        musicXmlCpu += middleCpu - startCpu;
        musicXml += middle - start;
        midi += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    const auto runs = static_cast<double>(state.iterations());
    const auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    state.counters["musicxml_ms"] = ms(musicXml) / runs;
    state.counters["midi_ms"] = ms(midi) / runs;
    state.counters["musicxml_per_midi"] = ms(musicXml) / ms(midi);
    state.counters["musicxml_cpu_ms"] = musicXmlCpu / runs;
    state.counters["midi_cpu_ms"] = midiCpu / runs;
    state.counters["musicxml_per_midi_cpu"] = musicXmlCpu / midiCpu;
}
BENCHMARK(BM_MusicXmlAgainstMidi)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
