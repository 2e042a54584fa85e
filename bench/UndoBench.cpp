#include <benchmark/benchmark.h>
#include <malloc.h>

#include "editor/SongHistory.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Observer.h"
#include "model/SongRecord.h"
#include "support/DenseSong.h"

// The undo history on the densest song with lyrics, observed as the window
// observes it (every object reports repaints, redraws and changes): one
// pencil edit followed by its undo record, undo and redo, and the memory the
// song takes with a full history. Each runs twice in the same process:
// whole_copy:1 keeps a whole copy of the song per record, as the history did
// before its records became flat, and whole_copy:0 keeps the SongRecord the
// song makes now.
namespace {

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

class Ignoring : public Observer {
public:
    void Update(Subject*, int) override {}
};

// The history's old record: Snapshot hands over a deep copy of the song the
// document holds now.
class WholeSongCopy : public Undoable {
public:
    explicit WholeSongCopy(const std::unique_ptr<Song>& song) : m_song(song) {}
    std::unique_ptr<Undoable> Snapshot() const override { return std::make_unique<Song>(*m_song); }

private:
    const std::unique_ptr<Song>& m_song;
};

// The densest song observed as the window observes it: the change recorder
// listens for repaints and changes, the view for redraws.
std::unique_ptr<Song> ObservedDenseSong(Observer& observer) {
    auto song = BuildDenseSong(true);
    for (const int aspect : {8, 9, 10}) {
        song->Attach(&observer, aspect);
    }
    return song;
}

struct DenseHistory {
    explicit DenseHistory(bool wholeCopy) : wholeCopy(wholeCopy) {
        history.Record(Source(), UndoManager::kInitTag, UndoManager::kInitTag);
    }
    const Undoable& Source() const {
        return wholeCopy ? static_cast<const Undoable&>(copy) : static_cast<const Undoable&>(*song);
    }
    // Alternately erases a note of one bar (its rest merges) and writes it
    // back, as pencil and eraser clicks do; then records it.
    void EditAndRecord() {
        auto* bar = static_cast<NoteBar*>(song->GetBar(5, 20));
        if (bar->GetChordAt(step)->IsRest()) {
            bar->InsertNote(step, 'G', 5, Note::NoAccidental, 16, false, false);
        } else {
            bar->EraseNote(bar->GetChordAt(step)->First());
        }
        bar->NotifyChanged();
        history.Record(Source(), "Bar data changed", "Bar data changed");
        step = (step + 6) % bar->GetSteps();
    }

    Ignoring observer;
    std::unique_ptr<Song> song = ObservedDenseSong(observer);
    const bool wholeCopy;
    WholeSongCopy copy{song};
    UndoManager history;
    int step = 0;
};

void BM_EditAndRecordDenseSong(benchmark::State& state) {
    DenseHistory fixture(state.range(0) != 0);
    for (auto _ : state) {
        fixture.EditAndRecord();
    }
    state.counters["entries"] = fixture.history.Count();
}
BENCHMARK(BM_EditAndRecordDenseSong)
    ->ArgName("whole_copy")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

// Undo (or redo) as the document performs it: the selection cleared, a
// fresh song made from the entry, its sound settings applied and the score
// laid out again. The way back runs outside the timing.
void RunRestore(benchmark::State& state, bool undo) {
    DenseHistory fixture(state.range(0) != 0);
    for (int i = 1; i < UndoManager::kLimit; ++i) {
        fixture.EditAndRecord();
    }
    SongHistory actions(fixture.history);
    if (!undo) {
        actions.Undo(fixture.song);
    }
    for (auto _ : state) {
        const bool done = undo ? actions.Undo(fixture.song) : actions.Redo(fixture.song);
        state.PauseTiming();
        if (!done) {
            state.SkipWithError("nothing to restore");
            break;
        }
        static_cast<void>(undo ? actions.Redo(fixture.song) : actions.Undo(fixture.song));
        state.ResumeTiming();
    }
    ToolsManager::Instance().Reset();
}

void BM_UndoDenseSong(benchmark::State& state) {
    RunRestore(state, true);
}
BENCHMARK(BM_UndoDenseSong)->ArgName("whole_copy")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_RedoDenseSong(benchmark::State& state) {
    RunRestore(state, false);
}
BENCHMARK(BM_RedoDenseSong)->ArgName("whole_copy")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The song and four entries: the base entry and three edits.
void BM_DenseSongWithFullHistoryMemory(benchmark::State& state) {
    size_t peak = 0;
    size_t history = 0;
    for (auto _ : state) {
        size_t before = HeapInUse();
        Ignoring observer;
        const size_t songAlone = [&] {
            auto song = ObservedDenseSong(observer);
            return HeapInUse() - before;
        }();
        before = HeapInUse();
        auto fixture = std::make_unique<DenseHistory>(state.range(0) != 0);
        for (int i = 1; i < UndoManager::kLimit; ++i) {
            fixture->EditAndRecord();
        }
        peak = HeapInUse() - before;
        history = peak - songAlone;
        benchmark::DoNotOptimize(fixture->history.Count());
    }
    state.counters["song_and_history_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["history_MB"] = static_cast<double>(history) / (1024.0 * 1024.0);
}
BENCHMARK(BM_DenseSongWithFullHistoryMemory)
    ->ArgName("whole_copy")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The record alone, and the song made again from it, without the edit.
void BM_RecordDenseSong(benchmark::State& state) {
    DenseHistory fixture(state.range(0) != 0);
    for (auto _ : state) {
        auto record = fixture.Source().Snapshot();
        benchmark::DoNotOptimize(record.get());
    }
    const auto record = fixture.Source().Snapshot();
    if (const auto* flat = dynamic_cast<const SongRecord*>(record.get())) {
        state.counters["record_KB"] =
            static_cast<double>(flat->GetData().bytes.Capacity()) / 1024.0;
    }
}
BENCHMARK(BM_RecordDenseSong)->ArgName("whole_copy")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_RebuildDenseSong(benchmark::State& state) {
    DenseHistory fixture(state.range(0) != 0);
    const auto record = fixture.Source().Snapshot();
    for (auto _ : state) {
        auto song = Song::CopyOf(*record);
        benchmark::DoNotOptimize(song.get());
    }
}
BENCHMARK(BM_RebuildDenseSong)
    ->ArgName("whole_copy")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

}  // namespace
