#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "PlaybackSongs.h"
#include "platform/TimerService.h"

namespace {

using playback_test::BarOf;
using playback_test::FillWithNotes;
using playback_test::MakeSong;

class PlaybackStressTest : public playback_test::PlaybackFixture {};

// Play, pause, stop and tempo changes in random order and at random moments
// (in the preparation, the lead-in, mid-step, at the very end), while another
// thread keeps reading the position as the transport panel does. Run under
// ThreadSanitizer in CI. Whatever happens, every playback must end, every
// Note On must be matched by its Note Off and no group may stay behind.
TEST_F(PlaybackStressTest, RandomPlayPauseAndStopCyclesLeaveNothingBehind) {
    constexpr int kCycles = 500;
    // 2/4 at tempos of 1200 to 2400 (1 to 2 ms a step): a whole song plays in
    // at most 200 ms, and the shortest notes still need their release timer.
    auto song = MakeSong("TTBPP", 2, 2000, 2, 4);
    FillWithNotes(*song, 0, 8);
    FillWithNotes(*song, 1, 16, 6);
    FillWithNotes(*song, 2, 4, 3);
    FillWithNotes(*song, 3, 16);
    FillWithNotes(*song, 4, 2);
    SetMetronome(true);
    engine.SetLeadIn(2);

    std::atomic<bool> done{false};
    std::thread reader([&] {
        long sum = 0;
        while (!done.load()) {
            sum += engine.State() + engine.CurrentBar() + engine.MainBeat() + engine.Beat() +
                   engine.StartBar() + engine.ErrorCode() + (engine.IsActive() ? 1 : 0) +
                   engine.GetTempo();
            sum += engine.PlaybackOrigin().time_since_epoch().count() & 1;
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        EXPECT_GE(sum, 0);
    });

    std::mt19937 random(8);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int ends = 0;
    int pauses = 0;
    int completed = 0;
    for (int cycle = 0; cycle < kCycles && !HasFailure(); ++cycle) {
        engine.SetTempo(pick(1200, 2400), false);
        engine.SetStartBar(pick(0, 2));
        if (pick(0, 9) == 0) {
            // A stray request while stopped must not stop the next playback.
            engine.Stop();
        }
        const int notesBefore = static_cast<int>(recorder.NoteOns().size());
        engine.Play(song.get());
        // 0-2 after a while, 3-4 at once (mostly still preparing), 5 never.
        const int action = pick(0, 5);
        if (action <= 2) {
            std::this_thread::sleep_for(std::chrono::microseconds(pick(0, 25000)));
        }
        switch (action) {
            case 0:
            case 3:
                engine.Pause();
                ++pauses;
                break;
            case 1:
            case 4:
                engine.Stop();
                break;
            case 2:
                engine.SetTempo(pick(1200, 2400), true);
                std::this_thread::sleep_for(std::chrono::microseconds(pick(0, 10000)));
                engine.Stop();
                break;
            default:
                break;
        }
        ++ends;
        if (!log.WaitFor(SoundEngine::EndAspect, ends, std::chrono::seconds(30))) {
            ADD_FAILURE() << "playback " << cycle << " did not end";
            engine.Stop();
        }
        engine.WaitUntilStopped();
        EXPECT_EQ(engine.State(), SoundEngine::Stopped);
        EXPECT_EQ(engine.RunningGroupCount(), 0u) << "cycle " << cycle;
        EXPECT_GE(engine.StartBar(), 0);
        EXPECT_LT(engine.StartBar(), song->GetNumBars());
        if (action == 5) {
            ++completed;
            EXPECT_GT(static_cast<int>(recorder.NoteOns().size()), notesBefore)
                << "cycle " << cycle << " played to its end without a note";
            EXPECT_EQ(engine.StartBar(), 0) << "the end rewinds";
        }
    }
    done = true;
    reader.join();

    EXPECT_GT(pauses, 50);
    EXPECT_GT(completed, 50);
    EXPECT_GT(recorder.NoteOns().size(), 1000u);
    EXPECT_TRUE(recorder.Sounding().empty()) << "a Note On was never released";
    EXPECT_EQ(engine.RunningGroupCount(), 0u);
    EXPECT_EQ(log.Count(SoundEngine::StartAspect), ends);
    for (int t = 0; t < song->GetNumTracks(); ++t) {
        for (int bar = 0; bar < song->GetNumBars(); ++bar) {
            const NoteBar& noteBar = BarOf(*song, t, bar);
            for (int step = 0; step < noteBar.GetSteps(); ++step) {
                const NoteChord* chord = noteBar.GetChordAt(step);
                for (int i = 0; chord != nullptr && i < chord->GetNoteCount(); ++i) {
                    EXPECT_FALSE(chord->GetNote(i)->IsHighlighted());
                }
            }
        }
    }
}

}  // namespace
