#include "playback/NoteEventCollection.h"

#include <utility>

bool NoteEventCollection::Add(std::unique_ptr<NoteEvent>& event) {
    if (event == nullptr || (!m_events.empty() && event->Duration() != Duration())) {
        return false;
    }
    m_events.push_back(std::move(event));
    return true;
}

void NoteEventCollection::Fire() {
    for (const auto& event : m_events) {
        event->Fire();
    }
}

void NoteEventCollection::Release() {
    for (const auto& event : m_events) {
        event->Release();
    }
}

int NoteEventCollection::Duration() const {
    return m_events.empty() ? 0 : m_events.front()->Duration();
}
