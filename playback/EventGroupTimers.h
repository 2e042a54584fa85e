#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "platform/TimerService.h"
#include "playback/NoteEvent.h"
#include "playback/midi/SendTime.h"

// The event groups that have been fired and wait for their release, each
// under the id of its own one-shot timer. One lock guards the map; a group is
// fired and entered under it, so its release (on the timer thread) can never
// overtake its start, and ReleaseAll can never miss a group. The lock is
// never held while waiting. Create it with std::make_shared: timer callbacks
// hold it weakly and do nothing once it is gone.
class EventGroupTimers : public std::enable_shared_from_this<EventGroupTimers> {
public:
    explicit EventGroupTimers(TimerService& timers) : m_timers(timers) {}
    ~EventGroupTimers();
    EventGroupTimers(const EventGroupTimers&) = delete;
    EventGroupTimers& operator=(const EventGroupTimers&) = delete;

    // Fires the group now and releases it Duration() - 1 ms later from the
    // timer thread (a release timer fires at the earliest that long after it
    // is set, so the group ends within its duration). A group the timer
    // service refuses (duration 1 ms or less) is released at once. A group
    // fired under a SendTime is released under one as well, due that long
    // after the firing was due.
    void Start(std::unique_ptr<NoteEvent> group);
    // Kills every timer and releases and destroys every group still
    // waiting, under the caller's SendTime if it has one.
    void ReleaseAll();
    // Groups waiting for their release.
    std::size_t Count() const;

private:
    void OnTimer(TimerService::TimerId id);

    TimerService& m_timers;
    mutable std::mutex m_mutex;
    struct Running {
        std::unique_ptr<NoteEvent> group;
        // When the release is due, for groups fired under a SendTime.
        std::optional<
            std::pair<midi::SendTime::Clock::time_point, midi::SendTime::Clock::time_point>>
            release;
    };
    std::unordered_map<TimerService::TimerId, Running> m_groups;
};
