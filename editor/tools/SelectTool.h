#pragma once

#include "editor/tools/SelectionDrag.h"
#include "editor/tools/Tool.h"

class SelObject;
class ToolTarget;

// The select tool: a click selects the object under the pointer (Ctrl adds
// or removes it, Shift spans a block of bars from the last clicked bar), a
// press on a selector opens its list, a drag moves a single note, a volume
// slider or a free text box, and the release of a drag records "Dragging".
// A right click opens the pop-up menu of the object. One instance per
// process; user-interface thread only.
class SelectTool : public Tool {
public:
    static SelectTool& Instance();

    void OnRButtonDown(ScoreWindow& window, unsigned flags, Point at) override;
    void OnLButtonDown(ScoreWindow& window, unsigned flags, Point at) override;
    void OnLButtonUp(ScoreWindow& window, unsigned flags, Point at) override;
    void OnMouseMove(ScoreWindow& window, unsigned flags, Point at) override;

    // The drag of the selection, shared with the pencil.
    SelectionDrag& Drag() { return m_drag; }

private:
    SelectTool() = default;
    // Changes the selection as the keys ask; false after a Shift range,
    // which keeps the anchor. Without a live anchor Shift selects the one
    // object, which anchors the next range.
    bool Select(unsigned flags, SelObject* object);
    // The drag state a press on the target leads to, opening a selector's list.
    void Press(ScoreWindow& window, const ToolTarget& target, unsigned flags, Point at);
    // The anchor, while it is still selected: the selection holds only live
    // objects, so a selected anchor has not been deleted since.
    SelObject* LiveAnchor() const;

    SelectionDrag m_drag;
    SelObject* m_anchor = nullptr;
};
