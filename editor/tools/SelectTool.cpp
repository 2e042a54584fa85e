#include "editor/tools/SelectTool.h"

#include "editor/ToolsManager.h"
#include "editor/tools/ToolTarget.h"
#include "model/FloatingCombo.h"
#include "model/FloatingText.h"
#include "model/ScoreWindow.h"

namespace {

const char* PopupFor(const ToolTarget& target) {
    switch (target.GetKind()) {
        case ToolTarget::Kind::Note:
        case ToolTarget::Kind::Rest:
            return "NotePopup";
        case ToolTarget::Kind::Bar:
            return "BarPopup";
        default:
            return target.IsUserText() ? "UserTextPopup" : nullptr;
    }
}

}  // namespace

SelectTool& SelectTool::Instance() {
    static SelectTool tool;
    return tool;
}

void SelectTool::OnRButtonDown(ScoreWindow& window, unsigned, Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    const ToolTarget target = ToolTarget::At(window, at);
    if (target.Is(ToolTarget::Kind::Nothing)) {
        if (tools.DragState() == 1) {
            tools.ClearSelection(true);
        }
        return;
    }
    if (!tools.Contains(target.Object())) {
        tools.ClearSelection(true);
        tools.ToggleSelect(target.Object());
    }
    if (const char* popup = PopupFor(target)) {
        window.OpenPopupMenu(popup, at);
    }
}

void SelectTool::OnLButtonDown(ScoreWindow& window, unsigned flags, Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    if (tools.DragState() != 0 && tools.DragState() != 1) {
        return;
    }
    const ToolTarget target = ToolTarget::At(window, at);
    if (target.Is(ToolTarget::Kind::Nothing)) {
        if (tools.DragState() == 1) {
            tools.ClearSelection(true);
        }
        return;
    }
    const bool anchors = Select(flags, target.Object());
    Press(window, target, flags, at);
    if (anchors) {
        m_anchor = target.Object();
    }
}

void SelectTool::OnLButtonUp(ScoreWindow& window, unsigned, Point) {
    ToolsManager& tools = ToolsManager::Instance();
    const int state = tools.DragState();
    if (state != 2 && state != 3) {
        return;
    }
    if (state == 3) {
        RecordEdit(window, "Dragging");
        SelectionDrag::Recorded();
    }
    tools.SetDragState(1);
}

void SelectTool::OnMouseMove(ScoreWindow& window, unsigned, Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    const int state = tools.DragState();
    if (state == 0) {
        tools.SetHover(window.HitTest(at));
    } else if (state == 2 || state == 3) {
        m_drag.MoveTo(at);
    }
}

bool SelectTool::Select(unsigned flags, SelObject* object) {
    ToolsManager& tools = ToolsManager::Instance();
    if ((flags & Control) != 0) {
        tools.ToggleSelect(object);
    } else if (SelObject* anchor = (flags & Shift) != 0 ? LiveAnchor() : nullptr) {
        tools.SelectRange(anchor, object);
        return false;
    } else {
        tools.SelectSingle(object);
    }
    return true;
}

void SelectTool::Press(ScoreWindow& window, const ToolTarget& target, unsigned flags, Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    const bool opensOrSpans =
        target.Is(ToolTarget::Kind::Selector) || target.Is(ToolTarget::Kind::Bar) ||
        target.Object()->IsA("LyricText") || target.Object()->IsA("TrackTitle");
    if (opensOrSpans) {
        tools.SetDragState(1);
        if (FloatingCombo* selector = target.AsSelector()) {
            selector->OnPointerDown(nullptr, at.x, at.y, flags);
            window.OpenDropDown(*selector);
        }
        return;
    }
    if (target.IsUserText()) {
        m_drag.Grab(*target.AsTextBox(), at);
    }
    tools.SetDragState(2);
}

SelObject* SelectTool::LiveAnchor() const {
    return m_anchor != nullptr && ToolsManager::Instance().Contains(m_anchor) ? m_anchor : nullptr;
}
