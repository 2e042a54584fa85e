#include "playback/NoteHighlightEvent.h"

#include "model/EditingState.h"
#include "model/Note.h"

NoteHighlightEvent::NoteHighlightEvent(int durationMs, Note* note)
    : NoteEvent(durationMs), m_note(note) {}

void NoteHighlightEvent::Fire() {
    Mark(true);
}

void NoteHighlightEvent::Release() {
    Mark(false);
}

void NoteHighlightEvent::Mark(bool on) const {
    if (m_note == nullptr) {
        return;
    }
    m_note->SetHighlighted(on);
    EditingState::Instance().AddDirtyRect(m_note->GetBoundingRect());
}
