#include "editor/tools/EraserTool.h"

#include "editor/ToolsManager.h"
#include "editor/tools/ToolTarget.h"
#include "model/Note.h"
#include "model/NoteBar.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"
#include "model/Track.h"
#include "model/UserText.h"

EraserTool& EraserTool::Instance() {
    static EraserTool tool;
    return tool;
}

void EraserTool::OnRButtonDown(ScoreWindow&, unsigned, Point) {}

void EraserTool::OnLButtonDown(ScoreWindow& window, unsigned, Point at) {
    const ToolTarget target = ToolTarget::At(window, at);
    if (Note* note = target.AsNote()) {
        if (NoteBar* bar = target.HoldingBar()) {
            Erase(*note, *bar, at);
        }
    } else if (target.IsUserText()) {
        RemoveText(window, static_cast<UserText&>(*target.Object()));
    }
}

void EraserTool::OnLButtonUp(ScoreWindow&, unsigned, Point) {}

void EraserTool::OnMouseMove(ScoreWindow& window, unsigned, Point at) {
    ToolsManager::Instance().SetHover(window.HitTest(at));
}

void EraserTool::Erase(Note& note, NoteBar& bar, Point at) {
    ToolsManager& tools = ToolsManager::Instance();
    tools.ClearSelection(true);
    Track* track = bar.GetTrack();
    // Only the last note of a tie chain goes; before it, the click takes the
    // tie away and leaves the note.
    const bool tiesOnwards = note.IsTieStart() || note.IsTieMiddle();
    if (tiesOnwards && track != nullptr) {
        track->EraseTie(&note);
    } else {
        bar.EraseNoteAt(at.x, at.y);
    }
    // The note may be gone now; the bar stays.
    RefreshNotes(bar);
    tools.ClearSelection(true);
}

void EraserTool::RemoveText(ScoreWindow& window, UserText& text) {
    Song* song = window.GetSong();
    if (song == nullptr) {
        return;
    }
    song->RemoveUserText(&text);
    RecordEdit(window, "Erase UserText");
}
