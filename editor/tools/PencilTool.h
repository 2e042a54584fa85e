#pragma once

#include "editor/tools/Tool.h"

class FloatingText;
class Note;
class NoteBar;

// The pencil: a click on a rest or an empty place of a bar writes what the
// tool manager's input says (a note or rest of the chosen value, dot or
// triplet and accidental), sounds it once and selects it so that a drag moves
// it; a click on a note ties it to the next one or gives it the chosen
// accidental; a click on a text box opens its edit field; selectors and
// volume sliders behave as under the select tool. A right click opens the
// pop-up menu of the object, or of empty paper, or turns a chord box's
// sub-style. One instance per process; user-interface thread only.
class PencilTool : public Tool {
public:
    static PencilTool& Instance();

    void OnRButtonDown(ScoreWindow& window, unsigned flags, Point at) override;
    void OnLButtonDown(ScoreWindow& window, unsigned flags, Point at) override;
    void OnLButtonUp(ScoreWindow& window, unsigned flags, Point at) override;
    void OnMouseMove(ScoreWindow& window, unsigned flags, Point at) override;

    // The last right click on empty paper, where "Insert Text" puts its box.
    Point MenuPoint() const { return m_menuPoint; }

private:
    PencilTool() = default;
    void PressTextBox(ScoreWindow& window, FloatingText& box, Point at);
    void PressNote(ScoreWindow& window, Note& note);
    static void Write(NoteBar& bar, Point at);
    // The dot and the accidental are chosen for one note at a time.
    static void UseOneShotInput();

    Point m_menuPoint;
    bool m_moved = false;
    // The press opened an edit field or a list, which its release keeps open.
    bool m_opening = false;
};
