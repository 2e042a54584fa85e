#include "editor/tools/NavigateTool.h"

#include "model/ScoreWindow.h"

NavigateTool& NavigateTool::Instance() {
    static NavigateTool tool;
    return tool;
}

void NavigateTool::OnRButtonDown(ScoreWindow&, unsigned, Point) {}

void NavigateTool::OnLButtonDown(ScoreWindow& window, unsigned, Point at) {
    m_last = InView(window, at);
    m_dragging = true;
}

void NavigateTool::OnLButtonUp(ScoreWindow&, unsigned, Point) {
    m_dragging = false;
}

void NavigateTool::OnMouseMove(ScoreWindow& window, unsigned, Point at) {
    if (!m_dragging) {
        return;
    }
    // The pointer's movement is measured on the screen, not on the score:
    // once the score has scrolled along, the score point under a held
    // pointer stays where it was, so score points would show no movement
    // on every other event and the page would lag behind the hand.
    const Point now = InView(window, at);
    const Point scroll = window.ScrollPosition();
    // Both directions move the page with the hand, the way a grabbed sheet
    // of paper moves: dragging down shows what lies above.
    window.ScrollTo({scroll.x - (now.x - m_last.x), scroll.y - (now.y - m_last.y)});
    m_last = now;
}

Point NavigateTool::InView(const ScoreWindow& window, Point at) {
    const Size device = window.ToDevice({at.x, at.y});
    const Point scroll = window.ScrollPosition();
    return {device.width - scroll.x, device.height - scroll.y};
}
