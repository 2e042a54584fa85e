#pragma once

#include "editor/tools/Tool.h"

class NoteBar;
class Note;
class UserText;

// The eraser: a click on a note or rest erases it (a note that ties onwards
// only loses that tie), a click on a free text box removes the box; moving
// the pointer hovers what lies under it. Right clicks and releases do
// nothing. One instance per process; user-interface thread only.
class EraserTool : public Tool {
public:
    static EraserTool& Instance();

    void OnRButtonDown(ScoreWindow& window, unsigned flags, Point at) override;
    void OnLButtonDown(ScoreWindow& window, unsigned flags, Point at) override;
    void OnLButtonUp(ScoreWindow& window, unsigned flags, Point at) override;
    void OnMouseMove(ScoreWindow& window, unsigned flags, Point at) override;

private:
    EraserTool() = default;
    // The bar notifies its change, which is recorded as "Bar data changed".
    static void Erase(Note& note, NoteBar& bar, Point at);
    static void RemoveText(ScoreWindow& window, UserText& text);
};
