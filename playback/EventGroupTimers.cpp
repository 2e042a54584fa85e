#include "playback/EventGroupTimers.h"

#include <chrono>
#include <utility>

EventGroupTimers::~EventGroupTimers() {
    ReleaseAll();
}

void EventGroupTimers::Start(std::unique_ptr<NoteEvent> group) {
    if (group == nullptr) {
        return;
    }
    std::lock_guard lock(m_mutex);
    group->Fire();
    const std::weak_ptr<EventGroupTimers> self = weak_from_this();
    const TimerService::TimerId id =
        m_timers.SetTimer(group->Duration() - 1, [self](TimerService::TimerId fired) {
            if (const auto timers = self.lock()) {
                timers->OnTimer(fired);
            }
        });
    if (id == 0) {
        group->Release();
        return;
    }
    Running running{std::move(group), std::nullopt};
    if (const midi::SendTime* fired = midi::SendTime::Current()) {
        running.release.emplace(fired->Origin(), fired->Due() + std::chrono::milliseconds(
                                                                    running.group->Duration() - 1));
    }
    m_groups.emplace(id, std::move(running));
}

void EventGroupTimers::OnTimer(TimerService::TimerId id) {
    std::lock_guard lock(m_mutex);
    const auto found = m_groups.find(id);
    if (found == m_groups.end()) {
        // ReleaseAll got there first.
        return;
    }
    Running& running = found->second;
    std::optional<midi::SendTime> at;
    if (running.release) {
        at.emplace(running.release->first, running.release->second);
    }
    running.group->Release();
    m_groups.erase(found);
}

void EventGroupTimers::ReleaseAll() {
    std::lock_guard lock(m_mutex);
    for (auto& [id, running] : m_groups) {
        // A timer already firing cannot be killed; its callback waits for
        // the lock and then finds its group gone.
        m_timers.KillTimer(id);
        running.group->Release();
    }
    m_groups.clear();
}

std::size_t EventGroupTimers::Count() const {
    std::lock_guard lock(m_mutex);
    return m_groups.size();
}
