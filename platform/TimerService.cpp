#include "platform/TimerService.h"

#include <vector>

#include "platform/SignalStack.h"

TimerService::TimerService() : m_thread([this] { Run(); }) {}

TimerService::~TimerService() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

TimerService& TimerService::Instance() {
    // Never destroyed: objects with static lifetime may still kill timers
    // while the program exits.
    static TimerService* service = new TimerService();
    return *service;
}

TimerService::TimerId TimerService::SetTimer(int delayMs, Callback callback) {
    if (delayMs < 1 || !callback) {
        return 0;
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(delayMs);
    TimerId id = 0;
    bool earliest = false;
    {
        std::lock_guard lock(m_mutex);
        id = NextId();
        const auto position = m_byDeadline.emplace(deadline, id);
        m_byId.emplace(id, position);
        m_callbacks.emplace(id, std::move(callback));
        earliest = position == m_byDeadline.begin();
    }
    if (earliest) {
        m_wake.notify_one();
    }
    return id;
}

bool TimerService::KillTimer(TimerId id) {
    std::lock_guard lock(m_mutex);
    const auto found = m_byId.find(id);
    if (found == m_byId.end()) {
        return false;
    }
    m_byDeadline.erase(found->second);
    m_byId.erase(found);
    m_callbacks.erase(id);
    return true;
}

size_t TimerService::PendingCount() const {
    std::lock_guard lock(m_mutex);
    return m_byId.size();
}

std::uint32_t TimerService::Now() {
    static const Clock::time_point start = Clock::now();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TimerService::TimerId TimerService::NextId() {
    // Ids wrap around but never reuse one still pending, and never give 0.
    do {
        ++m_lastId;
    } while (m_lastId == 0 || m_byId.contains(m_lastId));
    return m_lastId;
}

void TimerService::Run() {
    // The crash handler can report a stack overflow in a callback only on a
    // stack of its own.
    const SignalStack signalStack;
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (m_byDeadline.empty()) {
            m_wake.wait(lock);
            continue;
        }
        const Clock::time_point next = m_byDeadline.begin()->first;
        if (Clock::now() < next) {
            m_wake.wait_until(lock, next);
            continue;
        }
        const TimerId id = m_byDeadline.begin()->second;
        m_byDeadline.erase(m_byDeadline.begin());
        m_byId.erase(id);
        Callback callback = std::move(m_callbacks[id]);
        m_callbacks.erase(id);
        // Callbacks may set or kill timers, so they run without the lock.
        lock.unlock();
        callback(id);
        lock.lock();
    }
}
