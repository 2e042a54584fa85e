#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "model/NoteBar.h"
#include "model/Observer.h"
#include "model/Song.h"
#include "playback/MessageRecorder.h"
#include "playback/SoundEngine.h"

namespace {

constexpr int kTempo = 208;
constexpr int kBars = 27;  // 27 bars of 4/4 at 208: 31 seconds
constexpr int kStepsBetweenNotes = 6;

// 9 treble and 7 percussion tracks, every one playing sixteenth notes, so
// that every sixth step fires 16 notes (17 on a beat, with the metronome).
std::unique_ptr<Song> BuildBusySong() {
    auto song =
        std::make_unique<Song>("Timing", "Bench", kBars, kTempo, Song::TimeSignature{4, 4}, 0);
    for (int i = 0; i < Song::kMaxPitchedTracks; ++i) {
        song->AddTrebleTrack();
    }
    while (song->CountNonAccompanimentTracks() < Song::kMaxNonAccompanimentTracks) {
        song->AddPercussionTrack();
    }
    static const char kLetters[] = "CDEFGAB";
    for (int t = 0; t < song->GetNumTracks(); ++t) {
        for (int bar = 0; bar < kBars; ++bar) {
            auto& noteBar = dynamic_cast<NoteBar&>(*song->GetBar(t, bar));
            for (int step = 0; step < 96; step += kStepsBetweenNotes) {
                noteBar.InsertNote(step, kLetters[(step / 6 + t) % 7], 5, Note::NoAccidental, 16,
                                   false, false);
            }
        }
    }
    return song;
}

class EndWaiter : public Observer {
public:
    void Update(Subject*, int) override {
        std::lock_guard lock(m_mutex);
        m_ended = true;
        m_changed.notify_all();
    }
    void Wait() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_ended; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_ended = false;
};

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// Plays the song through a recorder and compares the moment each step's first
// Note On was sent with the moment the step was due. With state.range(0) = 1
// another thread keeps a core busy meanwhile.
void BM_PlaybackStepTiming(benchmark::State& state) {
    SoundEngine& engine = SoundEngine::Instance();
    auto song = BuildBusySong();
    engine.SetTimeSignature(4, 4);
    engine.SetTempo(kTempo, false);
    engine.SetStartBar(0);
    if (!engine.IsMetronomeOn()) {
        engine.ToggleMetronome();
    }
    MessageRecorder recorder;
    engine.SetOutput(&recorder);

    std::atomic<bool> busy{state.range(0) == 1};
    std::thread burner([&] {
        volatile unsigned long spin = 0;
        while (busy.load(std::memory_order_relaxed)) {
            spin = spin + 1;
        }
    });

    std::vector<double> errors;
    for (auto _ : state) {
        recorder.Clear();
        EndWaiter waiter;
        engine.Attach(&waiter, SoundEngine::EndAspect);
        engine.Play(song.get());
        waiter.Wait();
        engine.WaitUntilStopped();
        engine.Detach(&waiter, SoundEngine::EndAspect);

        // Steps are 72 ms apart; a step's Note Ons come within well under a
        // millisecond of each other.
        const auto origin = engine.PlaybackOrigin();
        const double msPerStep = engine.PlaybackMsPerStep();
        MessageRecorder::Clock::time_point last{};
        int step = -1;
        for (const auto& message : recorder.NoteOns()) {
            if (step >= 0 && message.at - last < std::chrono::milliseconds(20)) {
                continue;
            }
            ++step;
            last = message.at;
            const auto due = origin + std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::duration<double, std::milli>(
                                              step * kStepsBetweenNotes * msPerStep));
            errors.push_back(std::chrono::duration<double, std::milli>(message.at - due).count());
        }
    }
    busy = false;
    burner.join();
    engine.SetOutput(nullptr);

    if (errors.empty()) {
        state.SkipWithError("no step was played");
        return;
    }
    std::vector<double> late;
    for (const double e : errors) {
        late.push_back(std::abs(e));
    }
    state.counters["steps"] = static_cast<double>(errors.size());
    state.counters["p50_ms"] = Percentile(late, 0.50);
    state.counters["p99_ms"] = Percentile(late, 0.99);
    state.counters["max_ms"] = *std::max_element(late.begin(), late.end());
    state.counters["earliest_ms"] = *std::min_element(errors.begin(), errors.end());
}
BENCHMARK(BM_PlaybackStepTiming)
    ->ArgName("busy_core")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// Processor time (user and system, all threads) per second of music while
// the densest song plays through a recorder: what pacing costs, without the
// synthesizer's rendering.
void BM_PlaybackCpuCost(benchmark::State& state) {
    SoundEngine& engine = SoundEngine::Instance();
    auto song = BuildBusySong();
    engine.SetTimeSignature(4, 4);
    engine.SetTempo(kTempo, false);
    engine.SetStartBar(0);
    MessageRecorder recorder;
    engine.SetOutput(&recorder);
    double cpuMs = 0.0;
    double musicMs = 0.0;
    for (auto _ : state) {
        recorder.Clear();
        EndWaiter waiter;
        engine.Attach(&waiter, SoundEngine::EndAspect);
        rusage before{};
        ::getrusage(RUSAGE_SELF, &before);
        const auto start = std::chrono::steady_clock::now();
        engine.Play(song.get());
        waiter.Wait();
        engine.WaitUntilStopped();
        const auto end = std::chrono::steady_clock::now();
        rusage after{};
        ::getrusage(RUSAGE_SELF, &after);
        engine.Detach(&waiter, SoundEngine::EndAspect);
        const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
        cpuMs +=
            ms(after.ru_utime) - ms(before.ru_utime) + ms(after.ru_stime) - ms(before.ru_stime);
        musicMs += std::chrono::duration<double, std::milli>(end - start).count() - engine.LeadIn();
    }
    engine.SetOutput(nullptr);
    state.counters["cpu_ms_per_s"] = cpuMs / (musicMs / 1000.0);
    state.counters["cpu_percent"] = cpuMs / musicMs * 100.0;
}
BENCHMARK(BM_PlaybackCpuCost)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
