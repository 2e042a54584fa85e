#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <map>
#include <utility>

#include "PlaybackSongs.h"
#include "model/Song.h"
#include "playback/SoundEngine.h"

// Playback tells the output when each message is meant to sound, so an
// output that schedules (the built-in synthesizer) can place it exactly, and
// tells it to drop what it holds when the user stops.
namespace {

using playback_test::FillWithNotes;
using playback_test::MakeSong;
using Clock = SoundEngine::Clock;

class PlaybackDueTime : public playback_test::PlaybackFixture {};

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

TEST_F(PlaybackDueTime, EveryMessageCarriesTheMomentItsStepOrReleaseWasDue) {
    auto song = MakeSong("T", 2, 240);
    FillWithNotes(*song, 0, 8);
    ASSERT_TRUE(PlayToEnd(*song));

    const Clock::time_point origin = engine.PlaybackOrigin();
    const double msPerStep = engine.PlaybackMsPerStep();
    const double eighthMs = 12 * msPerStep;
    std::map<std::pair<int, int>, Clock::time_point> started;
    int notes = 0;
    for (const auto& message : recorder.Messages()) {
        if (!message.IsNoteOn() && !message.IsNoteOff()) {
            continue;
        }
        ASSERT_TRUE(message.due.has_value()) << "sent during playback, so it has a moment";
        EXPECT_EQ(message.origin, origin) << "one origin for the whole playback";
        const std::pair<int, int> note{message.Channel(), message.data1};
        if (message.IsNoteOn()) {
            const double steps = Ms(*message.due - origin) / msPerStep;
            EXPECT_NEAR(steps, std::round(steps), 1e-6) << "due on a step of the grid";
            EXPECT_GE(message.at, *message.due) << "never sent before its step is due";
            started[note] = *message.due;
            ++notes;
        } else {
            ASSERT_TRUE(started.contains(note));
            const double sounded = Ms(*message.due - started[note]);
            EXPECT_NEAR(sounded, std::round(sounded), 1e-6)
                << "due whole milliseconds after its start, whenever it was fired";
            EXPECT_GT(sounded, 0.0);
            EXPECT_LT(sounded, eighthMs) << "released before the next note";
        }
    }
    EXPECT_EQ(notes, 16);
    EXPECT_EQ(recorder.Drops(), 0) << "the end lets what is scheduled sound out";
}

TEST_F(PlaybackDueTime, AStopDropsWhatTheOutputHoldsAndEndsTheNotesAtOnce) {
    auto song = MakeSong("T", 8, 120);
    FillWithNotes(*song, 0, 1);
    recorder.Clear();
    log.Clear();
    engine.Play(song.get());
    ASSERT_TRUE(log.WaitFor(SoundEngine::BeatAspect, 1));
    engine.Stop();
    ASSERT_TRUE(log.WaitFor(SoundEngine::EndAspect, 1));
    engine.WaitUntilStopped();

    EXPECT_EQ(recorder.Drops(), 1);
    const auto messages = recorder.Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().IsNoteOff());
    EXPECT_FALSE(messages.back().due.has_value()) << "the stop's Note Off goes at once";
    EXPECT_TRUE(recorder.Sounding().empty());
}

}  // namespace
