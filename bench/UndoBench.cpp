#include <benchmark/benchmark.h>
#include <malloc.h>

#include "editor/UndoManager.h"
#include "support/DenseSong.h"

// One pencil edit of the densest song with lyrics followed by the whole-song
// copy the undo history records for it, and the memory that song takes with
// a full history of four copies.
namespace {

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void BM_EditAndSnapshotDenseSong(benchmark::State& state) {
    auto song = BuildDenseSong(true);
    UndoManager history;
    history.Record(*song, "Init", "Init");
    auto* bar = static_cast<NoteBar*>(song->GetBar(5, 20));
    int step = 0;
    for (auto _ : state) {
        // Alternately erase a note (its rest merges) and write it back.
        if (bar->GetChordAt(step)->IsRest()) {
            bar->InsertNote(step, 'G', 5, Note::NoAccidental, 16, false, false);
        } else {
            bar->EraseNote(bar->GetChordAt(step)->First());
        }
        bar->NotifyChanged();
        history.Record(*song, "Bar data changed", "Bar data changed");
        step = (step + 6) % bar->GetSteps();
    }
}
BENCHMARK(BM_EditAndSnapshotDenseSong)->Unit(benchmark::kMillisecond);

void BM_DenseSongWithFullHistoryMemory(benchmark::State& state) {
    size_t peak = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        auto song = BuildDenseSong(true);
        UndoManager history;
        for (int i = 0; i < UndoManager::kLimit; ++i) {
            history.Record(*song, "Edit", "Edit");
        }
        peak = HeapInUse() - before;
        benchmark::DoNotOptimize(history.Count());
    }
    state.counters["song_and_history_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
}
BENCHMARK(BM_DenseSongWithFullHistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

namespace {
void BM_CopyDenseSong(benchmark::State& state) {
    auto song = BuildDenseSong(true);
    for (auto _ : state) {
        auto copy = song->Snapshot();
        benchmark::DoNotOptimize(copy.get());
    }
}
BENCHMARK(BM_CopyDenseSong)->Unit(benchmark::kMillisecond);
}  // namespace
