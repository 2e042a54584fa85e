#pragma once

#include "model/Geometry.h"

class FloatingText;
class Note;
class UserText;

// The select tool's drag of the selection while the mouse button is held,
// which the pencil borrows for the note it has just written. Each pointer
// move sets the drag state to 3 and moves what a drag moves: a single
// selected note to the staff position under the pointer, a volume slider's
// value, a free text box's top-left corner (keeping where the pointer grabbed
// it). Rests, several notes and bars stay put. It records nothing: the
// button's release does. User-interface thread only.
class SelectionDrag {
public:
    // Remembers where the pointer took hold of the box.
    void Grab(const FloatingText& box, Point at);
    // One pointer move; true when a note changed its pitch.
    bool MoveTo(Point at);
    // The release has recorded the drag: the volume sliders it moved need
    // no record of their own when they are next drawn.
    static void Recorded();

private:
    static bool MoveNote(Note& note, Point at);
    void MoveText(UserText& text, Point at) const;

    Point m_grabOffset;
};
