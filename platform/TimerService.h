#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <unordered_map>

// One-shot timers with millisecond delays, served by one thread of their
// own on the steady clock. Callbacks run on that thread, one at a time, in
// deadline order (equal deadlines in the order they were set), and must not
// block for long. Every timer has an id; 0 means the timer was refused.
class TimerService {
public:
    using TimerId = std::uint32_t;
    using Callback = std::function<void(TimerId)>;

    TimerService();
    ~TimerService();
    TimerService(const TimerService&) = delete;
    TimerService& operator=(const TimerService&) = delete;

    // The program's shared service; it lives until the process ends.
    static TimerService& Instance();

    // Calls the callback once, delayMs milliseconds from now. A delay below
    // 1 ms is refused with id 0.
    TimerId SetTimer(int delayMs, Callback callback);
    // Cancels a timer that has not fired yet; false when it already fired,
    // is firing or never existed. Never waits for a running callback.
    bool KillTimer(TimerId id);
    // Pending timers, for tests and diagnostics.
    size_t PendingCount() const;

    // Milliseconds on the steady clock since an arbitrary start.
    static std::uint32_t Now();

private:
    using Clock = std::chrono::steady_clock;
    struct Entry {
        Clock::time_point deadline;
        Callback callback;
    };

    void Run();
    TimerId NextId();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::multimap<Clock::time_point, TimerId> m_byDeadline;
    std::unordered_map<TimerId, std::multimap<Clock::time_point, TimerId>::iterator> m_byId;
    std::unordered_map<TimerId, Callback> m_callbacks;
    TimerId m_lastId = 0;
    bool m_stopping = false;
    std::thread m_thread;
};
