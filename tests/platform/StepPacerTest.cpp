#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/AutoResetEvent.h"
#include "platform/StepPacer.h"

namespace {

using Clock = StepPacer::Clock;
using std::chrono::milliseconds;

TEST(StepPacer, NeverReturnsBeforeTheMomentAndKeepsItsLeadWithinBounds) {
    StepPacer pacer;
    AutoResetEvent wake;
    const auto never = [] { return false; };
    Clock::time_point moment = Clock::now();
    for (int i = 0; i < 20; ++i) {
        moment += milliseconds(3);
        ASSERT_TRUE(pacer.WaitUntil(moment, wake, never));
        EXPECT_GE(Clock::now(), moment);
        EXPECT_GE(pacer.Lead(), StepPacer::kMinLead);
        EXPECT_LE(pacer.Lead(), StepPacer::kMaxLead);
    }
    EXPECT_TRUE(pacer.WaitUntil(Clock::now() - milliseconds(5), wake, never))
        << "a moment that has passed returns at once";
}

TEST(StepPacer, AStopEndsTheWaitWhetherSleepingOrSpinning) {
    StepPacer pacer;
    AutoResetEvent wake;
    std::atomic<bool> stop{true};
    const auto stopped = [&] { return stop.load(); };
    EXPECT_FALSE(pacer.WaitUntil(Clock::now() + std::chrono::hours(1), wake, stopped));

    // Far ahead the pacer sleeps on the event; just ahead it spins.
    for (const auto ahead : {milliseconds(3600000), milliseconds(21)}) {
        stop = false;
        std::thread stopper([&] {
            std::this_thread::sleep_for(milliseconds(20));
            stop = true;
            wake.Set();
        });
        const auto moment = Clock::now() + ahead;
        const bool reached = pacer.WaitUntil(moment, wake, stopped);
        const auto returned = Clock::now();
        stopper.join();
        if (reached) {
            EXPECT_GE(returned, moment) << "reached only at the moment";
        } else {
            EXPECT_TRUE(stop.load()) << "false only when stopped";
        }
        if (ahead > milliseconds(21)) {
            EXPECT_FALSE(reached);
        }
    }
}

}  // namespace
