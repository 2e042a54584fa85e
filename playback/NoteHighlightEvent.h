#pragma once

#include "playback/NoteEvent.h"

class Note;

// Colours a note or rest as playing while it sounds: marks it when fired,
// clears the mark when released, and each time hands its area to the tool
// manager so the view repaints it. The note is not owned; the song must not
// change while it plays.
class NoteHighlightEvent : public NoteEvent {
public:
    NoteHighlightEvent(int durationMs, Note* note);

    void Fire() override;
    void Release() override;

    Note* GetNote() const { return m_note; }

private:
    void Mark(bool on) const;

    Note* m_note;
};
