#include "editor/tools/SelectionDrag.h"

#include <vector>

#include "editor/ToolsManager.h"
#include "editor/tools/ToolTarget.h"
#include "model/MelodicBar.h"
#include "model/UserText.h"
#include "model/VolumeSlider.h"

void SelectionDrag::Grab(const FloatingText& box, Point at) {
    const Box corner = box.GetBox();
    m_grabOffset = {at.x - corner.x, at.y - corner.y};
}

bool SelectionDrag::MoveTo(Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    tools.SetDragState(3);
    // Moving repaints and notifies; a copy keeps the walk safe whatever an
    // observer does with the selection meanwhile.
    const std::vector<SelObject*> selection = tools.Selection();
    bool noteChanged = false;
    for (SelObject* object : selection) {
        const ToolTarget target(object);
        if (target.Is(ToolTarget::Kind::Note) && selection.size() == 1) {
            noteChanged = MoveNote(*target.AsNote(), at);
        } else if (VolumeSlider* slider = target.AsSlider()) {
            slider->OnPointerDrag(nullptr, at.x, at.y, 0);
        } else if (target.IsUserText()) {
            MoveText(static_cast<UserText&>(*object), at);
        }
    }
    return noteChanged;
}

void SelectionDrag::Recorded() {
    for (SelObject* object : ToolsManager::Instance().Selection()) {
        if (VolumeSlider* slider = ToolTarget(object).AsSlider()) {
            slider->SetChanged(false);
        }
    }
}

bool SelectionDrag::MoveNote(Note& note, Point at) {
    // Drum notes keep their one line.
    auto* bar = dynamic_cast<MelodicBar*>(ToolTarget(&note).HoldingBar());
    return bar != nullptr && bar->MoveNoteToStaffPoint(note, at.y);
}

void SelectionDrag::MoveText(UserText& text, Point at) const {
    ToolsManager& tools = ToolsManager::Instance();
    tools.AddDirtyRect(text.GetBoundingRect());
    text.MoveTo(at.x - m_grabOffset.x, at.y - m_grabOffset.y);
    tools.AddDirtyRect(text.GetBoundingRect());
    text.Notify(8);
}
