#pragma once

#include "model/Geometry.h"

class NoteBar;
class ScoreWindow;

// One of the score's editing tools (pencil, eraser, select, navigate). The
// view hands it the mouse events over the score in score units, with the
// modifier flags below; the tool asks the window what lies under the point
// and calls the model, the tool manager and the undo history. Mouse moves
// and button presses reach it only while nothing plays; a left button
// release always does. User-interface thread only.
class Tool {
public:
    // Modifier flags of a mouse event.
    enum Flags : unsigned { Control = 1u, Shift = 2u };

    virtual ~Tool() = default;

    virtual void OnRButtonDown(ScoreWindow& window, unsigned flags, Point at) = 0;
    virtual void OnLButtonDown(ScoreWindow& window, unsigned flags, Point at) = 0;
    virtual void OnLButtonUp(ScoreWindow& window, unsigned flags, Point at) = 0;
    virtual void OnMouseMove(ScoreWindow& window, unsigned flags, Point at) = 0;

protected:
    // Records the window's song in the undo history under the action's name
    // (nothing while the window has no song).
    static void RecordEdit(ScoreWindow& window, const char* name);
    // Places the bar's note heads again and hands its area for repainting.
    static void RefreshNotes(NoteBar& bar);
};
