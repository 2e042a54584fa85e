#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "playback/NoteEvent.h"

// Events of one step that end together, started and released as one, with
// one timer between. Owns its members. Its duration is its first member's
// (0 while empty).
class NoteEventCollection : public NoteEvent {
public:
    NoteEventCollection() : NoteEvent(0) {}

    // Takes the event when its duration equals the collection's (any event
    // when empty); otherwise refuses and leaves the event with the caller.
    bool Add(std::unique_ptr<NoteEvent>& event);

    // Members in the order they were added.
    void Fire() override;
    void Release() override;
    int Duration() const override;

    std::size_t Size() const { return m_events.size(); }
    bool Empty() const { return m_events.empty(); }
    const NoteEvent& At(std::size_t index) const { return *m_events.at(index); }

private:
    std::vector<std::unique_ptr<NoteEvent>> m_events;
};
