#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// An event that wakes one waiter and then resets itself, as the playback
// thread and the view's workers use to sleep until there is work. Safe to
// use from any thread.
class AutoResetEvent {
public:
    void Set() {
        // Notify under the lock: a waiter that wakes may destroy the event as
        // soon as it can take the lock again.
        std::lock_guard lock(m_mutex);
        m_signalled = true;
        m_condition.notify_one();
    }

    void Reset() {
        std::lock_guard lock(m_mutex);
        m_signalled = false;
    }

    // Waits until the event is set, then resets it.
    void Wait() {
        std::unique_lock lock(m_mutex);
        m_condition.wait(lock, [this] { return m_signalled; });
        m_signalled = false;
    }

    // Like Wait, but gives up after the timeout; true when the event was set.
    bool WaitFor(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        if (!m_condition.wait_for(lock, timeout, [this] { return m_signalled; })) {
            return false;
        }
        m_signalled = false;
        return true;
    }

    // Like Wait, but gives up at the deadline; true when the event was set.
    template <class Clock, class Duration>
    bool WaitUntil(const std::chrono::time_point<Clock, Duration>& deadline) {
        std::unique_lock lock(m_mutex);
        if (!m_condition.wait_until(lock, deadline, [this] { return m_signalled; })) {
            return false;
        }
        m_signalled = false;
        return true;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_signalled = false;
};
