#include <benchmark/benchmark.h>

#include <malloc.h>

#include "support/LargestSong.h"

namespace {

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void BM_BuildLargestSong(benchmark::State& state) {
    for (auto _ : state) {
        auto song = BuildLargestSong();
        benchmark::DoNotOptimize(song.get());
    }
}
BENCHMARK(BM_BuildLargestSong)->Unit(benchmark::kMillisecond);

// The undo history keeps whole copies of the song.
void BM_CopyLargestSong(benchmark::State& state) {
    const auto song = BuildLargestSong();
    size_t bytes = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        auto copy = song->Clone();
        bytes = HeapInUse() - before;
        benchmark::DoNotOptimize(copy.get());
    }
    state.counters["copy_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_CopyLargestSong)->Unit(benchmark::kMillisecond);

}  // namespace
