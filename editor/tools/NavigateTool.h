#pragma once

#include "editor/tools/Tool.h"

// The hand that drags the score around: while the left button is held, the
// score follows the pointer, as if the page were grabbed. It changes nothing
// in the song. One instance per process; user-interface thread only.
class NavigateTool : public Tool {
public:
    static NavigateTool& Instance();

    void OnRButtonDown(ScoreWindow& window, unsigned flags, Point at) override;
    void OnLButtonDown(ScoreWindow& window, unsigned flags, Point at) override;
    void OnLButtonUp(ScoreWindow& window, unsigned flags, Point at) override;
    void OnMouseMove(ScoreWindow& window, unsigned flags, Point at) override;

    bool IsDragging() const { return m_dragging; }

private:
    NavigateTool() = default;
    // The pointer in device units from the visible area's top-left; the
    // score's origin is the scrolled area's device origin.
    static Point InView(const ScoreWindow& window, Point at);

    Point m_last;
    bool m_dragging = false;
};
