#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "model/NoteBar.h"
#include "model/Track.h"
#include "support/DenseSong.h"

// The key number of every note of the densest song a user can make: the
// accompaniment track and 16 note tracks (9 treble, 7 percussion), 64 bars of
// 4/4, every bar of every note track filled with sixteenths. Playback and MIDI
// export ask this for each note they send.
namespace {

std::vector<const Note*> NotesOf(const Song& song) {
    std::vector<const Note*> notes;
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        for (const auto& bar : song.GetTrack(slot)->Bars()) {
            const auto* noteBar = dynamic_cast<const NoteBar*>(bar.get());
            for (int step = 0; noteBar != nullptr && step < noteBar->GetSteps(); ++step) {
                if (const NoteChord* chord = noteBar->GetChordAt(step)) {
                    for (int i = 0; i < chord->GetNoteCount(); ++i) {
                        notes.push_back(chord->GetNote(i));
                    }
                }
            }
        }
    }
    return notes;
}

void RunMidiKeys(benchmark::State& state, bool tied) {
    const auto song = BuildDenseSong(false, tied);
    const std::vector<const Note*> notes = NotesOf(*song);
    for (auto _ : state) {
        long sum = 0;
        for (const Note* note : notes) {
            sum += note->MidiKeyOf();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(notes.size()));
    state.counters["notes"] = static_cast<double>(notes.size());
    state.counters["tied"] = static_cast<double>(
        std::count_if(notes.begin(), notes.end(), [](const Note* n) { return n->IsTied(); }));
}

void BM_MidiKeyOfDenseSong(benchmark::State& state) {
    RunMidiKeys(state, false);
}
BENCHMARK(BM_MidiKeyOfDenseSong)->Unit(benchmark::kMillisecond);

void BM_MidiKeyOfDenseTiedSong(benchmark::State& state) {
    RunMidiKeys(state, true);
}
BENCHMARK(BM_MidiKeyOfDenseTiedSong)->Unit(benchmark::kMillisecond);

}  // namespace
