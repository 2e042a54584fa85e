#include "playback/NoteHighlightEvent.h"

#include "editor/ToolsManager.h"
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
    ToolsManager::Instance().AddDirtyRect(m_note->GetBoundingRect());
}
