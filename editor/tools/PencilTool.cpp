#include "editor/tools/PencilTool.h"

#include <utility>

#include "editor/ToolsManager.h"
#include "editor/tools/SelectTool.h"
#include "editor/tools/ToolTarget.h"
#include "model/FloatingText.h"
#include "model/Note.h"
#include "model/NoteBar.h"
#include "model/ScoreWindow.h"
#include "model/Track.h"
#include "playback/SoundEngine.h"

PencilTool& PencilTool::Instance() {
    static PencilTool tool;
    return tool;
}

void PencilTool::OnRButtonDown(ScoreWindow& window, unsigned flags, Point at) {
    const ToolTarget target = ToolTarget::At(window, at);
    if (target.Is(ToolTarget::Kind::Nothing)) {
        m_menuPoint = at;
        window.OpenPopupMenu("NullPopup", at);
    } else if (target.Is(ToolTarget::Kind::Note)) {
        window.OpenPopupMenu("NotePopup", at);
    } else if (target.IsUserText()) {
        window.OpenPopupMenu("UserTextPopup", at);
    } else if (target.Object()->IsA("ChordCombo")) {
        // The chord box records and repaints its own change.
        target.Object()->OnActivate(nullptr, at.x, at.y, flags);
    }
}

void PencilTool::OnLButtonDown(ScoreWindow& window, unsigned flags, Point at) {
    const ToolTarget target = ToolTarget::At(window, at);
    switch (target.GetKind()) {
        case ToolTarget::Kind::TextBox:
            PressTextBox(window, *target.AsTextBox(), at);
            break;
        case ToolTarget::Kind::Selector:
        case ToolTarget::Kind::Slider:
            SelectTool::Instance().OnLButtonDown(window, flags, at);
            m_opening = target.Is(ToolTarget::Kind::Selector);
            break;
        case ToolTarget::Kind::Note:
            PressNote(window, *target.AsNote());
            break;
        case ToolTarget::Kind::Rest:
        case ToolTarget::Kind::Bar:
            if (NoteBar* bar = target.HoldingBar();
                bar != nullptr && ToolsManager::Instance().InputKind() != ToolsManager::TieInput) {
                Write(*bar, at);
            }
            break;
        default:
            break;
    }
}

void PencilTool::OnLButtonUp(ScoreWindow& window, unsigned, Point) {
    ToolsManager& tools = ToolsManager::Instance();
    // The release of the click that opened an edit field or a selector's
    // list keeps the object selected: deselecting it would close what the
    // click has just opened. The next click's release closes it.
    if (std::exchange(m_opening, false)) {
        return;
    }
    if (tools.DragState() == 3 && m_moved) {
        RecordEdit(window, "Dragging");
    }
    m_moved = false;
    tools.ClearSelection(true);
}

void PencilTool::OnMouseMove(ScoreWindow& window, unsigned, Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    if (tools.DragState() == 2 || tools.DragState() == 3) {
        m_moved = SelectTool::Instance().Drag().MoveTo(at) || m_moved;
    } else {
        tools.SetHover(window.HitTest(at));
    }
}

void PencilTool::PressTextBox(ScoreWindow& window, FloatingText& box, Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    SelectTool::Instance().Drag().Grab(box, at);
    tools.SetDragState(1);
    tools.SelectSingle(&box);
    window.OpenEditField(box);
    m_opening = true;
}

void PencilTool::PressNote(ScoreWindow& window, Note& note) {
    ToolsManager& tools = ToolsManager::Instance();
    NoteBar* bar = ToolTarget(&note).HoldingBar();
    Track* track = bar != nullptr ? bar->GetTrack() : nullptr;
    if (track == nullptr) {
        return;
    }
    if (tools.InputKind() == ToolsManager::TieInput) {
        // The track repaints both bars the tie joins; a tie it refuses is
        // simply not drawn.
        if (track->AddTie(&note)) {
            RecordEdit(window, "Add tie with pencil");
        }
    } else if (tools.Accidental() != Note::NoAccidental) {
        // Recorded like the pop-up menu's accidentals, so the change can be
        // undone and marks the document modified.
        if (track->ApplyAccidental(&note, tools.Accidental())) {
            RefreshNotes(*bar);
            RecordEdit(window, "Note SharpFlat");
        }
    }
    tools.SetDragState(2);
    tools.SelectSingle(&note);
}

void PencilTool::Write(NoteBar& bar, Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    // The bar records the insertion itself ("Bar data changed").
    Note* written = bar.InsertNoteAt(at.x, at.y, tools.GetPencilSettings());
    if (written == nullptr) {
        return;
    }
    SoundEngine::Instance().AuditionStep(bar, written->GetStep());
    RefreshNotes(bar);
    UseOneShotInput();
    tools.SetDragState(2);
    // The written note, not whatever lies under the point now: a whole-bar
    // rest stands in the middle of the bar while the note takes its first
    // step, so a click on that rest would select the bar and the drag that
    // follows would move nothing.
    tools.SelectSingle(written);
}

void PencilTool::UseOneShotInput() {
    ToolsManager& tools = ToolsManager::Instance();
    if (tools.LengthModifier() == ToolsManager::Dotted) {
        tools.SetLengthModifier(ToolsManager::Plain);
    }
    tools.SetAccidental(Note::NoAccidental);
}
