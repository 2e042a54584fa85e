#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "platform/AutoResetEvent.h"
#include "platform/TimerService.h"

namespace {

using namespace std::chrono_literals;

// Collects fired ids; the last expected one wakes the test.
struct FiredLog {
    void Add(TimerService::TimerId id) {
        std::lock_guard lock(mutex);
        ids.push_back(id);
        if (ids.size() == expected) {
            done.Set();
        }
    }
    std::vector<TimerService::TimerId> Ids() {
        std::lock_guard lock(mutex);
        return ids;
    }
    std::mutex mutex;
    std::vector<TimerService::TimerId> ids;
    size_t expected = 0;
    AutoResetEvent done;
};

TEST(TimerServiceTest, TimersFireOnceInDeadlineOrder) {
    TimerService timers;
    FiredLog log;
    log.expected = 3;
    auto record = [&](TimerService::TimerId id) { log.Add(id); };
    const auto late = timers.SetTimer(30, record);
    const auto early = timers.SetTimer(5, record);
    const auto middle = timers.SetTimer(15, record);
    EXPECT_NE(late, 0u);
    EXPECT_NE(early, late);
    ASSERT_TRUE(log.done.WaitFor(5s));
    EXPECT_EQ(log.Ids(), (std::vector<TimerService::TimerId>{early, middle, late}));
    EXPECT_EQ(timers.PendingCount(), 0u);
    EXPECT_FALSE(timers.KillTimer(early)) << "a fired timer cannot be killed";
}

TEST(TimerServiceTest, ATimerNeverFiresBeforeItsDelay) {
    TimerService timers;
    AutoResetEvent fired;
    std::atomic<std::uint32_t> firedAt{0};
    const std::uint32_t setAt = TimerService::Now();
    timers.SetTimer(20, [&](TimerService::TimerId) {
        firedAt = TimerService::Now();
        fired.Set();
    });
    ASSERT_TRUE(fired.WaitFor(5s));
    EXPECT_GE(firedAt.load() - setAt, 20u);
}

TEST(TimerServiceTest, KilledTimersDoNotFireAndRefusedOnesGetNoId) {
    TimerService timers;
    std::atomic<int> calls{0};
    const auto id = timers.SetTimer(10'000, [&](TimerService::TimerId) { ++calls; });
    EXPECT_EQ(timers.PendingCount(), 1u);
    EXPECT_TRUE(timers.KillTimer(id));
    EXPECT_FALSE(timers.KillTimer(id));
    EXPECT_EQ(timers.PendingCount(), 0u);
    EXPECT_EQ(timers.SetTimer(0, [&](TimerService::TimerId) { ++calls; }), 0u);
    EXPECT_EQ(timers.SetTimer(-5, [&](TimerService::TimerId) { ++calls; }), 0u);
    EXPECT_EQ(timers.SetTimer(5, nullptr), 0u);
    EXPECT_FALSE(timers.KillTimer(0));
    EXPECT_EQ(calls.load(), 0);
}

TEST(TimerServiceTest, CallbacksMaySetAndKillTimers) {
    TimerService timers;
    AutoResetEvent done;
    std::atomic<TimerService::TimerId> victim{0};
    std::atomic<bool> victimFired{false};
    victim = timers.SetTimer(200, [&](TimerService::TimerId) { victimFired = true; });
    timers.SetTimer(2, [&](TimerService::TimerId) {
        EXPECT_TRUE(timers.KillTimer(victim));
        timers.SetTimer(2, [&](TimerService::TimerId) { done.Set(); });
    });
    ASSERT_TRUE(done.WaitFor(5s));
    EXPECT_FALSE(victimFired.load());
}

TEST(TimerServiceTest, ManyThreadsSettingAndKillingStayConsistent) {
    TimerService timers;
    std::atomic<int> fired{0};
    std::atomic<int> killed{0};
    constexpr int kThreads = 4;
    constexpr int kPerThread = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i) {
                const auto id =
                    timers.SetTimer(1 + (i + t) % 5, [&](TimerService::TimerId) { ++fired; });
                if (i % 3 == 0 && timers.KillTimer(id)) {
                    ++killed;
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (int wait = 0; wait < 500 && timers.PendingCount() > 0; ++wait) {
        std::this_thread::sleep_for(10ms);
    }
    // Callbacks that were taken off the queue may still be finishing.
    for (int wait = 0; wait < 500 && fired + killed < kThreads * kPerThread; ++wait) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(timers.PendingCount(), 0u);
    EXPECT_EQ(fired + killed, kThreads * kPerThread) << "every timer either fired or was killed";
}

TEST(AutoResetEventTest, ASetWakesOneWaitAndThenResets) {
    AutoResetEvent event;
    EXPECT_FALSE(event.WaitFor(1ms));
    event.Set();
    EXPECT_TRUE(event.WaitFor(1ms));
    EXPECT_FALSE(event.WaitFor(1ms)) << "the event reset itself";
    event.Set();
    event.Reset();
    EXPECT_FALSE(event.WaitFor(1ms));

    std::atomic<bool> woke{false};
    std::thread waiter([&] {
        event.Wait();
        woke = true;
    });
    event.Set();
    waiter.join();
    EXPECT_TRUE(woke.load());
}

}  // namespace
